#pragma once

#include "physics/PhysicsDebugDraw.h"

/// The physics system's debug shapes, queued as the graphics system's depth-tested world shapes.
class PhysicsDebugShapes final : public PhysicsDebugDraw
{
  public:
    /// A world sphere.
    void DrawSphere(const Vector4& centre, float radius, const Vector4& colour) override;
    /// A world box, its rotation as the box's second vector.
    void DrawBox(const Vector4& centre, const Vector4& halfExtents, const Quaternion& rotation,
                 const Vector4& colour) override;
    /// A world line.
    void DrawLine(const Vector4& from, const Vector4& to, const Vector4& colour) override;
};
