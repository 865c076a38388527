#pragma once

#include "graphics/DebugShape.h"

#include <array>
#include <cstddef>
#include <vector>

/// One set of debug shapes queued during a frame, kept in one list per kind so that the
/// debug pass can draw each kind with its own mesh.
class DebugDraw
{
  public:
    /// Appends `shape` to the list of its kind.
    void Add(const DebugShape& shape);
    /// The queued shapes of one kind, in request order.
    const std::vector<DebugShape>& Shapes(DebugShapeKind kind) const;
    /// Empties the list of one kind (the pass empties solid kinds after drawing them).
    void Clear(DebugShapeKind kind);
    /// Empties every list.
    void Clear();
    /// Number of queued shapes of every kind together.
    std::size_t Count() const;

  private:
    std::array<std::vector<DebugShape>, kDebugShapeKindCount> m_shapes;
};
