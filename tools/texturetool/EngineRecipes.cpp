#include "Noise.h"
#include "Recipes.h"

#include <cmath>

// An outlined shape with a smoothed edge is drawn, not layered, so the icon stays code.
namespace
{
constexpr float kPi = 3.14159265f;

// The water drop of the water element's icon, in [-1, 1] with y down: a round belly and a tip.
bool InsideDrop(float x, float y)
{
    const float cy = 0.25f, r = 0.55f;
    if (x * x + (y - cy) * (y - cy) <= r * r)
        return true;
    // The triangle from the tip to the two points where its sides touch the belly.
    const float tipY = -0.85f, sideY = -0.025f, sideX = 0.476f;
    if (y < tipY || y > sideY)
        return false;
    return std::fabs(x) <= sideX * (y - tipY) / (sideY - tipY);
}
} // namespace

Canvas PaintWaterIcon()
{
    Canvas canvas(128, 128);
    constexpr int kSamples = 4;
    constexpr float kOutline = 0.08f;
    canvas.Fill(
        [](float u, float v)
        {
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                {
                    const float x = (u + (static_cast<float>(sx) / kSamples - 0.5f) / 128.0f) * 2.0f - 1.0f;
                    const float y = (v + (static_cast<float>(sy) / kSamples - 0.5f) / 128.0f) * 2.1f - 1.0f;
                    if (!InsideDrop(x, y))
                        continue;
                    bool edge = false;
                    for (int k = 0; k < 8 && !edge; ++k)
                        edge = !InsideDrop(x + kOutline * std::cos(k * kPi / 4),
                                           y + kOutline * std::sin(k * kPi / 4));
                    const float shade = Saturate((y + 0.85f) / 1.65f);
                    Rgba colour = edge ? Rgba{0.03f, 0.12f, 0.3f, 1}
                                       : Mix({0.2f, 0.8f, 0.9f, 1}, {0.04f, 0.3f, 0.72f, 1}, shade);
                    const float hx = x + 0.22f, hy = y - 0.1f;
                    if (!edge && hx * hx * 4 + hy * hy < 0.035f)
                        colour = {0.95f, 0.98f, 1.0f, 1};
                    sum = {sum.r + colour.r, sum.g + colour.g, sum.b + colour.b, sum.a + 1};
                }
            if (sum.a == 0)
                return Rgba{0, 0, 0, 0};
            // Colour is averaged over the covered samples only, so the edge does not darken.
            return Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / (kSamples * kSamples)};
        });
    return canvas;
}
