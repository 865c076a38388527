#pragma once

#include "core/System.h"
#include "objects/ComponentCatalog.h"
#include "objects/ComponentCreator.h"
#include "objects/GameObject.h"

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

/// Component type names to numbers, filled by Factory::Init.
extern std::map<std::string, ComponentType> componentTypeByName;
/// The last object id issued.
extern unsigned lastObjectId;

/// Owns every game object and archetype: creates components by type name, loads archetypes from
/// res/archetype/ and scenes from res/scene/, and destroys objects deferred or a list at once.
class Factory final : public System
{
  public:
    static constexpr int kListCount = 2;
    /// The largest objID a scene may give. Larger ones are negative numbers in the "%d" form files
    /// are written in, and would leave fresh ids no room above the loaded ones.
    static constexpr unsigned kLargestSceneId = 0x7FFFFFFFu;
    using ObjectList = std::map<unsigned, std::unique_ptr<GameObject>>;

    static Factory& Instance();
    ~Factory() override;
    /// The game's component classes; set by the composition root before the Factory is first used.
    static void SetCatalog(const ComponentCatalog* catalog) { s_catalog = catalog; }

    /// Registers the creators, fills componentTypeByName and loads every archetype.
    void Init() override;
    void PreUpdate() override {}
    void Update() override {}
    /// Deletes the objects whose destruction was requested this frame.
    void PostUpdate() override;

    /// Adds or replaces the creator for `type` (each subsystem registers its component classes).
    template <typename T> void RegisterComponent(ComponentType type)
    {
        m_creators[ComponentTypeName(type)] = std::make_unique<ComponentCreatorType<T>>(type);
    }

    /// A new component of that type name, or null for a name without a creator.
    std::unique_ptr<Component> CreateComponent(const std::string& typeName) const;
    /// A new object with no components and the next free id; not stored.
    std::unique_ptr<GameObject> CreateEmptyObject(const std::string& name);
    /// A clone of the named archetype with the next free id, not initialised nor stored; null (the
    /// id still consumed) when no archetype has that name.
    std::unique_ptr<GameObject> CloneArchetype(const std::string& name);
    /// CloneArchetype, InitializeComponents, stored in `list`; null for an unknown archetype.
    GameObject* CreateObject(const std::string& archetype, int list = 0);
    /// Stores the prototype under its name, deleting an older one of that name.
    void AddArchetype(std::unique_ptr<GameObject> archetype);
    /// The archetype of that name, or null.
    const GameObject* FindArchetype(const std::string& name) const;
    /// The object with that id in list 0, or null.
    GameObject* FindObject(unsigned id) const;
    /// Marks the object dead and queues it for deletion at the end of the frame.
    void DestroyObject(unsigned id, int list = 0);
    /// Deletes every object of the list at once, and drops that list's queued deletions.
    void DestroyList(int list);
    /// Deletes every object and archetype.
    void DestroyAll();
    /// Builds the scene's objects into list 0 (folder empty: res/scene/), then zeroes dt.
    void LoadScene(const std::string& name, const std::string& folder = "");
    /// The archetype from res/archetype/<stem>.xml, or null if the file does not load.
    std::unique_ptr<GameObject> LoadArchetype(const std::string& stem);
    void LoadAllArchetypes();

    const ObjectList& GetObjectList(int list) const;
    const std::map<std::string, std::unique_ptr<GameObject>>& Archetypes() const { return m_archetypes; }
    const std::vector<std::pair<unsigned, int>>& DestroyQueue() const { return m_destroyQueue; }

  private:
    Factory();
    static bool IsValidList(int list) { return list >= 0 && list < kListCount; }
    void RegisterCreators();
    unsigned NextFreeId();
    bool IsIdInUse(unsigned id) const;
    void OverrideComponents(GameObject& object, XmlFile& file, const XmlElement* overrides);
    unsigned TakeSceneId(const XmlElement* entry, const GameObject& object, const std::string& scene);
    static void ReportMissingArchetype(const XmlElement* entry, const std::string& scene,
                                       std::set<std::string>& reported);

    std::array<ObjectList, kListCount> m_lists;
    std::map<std::string, std::unique_ptr<GameObject>> m_archetypes;
    std::map<std::string, std::unique_ptr<ComponentCreator>> m_creators;
    std::vector<std::pair<unsigned, int>> m_destroyQueue;
    static inline const ComponentCatalog* s_catalog = nullptr;
};
