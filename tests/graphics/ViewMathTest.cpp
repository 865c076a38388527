// Matrices, viewports, light and HUD placement against values worked out by hand (no GL).
#include "graphics/GraphicsSystem.h"
#include "graphics/HudPass.h"
#include "graphics/ViewMatrices.h"
#include "graphics/ViewportLayout.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
void ExpectMatrix(const Matrix4& actual, const float (&expected)[16], float tolerance = 1e-5f)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual.m[i], expected[i], tolerance) << "element " << i / 4 << "," << i % 4;
}

void ExpectVector(const Vector4& actual, const Vector4& expected, float tolerance = 1e-4f)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
}
} // namespace

TEST(ViewMatrices, LookAtPutsWhatTheCameraFacesOnItsNegativeZAxis)
{
    // Straight down -z from (0, 0, 5): only the translation.
    ExpectMatrix(ViewMatrices::LookAtRH({0, 0, 5, 1}, {0, 0, 0, 1}, {0, 1, 0, 0}),
                 {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, -5, 0, 0, 0, 1});
    // From (1, 2, 3) towards +x: z axis (-1, 0, 0), x axis up × z = (0, 0, 1), y axis (0, 1, 0).
    const Matrix4 view = ViewMatrices::LookAtRH({1, 2, 3, 1}, {2, 2, 3, 1}, {0, 1, 0, 0});
    ExpectMatrix(view, {0, 0, 1, -3, 0, 1, 0, -2, -1, 0, 0, 1, 0, 0, 0, 1});
    ExpectVector(view * Vector4{6, 2, 3, 1}, {0, 0, -5, 1});
}

TEST(ViewMatrices, PerspectiveMapsTheNearAndFarPlanesToDepthZeroAndOne)
{
    const float aspect = 1280.0f / 720.0f;
    const Matrix4 p = ViewMatrices::PerspectiveFovRH(0.785f, aspect, 0.1f, 10000.0f);
    const float yScale = 1.0f / std::tan(0.3925f);
    ExpectMatrix(p, {yScale / aspect, 0, 0, 0, 0, yScale, 0, 0, 0, 0, 10000.0f / (0.1f - 10000.0f),
                     1000.0f / (0.1f - 10000.0f), 0, 0, -1, 0});
    auto depth = [](const Matrix4& m, float z)
    {
        const Vector4 clip = m * Vector4{0, 0, z, 1};
        return clip.z / clip.w;
    };
    EXPECT_NEAR(depth(p, -0.1f), 0.0f, 1e-5f);
    EXPECT_NEAR(depth(p, -10000.0f), 1.0f, 1e-5f);
    const Matrix4 gl = ViewMatrices::DepthMinusOneToOne(p);
    EXPECT_NEAR(depth(gl, -0.1f), -1.0f, 1e-5f);
    EXPECT_NEAR(depth(gl, -10000.0f), 1.0f, 1e-4f);
}

TEST(ViewMatrices, TheLightDirectionIsTheViewOfOneThreeOneNormalised)
{
    const float length = std::sqrt(11.0f);
    ExpectVector(ViewMatrices::ViewLightDirection(Matrix4::Identity()),
                 {1 / length, 3 / length, 1 / length, 0});
    // Looking along +x the world's +z is the view's +x, and the world's +x is the view's -z.
    const Matrix4 view = ViewMatrices::LookAtRH({0, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 0});
    ExpectVector(ViewMatrices::ViewLightDirection(view), {1 / length, 3 / length, -1 / length, 0});
}

TEST(ViewportLayout, PlayersShareTheWindowByCount)
{
    EXPECT_EQ(PlayerViewportRect(0, 1, 1280, 720), (ViewportRect{0, 0, 1280, 720}));
    EXPECT_EQ(PlayerViewportRect(0, 2, 1280, 720), (ViewportRect{0, 0, 1280, 360}));
    EXPECT_EQ(PlayerViewportRect(1, 2, 1280, 720), (ViewportRect{0, 360, 1280, 360}));
    for (int count : {3, 4})
    {
        EXPECT_EQ(PlayerViewportRect(0, count, 1281, 721), (ViewportRect{0, 0, 640, 360}));
        EXPECT_EQ(PlayerViewportRect(1, count, 1281, 721), (ViewportRect{640, 0, 640, 360}));
        EXPECT_EQ(PlayerViewportRect(2, count, 1281, 721), (ViewportRect{0, 360, 640, 360}));
        EXPECT_EQ(PlayerViewportRect(3, count, 1281, 721), (ViewportRect{640, 360, 640, 360}));
    }
    for (auto [index, count] : {std::pair{1, 1}, {2, 2}, {-1, 4}, {4, 4}, {0, 0}, {0, 5}})
        EXPECT_FALSE(PlayerViewportRect(index, count, 1280, 720)) << index << " of " << count;
}

TEST(ViewportLayout, TheSystemKeepsTheRectangleAndIndexOfTheViewBeingDrawn)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetPlayerViewport(3, 4);
    EXPECT_EQ(graphics.GetCurrentViewport(), 3);
    EXPECT_EQ(graphics.GetViewportRect(), (Vector4{640, 360, 1280, 720}));
    // A combination without a layout changes only the index.
    graphics.SetPlayerViewport(2, 2);
    EXPECT_EQ(graphics.GetCurrentViewport(), 2);
    EXPECT_EQ(graphics.GetViewportRect(), (Vector4{640, 360, 1280, 720}));
    graphics.SetViewportRect(10.7f, 20.2f, 100.9f, 50.5f);
    EXPECT_EQ(graphics.GetViewportRect(), (Vector4{10, 20, 110, 70}));
}

TEST(HudPass, LimitsAreSelectedByANegativeExtraX)
{
    HudSprite sprite;
    sprite.extra = {-1.0f, 0.25f, 0.75f, 0};
    EXPECT_EQ(HudPass::SpriteLimits(sprite), (std::pair{0.25f, 0.75f}));
    sprite.extra.x = 0.0f;
    EXPECT_EQ(HudPass::SpriteLimits(sprite), (std::pair{1.0f, 1.0f}));
    sprite.extra.x = -0.0001f; // not below the threshold
    EXPECT_EQ(HudPass::SpriteLimits(sprite), (std::pair{1.0f, 1.0f}));
}

TEST(HudPass, TheUnitQuadLandsOnItsWindowFractionInDeviceCoordinates)
{
    HudSprite sprite{0.25f, 0.75f, 0.5f, 0.1f, "x", {}, 0};
    const Matrix4 world = HudPass::SpriteWorld(sprite);
    // The quad's corners are at +-0.5: its top-left corner (-0.5, 0.5) goes to window fraction
    // (0, 0.7), which is (-1, -0.4) in device coordinates.
    ExpectVector(world * Vector4{-0.5f, 0.5f, 0, 1}, {-1.0f, -0.4f, -100.0f, 1});
    ExpectVector(world * Vector4{0.5f, -0.5f, 0, 1}, {0.0f, -0.6f, -100.0f, 1});
}

TEST(GraphicsSystem, MatrixStacksStartWithTheProjectionOfTheWholeWindow)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    EXPECT_EQ(graphics.GetMatrix(GraphicsSystem::kWorldMatrix), Matrix4::Identity());
    EXPECT_EQ(graphics.GetMatrix(7), Matrix4::Identity()) << "an unknown type gives the world matrix";
    EXPECT_EQ(graphics.GetMatrix(GraphicsSystem::kProjectionMatrix),
              ViewMatrices::PerspectiveFovRH(0.785f, 1280.0f / 720.0f, 0.1f, 10000.0f));
    graphics.Resize(640, 640);
    EXPECT_EQ(graphics.GetMatrix(GraphicsSystem::kProjectionMatrix),
              ViewMatrices::PerspectiveFovRH(0.785f, 1.0f, 0.1f, 10000.0f));
}

TEST(ViewMatrices, OnlyMeshesWhollyOutsideTheViewAreCulled)
{
    const Matrix4 projection = ViewMatrices::PerspectiveFovRH(0.785f, 16.0f / 9.0f, 0.1f, 10000.0f);
    const auto planes = ViewMatrices::FrustumPlanes(
        projection, ViewMatrices::LookAtRH({0, 0, 0, 1}, {0, 0, -1, 1}, {0, 1, 0, 0}));
    const Vector4 unit{0, 0, 0, 1}; // a sphere of radius 1 round the mesh's origin
    auto at = [](float x, float y, float z, float scale = 1.0f) {
        return Matrix4::Translation({x, y, z, 0}) * Matrix4::Scale({scale, scale, scale, 0});
    };
    EXPECT_TRUE(ViewMatrices::MayBeVisible(planes, at(0, 0, -5), unit));
    EXPECT_FALSE(ViewMatrices::MayBeVisible(planes, at(0, 0, 5), unit)) << "behind the camera";
    EXPECT_FALSE(ViewMatrices::MayBeVisible(planes, at(0, 0, -10002), unit)) << "beyond the far plane";
    // At 10 units away the half width of the view is 10 * tan(0.3925) * 16 / 9, about 7.37.
    EXPECT_FALSE(ViewMatrices::MayBeVisible(planes, at(9.0f, 0, -10), unit));
    EXPECT_TRUE(ViewMatrices::MayBeVisible(planes, at(8.0f, 0, -10), unit)) << "sticks into the view";
    EXPECT_TRUE(ViewMatrices::MayBeVisible(planes, at(9.0f, 0, -10, 2.0f), unit))
        << "scaled up, it reaches in";
    EXPECT_TRUE(ViewMatrices::MayBeVisible(planes, at(0, 0, 0, 3000.0f), unit)) << "a dome round the camera";
}
