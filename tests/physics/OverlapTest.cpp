#include "physics/Overlap.h"
#include "math/Quaternion.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
constexpr float kHalfPi = 1.5707963f;

Volume Box(const Vector4& center, const Vector4& half, const Quaternion& rotation = {})
{
    return {{center.x, center.y, center.z, 1}, {half.x, half.y, half.z, 1}, Matrix4::Rotation(rotation)};
}

Volume Sphere(const Vector4& center, float radius)
{
    return {{center.x, center.y, center.z, 1}, {radius, radius, radius, 1}, Matrix4::Identity()};
}

void ExpectVector(const Vector4& actual, const Vector4& expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
    EXPECT_NEAR(actual.w, expected.w, tolerance);
}

bool IsFinite(const Contact& c)
{
    return c.point.IsFinite() && c.normal.IsFinite() && std::isfinite(c.penetration);
}
} // namespace

TEST(Overlap, BoxBoxPicksTheLeastOverlapAndTiesGoToX)
{
    Contact tie;
    EXPECT_EQ(Overlap::BoxBox(Box({0, 0, 0}, {1, 1, 1}), Box({0.5f, 0.5f, 0.5f}, {1, 1, 1}), tie), 1);
    EXPECT_FLOAT_EQ(tie.penetration, 1.5f);
    ExpectVector(tie.normal, {1, 0, 0, 0});

    Contact below;
    EXPECT_EQ(Overlap::BoxBox(Box({0, 0, 0}, {1, 1, 1}), Box({0.2f, -1.5f, 0}, {1, 1, 1}), below), 1);
    EXPECT_FLOAT_EQ(below.penetration, 0.5f);
    ExpectVector(below.normal, {0, -1, 0, 0});

    Contact touching; // faces that meet exactly still count
    EXPECT_EQ(Overlap::BoxBox(Box({0, 0, 0}, {1, 1, 1}), Box({2, 0, 0}, {1, 1, 1}), touching), 1);
    Contact apart;
    EXPECT_EQ(Overlap::BoxBox(Box({0, 0, 0}, {1, 1, 1}), Box({0, 0, 2.01f}, {1, 1, 1}), apart), 0);
}

TEST(Overlap, SphereBoxFromOutsidePointsFromSphereToBox)
{
    Contact c;
    EXPECT_EQ(Overlap::SphereBox(Sphere({1.5f, 0, 0}, 1), Box({0, 0, 0}, {1, 1, 1}), c), 1);
    ExpectVector(c.normal, {-1, 0, 0, 0});
    ExpectVector(c.point, {1, 0, 0, 1});
    EXPECT_NEAR(c.penetration, 0.5f, 1e-6);

    Contact corner; // inside every slab but too far from the corner
    EXPECT_EQ(Overlap::SphereBox(Sphere({1.8f, 1.8f, 0}, 1), Box({0, 0, 0}, {1, 1, 1}), corner), 0);
}

TEST(Overlap, SphereInsideABoxMovesToTheNearestFace)
{
    Contact c;
    EXPECT_EQ(Overlap::SphereBox(Sphere({0.3f, 0.1f, 0}, 0.5f), Box({0, 0, 0}, {2, 1, 1}), c), 1);
    ExpectVector(c.point, {0.3f, 1, 0, 1});
    ExpectVector(c.normal, {0, -1, 0, 0});
    EXPECT_FLOAT_EQ(c.penetration, 0.5f); // measured before the move: the full radius

    Contact centred; // an exact tie moves nothing, and the zero normal stays zero
    EXPECT_EQ(Overlap::SphereBox(Sphere({0, 0, 0}, 0.5f), Box({0, 0, 0}, {1, 1, 1}), centred), 1);
    ExpectVector(centred.normal, {});
    EXPECT_TRUE(IsFinite(centred));
}

TEST(Overlap, SphereSphereIncludingCoincidentCentres)
{
    Contact c;
    EXPECT_EQ(Overlap::SphereSphere(Sphere({0, 0, 0}, 1), Sphere({0, 2, 0}, 2), c), 1);
    EXPECT_FLOAT_EQ(c.penetration, 1.0f);
    ExpectVector(c.normal, {0, 1, 0, 0});
    ExpectVector(c.point, {});

    Contact same;
    EXPECT_EQ(Overlap::SphereSphere(Sphere({3, 3, 3}, 0.7f), Sphere({3, 3, 3}, 2), same), 1);
    EXPECT_FLOAT_EQ(same.penetration, 0.7f);
    ExpectVector(same.normal, {1, 0, 0, 0});

    Contact apart;
    EXPECT_EQ(Overlap::SphereSphere(Sphere({0, 0, 0}, 1), Sphere({0, 0, 3.01f}, 2), apart), 0);
}

TEST(Overlap, OrientedBoxSphereWorksInTheBoxFrame)
{
    // Turned a quarter about y, the long x axis of the box lies along world z.
    const Quaternion quarter = Quaternion::FromAxisAngle({0, 1, 0, 0}, kHalfPi);
    const Volume box = Box({0, 0, 0}, {2, 0.5f, 0.5f}, quarter);
    Contact c;
    EXPECT_EQ(Overlap::OrientedBoxSphere(box, Sphere({0, 0, 2.3f}, 0.5f), c), 1);
    ExpectVector(c.normal, {0, 0, 1, 0});
    ExpectVector(c.point, {0, 0, 2, 1});
    EXPECT_NEAR(c.penetration, 0.2f, 1e-5);

    Contact offAxis; // where the unturned box would have reached
    EXPECT_EQ(Overlap::OrientedBoxSphere(box, Sphere({2.3f, 0, 0}, 0.5f), offAxis), 0);
}

TEST(Overlap, OrientedBoxesSeparateOnTheirOwnAxes)
{
    // A diamond of half size 1 reaches sqrt(2) along x.
    const Quaternion diamond = Quaternion::FromAxisAngle({0, 0, 1, 0}, kHalfPi / 2);
    Contact c;
    EXPECT_EQ(
        Overlap::OrientedBoxBox(Box({0, 0, 0}, {1, 1, 1}, diamond), Box({2.3f, 0, 0}, {1, 1, 1}), false, c),
        1);
    EXPECT_LE(c.penetration, 0.0f);
    EXPECT_TRUE(IsFinite(c));
    Contact apart;
    EXPECT_EQ(Overlap::OrientedBoxBox(Box({0, 0, 0}, {1, 1, 1}, diamond), Box({2.5f, 0, 0}, {1, 1, 1}), false,
                                      apart),
              0);
    Contact rotatedAway; // the same pair the other way round: b's axes do the separating work
    EXPECT_EQ(Overlap::OrientedBoxBox(Box({2.3f, 0, 0}, {1, 1, 1}), Box({0, 0, 0}, {1, 1, 1}, diamond), false,
                                      rotatedAway),
              1);
}

TEST(Overlap, ParallelOrientedBoxesEndOnTheDegenerateAxis)
{
    // Parallel boxes make cross products of zero length: such an axis records no depth and a
    // zero normal, and the last one of the fifteen wins.
    Contact c;
    EXPECT_EQ(Overlap::OrientedBoxBox(Box({0, 0, 0}, {1, 1, 1}), Box({1.5f, 0, 0}, {1, 1, 1}), false, c), 1);
    EXPECT_EQ(c.penetration, 0.0f);
    ExpectVector(c.normal, {});
}

TEST(Overlap, AxisAlignedPartnerIsMeasuredByItsOwnRotation)
{
    // The box's candidate axes are the world's, but a turned Transform widens its extent.
    const Quaternion diamond = Quaternion::FromAxisAngle({0, 0, 1, 0}, kHalfPi / 2);
    const Volume obb = Box({0, 0, 0}, {1, 1, 1});
    Contact unturned;
    EXPECT_EQ(Overlap::OrientedBoxBox(obb, Box({2.3f, 0, 0}, {1, 1, 1}), true, unturned), 0);
    Contact turned;
    EXPECT_EQ(Overlap::OrientedBoxBox(obb, Box({2.3f, 0, 0}, {1, 1, 1}, diamond), true, turned), 1);
}

TEST(Overlap, DegenerateVolumesGiveFiniteContacts)
{
    const Volume point = Box({1, 1, 1}, {0, 0, 0});
    const Volume dot = Sphere({1, 1, 1}, 0);
    Contact c[5];
    EXPECT_EQ(Overlap::BoxBox(point, point, c[0]), 1);
    EXPECT_EQ(Overlap::SphereBox(dot, point, c[1]), 1);
    EXPECT_EQ(Overlap::SphereSphere(dot, dot, c[2]), 1);
    EXPECT_EQ(Overlap::OrientedBoxSphere(point, dot, c[3]), 1);
    EXPECT_EQ(Overlap::OrientedBoxBox(point, point, false, c[4]), 1);
    for (const Contact& contact : c)
        EXPECT_TRUE(IsFinite(contact));
}
