#pragma once

#include "math/Vector4.h"

#include <string>

/// One queued on-screen text: placement in window fractions, font size in size.x.
struct ScreenText
{
    std::string text;
    float x = 0.0f;
    float y = 0.0f;
    Vector4 size;
    Vector4 colour;
};
