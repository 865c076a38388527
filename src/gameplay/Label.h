#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"

#include <string>

/// A named on-screen test label showing the "Test_HUD" texture.
class Label final : public Component
{
  public:
    Label() : Component(ComponentType::Label) {}

    const std::string& GetName() const { return m_name; }
    const Vector4& GetOffset() const { return m_offset; }
    /// The texture of the label's screen quad.
    static constexpr const char* kTexture = "Test_HUD";

    bool Update() override;
    /// Name and offset by name; only the offset on the panel.
    const ComponentFields* Fields() const override;

  private:
    std::string m_name = "Label";
    Vector4 m_offset;
};
