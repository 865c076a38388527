#include "physics/RigidBody.h"

#include "core/TweakBar.h"
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

/// Reads `element` into `out` and returns the next sibling (null stays null).
template <typename T>
const XmlElement* ReadAndAdvance(T& out, const XmlElement* element)
{
    if (!element)
        return nullptr;
    XmlFile::ReadValue(out, element);
    return element->NextSiblingElement();
}

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

std::unique_ptr<Component> RigidBody::Clone() const
{
    auto copy = std::make_unique<RigidBody>();
    copy->m_position = m_position;
    copy->m_velocity = m_velocity;
    copy->m_accumulatedForce = m_accumulatedForce;
    copy->m_orientation = m_orientation;
    copy->m_angularVelocity = m_angularVelocity;
    copy->m_accumulatedTorque = m_accumulatedTorque;
    copy->m_mass = m_mass;
    copy->m_inverseMass = m_inverseMass;
    copy->m_inverseInertiaTensor = m_inverseInertiaTensor;
    copy->m_gravityOn = m_gravityOn;
    copy->m_isStatic = m_isStatic;
    copy->m_velCapXZ = m_velCapXZ;
    copy->m_velCapY = m_velCapY;
    copy->m_restitution = m_restitution;
    return copy;
}

void RigidBody::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    if (!element)
        return;
    ReadPositionalFields(element);
    XmlFile::ReadValue(m_gravityOn, XmlFile::FindChildElement(element, "bool", "gravityOn"));
    XmlFile::ReadValue(m_isStatic, XmlFile::FindChildElement(element, "bool", "isStatic"));
    XmlFile::ReadValue(m_velCapXZ, XmlFile::FindChildElement(element, "float", "velCapXZ"));
    XmlFile::ReadValue(m_velCapY, XmlFile::FindChildElement(element, "float", "velCapY"));
    XmlFile::ReadValue(m_restitution, XmlFile::FindChildElement(element, "float", "restitution"));
    // Objects always start at rest, whatever motion the file recorded.
    m_position.w = 1.0f;
    m_velocity = {};
    m_accumulatedForce = {};
    m_accumulatedTorque = {};
}

void RigidBody::ReadPositionalFields(const XmlElement* element)
{
    const XmlElement* field = element->FirstChildElement();
    field = ReadAndAdvance(m_position, field);
    field = ReadAndAdvance(m_velocity, field);
    field = ReadAndAdvance(m_accumulatedForce, field);
    field = ReadAndAdvance(m_orientation, field);
    field = ReadAndAdvance(m_angularVelocity, field);
    field = ReadAndAdvance(m_accumulatedTorque, field);
    float mass = m_mass;
    field = ReadAndAdvance(mass, field);
    if (!(mass > 0.0f))
        std::printf("RigidBody: mass %g is not positive, using %g\n", static_cast<double>(mass),
                    static_cast<double>(kMinMass));
    m_mass = SanitisedMass(mass);
    UpdateInverseMass();
    ReadAndAdvance(m_inverseInertiaTensor, field);
}

void RigidBody::Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_position, "position");
    file.WriteValue(element, m_velocity, "velocity");
    file.WriteValue(element, m_accumulatedForce, "accumulateForce");
    file.WriteValue(element, m_orientation, "orientation");
    file.WriteValue(element, m_angularVelocity, "angularVelocity");
    file.WriteValue(element, m_accumulatedTorque, "accumalatedTorque");
    file.WriteValue(element, m_mass, "mass");
    file.WriteValue(element, m_inverseInertiaTensor, "inverseInetriaTensor");
    if (!instanceOnly)
    {
        file.WriteValue(element, m_gravityOn, "gravityOn");
        file.WriteValue(element, m_isStatic, "isStatic");
        file.WriteValue(element, m_restitution, "restitution");
    }
    file.WriteValue(element, m_velCapXZ, "velCapXZ");
    file.WriteValue(element, m_velCapY, "velCapY");
}

void RigidBody::AddToTweakBar(TweakBar& bar, bool instanceOnly)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    if (instanceOnly)
    {
        bar.AddVarRW("Velocity", TweakType::Vector4, &m_velocity, group);
        bar.AddVarRW("AccumForce", TweakType::Vector4, &m_accumulatedForce, group);
        bar.AddVarRO("IsStatic", TweakType::Bool, &m_isStatic, group);
        bar.AddVarRO("GravityOn", TweakType::Bool, &m_gravityOn, group);
    }
    else
    {
        bar.AddVarCB(
            "Mass", TweakType::Float,
            [this](const void* value) { SetMass(*static_cast<const float*>(value)); },
            [this](void* value) { *static_cast<float*>(value) = m_mass; }, group + " min=0.01f ");
        bar.AddVarCB(
            "IsStatic", TweakType::Bool,
            [this](const void* value) { SetStatic(*static_cast<const bool*>(value)); },
            [this](void* value) { *static_cast<bool*>(value) = m_isStatic; }, group);
        bar.AddVarRW("GravityOn", TweakType::Bool, &m_gravityOn, group);
        bar.AddVarRW("Bounceness", TweakType::Float, &m_restitution, group + " min=0.0f max=1.0f ");
    }
    bar.AddVarRW("VelCapXZ", TweakType::Float, &m_velCapXZ, group + " min=0.0f ");
    bar.AddVarRW("VelCapY", TweakType::Float, &m_velCapY, group + " min=0.0f ");
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
