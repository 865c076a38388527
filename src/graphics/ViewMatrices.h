#pragma once

#include "math/Matrix4.h"
#include "math/Vector4.h"

#include <array>

/// The view and projection builders of the renderer, in the engine's Matrix4 order (vectors are
/// columns), so that a shader computes proj * view * world * p.
namespace ViewMatrices
{
/// Vertical field of view of every player view, in radians.
inline constexpr float kFieldOfView = 0.785f;
/// Distance of the near clipping plane.
inline constexpr float kNearPlane = 0.1f;
/// Distance of the far clipping plane.
inline constexpr float kFarPlane = 10000.0f;

/// Right-handed view from `eye` looking towards `at`, with `up` roughly upwards.
Matrix4 LookAtRH(const Vector4& eye, const Vector4& at, const Vector4& up);
/// Right-handed perspective whose depth runs from 0 at the near plane to 1 at the far plane.
Matrix4 PerspectiveFovRH(float fovY, float aspect, float zNear, float zFar);
/// The same projection for a clip space whose depth runs from -1 to 1.
Matrix4 DepthMinusOneToOne(const Matrix4& projection);
/// Where the sun stands, seen from the world's origin (not normalised): the light of every view.
inline const Vector4 kSunDirection{1.0f, 3.0f, 1.0f, 0.0f};

/// The object pass's light: normalise(view × kSunDirection) over all four components.
Vector4 ViewLightDirection(const Matrix4& view);

/// The six planes (left, right, bottom, top, near, far) bounding what `projection` (depth 0..1)
/// and `view` show, as (normal, distance) with normals pointing inside and of unit length.
std::array<Vector4, 6> FrustumPlanes(const Matrix4& projection, const Matrix4& view);
/// Whether a mesh whose bounding sphere is `bounds` (centre, radius in w) may show any part
/// when placed by `world`: false only when the sphere lies wholly outside one plane.
bool MayBeVisible(const std::array<Vector4, 6>& planes, const Matrix4& world, const Vector4& bounds);
} // namespace ViewMatrices
