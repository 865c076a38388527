#include "graphics/ViewportLayout.h"

std::optional<ViewportRect> PlayerViewportRect(int index, int count, unsigned width, unsigned height)
{
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    if (count == 1 && index == 0)
        return ViewportRect{0, 0, w, h};
    if (count == 2 && (index == 0 || index == 1))
        return ViewportRect{0, index * (h / 2), w, h / 2};
    if ((count == 3 || count == 4) && index >= 0 && index <= 3)
        return ViewportRect{(index % 2) * (w / 2), (index / 2) * (h / 2), w / 2, h / 2};
    return std::nullopt;
}
