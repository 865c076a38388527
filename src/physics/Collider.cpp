#include "physics/Collider.h"

#include "core/TweakBar.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/PhysicsSystem.h"

#include <algorithm>

namespace
{
constexpr uint32_t kAllBits = 0xFFFFFFFFu;

uint32_t CategoryBit(CollisionCategory category)
{
    // Category 0 ("None") wraps round to bit 31.
    const int bit = ((static_cast<int>(category) - 1) % 32 + 32) % 32;
    return 1u << bit;
}
} // namespace

Collider::~Collider()
{
    if (m_registered)
        PhysicsSystem::Instance().RemoveCollider(this);
}

void Collider::Initialize()
{
    if (m_registered)
        return;
    PhysicsSystem::Instance().AddCollider(this);
    m_registered = true;
}

std::unique_ptr<Component> Collider::Clone() const
{
    auto copy = std::make_unique<Collider>();
    copy->m_volumeType = m_volumeType;
    copy->m_worldCenter = m_worldCenter;
    copy->m_halfExtents = m_halfExtents;
    copy->m_isDynamic = m_isDynamic;
    copy->m_bitType = m_bitType;
    copy->m_bitField = m_bitField;
    copy->m_offset = m_offset;
    return copy;
}

void Collider::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    if (!element)
        return;
    ReadPositionalFields(element);
    ReadNamedFields(element);
    // The two special categories override whatever mask the file gave.
    if (m_bitType == CollisionCategory::None)
        m_bitField = 0;
    else if (m_bitType == CollisionCategory::All)
        m_bitField = kAllBits;
    NotifyChanged();
}

void Collider::ReadPositionalFields(const XmlElement* element)
{
    const XmlElement* field = element->FirstChildElement();
    if (!field)
        return;
    std::string name;
    XmlFile::ReadValue(name, field);
    PhysicsSystem::Instance().FindVolumeType(name, m_volumeType);
    if ((field = field->NextSiblingElement()))
        XmlFile::ReadValue(m_offset, field);
    if (field && (field = field->NextSiblingElement()))
        XmlFile::ReadValue(m_halfExtents, field);
}

void Collider::ReadNamedFields(const XmlElement* element)
{
    XmlFile::ReadValue(m_isDynamic, XmlFile::FindChildElement(element, "bool", "isDynamics"));
    std::string category;
    XmlFile::ReadValue(category, XmlFile::FindChildElement(element, "string", "bit_type"));
    PhysicsSystem::Instance().FindCategory(category, m_bitType);
    int bitField = static_cast<int>(m_bitField);
    XmlFile::ReadValue(bitField, XmlFile::FindChildElement(element, "int", "bit_field"));
    m_bitField = static_cast<uint32_t>(bitField);
}

void Collider::Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const
{
    if (instanceOnly)
        return;
    const PhysicsSystem& physics = PhysicsSystem::Instance();
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, physics.GetVolumeTypeName(m_volumeType), "bv_type");
    file.WriteValue(element, m_offset, "center");
    file.WriteValue(element, m_halfExtents, "halfWidth");
    file.WriteValue(element, m_isDynamic, "isDynamics");
    file.WriteValue(element, physics.GetCategoryName(m_bitType), "bit_type");
    file.WriteValue(element, static_cast<int>(m_bitField), "bit_field");
}

void Collider::AddToTweakBar(TweakBar& bar, bool instanceOnly)
{
    const PhysicsSystem& physics = PhysicsSystem::Instance();
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    if (!instanceOnly)
    {
        bar.AddEnum("bvType", reinterpret_cast<int*>(&m_volumeType), physics.VolumeTypeNames(), group);
        bar.AddVarRW("Offset", TweakType::Vector4, &m_offset, group);
        bar.AddEnum("Bit_type", reinterpret_cast<int*>(&m_bitType), physics.CategoryNames(), group);
    }
    bar.AddVarRW("DynamicsSwitch", TweakType::Bool, &m_isDynamic, group);
}

bool Collider::RespondsTo(CollisionCategory category) const
{
    return (m_bitField & CategoryBit(category)) != 0;
}

std::string Collider::GetCategoryName() const
{
    return PhysicsSystem::Instance().GetCategoryName(m_bitType);
}

void Collider::SetCategory(const std::string& name)
{
    PhysicsSystem::Instance().FindCategory(name, m_bitType);
}

void Collider::SetRespondsTo(const std::string& name, bool enable)
{
    CollisionCategory category = CollisionCategory::None;
    if (!PhysicsSystem::Instance().FindCategory(name, category))
        return;
    if (category == CollisionCategory::All)
        m_bitField = enable ? kAllBits : 0;
    else if (enable)
        m_bitField |= CategoryBit(category);
    else
        m_bitField &= ~CategoryBit(category);
}

void Collider::SetVolumeType(VolumeType type)
{
    m_volumeType = type;
    NotifyChanged();
}

void Collider::SetDynamic(bool dynamic)
{
    m_isDynamic = dynamic;
    NotifyChanged();
}

bool Collider::HasTouched(const Collider* other) const
{
    return std::find(m_touched.begin(), m_touched.end(), other) != m_touched.end();
}

void Collider::ForgetTouched(const Collider* other)
{
    std::erase(m_touched, other);
}

void Collider::UpdatePlacement()
{
    const Transform* transform = GetTransform();
    if (!transform)
        return;
    Vector4 center = transform->GetPosition() + m_offset;
    center.w = 1.0f;
    const Vector4 half = SizeFromScale(transform->GetScale());
    if (center.IsFinite())
        m_worldCenter = center;
    if (half.IsFinite())
        m_halfExtents = half;
}

Vector4 Collider::SizeFromScale(const Vector4& scale) const
{
    const float factor = m_volumeType == VolumeType::Sphere ? 1.0f : 0.5f;
    return {scale.x * factor * m_baseExtents.x, scale.y * factor * m_baseExtents.y,
            scale.z * factor * m_baseExtents.z, 1.0f};
}

Volume Collider::GetVolume(bool withRotation) const
{
    Volume volume;
    volume.center = m_worldCenter;
    volume.half = m_halfExtents;
    if (!withRotation)
        return volume;
    // A unit quaternion keeps the box axes orthonormal, so a box fits inside the sphere of its
    // half extents whatever the stored rotation's length.
    if (const Transform* transform = GetTransform())
        volume.rotation = Matrix4::Rotation(transform->GetRotation().Normalized());
    return volume;
}

const Transform* Collider::GetTransform() const
{
    const GameObject* owner = GetOwner();
    return owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr;
}

void Collider::NotifyChanged()
{
    if (m_registered)
        PhysicsSystem::Instance().ColliderChanged(this);
}
