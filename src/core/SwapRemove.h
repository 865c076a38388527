#pragma once

#include <algorithm>
#include <vector>

/// Removes the first `item` from `list` by moving the last entry into its place (order is not
/// kept, as every registry of the engine does). Returns whether it was found.
template <typename T> bool SwapRemove(std::vector<T>& list, const T& item)
{
    auto found = std::find(list.begin(), list.end(), item);
    if (found == list.end())
        return false;
    *found = list.back();
    list.pop_back();
    return true;
}
