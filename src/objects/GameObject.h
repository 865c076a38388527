#pragma once

#include "objects/Component.h"
#include "objects/HandleTable.h"

#include <array>
#include <memory>
#include <string>

/// An id, the archetype name it came from, and at most one component per type. Created and
/// deleted only by the Factory.
class GameObject
{
  public:
    explicit GameObject(std::string name, unsigned id = 0);
    ~GameObject();
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    /// The component of `type`, or null.
    Component* GetComponent(ComponentType type) const;
    /// The component of `type` cast to its class, or null.
    template <typename T> T* Get(ComponentType type) const { return static_cast<T*>(GetComponent(type)); }
    /// Stores `component` under its type, deleting one already there, and becomes its owner.
    Component* AddComponent(std::unique_ptr<Component> component);
    /// Adds a clone of every component of `archetype`, in type order.
    void CloneComponentsFrom(const GameObject& archetype);
    /// Initialize() on every component, in type order.
    void InitializeComponents();
    /// Creates, deserialises and adds a component for every child element of `element`; names that
    /// are not a known component type are skipped. No Initialize.
    void LoadComponents(XmlFile& file, const XmlElement* element);

    bool IsDead() const { return m_isDead; }
    void SetDead(bool dead) { m_isDead = dead; }
    unsigned GetID() const { return m_objID; }
    void SetID(unsigned id) { m_objID = id; }
    int GetSpawnerID() const { return m_spawnerID; }
    void SetSpawnerID(int id) { m_spawnerID = id; }
    const std::string& GetName() const { return m_name; }
    /// How many components the object has.
    size_t ComponentCount() const;
    /// This object's entry in LiveObjects(); dead once the object is being destroyed.
    Handle GetHandle() const { return m_handle; }
    /// Every live object by handle: scripts keep handles, so a destroyed object reads as null.
    static HandleTable<GameObject>& LiveObjects();

  private:
    static size_t Slot(ComponentType type);

    // One slot per type, so lookups cost an index; walking the slots is walking in type order.
    std::array<std::unique_ptr<Component>, kComponentTypeCount + 1> m_components;
    std::string m_name;
    unsigned m_objID = 0;
    int m_spawnerID = -1;
    bool m_isDead = false;
    Handle m_handle;
};
