#include "Noise.h"
#include "Recipes.h"

// The fire ball's lava glows brighter where the crust around it is lighter: a colour that depends
// on two patterns at once, which recipe layers, each mixing one colour over the last, cannot paint.
// Ball textures are twice as wide as high, as a sphere is twice as far round as from pole to pole.
namespace
{
constexpr int kWidth = 256;
constexpr int kHeight = 128;

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

} // namespace

Canvas PaintFireBall()
{
    Canvas canvas(kWidth, kHeight);
    canvas.Fill(
        [](float u, float v)
        {
            const Crust c = FireCrust(u, v);
            const Rgba crust = Mix({0.42f, 0.1f, 0.05f, 1}, {0.68f, 0.2f, 0.07f, 1}, c.tone);
            const Rgba lava = Mix({1.0f, 0.38f, 0.03f, 1}, {1.0f, 0.85f, 0.3f, 1}, c.crack * c.tone);
            return Mix(crust, lava, c.crack);
        });
    return canvas;
}
