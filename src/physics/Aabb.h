#pragma once

#include <algorithm>

/// An axis-aligned box in world space, used to cull pairs before the exact tests.
struct Aabb
{
    float min[3] = {0, 0, 0};
    float max[3] = {0, 0, 0};

    /// True when the boxes share at least a point (touching counts).
    bool Overlaps(const Aabb& o) const
    {
        for (int k = 0; k < 3; ++k)
            if (max[k] < o.min[k] || o.max[k] < min[k])
                return false;
        return true;
    }

    /// True when `o` lies wholly inside this box.
    bool Contains(const Aabb& o) const
    {
        for (int k = 0; k < 3; ++k)
            if (o.min[k] < min[k] || max[k] < o.max[k])
                return false;
        return true;
    }

    /// The smallest box holding both.
    static Aabb Union(const Aabb& a, const Aabb& b)
    {
        Aabb u;
        for (int k = 0; k < 3; ++k)
        {
            u.min[k] = std::min(a.min[k], b.min[k]);
            u.max[k] = std::max(a.max[k], b.max[k]);
        }
        return u;
    }

    /// Half the surface area: the cost measure of the tree's insertion heuristic.
    float HalfArea() const
    {
        const float dx = max[0] - min[0];
        const float dy = max[1] - min[1];
        const float dz = max[2] - min[2];
        return dx * dy + dy * dz + dz * dx;
    }
};
