#include "TrackSceneWriter.h"

#include "objects/XmlFile.h"

#include <algorithm>
#include <tuple>

namespace
{
class SceneBuilder
{
  public:
    SceneBuilder() : m_root(m_file.CreateRoot("Scene")) {}

    /// A new scene entry of `archetype` with the next id; returns its overrides element.
    XmlElement* Add(const std::string& archetype)
    {
        XmlElement* entry = m_file.AddChildElement(m_root, "Object");
        entry->SetAttribute("archetype", archetype.c_str());
        m_file.WriteValue(entry, m_nextId++, "objID");
        return m_file.AddChildElement(entry, "Overrides");
    }

    void Transform(XmlElement* overrides, const Vector4& position, const Vector4& scale,
                   const Quaternion& rotation)
    {
        XmlElement* t = m_file.AddChildElement(overrides, "Transform");
        m_file.WriteValue(t, position, "position");
        m_file.WriteValue(t, scale, "scale");
        m_file.WriteValue(t, rotation, "rotation");
    }

    void Transform(XmlElement* overrides, const Placement& p)
    {
        Transform(overrides, p.position, p.scale, p.rotation);
    }

    unsigned NextId() const { return m_nextId; }
    XmlFile& File() { return m_file; }
    bool Save(const std::string& path) { return m_file.Save(path); }

  private:
    XmlFile m_file;
    XmlElement* m_root;
    unsigned m_nextId = 1;
};

void AddRacer(SceneBuilder& scene, const TrackLayout& layout, const TrackArchetypes& names, size_t i)
{
    XmlElement* overrides = scene.Add(names.racers[i]);
    scene.Transform(overrides, layout.spawns[i].position, {1, 1, 1, 0}, {});
    XmlElement* controller = scene.File().AddChildElement(overrides, "Controller");
    scene.File().WriteValue(controller, static_cast<int>(i), "ID");
    scene.File().WriteValue(controller, 1, "ControllerType");
    XmlElement* mover = scene.File().AddChildElement(controller, "Mover");
    scene.File().WriteValue(mover, kRacerSpringOffset, "springOffset");
    scene.File().WriteValue(mover, 75.0f, "springStiffness");
    scene.File().WriteValue(mover, 6.0f, "springDamping");
    scene.File().WriteValue(mover, 500.0f, "springMass");
    scene.File().WriteValue(mover, layout.spawns[i].facing, "facing");
}

void AddSky(SceneBuilder& scene, const TrackArchetypes& names)
{
    XmlElement* overrides = scene.Add(names.sky);
    if (names.skyTexture.empty())
        return;
    XmlElement* renderer = scene.File().AddChildElement(overrides, "MeshRenderer");
    scene.File().WriteValue(renderer, names.skyTexture, "textureName");
}

void AddRacers(SceneBuilder& scene, const TrackLayout& layout, const TrackArchetypes& names)
{
    const size_t count = std::min<size_t>(layout.spawns.size(), 4);
    for (size_t i = 0; i < count; ++i)
    {
        AddRacer(scene, layout, names, i);
        // The renderer moves the scene's object with id 2 to the camera of every view, which
        // is what a sky dome needs and what would tear a racer away from its body.
        if (i == 0 && !names.sky.empty())
            AddSky(scene, names);
    }
}

void AddGround(SceneBuilder& scene, const TrackLayout& layout, const TrackArchetypes& names)
{
    const unsigned first = scene.NextId();
    for (size_t i = 0; i < layout.ground.size(); ++i)
    {
        XmlElement* overrides = scene.Add(names.ground);
        scene.Transform(overrides, layout.ground[i]);
        XmlElement* ground = scene.File().AddChildElement(overrides, "Ground");
        for (int neighbour : layout.groundNeighbours[i])
            scene.File().WriteValue(ground, static_cast<int>(first) + neighbour, "neighbor");
    }
}

void AddGates(SceneBuilder& scene, const TrackLayout& layout, const TrackArchetypes& names)
{
    for (const GatePlacement& gate : layout.gates)
    {
        XmlElement* overrides = scene.Add(names.gate);
        scene.Transform(overrides, gate.box);
        XmlElement* checkPoint = scene.File().AddChildElement(overrides, "CheckPoint");
        scene.File().WriteValue(checkPoint, gate.number, "cpNum");
        scene.File().WriteValue(checkPoint, gate.facing, "facing");
    }
}

void AddNodes(SceneBuilder& scene, const TrackLayout& layout, const TrackArchetypes& names)
{
    for (size_t i = 0; i < layout.nodes.size(); ++i)
    {
        const NodePlacement& node = layout.nodes[i];
        XmlElement* overrides = scene.Add(names.node);
        const float size = node.radius;
        scene.Transform(overrides, node.position, {size, size, size, 0}, {});
        XmlElement* raceNode = scene.File().AddChildElement(overrides, "RaceNode");
        scene.File().WriteValue(raceNode, static_cast<int>(i), "ID");
        scene.File().WriteValue(raceNode, node.facing, "facing");
        scene.File().WriteValue(raceNode, node.shouldJump ? 1 : 0, "Should_Jump");
        scene.File().WriteValue(raceNode, node.cpNode ? 1 : 0, "CPNode");
    }
}
// Last, so that adding them moves no other object's id.
void AddSurfaces(SceneBuilder& scene, const TrackArchetypes& names)
{
    if (names.groundMesh.empty())
        return;
    const std::tuple<std::string, std::string, std::string> surfaces[] = {
        {names.groundSurface, names.groundMesh, names.groundTexture},
        {names.wallSurface, names.wallMesh, names.wallTexture}};
    for (const auto& [archetype, mesh, texture] : surfaces)
    {
        XmlElement* renderer = scene.File().AddChildElement(scene.Add(archetype), "MeshRenderer");
        scene.File().WriteValue(renderer, mesh, "meshName");
        if (!texture.empty())
            scene.File().WriteValue(renderer, texture, "textureName");
    }
}

void AddHazards(SceneBuilder& scene, const TrackLayout& layout, const TrackArchetypes& names)
{
    for (const HazardPlacement& hazard : layout.hazards)
    {
        XmlElement* overrides = scene.Add(names.hazard);
        scene.Transform(overrides, hazard.sheet);
        XmlElement* renderer = scene.File().AddChildElement(overrides, "MeshRenderer");
        scene.File().WriteValue(renderer, hazard.texture, "textureName");
        scene.File().WriteValue(renderer, hazard.tileX, "tileX");
        scene.File().WriteValue(renderer, hazard.tileY, "tileY");
    }
}
void AddPickups(SceneBuilder& scene, const TrackLayout& layout, const TrackArchetypes& names)
{
    for (const Placement& orb : layout.orbSpawners)
        scene.Transform(scene.Add(names.orbSpawner), orb.position, {1, 1, 1, 0}, {});
    for (const Placement& boost : layout.boosts)
        scene.Transform(scene.Add(names.boost), boost.position, {1, 1, 1, 0}, boost.rotation);
}
} // namespace

bool WriteTrackScene(const TrackLayout& layout, const TrackArchetypes& archetypes, const std::string& path)
{
    SceneBuilder scene;
    AddRacers(scene, layout, archetypes);
    AddGround(scene, layout, archetypes);
    for (const Placement& wall : layout.walls)
        scene.Transform(scene.Add(archetypes.wall), wall);
    AddGates(scene, layout, archetypes);
    AddNodes(scene, layout, archetypes);
    // The race itself (countdown, laps, respawns, the end) is run by this object's scripts.
    scene.Add(archetypes.logic);
    AddSurfaces(scene, archetypes);
    AddPickups(scene, layout, archetypes);
    AddHazards(scene, layout, archetypes);
    return scene.Save(path);
}
