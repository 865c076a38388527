#pragma once

#include "core/EmptySystem.h"
#include "math/Vector4.h"

#include <vector>

class GameObject;
class RaceNode;

/// Keeps the race nodes in order and hands each computer racer its next node when it touches one.
class RaceLineSystem final : public EmptySystem
{
  public:
    static RaceLineSystem& Instance();

    /// Retargets every computer racer touching a node this frame.
    void Update() override;

    /// Appends, sorts by id and re-initialises.
    void AddNode(RaceNode* node);
    void RemoveNode(RaceNode* node);
    /// Collects the racers and points every computer racer at the first node.
    void Initialize();
    /// Position of the lowest-id node, or the zero vector without nodes.
    Vector4 FirstNodePosition() const;
    const std::vector<RaceNode*>& Nodes() const { return m_nodes; }

  private:
    RaceLineSystem() = default;
    std::vector<GameObject*> ComputerRacers() const;
    /// Jumps if the node says so and aims the racer at the node after it.
    void Follow(GameObject& racer, size_t nodeIndex) const;

    std::vector<RaceNode*> m_nodes;
    std::vector<unsigned> m_racerIds;
};
