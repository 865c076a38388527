#include "physics/ContactResolver.h"

#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Contact.h"
#include "physics/RigidBody.h"

#include <algorithm>

namespace
{
constexpr float kStaticFriction = 0.1f;
constexpr float kSlidingFriction = 0.2f;
constexpr float kSlop = 0.02f;
constexpr float kCorrectionFraction = 0.25f;
// A collider without a body stands still but weighs like a unit mass in the impulse.
constexpr float kMissingBodyInverseMass = 1.0f;

RigidBody* BodyOf(const Collider* collider)
{
    const GameObject* owner = collider ? collider->GetOwner() : nullptr;
    return owner ? owner->Get<RigidBody>(ComponentType::RigidBody) : nullptr;
}

float InverseMassOf(const RigidBody* body)
{
    return body ? body->GetInverseMass() : kMissingBodyInverseMass;
}

Vector4 VelocityOf(const RigidBody* body)
{
    return body ? body->GetVelocity() : Vector4{};
}

float PairRestitution(const RigidBody* a, const RigidBody* b)
{
    if (a && b)
        return std::min(a->GetRestitution(), b->GetRestitution());
    if (a || b)
        return (a ? a : b)->GetRestitution();
    return 0.0f;
}

/// Applies `impulse` to b and its opposite to a, each scaled by its inverse mass.
void Exchange(RigidBody* a, RigidBody* b, const Vector4& impulse, float inverseA, float inverseB)
{
    if (a)
        a->AddVelocity(-impulse * inverseA);
    if (b)
        b->AddVelocity(impulse * inverseB);
}

void Move(const Collider* collider, RigidBody* body, const Vector4& offset)
{
    if (!body)
        return;
    body->SetPosition(body->GetPosition() + offset);
    const GameObject* owner = collider->GetOwner();
    if (auto* transform = owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr)
        transform->SetPosition(body->GetPosition());
}

/// Both inverse masses zero (two static bodies) would divide by zero: such a pair cannot move.
bool CanMove(float inverseMassA, float inverseMassB)
{
    return inverseMassA + inverseMassB > 0.0f;
}
} // namespace

bool ContactResolver::Filter(const Contact& contact) const
{
    return contact.a->RespondsTo(contact.b->GetCategory()) && contact.b->RespondsTo(contact.a->GetCategory());
}

void ContactResolver::ResolveVelocity(Contact& contact) const
{
    RigidBody* bodyA = BodyOf(contact.a);
    RigidBody* bodyB = BodyOf(contact.b);
    const Vector4& n = contact.normal;
    contact.restitution = PairRestitution(bodyA, bodyB);

    const Vector4 relative = VelocityOf(bodyB) - VelocityOf(bodyA);
    const float vn = relative.Dot(n);
    const Vector4 tangent = -(relative - n * vn).Normalized();
    if (vn > 0.0f)
        return;

    const float inverseA = InverseMassOf(bodyA);
    const float inverseB = InverseMassOf(bodyB);
    if (!CanMove(inverseA, inverseB))
        return;
    const float k = 1.0f / (inverseA + inverseB);
    const float j = -(1.0f + contact.restitution) * vn * k;
    Exchange(bodyA, bodyB, n * j, inverseA, inverseB);

    // Static coefficient first, then sliding, compared exactly as the game always has.
    const float jt = -(1.0f + contact.restitution) * relative.Dot(tangent) * k;
    const float frictionScalar = kStaticFriction * j > jt ? jt : kSlidingFriction * j;
    Exchange(bodyA, bodyB, tangent * frictionScalar, inverseA, inverseB);
}

void ContactResolver::CorrectPositions(const Contact& contact) const
{
    RigidBody* bodyA = BodyOf(contact.a);
    RigidBody* bodyB = BodyOf(contact.b);
    const float inverseA = InverseMassOf(bodyA);
    const float inverseB = InverseMassOf(bodyB);
    if (!CanMove(inverseA, inverseB))
        return;
    const float depth = std::max(contact.penetration - kSlop, 0.0f);
    const Vector4 correction = contact.normal * (depth / (inverseA + inverseB)) * kCorrectionFraction;
    Move(contact.a, bodyA, -correction * inverseA);
    Move(contact.b, bodyB, correction * inverseB);
}
