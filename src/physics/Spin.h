#pragma once

#include "objects/Component.h"

/// Turns a rolling ball about the axis across its facing, by an angle that grows with the square
/// of its speed, so it looks as if it rolls.
class Spin final : public Component
{
  public:
    Spin() : Component(ComponentType::Spin) {}
    ~Spin() override;

    void Initialize() override;
    /// Once per frame, from the physics system after its steps.
    bool Update() override;
    /// Only the element in files; a clone starts at angle 0.
    const ComponentFields* Fields() const override;

    float GetAngle() const { return m_angle; }
    void SetAngle(float degrees) { m_angle = degrees; }

  private:
    float m_angle = 0.0f;
    bool m_registered = false;
};
