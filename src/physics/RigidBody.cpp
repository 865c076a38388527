#include "physics/RigidBody.h"

#include "core/TweakBar.h"
#include "objects/FieldList.h"
#include "physics/PhysicsSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
// The panel's lower bound; also what a non-positive mass from content is raised to, since a
// zero mass would give an infinite inverse mass.
constexpr float kMinMass = 0.01f;
constexpr float kStaticMassTolerance = 0.0001f;

float SanitisedMass(float mass)
{
    if (!(mass > 0.0f))
        return kMinMass;
    return std::min(mass, RigidBody::kStaticMass);
}
} // namespace

RigidBody::~RigidBody()
{
    if (m_registered)
        PhysicsSystem::Instance().RemoveRigidBody(this);
}

void RigidBody::Initialize()
{
    if (m_registered)
        return;
    PhysicsSystem::Instance().AddRigidBody(this);
    m_registered = true;
}

const ComponentFields* RigidBody::Fields() const
{
    static const ComponentFieldList<RigidBody> fields = []
    {
        ComponentFieldList<RigidBody> list(ComponentType::RigidBody);
        list.Add("position", &RigidBody::m_position).ByPosition();
        list.Add("velocity", &RigidBody::m_velocity)
            .ByPosition()
            .Panel("Velocity")
            .ShownWhen(FieldScope::InstanceOnly);
        list.Add("accumulateForce", &RigidBody::m_accumulatedForce)
            .ByPosition()
            .Panel("AccumForce")
            .ShownWhen(FieldScope::InstanceOnly);
        list.Add("orientation", &RigidBody::m_orientation).ByPosition();
        list.Add("angularVelocity", &RigidBody::m_angularVelocity).ByPosition();
        list.Add("accumalatedTorque", &RigidBody::m_accumulatedTorque).ByPosition();
        list.Add("mass", &RigidBody::m_mass)
            .ByPosition()
            .ReadWith([](RigidBody& body, float mass) { body.ReadMass(mass); })
            .ApplyEvenWhenMissing()
            .Panel("Mass", TweakType::Float, " min=0.01f ")
            .ShownWhen(FieldScope::ArchetypeOnly)
            .PanelSetter([](RigidBody& body, float mass) { body.SetMass(mass); });
        list.Add("inverseMass", &RigidBody::m_inverseMass).NotInFiles();
        list.Add("inverseInetriaTensor", &RigidBody::m_inverseInertiaTensor).ByPosition();
        list.Add("gravityOn", &RigidBody::m_gravityOn)
            .Written(FieldScope::ArchetypeOnly)
            .Panel("GravityOn")
            .ReadOnlyOnInstance();
        list.Add("isStatic", &RigidBody::m_isStatic)
            .Written(FieldScope::ArchetypeOnly)
            .Panel("IsStatic")
            .ReadOnlyOnInstance()
            .PanelSetter([](RigidBody& body, bool isStatic) { body.SetStatic(isStatic); });
        list.Add("restitution", &RigidBody::m_restitution)
            .Written(FieldScope::ArchetypeOnly)
            .Panel("Bounceness", TweakType::Float, " min=0.0f max=1.0f ")
            .ShownWhen(FieldScope::ArchetypeOnly);
        list.Add("velCapXZ", &RigidBody::m_velCapXZ).Panel("VelCapXZ", TweakType::Float, " min=0.0f ");
        list.Add("velCapY", &RigidBody::m_velCapY).Panel("VelCapY", TweakType::Float, " min=0.0f ");
        list.PanelOrder(
            {"Velocity", "AccumForce", "Mass", "IsStatic", "GravityOn", "Bounceness", "VelCapXZ", "VelCapY"});
        // Objects always start at rest, whatever motion the file recorded.
        return list.AfterRead(
            [](RigidBody& body)
            {
                body.m_position.w = 1.0f;
                body.m_velocity = {};
                body.m_accumulatedForce = {};
                body.m_accumulatedTorque = {};
            });
    }();
    return &fields;
}

void RigidBody::ReadMass(float mass)
{
    if (!(mass > 0.0f))
        std::printf("RigidBody: mass %g is not positive, using %g\n", static_cast<double>(mass),
                    static_cast<double>(kMinMass));
    m_mass = SanitisedMass(mass);
    UpdateInverseMass();
}

void RigidBody::SetPosition(const Vector4& position)
{
    const Vector4 placed{position.x, position.y, position.z, 1.0f};
    if (placed.IsFinite())
        m_position = placed;
}

void RigidBody::SetVelocity(const Vector4& velocity)
{
    const Vector4 moving{velocity.x, velocity.y, velocity.z, 0.0f};
    if (moving.IsFinite())
        m_velocity = moving;
}

void RigidBody::AddVelocity(const Vector4& delta)
{
    Vector4 velocity = m_velocity + delta;
    ApplyVelocityCaps(velocity);
    if (velocity.IsFinite())
        m_velocity = velocity;
}

void RigidBody::ApplyVelocityCaps(Vector4& velocity) const
{
    const float y = velocity.y;
    velocity.y = 0.0f;
    if (velocity.LengthSquared() > m_velCapXZ * m_velCapXZ)
        velocity = velocity.Normalized() * m_velCapXZ;
    // Only upward speed is capped: a falling ball must keep accelerating.
    velocity.y = std::min(y, m_velCapY);
    velocity.w = 0.0f;
}

void RigidBody::AddForce(const Vector4& force)
{
    Vector4 total = m_accumulatedForce + force;
    total.w = 0.0f;
    if (total.IsFinite())
        m_accumulatedForce = total;
}

void RigidBody::SetMass(float mass)
{
    m_mass = m_isStatic ? kStaticMass : SanitisedMass(mass);
    UpdateInverseMass();
}

void RigidBody::SetRestitution(float restitution)
{
    if (std::isfinite(restitution))
        m_restitution = restitution;
}

void RigidBody::SetVelocityCapXZ(float cap)
{
    m_velCapXZ = cap;
}

void RigidBody::SetVelocityCapY(float cap)
{
    m_velCapY = cap;
}

void RigidBody::SetStatic(bool isStatic)
{
    m_isStatic = isStatic;
    if (isStatic)
        SetMass(kStaticMass);
}

void RigidBody::UpdateInverseMass()
{
    m_inverseMass = std::fabs(m_mass - kStaticMass) < kStaticMassTolerance ? 0.0f : 1.0f / m_mass;
}
