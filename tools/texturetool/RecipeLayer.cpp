#include "RecipeLayer.h"

#include <cmath>

Rgba RecipeLayer::RampAt(float t) const
{
    if (ramp.size() == 1 || t < ramp.front().at)
        return ramp.front().colour;
    size_t i = 0;
    while (i + 2 < ramp.size() && !(t < ramp[i + 1].at))
        ++i;
    return Mix(ramp[i].colour, ramp[i + 1].colour,
               Saturate((t - ramp[i].at) / (ramp[i + 1].at - ramp[i].at)));
}

// The factors are multiplied in this order on purpose: the built-in textures were painted so, and
// their files stay the same to the byte.
float RecipeLayer::Strength(float value, float t, float band) const
{
    float strength = mask.on ? SmoothStep(mask.from, mask.to, value) : (isRamp ? 1.0f : t);
    if (invert)
        strength = 1.0f - strength;
    if (fadeIn.on)
        strength *= SmoothStep(fadeIn.from, fadeIn.to, band);
    if (fadeOut.on)
        strength *= 1.0f - SmoothStep(fadeOut.from, fadeOut.to, band);
    if (hasAmount)
        strength *= amount;
    return strength;
}

Rgba RecipeLayer::Apply(const Rgba& under, float u, float v) const
{
    const float coordinate = bandAxis == 0 ? u : v;
    if (coordinate < bandFrom || !(coordinate < bandTo))
        return under;
    const float band = (coordinate - bandFrom) / (bandTo - bandFrom);
    const float value = pattern.At(u, v, band);
    float t = levels.on ? SmoothStep(levels.from, levels.to, value) : value;
    if (hasPower)
        t = std::pow(t, power);
    const float strength = Strength(value, t, band);
    if (strength == 0.0f)
        return under;
    return Mix(under, RampAt(t), strength);
}
