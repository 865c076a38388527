#include "objects/Factory.h"

#include "core/Engine.h"
#include "core/FileSearch.h"
#include "core/ResourcePaths.h"
#include "objects/Logic.h"

#include <algorithm>
#include <cstdio>

std::map<std::string, ComponentType> componentTypeByName;
unsigned lastObjectId = 0;

Factory::Factory()
{
    // Components unregister from these systems when objects die; touching them first makes them
    // outlive the Factory, whose destructor deletes whatever objects remain at exit.
    GameObject::LiveObjects();
    Logic::Instance();
    if (s_catalog)
        s_catalog->ConstructDrivers();
}

Factory::~Factory()
{
    DestroyAll();
}

Factory& Factory::Instance()
{
    static Factory instance;
    return instance;
}

void Factory::RegisterCreators()
{
    if (s_catalog)
        s_catalog->RegisterCreators(*this);
}

void Factory::Init()
{
    RegisterCreators();
    for (int type = 0; type < kComponentTypeCount; ++type)
        componentTypeByName[ComponentTypeName(static_cast<ComponentType>(type))] =
            static_cast<ComponentType>(type);
    LoadAllArchetypes();
}

std::unique_ptr<Component> Factory::CreateComponent(const std::string& typeName) const
{
    auto found = m_creators.find(typeName);
    return found == m_creators.end() ? nullptr : found->second->Create();
}

bool Factory::IsIdInUse(unsigned id) const
{
    return std::any_of(m_lists.begin(), m_lists.end(),
                       [id](const ObjectList& list) { return list.contains(id); });
}

unsigned Factory::NextFreeId()
{
    // Past the top the counter wraps; skipping 0 (no object) and every id still in use means a
    // fresh id can never replace a live object, however the counter got where it is.
    do
        ++lastObjectId;
    while (lastObjectId == 0 || IsIdInUse(lastObjectId));
    return lastObjectId;
}

std::unique_ptr<GameObject> Factory::CreateEmptyObject(const std::string& name)
{
    return std::make_unique<GameObject>(name, NextFreeId());
}

std::unique_ptr<GameObject> Factory::CloneArchetype(const std::string& name)
{
    const unsigned id = NextFreeId();
    auto found = m_archetypes.find(name);
    if (found == m_archetypes.end())
        return nullptr;
    auto object = std::make_unique<GameObject>(name, id);
    object->CloneComponentsFrom(*found->second);
    return object;
}

GameObject* Factory::CreateObject(const std::string& archetype, int list)
{
    if (!IsValidList(list))
        return nullptr;
    std::unique_ptr<GameObject> object = CloneArchetype(archetype);
    if (!object)
        return nullptr;
    object->InitializeComponents();
    GameObject* raw = object.get();
    m_lists[static_cast<size_t>(list)][raw->GetID()] = std::move(object);
    return raw;
}

void Factory::AddArchetype(std::unique_ptr<GameObject> archetype)
{
    if (!archetype)
        return;
    const std::string name = archetype->GetName();
    m_archetypes[name] = std::move(archetype);
}

const GameObject* Factory::FindArchetype(const std::string& name) const
{
    auto found = m_archetypes.find(name);
    return found == m_archetypes.end() ? nullptr : found->second.get();
}

GameObject* Factory::FindObject(unsigned id) const
{
    auto found = m_lists[0].find(id);
    return found == m_lists[0].end() ? nullptr : found->second.get();
}

const Factory::ObjectList& Factory::GetObjectList(int list) const
{
    return m_lists[IsValidList(list) ? static_cast<size_t>(list) : 0];
}

void Factory::DestroyObject(unsigned id, int list)
{
    if (!IsValidList(list))
        return;
    auto found = m_lists[static_cast<size_t>(list)].find(id);
    if (found == m_lists[static_cast<size_t>(list)].end())
        return;
    found->second->SetDead(true);
    m_destroyQueue.emplace_back(id, list);
}

void Factory::PostUpdate()
{
    // Deleting an object may queue more deletions (a component's destructor); those wait for the
    // next frame, so swap the queue out first.
    std::vector<std::pair<unsigned, int>> queue;
    queue.swap(m_destroyQueue);
    for (const auto& [id, list] : queue)
    {
        ObjectList& objects = m_lists[static_cast<size_t>(list)];
        auto found = objects.find(id);
        if (found == objects.end())
            continue;
        // Unlink before deleting so a destructor that looks objects up finds a consistent list.
        std::unique_ptr<GameObject> doomed = std::move(found->second);
        objects.erase(found);
        doomed.reset();
    }
}

void Factory::DestroyList(int list)
{
    if (!IsValidList(list))
        return;
    // A queued id of this list could otherwise delete a new object that reuses it.
    std::erase_if(m_destroyQueue, [list](const auto& entry) { return entry.second == list; });
    ObjectList doomed;
    doomed.swap(m_lists[static_cast<size_t>(list)]);
    doomed.clear();
}

void Factory::DestroyAll()
{
    for (int list = 0; list < kListCount; ++list)
        DestroyList(list);
    m_destroyQueue.clear();
    m_archetypes.clear();
}

std::unique_ptr<GameObject> Factory::LoadArchetype(const std::string& stem)
{
    XmlFile file(ResolveFileCase(std::string(ResourcePaths::kArchetypes) + stem + ".xml"));
    if (!file.IsLoaded())
        return nullptr;
    std::unique_ptr<GameObject> archetype = CreateEmptyObject(XmlFile::FirstAttributeValue(file.GetRoot()));
    archetype->LoadComponents(file, XmlFile::FindChildElement(file.GetRoot(), "Components"));
    return archetype;
}

void Factory::LoadAllArchetypes()
{
    std::vector<std::string> names = FindFiles(ResourcePaths::kArchetypes, "*.xml");
    ReplaceWithStems(names);
    for (const std::string& stem : names)
        AddArchetype(LoadArchetype(stem));
}

unsigned Factory::TakeSceneId(const XmlElement* entry, const GameObject& object, const std::string& scene)
{
    const XmlElement* idElement = XmlFile::FindChildElement(entry, "uint", "objID");
    unsigned id = 0;
    XmlFile::ReadValue(id, idElement);
    // No objID (or an unreadable one): the fresh id from the clone stands.
    if (id == 0)
        return object.GetID();
    if (id > kLargestSceneId)
    {
        const char* text = idElement->Attribute("value");
        std::printf("Scene '%s': objID '%s' is out of range (1 to %u); object '%s' keeps id %u\n",
                    scene.c_str(), text ? text : "", kLargestSceneId, object.GetName().c_str(),
                    object.GetID());
        return object.GetID();
    }
    lastObjectId = std::max(lastObjectId, id);
    if (!IsIdInUse(id))
        return id;
    const unsigned fresh = NextFreeId();
    std::printf("Scene '%s': objID %u is already in use; object '%s' gets id %u\n", scene.c_str(), id,
                object.GetName().c_str(), fresh);
    return fresh;
}

void Factory::ReportMissingArchetype(const XmlElement* entry, const std::string& scene,
                                     std::set<std::string>& reported)
{
    const std::string archetype = XmlFile::FirstAttributeValue(entry);
    if (!reported.insert(archetype).second)
        return;
    const XmlElement* idElement = XmlFile::FindChildElement(entry, "uint", "objID");
    const char* id = idElement ? idElement->Attribute("value") : nullptr;
    std::printf("Scene '%s': object %s needs archetype '%s', which does not exist; it is left out\n",
                scene.c_str(), id ? id : "without objID", archetype.c_str());
}

void Factory::OverrideComponents(GameObject& object, XmlFile& file, const XmlElement* overrides)
{
    if (!overrides)
        return;
    for (const XmlElement* child = overrides->FirstChildElement(); child; child = child->NextSiblingElement())
    {
        auto type = componentTypeByName.find(child->Name());
        if (type == componentTypeByName.end())
            continue;
        if (Component* component = object.GetComponent(type->second))
            component->Deserialize(file, child);
    }
}

void Factory::LoadScene(const std::string& name, const std::string& folder)
{
    XmlFile file((folder.empty() ? std::string(ResourcePaths::kScenes) : folder) + name + ".xml");
    std::set<std::string> missing;
    for (const XmlElement* entry = file.GetRoot() ? file.GetRoot()->FirstChildElement() : nullptr; entry;
         entry = entry->NextSiblingElement())
    {
        std::unique_ptr<GameObject> object = CloneArchetype(XmlFile::FirstAttributeValue(entry));
        if (!object)
        {
            ReportMissingArchetype(entry, name, missing);
            continue;
        }
        object->SetID(TakeSceneId(entry, *object, name));
        // The overrides follow the objID element; an entry without one holds them first.
        const XmlElement* idElement = XmlFile::FindChildElement(entry, "uint", "objID");
        OverrideComponents(*object, file,
                           idElement ? idElement->NextSiblingElement() : entry->FirstChildElement());
        object->InitializeComponents();
        const unsigned id = object->GetID();
        m_lists[0][id] = std::move(object);
    }
    if (Engine* engine = Engine::Get())
        engine->SetDeltaTime(0.0f);
}
