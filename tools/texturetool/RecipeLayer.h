#pragma once

#include "Canvas.h"
#include "Pattern.h"

#include <vector>

/// One line of a texture recipe: a pattern, the colour it paints and where, mixed over what the
/// layers before it painted.
struct RecipeLayer
{
    /// A range a value is smoothed over (SmoothStep from `from` to `to`).
    struct Range
    {
        bool on = false;
        float from = 0.0f;
        float to = 1.0f;
    };
    /// A colour at a position of the ramp.
    struct Stop
    {
        float at = 0.0f;
        Rgba colour;
    };

    Pattern pattern;
    std::vector<Stop> ramp; ///< one stop: a flat colour
    bool isRamp = false;    ///< a ramp covers its band; a flat colour paints where the pattern is high
    Range levels; ///< the pattern's value smoothed to the ramp position (or the flat colour's strength)
    bool hasPower = false;
    float power = 1.0f;  ///< ramp position raised to this power
    Range mask;          ///< strength from the pattern's value, instead of the default
    bool invert = false; ///< strength turned round: 1 - strength
    Range fadeIn;        ///< strength rising over this part of the band
    Range fadeOut;       ///< strength falling over this part of the band
    bool hasAmount = false;
    float amount = 1.0f;
    int bandAxis = 1;      ///< 0: u, 1: v
    float bandFrom = 0.0f; ///< the layer paints from here...
    float bandTo = 1.0f;   ///< ...to just before here
    bool seeded = false;   ///< the pattern has its own seed, not the recipe's

    /// The colour at (u, v) after this layer is painted over `under`.
    Rgba Apply(const Rgba& under, float u, float v) const;

  private:
    Rgba RampAt(float t) const;
    float Strength(float value, float t, float band) const;
};
