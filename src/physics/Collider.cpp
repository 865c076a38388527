#include "physics/Collider.h"

#include "core/TweakBar.h"
#include "objects/FieldList.h"
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

const ComponentFields* Collider::Fields() const
{
    static const ComponentFieldList<Collider> fields = []
    {
        ComponentFieldList<Collider> list(ComponentType::Collider);
        list.AddNamed(
                "bv_type", &Collider::m_volumeType, "VolumeType name",
                [](VolumeType type) { return PhysicsSystem::Instance().GetVolumeTypeName(type); },
                [](VolumeType& type, const std::string& name)
                { PhysicsSystem::Instance().FindVolumeType(name, type); },
                [] { return PhysicsSystem::Instance().VolumeTypeNames(); })
            .ByPosition()
            .Written(FieldScope::ArchetypeOnly)
            .Panel("bvType")
            .ShownWhen(FieldScope::ArchetypeOnly);
        list.Add("center", &Collider::m_offset)
            .ByPosition()
            .Written(FieldScope::ArchetypeOnly)
            .Panel("Offset")
            .ShownWhen(FieldScope::ArchetypeOnly);
        list.Add("halfWidth", &Collider::m_halfExtents).ByPosition().Written(FieldScope::ArchetypeOnly);
        list.Add("worldCenter", &Collider::m_worldCenter).NotInFiles();
        list.Add("isDynamics", &Collider::m_isDynamic)
            .Written(FieldScope::ArchetypeOnly)
            .Panel("DynamicsSwitch");
        list.AddNamed(
                "bit_type", &Collider::m_bitType, "CollisionCategory name",
                [](CollisionCategory category)
                { return PhysicsSystem::Instance().GetCategoryName(category); },
                [](CollisionCategory& category, const std::string& name)
                { PhysicsSystem::Instance().FindCategory(name, category); },
                [] { return PhysicsSystem::Instance().CategoryNames(); })
            .Written(FieldScope::ArchetypeOnly)
            .Panel("Bit_type")
            .ShownWhen(FieldScope::ArchetypeOnly);
        // The mask is written as a signed int, so all ones reads "-1".
        list.Add("bit_field",
                 [](Collider& collider) -> int& { return reinterpret_cast<int&>(collider.m_bitField); })
            .Written(FieldScope::ArchetypeOnly);
        list.PanelOrder({"bvType", "Offset", "Bit_type", "DynamicsSwitch"});
        return list.OmitWhenInstance().AfterRead([](Collider& collider) { collider.AfterRead(); });
    }();
    return &fields;
}

void Collider::AfterRead()
{
    // The two special categories override whatever mask the file gave.
    if (m_bitType == CollisionCategory::None)
        m_bitField = 0;
    else if (m_bitType == CollisionCategory::All)
        m_bitField = kAllBits;
    NotifyChanged();
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
