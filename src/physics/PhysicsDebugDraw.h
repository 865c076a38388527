#pragma once

#include "math/Quaternion.h"
#include "math/Vector4.h"

/// Where the physics system draws colliders and contacts while debug drawing is on. The graphics
/// layer draws them; the composition root wires it in.
class PhysicsDebugDraw
{
  public:
    virtual ~PhysicsDebugDraw() = default;
    /// A sphere of `radius` round `centre`.
    virtual void DrawSphere(const Vector4& centre, float radius, const Vector4& colour) = 0;
    /// A box of half size `halfExtents` round `centre`, turned by `rotation`.
    virtual void DrawBox(const Vector4& centre, const Vector4& halfExtents, const Quaternion& rotation,
                         const Vector4& colour) = 0;
    /// A line from `from` to `to`.
    virtual void DrawLine(const Vector4& from, const Vector4& to, const Vector4& colour) = 0;
};
