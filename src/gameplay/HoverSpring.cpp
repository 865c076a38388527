#include "gameplay/HoverSpring.h"

Vector4 HoverSpring::Step(float dt, const Vector4& anchor, const Vector4& up, const Vector4& position)
{
    target = anchor + up * offset.y;
    target.w = 1.0f;
    displacement = target - position;
    force = displacement * stiffness - velocity * damping;
    force.w = 0.0f;
    // Only the upward push is limited, so a ball far below still falls back into place gently.
    if (force.y > maxForce)
        force.y = maxForce;
    if (mass > 0.0f)
        velocity += force / mass * dt;
    reached = position + velocity * dt == target;
    return force;
}
