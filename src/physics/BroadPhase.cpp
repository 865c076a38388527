#include "physics/BroadPhase.h"

#include "physics/Collider.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
// Rounding in the exact tests is a few float epsilons of the coordinates involved; bounds are
// widened by far more than that so that no pair the tests would accept is culled.
constexpr float kSlackFraction = 1e-4f;
// Beyond this the squares in the tests overflow; such colliders are given unbounded boxes and
// so are paired with everything, as the all-pairs loop would.
constexpr float kHugeCoordinate = 1e18f;

float LargestMagnitude(const Vector4& v)
{
    return std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
}

float CubeExtent(const Vector4& half)
{
    return std::sqrt(half.x * half.x + half.y * half.y + half.z * half.z);
}

Aabb Around(const Vector4& center, const Vector4& extent)
{
    const float scale = 1.0f + LargestMagnitude(center) + LargestMagnitude(extent);
    Aabb box;
    if (!(scale < kHugeCoordinate))
    {
        const float infinity = std::numeric_limits<float>::infinity();
        for (int k = 0; k < 3; ++k)
        {
            box.min[k] = -infinity;
            box.max[k] = infinity;
        }
        return box;
    }
    const float slack = kSlackFraction * scale;
    for (int k = 0; k < 3; ++k)
    {
        box.min[k] = center[k] - extent[k] - slack;
        box.max[k] = center[k] + extent[k] + slack;
    }
    return box;
}

Aabb UniformBound(const Vector4& center, float extent)
{
    return Around(center, {extent, extent, extent, 0.0f});
}

/// The bound each volume's own tests need: a sphere's radius, a box's extents, and for an
/// oriented box the cube that holds it under any rotation.
Aabb TightBound(VolumeType type, const Vector4& center, const Vector4& half)
{
    switch (type)
    {
    case VolumeType::Sphere:
        return UniformBound(center, std::fabs(half.x));
    case VolumeType::Aabb:
        return Around(center, {std::fabs(half.x), std::fabs(half.y), std::fabs(half.z), 0.0f});
    case VolumeType::Obb:
        break;
    }
    return UniformBound(center, CubeExtent(half));
}

/// The bound for pairs with an oriented box, which measure every box by its rotation; it holds
/// the tight bound, so it also serves every other pair.
Aabb CubeBound(VolumeType type, const Vector4& center, const Vector4& half)
{
    if (type == VolumeType::Sphere)
        return UniformBound(center, std::fabs(half.x));
    return UniformBound(center, CubeExtent(half));
}

std::pair<int, int> Ordered(int a, int b)
{
    return a < b ? std::pair{a, b} : std::pair{b, a};
}
} // namespace

void BroadPhase::Add(Collider* collider)
{
    Entry entry;
    entry.collider = collider;
    Snapshot(entry);
    m_entries.push_back(entry);
    Enter(Size() - 1);
}

void BroadPhase::Remove(int index)
{
    Leave(index);
    const int last = Size() - 1;
    if (index != last)
    {
        m_entries[index] = m_entries[last];
        Renumber(index);
    }
    m_entries.pop_back();
}

void BroadPhase::Refresh(int index)
{
    Entry& entry = m_entries[index];
    const Collider& collider = *entry.collider;
    if (collider.IsDynamic() != entry.dynamic || collider.GetVolumeType() != entry.type)
    {
        Leave(index);
        Snapshot(entry);
        Enter(index);
        return;
    }
    if (collider.GetWorldCenter() == entry.center && collider.GetHalfExtents() == entry.half)
        return;
    Snapshot(entry);
    if (entry.tightProxy >= 0)
        m_tightTree.MoveProxy(entry.tightProxy, TightBound(entry.type, entry.center, entry.half));
    if (entry.cubeProxy >= 0)
        m_cubeTree.MoveProxy(entry.cubeProxy, CubeBound(entry.type, entry.center, entry.half));
}

void BroadPhase::FindPairs(std::vector<std::pair<int, int>>& pairs)
{
    pairs.clear();
    for (int index : m_dynamic)
        QueryStatic(index, pairs);
    PairDynamics(pairs);
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
}

void BroadPhase::Snapshot(Entry& entry) const
{
    entry.center = entry.collider->GetWorldCenter();
    entry.half = entry.collider->GetHalfExtents();
    entry.type = entry.collider->GetVolumeType();
    entry.dynamic = entry.collider->IsDynamic();
}

void BroadPhase::Enter(int index)
{
    Entry& entry = m_entries[index];
    if (entry.dynamic)
    {
        entry.dynamicSlot = static_cast<int>(m_dynamic.size());
        m_dynamic.push_back(index);
        return;
    }
    entry.tightProxy = m_tightTree.CreateProxy(TightBound(entry.type, entry.center, entry.half), index);
    if (entry.type == VolumeType::Aabb)
        entry.cubeProxy = m_cubeTree.CreateProxy(CubeBound(entry.type, entry.center, entry.half), index);
}

void BroadPhase::Leave(int index)
{
    Entry& entry = m_entries[index];
    if (entry.dynamicSlot >= 0)
    {
        const int moved = m_dynamic.back();
        m_dynamic[entry.dynamicSlot] = moved;
        m_entries[moved].dynamicSlot = entry.dynamicSlot;
        m_dynamic.pop_back();
        entry.dynamicSlot = -1;
    }
    if (entry.tightProxy >= 0)
        m_tightTree.DestroyProxy(entry.tightProxy);
    if (entry.cubeProxy >= 0)
        m_cubeTree.DestroyProxy(entry.cubeProxy);
    entry.tightProxy = -1;
    entry.cubeProxy = -1;
}

void BroadPhase::Renumber(int index)
{
    const Entry& entry = m_entries[index];
    if (entry.tightProxy >= 0)
        m_tightTree.SetUserData(entry.tightProxy, index);
    if (entry.cubeProxy >= 0)
        m_cubeTree.SetUserData(entry.cubeProxy, index);
    if (entry.dynamicSlot >= 0)
        m_dynamic[entry.dynamicSlot] = index;
}

void BroadPhase::QueryStatic(int index, std::vector<std::pair<int, int>>& pairs) const
{
    const Entry& entry = m_entries[index];
    const Aabb box = CubeBound(entry.type, entry.center, entry.half);
    auto add = [&pairs, index](int other) { pairs.push_back(Ordered(index, other)); };
    m_tightTree.Query(box, add);
    if (entry.type == VolumeType::Obb)
        m_cubeTree.Query(box, add);
}

void BroadPhase::PairDynamics(std::vector<std::pair<int, int>>& pairs)
{
    // Sweep along x over the dynamic colliders: few of them, but they may all be close.
    m_sweep.clear();
    for (int index : m_dynamic)
    {
        const Entry& entry = m_entries[index];
        m_sweep.push_back({CubeBound(entry.type, entry.center, entry.half), index});
    }
    std::sort(m_sweep.begin(), m_sweep.end(),
              [](const SweepItem& a, const SweepItem& b) { return a.box.min[0] < b.box.min[0]; });
    for (size_t a = 0; a < m_sweep.size(); ++a)
    {
        const Aabb& boxA = m_sweep[a].box;
        for (size_t b = a + 1; b < m_sweep.size() && m_sweep[b].box.min[0] <= boxA.max[0]; ++b)
            if (boxA.Overlaps(m_sweep[b].box))
                pairs.push_back(Ordered(m_sweep[a].index, m_sweep[b].index));
    }
}
