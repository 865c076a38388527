#pragma once

#include "objects/ComponentType.h"
#include "objects/XmlFile.h"

#include <memory>

class Component;
class GameObject;
class TweakBar;
template <typename Base> class FieldSet;
/// The description of a component class's fields (see FieldList).
using ComponentFields = FieldSet<Component>;

/// A piece of behaviour or data of a GameObject, created by name from XML. At most one of each
/// type per object; the object owns it.
class Component
{
  public:
    explicit Component(ComponentType type = ComponentType::Invalid) : m_type(type) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    /// Called once after the whole object is assembled; components register with their driver here.
    virtual void Initialize() {}
    /// Per-frame work for the components a system drives; callers ignore the result.
    virtual bool Update() { return true; }
    /// How this class's fields are cloned, read, written and shown; null for a bare component.
    /// The four operations below follow it unless a class overrides them.
    virtual const ComponentFields* Fields() const { return nullptr; }
    /// A new unregistered instance of the same class with the persistent fields copied.
    virtual std::unique_ptr<Component> Clone() const;
    /// Reads the fields from the component's own element.
    virtual void Deserialize(XmlFile& file, const XmlElement* element);
    /// Appends an element named by the type name under `parent` and writes the fields into it.
    virtual void Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const;
    /// Adds the fields to the debug panel in the group named by the type name.
    virtual void AddToTweakBar(TweakBar& bar, bool instanceOnly);

    ComponentType GetType() const { return m_type; }
    const char* GetTypeName() const { return ComponentTypeName(m_type); }
    GameObject* GetOwner() const { return m_owner; }
    void SetOwner(GameObject* owner) { m_owner = owner; }

  private:
    GameObject* m_owner = nullptr;
    ComponentType m_type;
};
