#include "math/Quaternion.h"

#include <cmath>

Quaternion Quaternion::FromAxisAngle(const Vector4& axis, float radians)
{
    const float s = std::sin(radians * 0.5f);
    return {axis.x * s, axis.y * s, axis.z * s, std::cos(radians * 0.5f)};
}

Quaternion Quaternion::operator*(const Quaternion& o) const
{
    return {w * o.x + o.w * x + (y * o.z - z * o.y), w * o.y + o.w * y + (z * o.x - x * o.z),
            w * o.z + o.w * z + (x * o.y - y * o.x), w * o.w - (x * o.x + y * o.y + z * o.z)};
}

Quaternion Quaternion::Normalized() const
{
    const float length = std::sqrt(x * x + y * y + z * z + w * w);
    if (!(length > 1e-6f) || !std::isfinite(length))
        return {};
    return {x / length, y / length, z / length, w / length};
}

Vector4 Quaternion::Rotate(const Vector4& v) const
{
    const Quaternion p{v.x, v.y, v.z, 0.0f};
    const Quaternion r = (*this * p) * Conjugate();
    return {r.x, r.y, r.z, v.w};
}
