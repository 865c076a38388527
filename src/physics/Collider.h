#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"
#include "physics/CollisionTypes.h"
#include "physics/Volume.h"

#include <cstdint>
#include <string>
#include <vector>

class Transform;

/// Gives an object a bounding volume (box, sphere or oriented box) placed at an offset from its
/// Transform and sized from its scale. Records every collider it overlaps during a frame;
/// categories decide which overlaps get a physical response.
class Collider final : public Component
{
  public:
    Collider() : Component(ComponentType::Collider) {}
    ~Collider() override;

    /// Joins the physics system's collider list.
    void Initialize() override;
    /// Volume name, offset and half extents by position; "isDynamics", "bit_type", "bit_field" by
    /// name. Nothing is written for a placed object.
    const ComponentFields* Fields() const override;

    VolumeType GetVolumeType() const { return m_volumeType; }
    /// Changes the shape; sizes follow at the next placement.
    void SetVolumeType(VolumeType type);
    /// Whether bit (category - 1) mod 32 of the mask is set.
    bool RespondsTo(CollisionCategory category) const;
    CollisionCategory GetCategory() const { return m_bitType; }
    uint32_t GetBitField() const { return m_bitField; }
    /// The name of this collider's category.
    std::string GetCategoryName() const;
    /// Category by name; an unknown name changes nothing.
    void SetCategory(const std::string& name);
    /// Sets or clears the mask bit of the named category ("All": the whole mask); unknown names
    /// change nothing.
    void SetRespondsTo(const std::string& name, bool enable);
    Vector4 GetOffset() const { return m_offset; }
    bool IsDynamic() const { return m_isDynamic; }
    /// A pair is tested only when at least one of its colliders is dynamic.
    void SetDynamic(bool dynamic);

    /// Colliders found overlapping this one during the current frame, with repeats.
    const std::vector<Collider*>& GetTouchedList() const { return m_touched; }
    void ClearTouched() { m_touched.clear(); }
    bool HasTouched(const Collider* other) const;
    void AddTouched(Collider* other) { m_touched.push_back(other); }
    /// Removes every entry of `other` (it is going away).
    void ForgetTouched(const Collider* other);

    const Vector4& GetWorldCenter() const { return m_worldCenter; }
    const Vector4& GetHalfExtents() const { return m_halfExtents; }
    /// The placement as the overlap tests read it; the rotation only when asked for.
    Volume GetVolume(bool withRotation) const;
    /// The owner's Transform, or null.
    const Transform* GetTransform() const;

  private:
    // Only the physics system places colliders: it keeps its broad phase in step with them.
    friend class PhysicsSystem;

    /// Centre from the owner's Transform position plus the offset, half extents from its scale
    /// (halved for boxes). Values that would not be finite keep the previous placement.
    void UpdatePlacement();
    /// What reading ends with: the masks the two special categories force, then the news.
    void AfterRead();
    void NotifyChanged();
    Vector4 SizeFromScale(const Vector4& scale) const;

    Vector4 m_worldCenter{0, 0, 0, 1};
    Vector4 m_halfExtents{0.5f, 0.5f, 0.5f, 0};
    Vector4 m_baseExtents{1, 1, 1, 0};
    VolumeType m_volumeType = VolumeType::Aabb;
    std::vector<Collider*> m_touched;
    Vector4 m_offset{0, 0, 0, 1};
    bool m_isDynamic = false;
    CollisionCategory m_bitType = CollisionCategory::All;
    uint32_t m_bitField = 0xFFFFFFFFu;
    bool m_registered = false;
};
