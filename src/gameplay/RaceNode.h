#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"

/// A point of the race line that computer racers steer along.
class RaceNode final : public Component
{
  public:
    RaceNode() : Component(ComponentType::RaceNode) {}
    ~RaceNode() override;

    int GetId() const { return m_id; }
    void SetId(int id) { m_id = id; }
    const Vector4& GetFacing() const { return m_facing; }
    bool ShouldJump() const { return m_shouldJump != 0; }
    /// Tested every frame whatever the racer's progress, to resynchronise racers that skipped nodes.
    bool IsCheckpointNode() const { return m_cpNode != 0; }

    void Initialize() override;
    /// "ID" first, then "facing" and the two flags that follow it. A clone is numbered after this
    /// node, so copying a node in the editor continues the line; it does not jump.
    const ComponentFields* Fields() const override;

  private:
    int m_id = 0;
    Vector4 m_facing{0, 0, 1, 0};
    int m_shouldJump = 0;
    int m_cpNode = 0;
    bool m_registered = false;
};
