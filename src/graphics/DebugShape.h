#pragma once

#include "math/Vector4.h"

#include <cstdint>

/// What a queued debug shape is drawn as; the numbers are the kinds the debug effect expects.
enum class DebugShapeKind : uint32_t
{
    Line = 0,
    Sphere = 1,
    Box = 2,
    ScreenBox = 3,
    Pyramid = 4,
};

/// Number of debug shape kinds.
inline constexpr int kDebugShapeKindCount = 5;

/// One debug shape queued for the current frame.
struct DebugShape
{
    DebugShapeKind kind = DebugShapeKind::Line;
    Vector4 position; ///< a line's first point; a screen box's pixel position from the top-left
    Vector4 scale;    ///< a line's second point; a sphere's (r, r, r, 0); a box's half size
    Vector4 colour{1, 1, 1, 1};
    uint8_t depthTest = 1;
    Vector4 extra; ///< second colour or orientation; kept for the caller, not used when drawing
};
