#pragma once

#include "physics/Aabb.h"

#include <vector>

/// A balanced bounding-volume tree of enlarged boxes (proxies), each carrying an integer of the
/// caller's. Moving a proxy within its enlarged box costs nothing, so slowly moving or resting
/// objects keep their place in the tree.
class AabbTree
{
  public:
    /// Adds a proxy around `box` and returns its id.
    int CreateProxy(const Aabb& box, int userData);
    /// Removes a proxy; its id may be reused.
    void DestroyProxy(int proxy);
    /// Follows a proxy's new box; returns true when it had to be reinserted.
    bool MoveProxy(int proxy, const Aabb& box);
    int GetUserData(int proxy) const { return m_nodes[proxy].userData; }
    void SetUserData(int proxy, int userData) { m_nodes[proxy].userData = userData; }
    /// The enlarged box the tree holds for a proxy.
    const Aabb& GetFatBox(int proxy) const { return m_nodes[proxy].box; }
    /// Height of the tree (0 for a single leaf, -1 when empty).
    int GetHeight() const { return m_root == kNull ? -1 : m_nodes[m_root].height; }

    /// Calls `visit(userData)` for every proxy whose enlarged box overlaps `box`.
    template <typename Visit> void Query(const Aabb& box, Visit&& visit) const;

  private:
    static constexpr int kNull = -1;

    struct Node
    {
        Aabb box;
        int parent = kNull; ///< next free node while on the free list
        int child1 = kNull;
        int child2 = kNull;
        int height = 0; ///< 0 for a leaf, -1 while free
        int userData = -1;
        bool IsLeaf() const { return child1 == kNull; }
    };

    static Aabb Fatten(const Aabb& box);
    int AllocateNode();
    void FreeNode(int node);
    void InsertLeaf(int leaf);
    void RemoveLeaf(int leaf);
    int ChooseSibling(const Aabb& box) const;
    void Refit(int node);
    int Balance(int node);
    int RotateUp(int node, int upper, bool upperIsSecond);
    void ReplaceChild(int parent, int oldChild, int newChild);

    std::vector<Node> m_nodes;
    int m_root = kNull;
    int m_freeList = kNull;
    mutable std::vector<int> m_stack;
};

template <typename Visit> void AabbTree::Query(const Aabb& box, Visit&& visit) const
{
    if (m_root == kNull)
        return;
    m_stack.clear();
    m_stack.push_back(m_root);
    while (!m_stack.empty())
    {
        const int index = m_stack.back();
        m_stack.pop_back();
        const Node& node = m_nodes[index];
        if (!node.box.Overlaps(box))
            continue;
        if (node.IsLeaf())
        {
            visit(node.userData);
            continue;
        }
        m_stack.push_back(node.child1);
        m_stack.push_back(node.child2);
    }
}
