#pragma once

#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "math/Vector4.h"
#include "objects/Component.h"

/// Places an object in the world: position, non-negative scale and rotation.
class Transform final : public Component
{
  public:
    Transform() : Component(ComponentType::Transform) {}

    const Vector4& GetPosition() const { return m_position; }
    void SetPosition(const Vector4& position) { m_position = position; }
    /// x, y, z; w unchanged.
    void SetPosition(float x, float y, float z);
    const Vector4& GetScale() const { return m_scale; }
    /// x, y and z all become max(s, 0); w unchanged.
    void SetScale(float s);
    /// Each of x, y, z becomes max(value, 0); w unchanged.
    void SetScale(float x, float y, float z);
    const Quaternion& GetRotation() const { return m_rotation; }
    void SetRotation(const Quaternion& rotation) { m_rotation = rotation; }
    const Vector4& GetTweakRotation() const { return m_tweakRot; }
    /// Stores the angles in tweakRot and returns their quaternion; the rotation itself is not set.
    Quaternion SetEulerDegrees(float x, float y, float z);
    /// translation(position) * rotation * scale.
    Matrix4 GetWorldMatrix() const;
    /// The position of the object's Transform; the origin (w = 1) without an object or Transform.
    static Vector4 PositionOf(const GameObject* object);

    /// Position, scale and rotation by position among the children, "tweakRot" by name; a clone
    /// gets the scale raised to 0 and no tweakRot.
    const ComponentFields* Fields() const override;

    /// The quaternion of Euler angles in degrees, built x then y then z (pi taken as 3.14).
    static Quaternion EulerDegreesToQuaternion(const Vector4& degrees);

  private:
    Vector4 m_position{0, 0, 0, 1};
    Vector4 m_scale{1, 1, 1, 0};
    Quaternion m_rotation;
    Vector4 m_tweakRot;
};
