#include "objects/Transform.h"

#include "core/TweakBar.h"
#include "math/GameConstants.h"
#include "objects/FieldList.h"
#include "objects/GameObject.h"

#include <algorithm>

void Transform::SetPosition(float x, float y, float z)
{
    m_position = {x, y, z, m_position.w};
}

void Transform::SetScale(float s)
{
    SetScale(s, s, s);
}

void Transform::SetScale(float x, float y, float z)
{
    m_scale = {std::max(x, 0.0f), std::max(y, 0.0f), std::max(z, 0.0f), m_scale.w};
}

Quaternion Transform::EulerDegreesToQuaternion(const Vector4& degrees)
{
    const Quaternion qx = Quaternion::FromAxisAngle({1, 0, 0, 0}, degrees.x * kDegreesToRadians);
    const Quaternion qy = Quaternion::FromAxisAngle({0, 1, 0, 0}, degrees.y * kDegreesToRadians);
    const Quaternion qz = Quaternion::FromAxisAngle({0, 0, 1, 0}, degrees.z * kDegreesToRadians);
    return (qx * qy) * qz;
}

Quaternion Transform::SetEulerDegrees(float x, float y, float z)
{
    m_tweakRot = {x, y, z, m_tweakRot.w};
    return EulerDegreesToQuaternion(m_tweakRot);
}

Vector4 Transform::PositionOf(const GameObject* object)
{
    const auto* transform = object ? object->Get<Transform>(ComponentType::Transform) : nullptr;
    return transform ? transform->GetPosition() : Vector4{0, 0, 0, 1};
}

Matrix4 Transform::GetWorldMatrix() const
{
    return Matrix4::Translation(m_position) * Matrix4::Rotation(m_rotation) * Matrix4::Scale(m_scale);
}

const ComponentFields* Transform::Fields() const
{
    static const ComponentFieldList<Transform> fields = []
    {
        ComponentFieldList<Transform> list(ComponentType::Transform);
        list.Add("position", &Transform::m_position)
            .ByPosition()
            .Panel("Position", TweakType::Vector3)
            .ShownWhen(FieldScope::InstanceOnly);
        list.Add("scale", &Transform::m_scale)
            .ByPosition()
            .Panel("Scale", TweakType::Vector3)
            .CloneWith(
                [](const Transform& from, Transform& to)
                {
                    to.m_scale = {std::max(from.m_scale.x, 0.0f), std::max(from.m_scale.y, 0.0f),
                                  std::max(from.m_scale.z, 0.0f), 0.0f};
                });
        list.Add("rotation", &Transform::m_rotation).ByPosition();
        // The panel edits the rotation through these angles; the file keeps both as they are.
        list.Add("tweakRot", &Transform::m_tweakRot)
            .NotCloned()
            .Panel("rot_degree", TweakType::Vector3)
            .PanelSetter([](Transform& t, const Vector4& degrees)
                         { t.m_rotation = t.SetEulerDegrees(degrees.x, degrees.y, degrees.z); });
        return list;
    }();
    return &fields;
}
