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
    std::unique_ptr<Component> Clone() const override;
    /// Every child's "value" is a neighbour id.
    void Deserialize(XmlFile& file, const XmlElement* element) override;
    /// One "neighbor" element per id; nothing when `instanceOnly`.
    void Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const override;

private:
    std::vector<int> m_neighbours;
    bool m_registered = false;
};
