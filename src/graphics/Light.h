#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"

/// Light colours and a direction, kept as data for effects that want them.
class Light final : public Component
{
  public:
    Light() : Component(ComponentType::Light) {}

    /// Each field by name, only if present.
    const ComponentFields* Fields() const override;

    const Vector4& GetDirection() const { return m_direction; }
    const Vector4& GetColor() const { return m_color; }

  private:
    unsigned m_kind = 1;
    float m_shininess = 8.0f;
    Vector4 m_ambient{0.1f, 0, 0, 1};
    Vector4 m_diffuse{0.1f, 0, 0, 1};
    Vector4 m_direction{0, 1, 0, 1};
    float m_range = 10.0f;
    Vector4 m_color{1, 0, 0, 1};
    Vector4 m_offset{0, 1, 0, 1};
};
