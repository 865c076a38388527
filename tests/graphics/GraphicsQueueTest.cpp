// The headless graphics system: queues, registries and window size bookkeeping (no GL).
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(GraphicsQueues, HudSpritesGoToTheBackgroundTopOrForegroundLayer)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.DrawHud(0.1f, 0.2f, 0.3f, 0.4f, "a", {}, true, true);   // background wins over on-top
    graphics.DrawHud(0.1f, 0.2f, 0.3f, 0.4f, "b", {}, true, false);  // top
    graphics.DrawHud(0.1f, 0.2f, 0.3f, 0.4f, "c", {}, false, false); // foreground
    graphics.DrawHud(0.1f, 0.2f, 0.3f, 0.4f, "d", {}, false, false);
    ASSERT_EQ(graphics.HudSprites(GraphicsSystem::kHudBackground).size(), 1u);
    EXPECT_EQ(graphics.HudSprites(GraphicsSystem::kHudBackground)[0].texture, "a");
    ASSERT_EQ(graphics.HudSprites(GraphicsSystem::kHudTop).size(), 1u);
    EXPECT_EQ(graphics.HudSprites(GraphicsSystem::kHudTop)[0].texture, "b");
    ASSERT_EQ(graphics.HudSprites(GraphicsSystem::kHudForeground).size(), 2u);
    EXPECT_EQ(graphics.HudSprites(GraphicsSystem::kHudForeground)[1].texture, "d");
}

TEST(GraphicsQueues, DebugShapesGoToTheWorldOrScreenSetAndEveryQueueEmptiesWithTheFrame)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.DrawBox({1, 2, 3, 1}, {1, 1, 1, 0}, {1, 0, 0, 1});
    graphics.DrawBox({10, 20, 0, 1}, {5, 5, 5, 0}, {1, 0, 0, 1}, false, true);
    graphics.DrawSphere({0, 0, 0, 1}, 2.0f, {0, 1, 0, 1});
    graphics.DrawLine({0, 0, 0, 1}, {1, 1, 1, 1}, {0, 0, 1, 1});
    EXPECT_EQ(graphics.WorldDebugShapes().Shapes(DebugShapeKind::Box).size(), 1u);
    EXPECT_EQ(graphics.ScreenDebugShapes().Shapes(DebugShapeKind::ScreenBox).size(), 1u);
    const DebugShape& sphere = graphics.WorldDebugShapes().Shapes(DebugShapeKind::Sphere).at(0);
    EXPECT_EQ(sphere.scale, (Vector4{2, 2, 2, 0}));
    EXPECT_EQ(graphics.WorldDebugShapes().Shapes(DebugShapeKind::Line).at(0).scale, (Vector4{1, 1, 1, 1}));
    graphics.PrintToScreen("Loading...", 0.0f, -0.9f, {30, 0, 0, 0}, {1, 1, 1, 1});
    graphics.DrawHud(0.5f, 0.5f, 1, 1, "x", {}, false, false);

    graphics.PostUpdate();
    EXPECT_EQ(graphics.WorldDebugShapes().Count() + graphics.ScreenDebugShapes().Count(), 0u);
    EXPECT_TRUE(graphics.ScreenTexts().empty());
    EXPECT_TRUE(graphics.HudSprites(GraphicsSystem::kHudForeground).empty());
}

TEST(GraphicsQueues, RemovingTheActiveCameraHandsTheViewToTheDefaultCamera)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    Camera a, b;
    graphics.AddCamera(&a);
    graphics.AddCamera(&b);
    graphics.SetActiveCamera(&a);
    graphics.RemoveCamera(&a);
    EXPECT_EQ(graphics.GetActiveCamera(), graphics.GetDefaultCamera());
    EXPECT_EQ(graphics.Cameras(), std::vector<Camera*>{&b});
    graphics.RemoveCamera(&b);
}

TEST(GraphicsWindow, ResizeTakesZeroAsOneAndIgnoresTheSameSize)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    EXPECT_EQ(CaptureStdout([&] { graphics.Resize(0, 0); }), "new viewport: 1 x 1 \n");
    EXPECT_EQ(graphics.GetWindowWidth(), 1u);
    EXPECT_EQ(CaptureStdout([&] { graphics.Resize(1, 1); }), "");
    graphics.Resize(1280, 720);
    EXPECT_EQ(graphics.GetViewportRect(), (Vector4{0, 0, 1280, 720}));
}

TEST(GraphicsWindow, WithoutADeviceFullScreenIsOnlyRemembered)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    EXPECT_TRUE(graphics.IsFullscreen()) << "the game starts full screen";
    graphics.ToggleFullscreen();
    EXPECT_FALSE(graphics.IsFullscreen());
    EXPECT_FALSE(graphics.HasDevice());
    graphics.Init(); // no window: stays headless
    EXPECT_FALSE(graphics.HasDevice());
    EXPECT_EQ(graphics.GetMaterial("default"), nullptr);
}
