#pragma once

#include "math/Matrix4.h"
#include "math/Vector4.h"

#include <array>

/// What the render passes need to know about the view being drawn; the graphics system fills it
/// before each view.
struct ViewState
{
    Matrix4 view = Matrix4::Identity();
    /// The projection as the device takes it (its depth range already accounted for).
    Matrix4 projection = Matrix4::Identity();
    /// Position of the camera of this view (w = 1): the effects' "camSpacePos".
    Vector4 cameraPosition{0, 0, 0, 1};
    /// The object pass's light, in view space.
    Vector4 lightDirection{0, 1, 0, 0};
    /// What the view shows, as planes (see ViewMatrices::FrustumPlanes); objects wholly
    /// outside are not drawn, which changes no pixel.
    std::array<Vector4, 6> frustum{};
    unsigned windowWidth = 1280;
    unsigned windowHeight = 720;
};
