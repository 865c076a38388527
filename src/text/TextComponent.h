#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"

#include <string>

/// A label's rectangle in window pixels: the viewport's size, centred on the label's point.
struct TextRect
{
    int left = 0, top = 0, right = 0, bottom = 0;
};

/// A text that floats over its object: projected from the object's position (plus an offset)
/// each view, and drawn only in its own player's view unless it is meant for every view.
class TextComponent final : public Component
{
  public:
    TextComponent() : Component(ComponentType::TextComponent) {}
    ~TextComponent() override;

    /// Registers with the text system.
    void Initialize() override;
    /// Projects the label into the view being drawn; true when it lands on screen.
    bool Update() override;
    /// Text, sizes, offsets, colour and visibility.
    const ComponentFields* Fields() const override;

    /// The text shown.
    const std::string& GetText() const { return m_text; }
    /// Changes the text shown ("SetObjText").
    void SetText(const std::string& text) { m_text = text; }
    /// Whether the label is drawn at all.
    bool IsVisible() const { return m_visible; }
    /// Shows or hides the label ("SetObjTextVisible").
    void SetVisible(bool visible) { m_visible = visible; }
    /// The font size ("Width").
    int GetWidth() const { return m_width; }
    /// The kept "Height".
    int GetHeight() const { return m_height; }
    /// Font size and kept height, truncated; values that are not numbers change nothing.
    void SetSize(float width, float height);
    /// The offset added to the object's position before projecting (x and y).
    void SetOffset(float x, float y);
    /// The colour, alpha included.
    const Vector4& GetColor() const { return m_color; }
    /// Whether the label shows in every view, not only its own player's.
    bool IsInAllViewports() const { return m_allViewports != 0; }
    /// Shows the label in every view, or only its own player's.
    void SetInAllViewports(bool all) { m_allViewports = all ? 1u : 0u; }
    /// The rectangle of the last projection, in window pixels.
    const TextRect& GetRect() const { return m_rect; }
    /// The normalised screen position (-1..1) of the last projection.
    float GetScreenX() const { return m_screenX; }
    /// The normalised screen position (-1..1) of the last projection, y up.
    float GetScreenY() const { return m_screenY; }

  private:
    TextRect m_rect;
    float m_screenX = 0.0f;
    float m_screenY = 0.0f;
    float m_xOffset = 0.0f;
    float m_yOffset = 0.0f;
    std::string m_text;
    bool m_visible = false;
    unsigned m_allViewports = 0;
    Vector4 m_color{1, 1, 1, 1};
    int m_width = 30;
    int m_height = 45;
    bool m_registered = false;
};
