#include "check/RaceScene.h"

#include "gameplay/CheckPoint.h"
#include "gameplay/Controller.h"
#include "gameplay/RaceNode.h"
#include "objects/Transform.h"

#include <cmath>

namespace
{
// What the game builds: the archetype's component, cloned, with every override of its type read
// over it in document order. Null when the archetype lacks the component.
template <typename T>
std::unique_ptr<T> Effective(const ArchetypeFile& archetype, const SceneFile& scene, const SceneEntry& entry)
{
    T prototype;
    const XmlElement* base = archetype.Component(prototype.GetTypeName());
    if (!base)
        return nullptr;
    prototype.Deserialize(*archetype.source.xml, base);
    std::unique_ptr<Component> object = prototype.Clone();
    for (const XmlElement* e = entry.overrides ? entry.overrides->FirstChildElement() : nullptr; e;
         e = e->NextSiblingElement())
        if (std::string(e->Name()) == prototype.GetTypeName())
            object->Deserialize(*scene.source.xml, e);
    return std::unique_ptr<T>(static_cast<T*>(object.release()));
}

// The Controller reads the player index from its first field.
bool GivesFirstInt(const XmlElement* component)
{
    int value = 0;
    const XmlElement* first = component ? component->FirstChildElement() : nullptr;
    return first && first->QueryIntAttribute("value", &value) == tinyxml2::XML_SUCCESS;
}

bool GivesPlayerIndex(const ArchetypeFile& archetype, const SceneEntry& entry)
{
    if (GivesFirstInt(archetype.Component("Controller")))
        return true;
    for (const XmlElement* e = entry.overrides ? entry.overrides->FirstChildElement() : nullptr; e;
         e = e->NextSiblingElement())
        if (std::string(e->Name()) == "Controller" && GivesFirstInt(e))
            return true;
    return false;
}
} // namespace

RaceScene::RaceScene(const ContentTree& tree, const SceneFile& scene) : m_scene(scene)
{
    for (const SceneEntry& entry : scene.entries)
        if (const ArchetypeFile* archetype = tree.FindArchetype(entry.archetype))
            Add(*archetype, entry);
}

void RaceScene::Add(const ArchetypeFile& archetype, const SceneEntry& entry)
{
    const std::unique_ptr<Transform> transform = Effective<Transform>(archetype, m_scene, entry);
    const Vector4 position = transform ? transform->GetPosition() : Vector4{};
    if (const auto gate = Effective<CheckPoint>(archetype, m_scene, entry))
        m_gates.push_back({&entry, position, gate->GetNumber(), gate->GetFacing(),
                           archetype.Component("Collider") != nullptr});
    if (const auto node = Effective<RaceNode>(archetype, m_scene, entry))
        m_nodes.push_back({&entry, position, node->GetId()});
    if (const auto controller = Effective<Controller>(archetype, m_scene, entry))
        m_racers.push_back(
            {&entry, position, controller->GetPlayerIndex(), GivesPlayerIndex(archetype, entry)});
}

std::optional<Vector4> RaceScene::GridCentre() const
{
    if (m_racers.empty())
        return std::nullopt;
    Vector4 sum;
    for (const Racer& racer : m_racers)
        sum = sum + racer.position;
    return sum * (1.0f / static_cast<float>(m_racers.size()));
}

float GroundDistance(const Vector4& a, const Vector4& b)
{
    return std::hypot(a.x - b.x, a.z - b.z);
}
