#include "Noise.h"
#include "Recipes.h"

#include <cmath>

// Ball textures are twice as wide as high, as a sphere is twice as far round as from pole to
// pole; their noise repeats round u only where the sphere needs it to.
namespace
{
constexpr int kWidth = 256;
constexpr int kHeight = 128;
constexpr float kTwoPi = 6.2831853f;

// Fire: plates of dark crust with lava glowing in the cracks between them.
struct Crust
{
    float crack; ///< 1 in the middle of a crack, 0 on a plate
    float tone;  ///< slow variation over the ball
};

Crust FireCrust(float u, float v)
{
    static const Noise noise(21);
    const float warp = noise.Fbm(u * 8, v * 4, 8, 4, 3) * 0.6f;
    const auto [nearest, second] = noise.Cells(u * 12 + warp, v * 6 + warp, 12, 6);
    return {1.0f - SmoothStep(0.0f, 0.22f, second - nearest), noise.Fbm(u * 6, v * 3, 6, 3, 4)};
}

// Water: currents swirling round the ball with foam on their crests.
float WaterSwirl(float u, float v)
{
    static const Noise noise(31);
    const float q = noise.Fbm(u * 4, v * 2, 4, 2, 4);
    const float w = noise.Fbm(u * 4 + q * 2.0f, v * 2 + q * 1.5f, 4, 2, 4);
    return w;
}

// Wind: pale streaks winding round the ball.
float WindStreak(float u, float v)
{
    static const Noise noise(41);
    const float warp = noise.Fbm(u * 4, v * 4, 4, 4, 4);
    return std::sin(kTwoPi * (u * 3 + v * 2.5f + warp * 0.9f)) * 0.5f + 0.5f;
}

// Earth: rounded stones, moss growing over them, dirt between them.
struct Stones
{
    float dome; ///< 1 at a stone's middle, 0 at its edge
    float gap;  ///< 1 in the dirt between stones
    float moss;
    float tone;
};

Stones EarthStones(float u, float v)
{
    static const Noise noise(51);
    const auto [nearest, second] = noise.Cells(u * 10, v * 5, 10, 5);
    return {Saturate(1.0f - nearest * 1.1f), 1.0f - SmoothStep(0.0f, 0.1f, second - nearest),
            SmoothStep(0.45f, 0.6f, noise.Fbm(u * 6, v * 3, 6, 3, 5)), noise.Fbm(u * 8, v * 4, 8, 4, 3)};
}

Canvas Paint(Rgba (*paint)(float, float))
{
    Canvas canvas(kWidth, kHeight);
    canvas.Fill(paint);
    return canvas;
}

Canvas Normals(float (*height)(float, float), float strength)
{
    Canvas heights(kWidth, kHeight);
    heights.Fill(
        [height](float u, float v)
        {
            const float h = height(u, v);
            return Rgba{h, h, h, 1};
        });
    return NormalMapFromHeight(heights, strength);
}
} // namespace

Canvas PaintFireBall()
{
    return Paint(
        [](float u, float v)
        {
            const Crust c = FireCrust(u, v);
            const Rgba crust = Mix({0.42f, 0.1f, 0.05f, 1}, {0.68f, 0.2f, 0.07f, 1}, c.tone);
            const Rgba lava = Mix({1.0f, 0.38f, 0.03f, 1}, {1.0f, 0.85f, 0.3f, 1}, c.crack * c.tone);
            return Mix(crust, lava, c.crack);
        });
}

Canvas PaintFireBallNormal()
{
    return Normals([](float u, float v) { return (1.0f - FireCrust(u, v).crack) * 0.8f; }, 6.0f);
}

Canvas PaintWaterBall()
{
    return Paint(
        [](float u, float v)
        {
            const float w = WaterSwirl(u, v);
            const Rgba deep{0.02f, 0.16f, 0.5f, 1}, teal{0.05f, 0.62f, 0.7f, 1}, foam{0.88f, 0.97f, 1.0f, 1};
            const Rgba water = Mix(deep, teal, SmoothStep(0.3f, 0.7f, w));
            return Mix(water, foam, SmoothStep(0.68f, 0.78f, w));
        });
}

Canvas PaintWaterBallNormal()
{
    return Normals(WaterSwirl, 5.0f);
}

Canvas PaintWindBall()
{
    return Paint(
        [](float u, float v)
        {
            const float s = WindStreak(u, v);
            const Rgba silver{0.68f, 0.74f, 0.8f, 1}, cyan{0.72f, 0.92f, 0.98f, 1},
                white{0.97f, 0.99f, 1.0f, 1};
            return s < 0.5f ? Mix(silver, cyan, s * 2.0f) : Mix(cyan, white, (s - 0.5f) * 2.0f);
        });
}

Canvas PaintWindBallNormal()
{
    return Normals(WindStreak, 2.5f);
}

Canvas PaintWindBallSpecular()
{
    return Paint(
        [](float u, float v)
        {
            const float s = 0.45f + 0.45f * WindStreak(u, v);
            return Rgba{s, s, s, 1};
        });
}

Canvas PaintEarthBall()
{
    return Paint(
        [](float u, float v)
        {
            const Stones s = EarthStones(u, v);
            const Rgba rock = Mix({0.52f, 0.44f, 0.34f, 1}, {0.68f, 0.68f, 0.64f, 1}, s.tone);
            const Rgba mossy = Mix(rock, {0.4f, 0.62f, 0.18f, 1}, s.moss * 0.85f);
            return Mix(mossy, {0.3f, 0.2f, 0.11f, 1}, s.gap);
        });
}

Canvas PaintEarthBallNormal()
{
    return Normals([](float u, float v) { return EarthStones(u, v).dome * (1.0f - EarthStones(u, v).gap); },
                   5.0f);
}

Canvas PaintEarthBallSpecular()
{
    return Paint(
        [](float u, float v)
        {
            const Stones s = EarthStones(u, v);
            const float shine = 0.35f * (1.0f - s.moss) * (1.0f - s.gap) + 0.05f;
            return Rgba{shine, shine, shine, 1};
        });
}
