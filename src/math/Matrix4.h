#pragma once

#include "math/Quaternion.h"
#include "math/Vector4.h"

/// Sixteen floats stored row by row; all zeros by default. Vectors are columns: M * v.
struct Matrix4
{
    float m[16] = {};

    /// Element at `row`, `column`.
    float& operator()(int row, int column) { return m[row * 4 + column]; }
    /// Element at `row`, `column`.
    float operator()(int row, int column) const { return m[row * 4 + column]; }
    bool operator==(const Matrix4& o) const;

    /// The identity matrix.
    static Matrix4 Identity();
    /// Translation by x, y, z of `t`.
    static Matrix4 Translation(const Vector4& t);
    /// Scale by x, y, z of `s`.
    static Matrix4 Scale(const Vector4& s);
    /// Rotation matrix of a (unit) quaternion.
    static Matrix4 Rotation(const Quaternion& q);

    Matrix4 operator*(const Matrix4& o) const;
    /// Transforms `v` as a column vector (all four components).
    Vector4 operator*(const Vector4& v) const;
    /// Rows become columns.
    Matrix4 Transposed() const;
};
