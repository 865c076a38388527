#pragma once

#include "math/Vector4.h"

/// Orientation x, y, z (vector part) and w (scalar); identity by default.
struct Quaternion
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;

    constexpr Quaternion() = default;
    constexpr Quaternion(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    /// Reads the four values of a Vector4 as x, y, z, w.
    constexpr explicit Quaternion(const Vector4& v) : x(v.x), y(v.y), z(v.z), w(v.w) {}
    constexpr bool operator==(const Quaternion& o) const = default;

    /// Rotation by `radians` about `axis` (expected unit length).
    static Quaternion FromAxisAngle(const Vector4& axis, float radians);
    /// Hamilton product: this rotation applied after `o`.
    Quaternion operator*(const Quaternion& o) const;
    /// The conjugate, which is the inverse of a unit quaternion.
    constexpr Quaternion Conjugate() const { return {-x, -y, -z, w}; }
    /// Scales to unit length; a near-zero quaternion becomes the identity.
    Quaternion Normalized() const;
    /// Rotates the x, y, z part of `v`; w is kept.
    Vector4 Rotate(const Vector4& v) const;
    /// The four values as a Vector4 (x, y, z, w), the form written to files.
    constexpr Vector4 ToVector4() const { return {x, y, z, w}; }
};
