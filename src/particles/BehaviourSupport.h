#pragma once

#include "math/Quaternion.h"
#include "math/Vector4.h"

class ParticleEmitter;
class Transform;

// What several particle behaviours share: the owner's placement (with safe stand-ins when the
// effect has no owner or the owner no Transform), the game's angle draws and clamped blends.

/// The owner object's Transform, or null without an owner or without a Transform.
const Transform* OwnerTransform(const ParticleEmitter& emitter);
/// The owner's position; the origin (w = 1) without a Transform.
Vector4 OwnerPosition(const ParticleEmitter& emitter);
/// The owner's scale; (1, 1, 1, 0) without a Transform.
Vector4 OwnerScale(const ParticleEmitter& emitter);
/// The owner's rotation; the identity without a Transform.
Quaternion OwnerRotation(const ParticleEmitter& emitter);

/// An angle drawn in [0, 3.14] radians.
float RandomHalfTurn();
/// An angle drawn in [0, 6.28] radians.
float RandomFullTurn();
/// `t` held to [0, 1]; a value that is not a number counts as 0.
float UnitClamp(float t);
/// a + (b - a) × t.
float Lerp(float a, float b, float t);
/// a + (b - a) × t, component by component.
Vector4 Lerp(const Vector4& a, const Vector4& b, float t);
/// Length of the x, y, z part.
float Length3(const Vector4& v);
