#include "graphics/DebugDraw.h"

void DebugDraw::Add(const DebugShape& shape)
{
    m_shapes[static_cast<std::size_t>(shape.kind)].push_back(shape);
}

const std::vector<DebugShape>& DebugDraw::Shapes(DebugShapeKind kind) const
{
    return m_shapes[static_cast<std::size_t>(kind)];
}

void DebugDraw::Clear(DebugShapeKind kind)
{
    m_shapes[static_cast<std::size_t>(kind)].clear();
}

void DebugDraw::Clear()
{
    for (std::vector<DebugShape>& list : m_shapes)
        list.clear();
}

std::size_t DebugDraw::Count() const
{
    std::size_t count = 0;
    for (const std::vector<DebugShape>& list : m_shapes)
        count += list.size();
    return count;
}
