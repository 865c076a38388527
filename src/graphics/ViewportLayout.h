#pragma once

#include <optional>

/// A viewport in pixels, measured from the top-left corner of the window.
struct ViewportRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ViewportRect&) const = default;
};

/// The view of player `index` when `count` players share a width × height window: the whole
/// window for one, halves stacked for two, quarters for three or four (three leave the
/// lower-right quarter empty). Combinations without a view give nothing.
std::optional<ViewportRect> PlayerViewportRect(int index, int count, unsigned width, unsigned height);
