#pragma once

#include "math/Vector4.h"

#include <string>

/// One line of a text menu: what confirming it does, its label and where it is drawn.
struct MenuItem
{
    int action = 0;
    std::string text;
    Vector4 colour{1, 1, 1, 1};
    /// The first component is the font size.
    Vector4 size{30, 50, 0, 0};
    /// Centre of the label, screen coordinates from -1 to 1 (y up).
    float x = 0.0f;
    float y = 0.0f;
};
