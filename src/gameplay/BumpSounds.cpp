#include "gameplay/BumpSounds.h"

#include "gameplay/ParticleCue.h"
#include "objects/GameObject.h"
#include "physics/Collider.h"
#include "physics/RigidBody.h"
#include "sound/SoundSystem.h"

namespace
{
enum class Bump
{
    None,
    Ball,
    Wall,
};

/// What the ball touched this frame that makes a sound: a racer before a wall.
Bump TouchedThisFrame(const Collider& collider)
{
    Bump bump = Bump::None;
    for (const Collider* other : collider.GetTouchedList())
    {
        const GameObject* owner = other ? other->GetOwner() : nullptr;
        if (!owner)
            continue;
        if (owner->GetComponent(ComponentType::Controller))
            return Bump::Ball;
        const auto* body = owner->Get<RigidBody>(ComponentType::RigidBody);
        const bool wall = body && body->IsStatic() && !owner->GetComponent(ComponentType::Ground) &&
                          !owner->GetComponent(ComponentType::CheckPoint);
        if (wall)
            bump = Bump::Wall;
    }
    return bump;
}
} // namespace

void BumpSounds::Update(GameObject& owner, const RigidBody& body, float dt)
{
    const Vector4 velocity = body.GetVelocity();
    // Sideways only: a jump or a landing changes the height speed sharply without an impact.
    const Vector4 delta = velocity - m_lastVelocity;
    const float change = delta.x * delta.x + delta.z * delta.z;
    m_lastVelocity = velocity;
    m_sinceBump += dt;
    if (change < kImpactSpeedSquared || m_sinceBump < kQuietTime)
        return;
    const auto* collider = owner.Get<Collider>(ComponentType::Collider);
    const Bump bump = collider ? TouchedThisFrame(*collider) : Bump::None;
    if (bump == Bump::None)
        return;
    m_sinceBump = 0.0f;
    ParticleCue::Play(&owner, "sparks");
    SoundSystem::Instance().Play(bump == Bump::Ball ? "SFX/BumpBall" : "SFX/BumpWall");
}
