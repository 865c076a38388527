#include "particles/BehaviourSupport.h"

#include "math/GameConstants.h"
#include "math/Random.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "particles/ParticleEmitter.h"

#include <cmath>

const Transform* OwnerTransform(const ParticleEmitter& emitter)
{
    const GameObject* owner = emitter.OwnerObject();
    return owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr;
}

Vector4 OwnerPosition(const ParticleEmitter& emitter)
{
    const Transform* transform = OwnerTransform(emitter);
    return transform ? transform->GetPosition() : Vector4{0.0f, 0.0f, 0.0f, 1.0f};
}

Vector4 OwnerScale(const ParticleEmitter& emitter)
{
    const Transform* transform = OwnerTransform(emitter);
    return transform ? transform->GetScale() : Vector4{1.0f, 1.0f, 1.0f, 0.0f};
}

Quaternion OwnerRotation(const ParticleEmitter& emitter)
{
    const Transform* transform = OwnerTransform(emitter);
    return transform ? transform->GetRotation() : Quaternion{};
}

float RandomHalfTurn()
{
    return RandomRange(0.0f, kGamePi);
}

float RandomFullTurn()
{
    return RandomRange(0.0f, 2.0f * kGamePi);
}

float UnitClamp(float t)
{
    if (!(t > 0.0f))
        return 0.0f;
    return t > 1.0f ? 1.0f : t;
}

float Lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}

Vector4 Lerp(const Vector4& a, const Vector4& b, float t)
{
    return a + (b - a) * t;
}

float Length3(const Vector4& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
