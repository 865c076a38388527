#pragma once

#include <string>

/// One text as the last frame drew it: its centre in window pixels, its font size in pixels
/// (after the window scale) and the player viewport of a label (-1 for a screen text).
struct DrawnText
{
    std::string text;
    float x = 0.0f;
    float y = 0.0f;
    int size = 0;
    int viewport = -1;
};
