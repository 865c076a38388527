#pragma once

#include "objects/Component.h"

#include <vector>

/// Marks a track piece as ground for the racers' hover probe and lists the neighbouring pieces
/// the probe tries first.
class Ground final : public Component
{
  public:
    Ground() : Component(ComponentType::Ground) {}
    ~Ground() override;

    /// A copy of the neighbours' object ids.
    std::vector<int> Neighbours() const { return m_neighbours; }
    /// Adds `id` unless it is already listed.
    void AddNeighbour(int id);

    void Initialize() override;
    /// Every child's "value" is a neighbour id; written as one "neighbor" element per id, none
    /// for a placed object.
    const ComponentFields* Fields() const override;

  private:
    std::vector<int> m_neighbours;
    bool m_registered = false;
};
