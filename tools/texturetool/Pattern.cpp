#include "Pattern.h"

#include "Canvas.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kTwoPi = 6.2831853f;

float Fraction(float x)
{
    return x - std::floor(x);
}

float Planks(const Pattern& p, const Noise& noise, float u, float v)
{
    const int count = static_cast<int>(p.x);
    const int plank = static_cast<int>(v * static_cast<float>(count));
    if (p.part == Pattern::Part::Tint)
        return noise.Hash(plank, 1, 4);
    const float across = Fraction(v * static_cast<float>(count));
    const float along = Fraction(u - noise.Hash(plank, 0, 3));
    if (p.part == Pattern::Part::Nails)
    {
        const float fromJoint = std::min(along, 1.0f - along) - 0.025f;
        return std::min(std::hypot(fromJoint * 4.0f, across - 0.25f),
                        std::hypot(fromJoint * 4.0f, across - 0.75f)) < 0.05f
                   ? 1.0f
                   : 0.0f;
    }
    const float seam = 1.0f - SmoothStep(p.seam[0], p.seam[1], std::min(across, 1.0f - across));
    const float butt = 1.0f - SmoothStep(p.joint[0], p.joint[1], std::min(along, 1.0f - along));
    return std::max(seam, butt);
}

float Bricks(const Pattern& p, const Noise& noise, float u, float v)
{
    const int columns = static_cast<int>(p.x), rows = static_cast<int>(p.y);
    const int course = static_cast<int>(v * p.y);
    const float shift = course % 2 == 0 ? 0.0f : p.extra;
    if (p.part == Pattern::Part::Tint)
    {
        // Modulo the columns, so the block cut by the right edge is the one the left edge starts.
        const int block = static_cast<int>(std::floor(u * p.x + shift)) % columns;
        return noise.Hash(block + course * 7, course, 5);
    }
    const float x = Fraction(u * p.x + shift), y = Fraction(v * p.y);
    // Measured in course heights both ways, so the joints are as wide as the beds.
    const float aspect = static_cast<float>(columns) / static_cast<float>(rows);
    return 1.0f -
           SmoothStep(p.mortar[0], p.mortar[1], std::min(std::min(x, 1 - x) * aspect, std::min(y, 1 - y)));
}

float WarpedShape(const Pattern& p, const Noise& noise, float u, float v)
{
    float x = u * p.x, y = v * p.y, w = 0.0f;
    if (p.warpX > 0)
    {
        w = noise.Fbm(u * static_cast<float>(p.warpX), v * static_cast<float>(p.warpY), p.warpX, p.warpY,
                      p.warpOctaves);
        x = x + w * p.warpAmountX;
        y = y + w * p.warpAmountY;
    }
    const int periodX = static_cast<int>(p.x), periodY = static_cast<int>(p.y);
    switch (p.kind)
    {
    case Pattern::Kind::Noise:
        return noise.Fbm(x, y, periodX, periodY, p.octaves);
    case Pattern::Kind::Cells:
    {
        const auto [nearest, second] = noise.Cells(x, y, periodX, periodY);
        return p.part == Pattern::Part::Nearest ? nearest : second - nearest;
    }
    default:
        // Stripes: the warp shifts their phase.
        return std::sin(kTwoPi * (u * p.x + v * p.y + w * p.warpAmountX + w * p.warpAmountY)) * 0.5f + 0.5f;
    }
}
} // namespace

float Pattern::At(float u, float v, float band) const
{
    const Noise noise(seed);
    switch (kind)
    {
    case Kind::Fill:
        return 1.0f;
    case Kind::Gradient:
        return band;
    case Kind::Radial:
    {
        const float dx = (u - x) / extra, dy = (v - y) / extra;
        return std::sqrt(dx * dx + dy * dy);
    }
    case Kind::Checker:
        return (static_cast<int>(u * x) + static_cast<int>(v * y)) % 2 == 1 ? 1.0f : 0.0f;
    case Kind::Planks:
        return Planks(*this, noise, u, v);
    case Kind::Bricks:
        return Bricks(*this, noise, u, v);
    default:
        return WarpedShape(*this, noise, u, v);
    }
}
