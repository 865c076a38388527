#include "math/Matrix4.h"

bool Matrix4::operator==(const Matrix4& o) const
{
    for (int i = 0; i < 16; ++i)
        if (m[i] != o.m[i])
            return false;
    return true;
}

Matrix4 Matrix4::Identity()
{
    Matrix4 r;
    r(0, 0) = r(1, 1) = r(2, 2) = r(3, 3) = 1.0f;
    return r;
}

Matrix4 Matrix4::Translation(const Vector4& t)
{
    Matrix4 r = Identity();
    r(0, 3) = t.x;
    r(1, 3) = t.y;
    r(2, 3) = t.z;
    return r;
}

Matrix4 Matrix4::Scale(const Vector4& s)
{
    Matrix4 r;
    r(0, 0) = s.x;
    r(1, 1) = s.y;
    r(2, 2) = s.z;
    r(3, 3) = 1.0f;
    return r;
}

Matrix4 Matrix4::Rotation(const Quaternion& q)
{
    const float xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const float xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const float wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    Matrix4 r = Identity();
    r(0, 0) = 1 - 2 * (yy + zz);
    r(0, 1) = 2 * (xy - wz);
    r(0, 2) = 2 * (xz + wy);
    r(1, 0) = 2 * (xy + wz);
    r(1, 1) = 1 - 2 * (xx + zz);
    r(1, 2) = 2 * (yz - wx);
    r(2, 0) = 2 * (xz - wy);
    r(2, 1) = 2 * (yz + wx);
    r(2, 2) = 1 - 2 * (xx + yy);
    return r;
}

Matrix4 Matrix4::operator*(const Matrix4& o) const
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            for (int k = 0; k < 4; ++k)
                r(row, col) += (*this)(row, k) * o(k, col);
    return r;
}

Vector4 Matrix4::operator*(const Vector4& v) const
{
    Vector4 r;
    for (int row = 0; row < 4; ++row)
        r[row] =
            (*this)(row, 0) * v.x + (*this)(row, 1) * v.y + (*this)(row, 2) * v.z + (*this)(row, 3) * v.w;
    return r;
}

Matrix4 Matrix4::Transposed() const
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            r(col, row) = (*this)(row, col);
    return r;
}
