#pragma once

#include <cstdint>

/// What a recipe layer reads at each pixel: a value, mostly in [0, 1], from one of a few
/// tileable shapes. Counts and scales say how often a shape repeats across the texture.
struct Pattern
{
    enum class Kind
    {
        Fill,     ///< 1 everywhere
        Gradient, ///< 0 to 1 across the layer's band
        Radial,   ///< distance from a centre, in radii
        Checker,  ///< 0 and 1 squares
        Noise,    ///< fractal value noise
        Cells,    ///< distances to the points of a jittered grid
        Stripes,  ///< soft sine stripes
        Planks,   ///< boards running along u, each with its own joint
        Bricks,   ///< courses of blocks, every other one shifted
    };
    /// Which of a shape's values a layer reads.
    enum class Part
    {
        Value,
        Nearest, ///< cells: distance to the nearest point
        Edges,   ///< cells: second-nearest minus nearest distance, 0 on a border
        Tint,    ///< planks and bricks: a random number per board or block
        Gaps,    ///< planks: 1 in the seams and joints
        Nails,   ///< planks: 1 on the nails beside each joint
        Mortar,  ///< bricks: 1 in the mortar
    };

    Kind kind = Kind::Fill;
    Part part = Part::Value;
    float x = 1.0f;     ///< scale, count or centre along u
    float y = 1.0f;     ///< scale, count or centre along v
    float extra = 1.0f; ///< radial: radius; bricks: shift of every other course, in blocks
    int octaves = 1;    ///< noise
    uint32_t seed = 1;
    int warpX = 0; ///< warp noise scale along u; no warp when 0
    int warpY = 0;
    int warpOctaves = 1;
    float warpAmountX = 0.0f; ///< how far the warp moves the shape along u, in its own units
    float warpAmountY = 0.0f;
    float seam[2] = {0.015f, 0.035f};  ///< planks: seams fade out between these fractions of a board's width
    float joint[2] = {0.004f, 0.008f}; ///< planks: joints fade out between these fractions of its length
    float mortar[2] = {0.02f, 0.045f}; ///< bricks: mortar fades out between these fractions of a course

    /// The value at texture coordinate (u, v); `band` is the position in the layer's band (0 to 1).
    float At(float u, float v, float band) const;
};
