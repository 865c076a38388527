#include "Noise.h"
#include "Recipes.h"

#include <cmath>

namespace
{
constexpr int kPlanks = 4;

float Fraction(float x)
{
    return x - std::floor(x);
}
} // namespace

// Boardwalk planks running along u, four to a tile, each with its own tint, grain and joint.
Canvas PaintBoards()
{
    const Noise noise(61);
    Canvas canvas(256, 256);
    canvas.Fill(
        [&](float u, float v)
        {
            const int plank = static_cast<int>(v * kPlanks);
            const float across = Fraction(v * kPlanks);
            const float joint = noise.Hash(plank, 0, 3);
            const float along = Fraction(u - joint);
            const float grain = noise.Fbm(u * 4, v * 64, 4, 64, 4);
            const float tint = noise.Hash(plank, 1, 4);
            Rgba wood = Mix({0.5f, 0.36f, 0.22f, 1}, {0.68f, 0.53f, 0.34f, 1}, tint);
            wood = Mix(wood, {0.36f, 0.25f, 0.15f, 1}, SmoothStep(0.45f, 0.75f, grain) * 0.6f);
            // Weathering: pale patches where salt and sun have bleached the wood.
            wood = Mix(wood, {0.74f, 0.7f, 0.62f, 1},
                       SmoothStep(0.6f, 0.8f, noise.Fbm(u * 3, v * 3, 3, 3, 4)) * 0.5f);
            const float seam = 1.0f - SmoothStep(0.015f, 0.035f, std::min(across, 1.0f - across));
            const float butt = 1.0f - SmoothStep(0.004f, 0.008f, std::min(along, 1.0f - along));
            const float gap = std::max(seam, butt);
            // Two nails each side of the joint where the plank meets the next one.
            const float fromJoint = std::min(along, 1.0f - along) - 0.025f;
            const float nail = std::min(std::hypot(fromJoint * 4.0f, across - 0.25f),
                                        std::hypot(fromJoint * 4.0f, across - 0.75f)) < 0.05f
                                   ? 1.0f
                                   : 0.0f;
            wood = Mix(wood, {0.25f, 0.24f, 0.24f, 1}, nail * 0.8f);
            return Mix(wood, {0.08f, 0.06f, 0.05f, 1}, gap);
        });
    return canvas;
}

// Quay wall: courses of grey-blue stone blocks, every other course shifted by half a block.
Canvas PaintQuayWall()
{
    const Noise noise(71);
    Canvas canvas(256, 256);
    canvas.Fill(
        [&](float u, float v)
        {
            const int course = static_cast<int>(v * 4);
            const float shift = course % 2 == 0 ? 0.0f : 0.25f;
            const float x = Fraction(u * 2 + shift), y = Fraction(v * 4);
            const int block = static_cast<int>(std::floor(u * 2 + shift)) % 2;
            const float mortar =
                1.0f - SmoothStep(0.02f, 0.045f, std::min(std::min(x, 1 - x) * 0.5f, std::min(y, 1 - y)));
            const float grit = noise.Fbm(u * 16, v * 16, 16, 16, 4);
            const float tint = noise.Hash(block + course * 7, course, 5);
            Rgba stone = Mix({0.46f, 0.48f, 0.52f, 1}, {0.62f, 0.63f, 0.64f, 1}, tint);
            stone = Mix(stone, {0.32f, 0.34f, 0.36f, 1}, SmoothStep(0.4f, 0.8f, grit) * 0.5f);
            // A band of green weed low on the wall, where the tide reaches.
            stone = Mix(stone, {0.25f, 0.36f, 0.22f, 1}, SmoothStep(0.7f, 0.95f, v) * grit);
            return Mix(stone, {0.24f, 0.24f, 0.25f, 1}, mortar);
        });
    return canvas;
}

// The sky dome: blue sky with soft clouds above the horizon (v < 0.5), the sea below it.
Canvas PaintHarbourSky()
{
    const Noise noise(81);
    Canvas canvas(512, 256);
    canvas.Fill(
        [&](float u, float v)
        {
            const Rgba zenith{0.2f, 0.44f, 0.82f, 1}, horizon{0.76f, 0.87f, 0.95f, 1};
            if (v < 0.5f)
            {
                const float t = v / 0.5f;
                const Rgba sky = Mix(zenith, horizon, std::pow(t, 2.2f));
                const float cloud = noise.Fbm(u * 8, v * 10, 8, 10, 5);
                // Clouds thin out towards the zenith, where the dome's columns meet.
                const float cover = SmoothStep(0.52f, 0.72f, cloud) * SmoothStep(0.25f, 0.6f, t) *
                                    (1.0f - SmoothStep(0.9f, 1.0f, t));
                return Mix(sky,
                           Mix({1.0f, 1.0f, 1.0f, 1}, {0.8f, 0.84f, 0.9f, 1}, SmoothStep(0.7f, 0.9f, cloud)),
                           cover);
            }
            const float s = (v - 0.5f) / 0.5f;
            const float waves = noise.Fbm(u * 32, v * 48, 32, 48, 3);
            Rgba sea = Mix({0.12f, 0.42f, 0.55f, 1}, {0.03f, 0.2f, 0.34f, 1}, SmoothStep(0.0f, 0.6f, s));
            sea = Mix(sea, {0.55f, 0.75f, 0.82f, 1}, SmoothStep(0.72f, 0.85f, waves) * 0.35f);
            return Mix(horizon, sea, SmoothStep(0.0f, 0.08f, s));
        });
    return canvas;
}
