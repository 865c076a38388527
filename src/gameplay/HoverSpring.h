#pragma once

#include "math/Vector4.h"

/// The spring that holds a ball at its hover height above the ground point.
struct HoverSpring
{
    Vector4 target{0, 0, 0, 1};
    Vector4 displacement;
    Vector4 force;
    Vector4 velocity; ///< the spring's own velocity, integrated every step and never reset
    float stiffness = 75.0f;
    float damping = 6.0f;
    float mass = 500.0f;
    Vector4 offset{0, 2, 0, 0};
    float maxForce = 19.0f;
    bool reached = false;

    /// One step towards anchor + up * offset.y from `position`; returns the force (w = 0, y capped).
    Vector4 Step(float dt, const Vector4& anchor, const Vector4& up, const Vector4& position);
};
