#include "physics/AabbTree.h"

#include <cassert>

namespace
{
// Room to move before a proxy must be reinserted: a fixed amount plus a share of its size.
constexpr float kFatMargin = 0.1f;
constexpr float kFatMarginPerSize = 0.1f;
// A proxy whose box shrank so much that its enlarged box is this many times too large is
// reinserted, so a collider that was once huge does not keep matching everything.
constexpr float kOversizedRatio = 4.0f;
} // namespace

Aabb AabbTree::Fatten(const Aabb& box)
{
    float size = 0.0f;
    for (int k = 0; k < 3; ++k)
        size = std::max(size, box.max[k] - box.min[k]);
    const float margin = kFatMargin + kFatMarginPerSize * size;
    Aabb fat = box;
    for (int k = 0; k < 3; ++k)
    {
        fat.min[k] -= margin;
        fat.max[k] += margin;
    }
    return fat;
}

int AabbTree::CreateProxy(const Aabb& box, int userData)
{
    const int proxy = AllocateNode();
    m_nodes[proxy].box = Fatten(box);
    m_nodes[proxy].userData = userData;
    InsertLeaf(proxy);
    return proxy;
}

void AabbTree::DestroyProxy(int proxy)
{
    assert(m_nodes[proxy].IsLeaf());
    RemoveLeaf(proxy);
    FreeNode(proxy);
}

bool AabbTree::MoveProxy(int proxy, const Aabb& box)
{
    const Aabb& fat = m_nodes[proxy].box;
    const Aabb fresh = Fatten(box);
    if (fat.Contains(box) && !(fat.HalfArea() > kOversizedRatio * fresh.HalfArea()))
        return false;
    RemoveLeaf(proxy);
    m_nodes[proxy].box = fresh;
    InsertLeaf(proxy);
    return true;
}

int AabbTree::AllocateNode()
{
    if (m_freeList == kNull)
    {
        m_nodes.emplace_back();
        return static_cast<int>(m_nodes.size()) - 1;
    }
    const int node = m_freeList;
    m_freeList = m_nodes[node].parent;
    m_nodes[node] = Node{};
    return node;
}

void AabbTree::FreeNode(int node)
{
    m_nodes[node].parent = m_freeList;
    m_nodes[node].height = -1;
    m_freeList = node;
}

int AabbTree::ChooseSibling(const Aabb& box) const
{
    // Descend towards the child whose box grows least, stopping where a new parent here is
    // cheaper than pushing the leaf further down (the surface-area heuristic).
    int index = m_root;
    while (!m_nodes[index].IsLeaf())
    {
        const Node& node = m_nodes[index];
        const float area = node.box.HalfArea();
        const float combinedArea = Aabb::Union(node.box, box).HalfArea();
        const float cost = 2.0f * combinedArea;
        const float inheritance = 2.0f * (combinedArea - area);
        auto descendCost = [&](int child)
        {
            const Node& c = m_nodes[child];
            const float grown = Aabb::Union(box, c.box).HalfArea();
            return (c.IsLeaf() ? grown : grown - c.box.HalfArea()) + inheritance;
        };
        const float cost1 = descendCost(node.child1);
        const float cost2 = descendCost(node.child2);
        if (cost < cost1 && cost < cost2)
            break;
        index = cost1 < cost2 ? node.child1 : node.child2;
    }
    return index;
}

void AabbTree::InsertLeaf(int leaf)
{
    if (m_root == kNull)
    {
        m_root = leaf;
        m_nodes[leaf].parent = kNull;
        return;
    }
    const int sibling = ChooseSibling(m_nodes[leaf].box);
    const int oldParent = m_nodes[sibling].parent;
    const int newParent = AllocateNode();
    m_nodes[newParent].parent = oldParent;
    if (oldParent != kNull)
        ReplaceChild(oldParent, sibling, newParent);
    else
        m_root = newParent;
    m_nodes[newParent].child1 = sibling;
    m_nodes[newParent].child2 = leaf;
    m_nodes[sibling].parent = newParent;
    m_nodes[leaf].parent = newParent;
    Refit(newParent);
    for (int index = m_nodes[newParent].parent; index != kNull; index = m_nodes[index].parent)
    {
        index = Balance(index);
        Refit(index);
    }
}

void AabbTree::RemoveLeaf(int leaf)
{
    if (leaf == m_root)
    {
        m_root = kNull;
        return;
    }
    const int parent = m_nodes[leaf].parent;
    const int grandParent = m_nodes[parent].parent;
    const int sibling = m_nodes[parent].child1 == leaf ? m_nodes[parent].child2 : m_nodes[parent].child1;
    FreeNode(parent);
    m_nodes[sibling].parent = grandParent;
    if (grandParent == kNull)
    {
        m_root = sibling;
        return;
    }
    ReplaceChild(grandParent, parent, sibling);
    for (int index = grandParent; index != kNull; index = m_nodes[index].parent)
    {
        index = Balance(index);
        Refit(index);
    }
}

void AabbTree::Refit(int node)
{
    Node& n = m_nodes[node];
    const Node& c1 = m_nodes[n.child1];
    const Node& c2 = m_nodes[n.child2];
    n.box = Aabb::Union(c1.box, c2.box);
    n.height = 1 + std::max(c1.height, c2.height);
}

void AabbTree::ReplaceChild(int parent, int oldChild, int newChild)
{
    if (m_nodes[parent].child1 == oldChild)
        m_nodes[parent].child1 = newChild;
    else
        m_nodes[parent].child2 = newChild;
}

int AabbTree::Balance(int node)
{
    const Node& a = m_nodes[node];
    if (a.IsLeaf() || a.height < 2)
        return node;
    const int balance = m_nodes[a.child2].height - m_nodes[a.child1].height;
    if (balance > 1)
        return RotateUp(node, a.child2, true);
    if (balance < -1)
        return RotateUp(node, a.child1, false);
    return node;
}

int AabbTree::RotateUp(int node, int upper, bool upperIsSecond)
{
    // `upper` takes `node`'s place; `node` becomes its first child and keeps `upper`'s shorter
    // child where `upper` used to hang, so heights differ by at most one again.
    const int first = m_nodes[upper].child1;
    const int second = m_nodes[upper].child2;
    const bool firstIsTaller = m_nodes[first].height > m_nodes[second].height;
    const int taller = firstIsTaller ? first : second;
    const int shorter = firstIsTaller ? second : first;

    const int parent = m_nodes[node].parent;
    m_nodes[upper].parent = parent;
    if (parent != kNull)
        ReplaceChild(parent, node, upper);
    else
        m_root = upper;
    m_nodes[upper].child1 = node;
    m_nodes[upper].child2 = taller;
    m_nodes[node].parent = upper;
    if (upperIsSecond)
        m_nodes[node].child2 = shorter;
    else
        m_nodes[node].child1 = shorter;
    m_nodes[shorter].parent = node;
    Refit(node);
    Refit(upper);
    return upper;
}
