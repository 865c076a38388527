#pragma once

#include <cmath>

/// Four 32-bit floats; positions carry w = 1, directions w = 0.
struct Vector4
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    constexpr Vector4() = default;
    constexpr Vector4(float x_, float y_, float z_, float w_ = 0.0f) : x(x_), y(y_), z(z_), w(w_) {}

    /// Component access by index 0..3 (x, y, z, w).
    float& operator[](int i) { return (&x)[i]; }
    /// Component access by index 0..3 (x, y, z, w).
    float operator[](int i) const { return (&x)[i]; }

    constexpr Vector4 operator+(const Vector4& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
    constexpr Vector4 operator-(const Vector4& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
    constexpr Vector4 operator-() const { return {-x, -y, -z, -w}; }
    constexpr Vector4 operator*(float s) const { return {x * s, y * s, z * s, w * s}; }
    constexpr Vector4 operator/(float s) const { return {x / s, y / s, z / s, w / s}; }
    Vector4& operator+=(const Vector4& o) { return *this = *this + o; }
    Vector4& operator-=(const Vector4& o) { return *this = *this - o; }
    Vector4& operator*=(float s) { return *this = *this * s; }
    constexpr bool operator==(const Vector4& o) const = default;

    /// Dot product over all four components.
    constexpr float Dot(const Vector4& o) const { return x * o.x + y * o.y + z * o.z + w * o.w; }
    /// Squared length over all four components; gameplay thresholds compare against this.
    constexpr float LengthSquared() const { return Dot(*this); }
    /// Euclidean length over all four components.
    float Length() const { return std::sqrt(LengthSquared()); }
    /// Cross product of x, y, z; the result has w = 0.
    constexpr Vector4 Cross(const Vector4& o) const
    {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x, 0.0f};
    }
    /// Scales to unit length; a vector shorter than 0.0001 is left unchanged.
    Vector4& Normalize();
    /// A unit-length copy; a vector shorter than 0.0001 comes back unchanged.
    Vector4 Normalized() const;
    /// The horizontal part (y and w zeroed), normalised: a direction on the ground.
    Vector4 FlatNormalized() const { return Vector4{x, 0.0f, z, 0.0f}.Normalized(); }
    /// True when all four components are finite numbers.
    bool IsFinite() const
    {
        return std::isfinite(x) && std::isfinite(y) && std::isfinite(z) && std::isfinite(w);
    }
};

/// Scalar times vector.
constexpr Vector4 operator*(float s, const Vector4& v)
{
    return v * s;
}
