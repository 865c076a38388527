#pragma once

#include "math/Quaternion.h"
#include "math/Vector4.h"

#include <optional>
#include <vector>

class GameObject;

/// Where a downward ray met a ground object: the ray parameter, the point and the object.
struct GroundHit
{
    float t = 0.0f;
    Vector4 point{0, 0, 0, 1};
    GameObject* object = nullptr;
};

/// Ray against a sphere; the parameter is raised to 0 for a ray starting inside.
std::optional<float> RaySphere(const Vector4& origin, const Vector4& direction, const Vector4& centre,
                               float radius);
/// Ray against the axis-aligned box [lo, hi] by slabs; a ray starting inside hits at 0.
std::optional<float> RayAabb(const Vector4& origin, const Vector4& direction, const Vector4& lo,
                             const Vector4& hi);
/// Ray against a box of full size `scale` centred at `centre` and turned by `rotation`.
std::optional<float> RayObb(const Vector4& origin, const Vector4& direction, const Vector4& centre,
                            const Vector4& scale, const Quaternion& rotation);

/// Casts a ray straight down from `origin` against one object, using its Transform and the volume
/// type of its Collider (an object without a collider counts as an axis-aligned box).
std::optional<GroundHit> ProbeObject(const Vector4& origin, GameObject& object);
/// The nearest hit among `objects` (the first found keeps a tie).
std::optional<GroundHit> ProbeNearest(const Vector4& origin, const std::vector<GameObject*>& objects);
