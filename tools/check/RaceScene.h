#pragma once

#include "check/ContentTree.h"
#include "math/Vector4.h"

#include <optional>
#include <vector>

/// A gate of a race scene, with the values the game would give it.
struct RaceGate
{
    const SceneEntry* entry = nullptr;
    Vector4 position;
    int number = 0;
    Vector4 facing;
    bool hasCollider = false;
};

/// A node of the race line.
struct RaceLineNode
{
    const SceneEntry* entry = nullptr;
    Vector4 position;
    int id = 0;
};

/// An object with a Controller.
struct Racer
{
    const SceneEntry* entry = nullptr;
    Vector4 position;
    int playerIndex = 0;
    bool indexGiven = false; ///< whether the archetype or the scene gives the Controller's first field
};

/// The gates, race-line nodes and racers of a scene, each with the values the game would give it:
/// its archetype's component cloned, then the scene's overrides read over it.
class RaceScene
{
  public:
    /// Builds the values of `scene`'s objects from the archetypes of `tree`.
    RaceScene(const ContentTree& tree, const SceneFile& scene);

    /// The scene the values come from.
    const SceneFile& Scene() const { return m_scene; }
    /// Objects with a CheckPoint, in scene order.
    const std::vector<RaceGate>& Gates() const { return m_gates; }
    /// Objects with a RaceNode, in scene order.
    const std::vector<RaceLineNode>& Nodes() const { return m_nodes; }
    /// Objects with a Controller, in scene order.
    const std::vector<Racer>& Racers() const { return m_racers; }
    /// The middle of the racers' starting positions, or nothing without racers.
    std::optional<Vector4> GridCentre() const;

  private:
    void Add(const ArchetypeFile& archetype, const SceneEntry& entry);

    const SceneFile& m_scene;
    std::vector<RaceGate> m_gates;
    std::vector<RaceLineNode> m_nodes;
    std::vector<Racer> m_racers;
};

/// Distance between two points seen from above (x and z): gates stand taller than racers hover.
float GroundDistance(const Vector4& a, const Vector4& b);
