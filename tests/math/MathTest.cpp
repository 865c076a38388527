#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "math/Random.h"
#include "math/Vector4.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(Vector4, LengthDotAndCrossFollowTheEngineConventions)
{
    const Vector4 a{1, 2, 3, 1};
    EXPECT_FLOAT_EQ(a.LengthSquared(), 15.0f); // w counts
    const Vector4 c = Vector4{1, 0, 0, 5}.Cross({0, 1, 0, 7});
    EXPECT_EQ(c, (Vector4{0, 0, 1, 0}));
}

TEST(Vector4, NormalizeLeavesTinyVectorsAlone)
{
    Vector4 tiny{0.00005f, 0, 0, 0};
    tiny.Normalize();
    EXPECT_EQ(tiny, (Vector4{0.00005f, 0, 0, 0}));
    EXPECT_FLOAT_EQ(Vector4(3, 4, 0, 0).Normalized().Length(), 1.0f);
}

TEST(Quaternion, RotatesAboutAxisRightHanded)
{
    const Quaternion q = Quaternion::FromAxisAngle({0, 1, 0, 0}, 3.14159265f / 2);
    const Vector4 r = q.Rotate({1, 0, 0, 1});
    EXPECT_NEAR(r.x, 0.0f, 1e-6);
    EXPECT_NEAR(r.z, -1.0f, 1e-6);
    EXPECT_FLOAT_EQ(r.w, 1.0f);
    const Matrix4 m = Matrix4::Rotation(q);
    const Vector4 viaMatrix = m * Vector4{1, 0, 0, 0};
    EXPECT_NEAR(viaMatrix.z, -1.0f, 1e-6);
}

TEST(Matrix4, TranslationRotationScaleComposeAsColumnVectors)
{
    const Matrix4 world = Matrix4::Translation({10, 0, 0, 1}) * Matrix4::Scale({2, 2, 2, 0});
    const Vector4 p = world * Vector4{1, 1, 1, 1};
    EXPECT_EQ(p, (Vector4{12, 2, 2, 1}));
    EXPECT_FLOAT_EQ(world.Transposed()(3, 0), 10.0f);
    EXPECT_EQ(Matrix4::Identity() * world, world);
}

TEST(Random, HelpersStayInTheirRangesAndGuardEmptySpans)
{
    std::srand(7);
    for (int i = 0; i < 2000; ++i)
    {
        const float r = RandomRange(2.0f, 4.0f);
        EXPECT_GE(r, 2.0f);
        EXPECT_LE(r, 4.0f);
        const float f = RandomRangeFine(-1.0f, 1.0f);
        EXPECT_GE(f, -1.0f);
        EXPECT_LE(f, 1.0f);
        const int n = RandomInt(3, 5);
        EXPECT_GE(n, 3);
        EXPECT_LE(n, 5);
        EXPECT_NEAR(RandomDirection().Length(), 1.0f, 1e-5);
    }
    EXPECT_EQ(RandomRange(5.0f, 1.0f), 5.0f);
    EXPECT_EQ(RandomInt(9, 2), 9);
}

TEST(Random, SameSeedReplaysTheSameSequence)
{
    std::srand(42);
    const float a = RandomRangeFine(0, 100);
    const int b = RandomInt(0, 1000);
    std::srand(42);
    EXPECT_EQ(RandomRangeFine(0, 100), a);
    EXPECT_EQ(RandomInt(0, 1000), b);
}
