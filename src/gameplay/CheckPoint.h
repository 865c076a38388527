#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"

/// A numbered gate of the lap, crossed in the direction it faces.
class CheckPoint final : public Component
{
  public:
    CheckPoint() : Component(ComponentType::CheckPoint) {}
    ~CheckPoint() override;

    int GetNumber() const { return m_number; }
    void SetNumber(int number) { m_number = number; }
    const Vector4& GetFacing() const { return m_facing; }
    void SetFacing(const Vector4& facing) { m_facing = facing; }

    void Initialize() override;
    /// The first child's "value" is the number; "facing" by name.
    const ComponentFields* Fields() const override;

  private:
    int m_number = 0;
    Vector4 m_facing{0, 0, 1, 0};
    bool m_registered = false;
};
