// Where a ball's ground shadow lies and how dark it is, worked out by hand for the sun at
// (1, 3, 1): a shadow falls a third of the ball's height off in -x and -z.
#include "graphics/ShadowPass.h"
#include "math/Quaternion.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
void ExpectNear(const Vector4& a, const Vector4& b, float tolerance = 1e-4f)
{
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

const Vector4 kUp{0, 1, 0, 0};
const Vector4 kOrigin{0, 0, 0, 1};
} // namespace

TEST(ShadowPass, ABallOnTheBoardsCastsItsDarkestShadowAwayFromTheSun)
{
    const std::optional<BlobShadow> shadow = ShadowPass::ShadowOn({0, 1, 0, 1}, 1.0f, kOrigin, kUp);
    ASSERT_TRUE(shadow);
    EXPECT_NEAR(shadow->opacity, 0.75f, 1e-5f);
    // 1.5 ball widths across, its centre a third of the ball's height towards -x and -z, and
    // lifted off the boards by 0.06.
    ExpectNear(shadow->world * Vector4{0, 0, 0, 1}, {-1.0f / 3, 0.06f, -1.0f / 3});
    ExpectNear(shadow->world * Vector4{0.5f, 0, 0.5f, 1}, {-1.0f / 3 + 1.5f, 0.06f, -1.0f / 3 + 1.5f});
}

TEST(ShadowPass, HigherBallsCastPalerWiderShadowsUntilTheyFadeOut)
{
    const std::optional<BlobShadow> shadow = ShadowPass::ShadowOn({2, 5, 0, 1}, 1.0f, {2, 0, 0, 1}, kUp);
    ASSERT_TRUE(shadow);
    EXPECT_NEAR(shadow->opacity, 0.375f, 1e-5f); // four units up: half way to fading out
    const float size = 3.0f * (1.0f + 0.08f * 4.0f);
    ExpectNear(shadow->world * Vector4{0, 0, 0, 1}, {2 - 5.0f / 3, 0.06f, -5.0f / 3});
    ExpectNear(shadow->world * Vector4{0.5f, 0, 0, 1}, {2 - 5.0f / 3 + size / 2, 0.06f, -5.0f / 3});

    EXPECT_FALSE(ShadowPass::ShadowOn({0, 9.5f, 0, 1}, 1.0f, kOrigin, kUp));
    // A ball sunk into the boards after a hard landing is as dark as one resting on them.
    EXPECT_NEAR(ShadowPass::ShadowOn({0, 0.8f, 0, 1}, 1.0f, kOrigin, kUp)->opacity, 0.75f, 1e-5f);
}

TEST(ShadowPass, OnBankedBoardsTheShadowLiesFlatOnThem)
{
    const Vector4 up = Quaternion::FromAxisAngle({0, 0, 1, 0}, 0.35f).Rotate(kUp);
    const std::optional<BlobShadow> shadow = ShadowPass::ShadowOn(kOrigin + up * 1.5f, 1.0f, kOrigin, up);
    ASSERT_TRUE(shadow);
    const Vector4 centre = shadow->world * Vector4{0, 0, 0, 1};
    for (const Vector4& corner :
         {Vector4{0.5f, 0, 0.5f, 1}, Vector4{-0.5f, 0, 0.5f, 1}, Vector4{0.5f, 0, -0.5f, 1}})
        EXPECT_NEAR((shadow->world * corner - centre).Dot(up), 0.0f, 1e-4f);
    EXPECT_NEAR(centre.Dot(up) - kOrigin.Dot(up), 0.06f, 1e-4f);
}

TEST(ShadowPass, BadBallsCastNoShadow)
{
    EXPECT_FALSE(ShadowPass::ShadowOn({NAN, 1, 0, 1}, 1.0f, kOrigin, kUp));
    EXPECT_FALSE(ShadowPass::ShadowOn({0, 1, 0, 1}, 0.0f, kOrigin, kUp));
    EXPECT_FALSE(ShadowPass::ShadowOn({0, INFINITY, 0, 1}, 1.0f, kOrigin, kUp));
}
