#include "graphics/ViewMatrices.h"

#include <algorithm>
#include <cmath>

namespace ViewMatrices
{
Matrix4 LookAtRH(const Vector4& eye, const Vector4& at, const Vector4& up)
{
    const Vector4 zAxis = Vector4{eye.x - at.x, eye.y - at.y, eye.z - at.z, 0}.Normalized();
    const Vector4 xAxis = Vector4{up.x, up.y, up.z, 0}.Cross(zAxis).Normalized();
    const Vector4 yAxis = zAxis.Cross(xAxis);
    const Vector4 position{eye.x, eye.y, eye.z, 0};
    Matrix4 view;
    const Vector4* axes[3] = {&xAxis, &yAxis, &zAxis};
    for (int row = 0; row < 3; ++row)
    {
        view(row, 0) = axes[row]->x;
        view(row, 1) = axes[row]->y;
        view(row, 2) = axes[row]->z;
        view(row, 3) = -axes[row]->Dot(position);
    }
    view(3, 3) = 1.0f;
    return view;
}

Matrix4 PerspectiveFovRH(float fovY, float aspect, float zNear, float zFar)
{
    const float yScale = 1.0f / std::tan(fovY * 0.5f);
    Matrix4 projection;
    projection(0, 0) = yScale / aspect;
    projection(1, 1) = yScale;
    projection(2, 2) = zFar / (zNear - zFar);
    projection(2, 3) = zNear * zFar / (zNear - zFar);
    projection(3, 2) = -1.0f;
    return projection;
}

Matrix4 DepthMinusOneToOne(const Matrix4& projection)
{
    // z' = 2z - w maps the 0..1 depth range onto -1..1.
    Matrix4 remapped = projection;
    for (int column = 0; column < 4; ++column)
        remapped(2, column) = 2.0f * projection(2, column) - projection(3, column);
    return remapped;
}

Vector4 ViewLightDirection(const Matrix4& view)
{
    return (view * kSunDirection).Normalized();
}

std::array<Vector4, 6> FrustumPlanes(const Matrix4& projection, const Matrix4& view)
{
    const Matrix4 m = projection * view;
    auto row = [&m](int r) { return Vector4{m(r, 0), m(r, 1), m(r, 2), m(r, 3)}; };
    // A point p is shown when -w <= x, y <= w and 0 <= z <= w for (x, y, z, w) = m p.
    std::array<Vector4, 6> planes = {row(3) + row(0), row(3) - row(0), row(3) + row(1),
                                     row(3) - row(1), row(2),          row(3) - row(2)};
    for (Vector4& plane : planes)
    {
        const float length = std::sqrt(plane.x * plane.x + plane.y * plane.y + plane.z * plane.z);
        if (length > 0.0f)
            plane = plane / length;
    }
    return planes;
}

bool MayBeVisible(const std::array<Vector4, 6>& planes, const Matrix4& world, const Vector4& bounds)
{
    const Vector4 centre = world * Vector4{bounds.x, bounds.y, bounds.z, 1.0f};
    float scale = 0.0f;
    for (int column = 0; column < 3; ++column)
        scale = std::max(scale, Vector4{world(0, column), world(1, column), world(2, column), 0}.Length());
    const float radius = bounds.w * scale;
    for (const Vector4& plane : planes)
        if (plane.x * centre.x + plane.y * centre.y + plane.z * centre.z + plane.w < -radius)
            return false;
    return true;
}
} // namespace ViewMatrices
