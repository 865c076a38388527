#include "objects/Transform.h"

#include "core/TweakBar.h"
#include "math/GameConstants.h"
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

std::unique_ptr<Component> Transform::Clone() const
{
    auto copy = std::make_unique<Transform>();
    copy->m_position = m_position;
    copy->m_rotation = m_rotation;
    copy->m_scale = {std::max(m_scale.x, 0.0f), std::max(m_scale.y, 0.0f), std::max(m_scale.z, 0.0f), 0.0f};
    return copy;
}

void Transform::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    if (!element)
        return;
    const XmlElement* field = element->FirstChildElement();
    if (field)
    {
        XmlFile::ReadValue(m_position, field);
        field = field->NextSiblingElement();
    }
    if (field)
    {
        XmlFile::ReadValue(m_scale, field);
        field = field->NextSiblingElement();
    }
    if (field)
        XmlFile::ReadValue(m_rotation, field);
    if (const XmlElement* tweak = XmlFile::FindChildElement(element, "Vector4", "tweakRot"))
        XmlFile::ReadValue(m_tweakRot, tweak);
}

void Transform::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_position, "position");
    file.WriteValue(element, m_scale, "scale");
    file.WriteValue(element, m_rotation, "rotation");
    file.WriteValue(element, m_tweakRot, "tweakRot");
}

void Transform::AddToTweakBar(TweakBar& bar, bool instanceOnly)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    if (instanceOnly)
        bar.AddVarRW("Position", TweakType::Vector3, &m_position, group);
    bar.AddVarRW("Scale", TweakType::Vector3, &m_scale, group);
    bar.AddVarCB(
        "rot_degree", TweakType::Vector3,
        [this](const void* value) {
            const auto* degrees = static_cast<const float*>(value);
            m_rotation = SetEulerDegrees(degrees[0], degrees[1], degrees[2]);
        },
        [this](void* value) {
            auto* degrees = static_cast<float*>(value);
            degrees[0] = m_tweakRot.x;
            degrees[1] = m_tweakRot.y;
            degrees[2] = m_tweakRot.z;
        },
        group);
}
