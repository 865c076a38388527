#pragma once

#include "math/Vector4.h"
#include "physics/AabbTree.h"
#include "physics/CollisionTypes.h"

#include <utility>
#include <vector>

class Collider;

/// Finds the collider pairs worth handing to the exact tests: every pair with at least one
/// dynamic collider whose bounds meet. Its entries mirror the physics system's collider list
/// position by position, so the pairs come out as list positions i < j in the order the
/// all-pairs loop visits them, and the exact tests see the same pairs in the same order.
///
/// Bounds are conservative for every test: spheres and axis-aligned boxes use their extents,
/// oriented boxes the cube around the sphere of their half extents, which holds whatever their
/// rotation is. The oriented-box tests measure an axis-aligned partner by its Transform's
/// rotation, so axis-aligned boxes are also kept in a second tree with that cube. Bounds depend
/// only on centre and half extents, which the physics system sets once per frame, so the pairs
/// stay valid across all steps of a frame.
class BroadPhase
{
  public:
    /// Appends an entry for the collider at the next list position.
    void Add(Collider* collider);
    /// Mirrors the list's removal at `index`: the last entry moves into its place.
    void Remove(int index);
    /// Re-reads the placement, volume type and dynamic flag of the collider at `index`.
    void Refresh(int index);
    /// All candidate pairs (i < j), sorted, without repeats.
    void FindPairs(std::vector<std::pair<int, int>>& pairs);
    int Size() const { return static_cast<int>(m_entries.size()); }

  private:
    struct Entry
    {
        Collider* collider = nullptr;
        Vector4 center;
        Vector4 half;
        VolumeType type = VolumeType::Aabb;
        bool dynamic = false;
        int tightProxy = -1;
        int cubeProxy = -1;
        int dynamicSlot = -1;
    };

    struct SweepItem
    {
        Aabb box;
        int index = -1;
    };

    void Snapshot(Entry& entry) const;
    void Enter(int index);
    void Leave(int index);
    void Renumber(int index);
    void QueryStatic(int index, std::vector<std::pair<int, int>>& pairs) const;
    void PairDynamics(std::vector<std::pair<int, int>>& pairs);

    std::vector<Entry> m_entries;
    AabbTree m_tightTree;       ///< every non-dynamic collider by its own bound
    AabbTree m_cubeTree;        ///< non-dynamic axis-aligned boxes by their rotation-proof cube
    std::vector<int> m_dynamic; ///< positions of dynamic colliders
    std::vector<SweepItem> m_sweep;
};
