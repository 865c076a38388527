#include "physics/Overlap.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kInsideDistanceSquared = 0.0001f;
constexpr float kCoincidentDistance = 0.0001f;
constexpr float kUnsetPenetration = 0.0001f;

/// Where a sphere centre at `d` (relative to a box of half extents `h`) meets the box.
struct ClosestPoint
{
    Vector4 q;
    float distanceSquared = 0.0f;
    bool inside = false;
};

float Clamp(float value, float half)
{
    // Upper bound first, then lower: a negative half extent (a mirrored scale) cannot trap us
    // in an empty range.
    return std::max(-half, std::min(value, half));
}

bool OutsideSlab(const Vector4& d, const Vector4& h, float r)
{
    for (int k = 0; k < 3; ++k)
        if (std::fabs(d[k]) > h[k] + r)
            return true;
    return false;
}

float SignedHalf(float d, float half)
{
    return d > 0.0f ? half : -half;
}

void MoveToNearestFace(const Vector4& d, const Vector4& h, Vector4& q)
{
    Vector4 e;
    for (int k = 0; k < 3; ++k)
        e[k] = h[k] - std::fabs(d[k]);
    // Strict comparisons: on an exact tie no face is nearer, and the point stays where it is.
    if (e.y > e.x && e.z > e.x)
        q.x = SignedHalf(d.x, h.x);
    else if (e.z > e.y && e.x > e.y)
        q.y = SignedHalf(d.y, h.y);
    else if (e.y > e.z && e.x > e.z)
        q.z = SignedHalf(d.z, h.z);
}

/// The shared part of both sphere-against-box tests, in the box's frame; false for no overlap.
bool SphereAgainstBox(const Vector4& d, const Vector4& h, float r, ClosestPoint& out)
{
    if (OutsideSlab(d, h, r))
        return false;
    out.q = d;
    for (int k = 0; k < 3; ++k)
        out.q[k] = Clamp(d[k], h[k]);
    out.distanceSquared = (out.q - d).LengthSquared();
    out.inside = out.distanceSquared < kInsideDistanceSquared;
    if (out.distanceSquared > r * r)
        return false;
    if (out.inside)
        MoveToNearestFace(d, h, out.q);
    return true;
}

Vector4 Column(const Matrix4& m, int k)
{
    return {m(0, k), m(1, k), m(2, k), 0.0f};
}

Vector4 InverseRotate(const Matrix4& rotation, const Vector4& v)
{
    return {Column(rotation, 0).Dot(v), Column(rotation, 1).Dot(v), Column(rotation, 2).Dot(v), v.w};
}

Vector4 Rotate(const Matrix4& rotation, const Vector4& v)
{
    return Column(rotation, 0) * v.x + Column(rotation, 1) * v.y + Column(rotation, 2) * v.z +
           Vector4{0, 0, 0, v.w};
}

/// The half length of a box of half extents `half` and axes `axes` projected on `axis`.
float ProjectedRadius(const Vector4& axis, const Vector4& half, const Vector4 (&axes)[3])
{
    float radius = 0.0f;
    for (int k = 0; k < 3; ++k)
        radius += half[k] * std::fabs(axis.Dot(axes[k]));
    return radius;
}

struct BoxFrame
{
    Vector4 candidate[3]; ///< axes offered as separating axes
    Vector4 extent[3];    ///< axes that give the box its extent
};

BoxFrame FrameOf(const Volume& box, bool worldCandidates)
{
    BoxFrame frame;
    for (int k = 0; k < 3; ++k)
    {
        frame.extent[k] = Column(box.rotation, k);
        frame.candidate[k] = frame.extent[k];
        if (worldCandidates)
        {
            frame.candidate[k] = {};
            frame.candidate[k][k] = 1.0f;
        }
    }
    return frame;
}

/// The axis of least overlap, ties going to x then y; -1 when no comparison holds (NaN).
int LeastOverlapAxis(const Vector4& o)
{
    if (o.y >= o.x && o.z >= o.x)
        return 0;
    if (o.x >= o.y && o.z >= o.y)
        return 1;
    if (o.x >= o.z && o.y >= o.z)
        return 2;
    return -1;
}

/// One separating-axis test; false when `axis` separates the boxes.
bool TestAxis(const Vector4& axis, const Vector4& offset, const Volume& a, const BoxFrame& frameA,
              const Volume& b, const BoxFrame& frameB, Contact& contact)
{
    const float rA = ProjectedRadius(axis, a.half, frameA.extent);
    const float rB = ProjectedRadius(axis, b.half, frameB.extent);
    const float distance = std::fabs(axis.Dot(offset));
    if (distance > rA + rB)
        return false;
    const float overlap = distance - rA - rB;
    if (std::fabs(contact.penetration) < kUnsetPenetration ||
        std::fabs(contact.penetration) > std::fabs(overlap))
    {
        contact.penetration = overlap;
        contact.normal = axis.Normalized();
    }
    return true;
}
} // namespace

namespace Overlap
{
int BoxBox(const Volume& a, const Volume& b, Contact& contact)
{
    const Vector4 d = b.center - a.center;
    const Vector4 s = a.half + b.half;
    for (int k = 0; k < 3; ++k)
        if (d[k] * d[k] > s[k] * s[k])
            return 0;
    Vector4 o;
    for (int k = 0; k < 3; ++k)
        o[k] = s[k] - std::fabs(d[k]);
    const int axis = LeastOverlapAxis(o);
    if (axis < 0)
        return 1; // only a NaN overlap gets here; the contact keeps its zero normal and depth
    contact.penetration = o[axis];
    contact.normal = {};
    contact.normal[axis] = d[axis] < 0.0f ? -1.0f : 1.0f;
    return 1;
}

int SphereBox(const Volume& sphere, const Volume& box, Contact& contact)
{
    const float r = sphere.half.x;
    const Vector4 d = sphere.center - box.center;
    ClosestPoint closest;
    if (!SphereAgainstBox(d, box.half, r, closest))
        return 0;
    const Vector4 n = (d - closest.q).Normalized();
    contact.normal = closest.inside ? n : -n;
    contact.point = box.center + closest.q;
    contact.penetration = r - std::sqrt(closest.distanceSquared);
    return 1;
}

int SphereSphere(const Volume& a, const Volume& b, Contact& contact)
{
    const Vector4 d = b.center - a.center;
    const float reach = a.half.x + b.half.x;
    if (reach * reach < d.LengthSquared())
        return 0;
    const float distance = d.Length();
    if (distance <= kCoincidentDistance)
    {
        contact.penetration = a.half.x;
        contact.normal = {1, 0, 0, 0};
        return 1;
    }
    contact.penetration = reach - distance;
    contact.normal = d / distance;
    return 1;
}

int OrientedBoxSphere(const Volume& box, const Volume& sphere, Contact& contact)
{
    const float r = sphere.half.x;
    const Vector4 d = InverseRotate(box.rotation, sphere.center - box.center);
    ClosestPoint closest;
    if (!SphereAgainstBox(d, box.half, r, closest))
        return 0;
    const Vector4 n = (d - closest.q).Normalized();
    contact.point = box.center + Rotate(box.rotation, closest.q);
    contact.penetration = r - std::sqrt(closest.distanceSquared);
    contact.normal = Rotate(box.rotation, closest.inside ? -n : n);
    return 1;
}

int OrientedBoxBox(const Volume& a, const Volume& b, bool worldAxesForB, Contact& contact)
{
    const Vector4 offset = b.center - a.center;
    const BoxFrame frameA = FrameOf(a, false);
    const BoxFrame frameB = FrameOf(b, worldAxesForB);
    for (int k = 0; k < 3; ++k)
    {
        if (!TestAxis(frameA.candidate[k], offset, a, frameA, b, frameB, contact))
            return 0;
        if (!TestAxis(frameB.candidate[k], offset, a, frameA, b, frameB, contact))
            return 0;
    }
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
        {
            const Vector4 axis = frameB.candidate[i].Cross(frameA.candidate[j]).Normalized();
            if (!TestAxis(axis, offset, a, frameA, b, frameB, contact))
                return 0;
        }
    return 1;
}
} // namespace Overlap
