#include "app/PhysicsDebugShapes.h"

#include "graphics/GraphicsSystem.h"

void PhysicsDebugShapes::DrawSphere(const Vector4& centre, float radius, const Vector4& colour)
{
    GraphicsSystem::Instance().DrawSphere(centre, radius, colour);
}

void PhysicsDebugShapes::DrawBox(const Vector4& centre, const Vector4& halfExtents,
                                 const Quaternion& rotation, const Vector4& colour)
{
    GraphicsSystem::Instance().DrawBox(centre, halfExtents, colour, true, false, rotation.ToVector4());
}

void PhysicsDebugShapes::DrawLine(const Vector4& from, const Vector4& to, const Vector4& colour)
{
    GraphicsSystem::Instance().DrawLine(from, to, colour);
}
