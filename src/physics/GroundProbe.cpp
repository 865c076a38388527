#include "physics/GroundProbe.h"

#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
constexpr float kParallel = 0.0001f;
const Vector4 kDown{0, -1, 0, 0};
} // namespace

std::optional<float> RaySphere(const Vector4& origin, const Vector4& direction, const Vector4& centre,
                               float radius)
{
    Vector4 m = origin - centre;
    m.w = 0.0f;
    const float b = m.Dot(direction);
    const float c = m.Dot(m) - radius * radius;
    if (c > 0.0f && b > 0.0f)
        return std::nullopt;
    const float discriminant = b * b - c;
    if (discriminant < 0.0f)
        return std::nullopt;
    return std::max(-b - std::sqrt(discriminant), 0.0f);
}

std::optional<float> RayAabb(const Vector4& origin, const Vector4& direction, const Vector4& lo,
                             const Vector4& hi)
{
    float tMin = 0.0f;
    float tMax = std::numeric_limits<float>::max();
    for (int axis = 0; axis < 3; ++axis)
    {
        if (std::fabs(direction[axis]) < kParallel)
        {
            if (origin[axis] < lo[axis] || origin[axis] > hi[axis])
                return std::nullopt;
            continue;
        }
        float near = (lo[axis] - origin[axis]) / direction[axis];
        float far = (hi[axis] - origin[axis]) / direction[axis];
        if (near > far)
            std::swap(near, far);
        tMin = std::max(tMin, near);
        tMax = std::min(tMax, far);
        if (tMin > tMax)
            return std::nullopt;
    }
    return tMin;
}

std::optional<float> RayObb(const Vector4& origin, const Vector4& direction, const Vector4& centre,
                            const Vector4& scale, const Quaternion& rotation)
{
    // Into the box's frame, where it is axis-aligned; the parameter is the same in both frames.
    const Quaternion inverse = rotation.Conjugate();
    Vector4 local = inverse.Rotate(origin - centre);
    local.w = 1.0f;
    const Vector4 localDirection = inverse.Rotate(direction);
    const Vector4 half = scale * 0.5f;
    return RayAabb(local, localDirection, Vector4{0, 0, 0, 1} - half, Vector4{0, 0, 0, 1} + half);
}

std::optional<GroundHit> ProbeObject(const Vector4& origin, GameObject& object)
{
    const auto* transform = object.Get<Transform>(ComponentType::Transform);
    if (!transform)
        return std::nullopt;
    const Vector4& position = transform->GetPosition();
    const Vector4& scale = transform->GetScale();
    const auto* collider = object.Get<Collider>(ComponentType::Collider);
    const VolumeType volume = collider ? collider->GetVolumeType() : VolumeType::Aabb;
    std::optional<float> t;
    if (volume == VolumeType::Sphere)
        t = RaySphere(origin, kDown, position, std::max({scale.x, scale.y, scale.z}));
    else if (volume == VolumeType::Obb)
        t = RayObb(origin, kDown, position, scale, transform->GetRotation());
    else
        t = RayAabb(origin, kDown, position - scale * 0.5f, position + scale * 0.5f);
    if (!t)
        return std::nullopt;
    Vector4 point = origin + kDown * *t;
    point.w = 1.0f;
    return GroundHit{*t, point, &object};
}

std::optional<GroundHit> ProbeNearest(const Vector4& origin, const std::vector<GameObject*>& objects)
{
    std::optional<GroundHit> best;
    for (GameObject* object : objects)
    {
        if (!object)
            continue;
        const std::optional<GroundHit> hit = ProbeObject(origin, *object);
        if (hit && (!best || hit->t < best->t))
            best = hit;
    }
    return best;
}
