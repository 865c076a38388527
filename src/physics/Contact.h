#pragma once

#include "math/Vector4.h"

class Collider;

/// One overlapping pair found in a step; kept until the end of the frame and resolved by every
/// later step of that frame.
struct Contact
{
    Collider* a = nullptr;
    Collider* b = nullptr;
    Vector4 point;  ///< world contact point; set only by the sphere-against-box tests
    Vector4 normal; ///< unit direction from a towards b, or zero where a test cannot tell
    float penetration = 0.0f;
    float restitution = 0.0f; ///< filled when the pair is resolved
};
