#pragma once

#include "math/Vector4.h"

#include <string>

/// One queued HUD quad: centre and size as fractions of the window.
struct HudSprite
{
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
    std::string texture; ///< empty: a flat quad in the colour held by `extra`
    Vector4 extra;       ///< colour of a flat quad; for a textured one x < -0.0001 selects u/v limits y, z
    unsigned unused = 0;
};
