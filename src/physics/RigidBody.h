#pragma once

#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "math/Vector4.h"
#include "objects/Component.h"

#include <limits>

/// Gives an object linear motion: velocity, a force accumulator, mass and two velocity caps.
/// The physics system moves it in fixed steps. Its position, velocity and force stay finite:
/// every change that would make them NaN or infinite is refused.
class RigidBody final : public Component
{
  public:
    /// The mass of a body that never moves; its inverse mass is 0.
    static constexpr float kStaticMass = std::numeric_limits<float>::max();

    RigidBody() : Component(ComponentType::RigidBody) {}
    ~RigidBody() override;

    /// Joins the physics system's body list.
    void Initialize() override;
    /// The first eight children by position, the rest by name; velocity and forces start at zero.
    const ComponentFields* Fields() const override;

    const Vector4& GetPosition() const { return m_position; }
    /// Position with w forced to 1.
    void SetPosition(const Vector4& position);
    const Vector4& GetVelocity() const { return m_velocity; }
    /// Velocity with w forced to 0; no caps.
    void SetVelocity(const Vector4& velocity);
    /// Adds to the velocity, then caps the horizontal speed and the upward speed.
    void AddVelocity(const Vector4& delta);
    /// Adds to the accumulated force (w kept at 0).
    void AddForce(const Vector4& force);
    const Vector4& GetForce() const { return m_accumulatedForce; }
    void ClearForces() { m_accumulatedForce = {}; }

    /// 0 for a static body, otherwise 1 / mass (0 for the static mass).
    float GetInverseMass() const { return m_isStatic ? 0.0f : m_inverseMass; }
    float GetMass() const { return m_mass; }
    /// The static mass while static; otherwise `mass` (raised to a small positive minimum).
    void SetMass(float mass);
    float GetRestitution() const { return m_restitution; }
    void SetRestitution(float restitution);
    float GetVelocityCapXZ() const { return m_velCapXZ; }
    void SetVelocityCapXZ(float cap);
    float GetVelocityCapY() const { return m_velCapY; }
    void SetVelocityCapY(float cap);
    bool IsGravityOn() const { return m_gravityOn; }
    void SetGravityOn(bool on) { m_gravityOn = on; }
    bool IsStatic() const { return m_isStatic; }
    /// Turning static on also gives the static mass; turning it off keeps the mass.
    void SetStatic(bool isStatic);
    const Quaternion& GetOrientation() const { return m_orientation; }
    const Vector4& GetAngularVelocity() const { return m_angularVelocity; }
    const Matrix4& GetInverseInertiaTensor() const { return m_inverseInertiaTensor; }

  private:
    void ReadMass(float mass);
    void UpdateInverseMass();
    void ApplyVelocityCaps(Vector4& velocity) const;

    Vector4 m_position{0, 0, 0, 1};
    Vector4 m_velocity;
    Vector4 m_accumulatedForce;
    float m_velCapXZ = kStaticMass;
    float m_velCapY = kStaticMass;
    Quaternion m_orientation;
    Vector4 m_angularVelocity;
    Vector4 m_accumulatedTorque;
    float m_mass = 1.0f;
    float m_inverseMass = 1.0f;
    Matrix4 m_inverseInertiaTensor;
    float m_restitution = 0.5f;
    bool m_gravityOn = false;
    bool m_isStatic = false;
    bool m_registered = false;
};
