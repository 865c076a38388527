#include "Recipes.h"
#include "states/HowToPlayLayout.h"

#include <algorithm>
#include <cmath>
#include <span>

// The how-to-play pictures are drawn from the same layout the screen writes the names from, so the
// caps and buttons sit exactly under their labels.
namespace
{
constexpr int kWidth = 512;
constexpr int kHeight = 256;
const Rgba kPanel{0.04f, 0.06f, 0.16f, 0.85f};
const Rgba kRim{0.3f, 0.9f, 1.0f, 1.0f};

/// Signed distance (in u units, v scaled by the aspect) to a rounded box centred at (cu, cv).
float BoxDistance(float u, float v, float cu, float cv, float w, float h, float radius)
{
    const float aspect = static_cast<float>(kHeight) / kWidth;
    const float dx = std::fabs(u - cu) - (w * 0.5f - radius);
    const float dy = (std::fabs(v - cv) - (h * 0.5f - radius / aspect)) * aspect;
    const float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
    return outside + std::min(std::max(dx, dy), 0.0f) - radius;
}

/// Coverage of a shape at distance `d`, smoothed over about one pixel.
float Cover(float d)
{
    return Saturate(0.5f - d * kWidth);
}

Rgba Over(const Rgba& below, const Rgba& above, float amount)
{
    const float a = above.a * amount;
    return {below.r + (above.r - below.r) * a, below.g + (above.g - below.g) * a,
            below.b + (above.b - below.b) * a, below.a + (1.0f - below.a) * a};
}

Rgba PanelAt(float u, float v)
{
    const float d = BoxDistance(u, v, 0.5f, 0.5f, 0.98f, 0.98f, 0.03f);
    Rgba colour = Over({0, 0, 0, 0}, kPanel, Cover(d));
    return Over(colour, kRim, Cover(std::fabs(d + 0.003f) - 0.002f));
}

Rgba ControlColour(const char* label)
{
    const std::string name = label;
    if (name == "A")
        return {0.3f, 0.85f, 0.3f, 1};
    if (name == "B")
        return {0.95f, 0.3f, 0.25f, 1};
    if (name == "X")
        return {0.25f, 0.55f, 1.0f, 1};
    if (name == "Y")
        return {1.0f, 0.85f, 0.2f, 1};
    return {0.88f, 0.9f, 0.95f, 1};
}

Rgba Controls(Rgba colour, float u, float v, std::span<const HowToPlayLayout::Control> controls,
              bool faceColours)
{
    for (const HowToPlayLayout::Control& c : controls)
    {
        const float radius = c.round ? std::min(c.w, c.h * kHeight / kWidth) * 0.5f : 0.012f;
        colour = Over(colour, {0, 0, 0, 0.5f}, Cover(BoxDistance(u, v - 0.012f, c.u, c.v, c.w, c.h, radius)));
        colour = Over(colour, faceColours ? ControlColour(c.label) : Rgba{0.88f, 0.9f, 0.95f, 1},
                      Cover(BoxDistance(u, v, c.u, c.v, c.w, c.h, radius)));
    }
    return colour;
}

/// The pad's body: a wide rounded box with two grips below.
float PadBody(float u, float v)
{
    const float body = BoxDistance(u, v, 0.25f, 0.33f, 0.44f, 0.42f, 0.08f);
    const float left = BoxDistance(u, v, 0.12f, 0.55f, 0.14f, 0.42f, 0.07f);
    const float right = BoxDistance(u, v, 0.38f, 0.55f, 0.14f, 0.42f, 0.07f);
    return std::min({body, left, right});
}

Canvas Paint(const std::function<Rgba(float, float)>& paint)
{
    Canvas canvas(kWidth, kHeight);
    canvas.Fill(paint);
    return canvas;
}
} // namespace

Canvas PaintHowToPlayKeyboard()
{
    return Paint([](float u, float v)
                 { return Controls(PanelAt(u, v), u, v, HowToPlayLayout::kKeys, false); });
}

Canvas PaintHowToPlayPad()
{
    return Paint(
        [](float u, float v)
        {
            Rgba colour = Over(PanelAt(u, v), {0.2f, 0.24f, 0.34f, 1}, Cover(PadBody(u, v)));
            return Controls(colour, u, v, HowToPlayLayout::kPadButtons, true);
        });
}
