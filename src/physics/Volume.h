#pragma once

#include "math/Matrix4.h"
#include "math/Vector4.h"

/// A collider's placement as the overlap tests read it: centre, half extents (x is a sphere's
/// radius) and the rotation whose columns are the box axes.
struct Volume
{
    Vector4 center{0, 0, 0, 1};
    Vector4 half{0.5f, 0.5f, 0.5f, 0};
    Matrix4 rotation = Matrix4::Identity();
};
