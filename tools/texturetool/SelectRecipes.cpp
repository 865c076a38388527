#include "Recipes.h"

#include <algorithm>
#include <cmath>

// The select screen's arrows: a rounded triangle with a dark rim, bright when just pressed and
// grey at rest. Drawn pointing right; the left ones are mirrored.
namespace
{
constexpr int kSize = 128;
constexpr int kSamples = 4;

/// Signed distance to the arrow's triangle (0.3, 0.22) - (0.3, 0.78) - (0.76, 0.5), negative
/// inside: the largest of the distances past its three edges.
float ArrowDistance(float u, float v)
{
    const float length = std::hypot(0.46f, 0.28f);
    const float back = 0.3f - u;
    const float upper = ((u - 0.3f) * 0.28f - (v - 0.22f) * 0.46f) / length;
    const float lower = ((u - 0.3f) * 0.28f + (v - 0.78f) * 0.46f) / length;
    return std::max({back, upper, lower});
}

Rgba ArrowAt(float u, float v, const Rgba& fill)
{
    const Rgba rim{0.02f, 0.04f, 0.12f, 1};
    Rgba sum{0, 0, 0, 0};
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
        {
            const float x = u + (static_cast<float>(sx) / kSamples - 0.5f) / kSize;
            const float y = v + (static_cast<float>(sy) / kSamples - 0.5f) / kSize;
            const float d = ArrowDistance(x, y) - 0.05f;
            if (d > 0)
                continue;
            const float shade = Saturate((y - 0.15f) / 0.7f);
            const Rgba inner = Mix(fill, Mix(fill, {0, 0, 0, 1}, 0.35f), shade);
            const Rgba c = d > -0.035f ? rim : inner;
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + 1};
        }
    if (sum.a == 0)
        return {0, 0, 0, 0};
    const float n = static_cast<float>(kSamples * kSamples);
    return {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / n};
}

Canvas PaintArrow(bool right, const Rgba& fill)
{
    Canvas canvas(kSize, kSize);
    canvas.Fill([right, fill](float u, float v) { return ArrowAt(right ? u : 1.0f - u, v, fill); });
    return canvas;
}

const Rgba kLit{0.35f, 0.92f, 1.0f, 1};
const Rgba kGrey{0.55f, 0.57f, 0.62f, 1};
} // namespace

Canvas PaintArrowRight()
{
    return PaintArrow(true, kLit);
}

Canvas PaintArrowLeft()
{
    return PaintArrow(false, kLit);
}

Canvas PaintArrowRightGrey()
{
    return PaintArrow(true, kGrey);
}

Canvas PaintArrowLeftGrey()
{
    return PaintArrow(false, kGrey);
}
