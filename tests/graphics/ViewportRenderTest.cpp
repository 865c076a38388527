// Rendering on the offscreen driver: split-screen viewports and HUD sprites.
#include "RenderFixture.h"

#include "gameplay/Controller.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"

#include <algorithm>

namespace
{
// Centres of the four quarters of a 1280 x 720 window, in player order.
constexpr int kQuarterX[4] = {320, 960, 320, 960};
constexpr int kQuarterY[4] = {180, 180, 540, 540};
} // namespace

class ViewportRenderTest : public RenderFixture
{
  protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        WriteTexture("red.png", {1, 0, 0, 1});
        WriteTexture("green.png", {0, 1, 0, 1});
        WriteTexture("blue.png", {0, 0, 1, 1});
        WriteTexture("white.png", {1, 1, 1, 1});
    }

    // Player `player`'s racer: a camera on an object with a Controller, five units in front of a
    // box of the player's colour, far from the other players' boxes.
    GameObject& AddPlayerView(int player)
    {
        static const char* const kTextures[4] = {"red", "green", "blue", "white"};
        const float x = 100.0f * static_cast<float>(player);
        AddObject({x, 0, -5, 1}, 2.0f, "cube.tbm", "default", kTextures[player]);
        GameObject& racer = AddObject({x, 0, 0, 1}, 1.0f, "", "", "");
        XmlFile xml = XmlFile::FromText("<Controller><int name=\"ID\" value=\"" + std::to_string(player) +
                                        "\"/></Controller>");
        auto controller = std::make_unique<Controller>();
        controller->Deserialize(xml, xml.GetRoot());
        racer.AddComponent(std::move(controller));
        auto camera = std::make_unique<Camera>();
        camera->SetPosition({x, 0, 0, 1});
        camera->SetDirection({0, 0, -1, 0});
        camera->Initialize();
        racer.AddComponent(std::move(camera));
        return racer;
    }

    static bool HasPlayerColour(const Pixel& p, int player)
    {
        switch (player)
        {
        case 0:
            return p.r > 60 && p.g < 20 && p.b < 20;
        case 1:
            return p.g > 60 && p.r < 20 && p.b < 20;
        case 2:
            return p.b > 60 && p.r < 20 && p.g < 20;
        default:
            return p.r > 60 && p.g > 60 && p.b > 60;
        }
    }
};

TEST_F(ViewportRenderTest, FourPlayersGetAQuarterEachAndThreeLeaveTheLastOneCleared)
{
    START_DEVICE_OR_SKIP();
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetClearColor({1, 0, 1, 1});
    graphics.SetSplitScreen(true);
    // Registered out of order: the viewport follows the player number, not the registration.
    GameObject& last = AddPlayerView(3);
    for (int player = 0; player < 3; ++player)
        AddPlayerView(player);

    DecodedImage frame = Frame();
    for (int player = 0; player < 4; ++player)
        EXPECT_TRUE(HasPlayerColour(At(frame, kQuarterX[player], kQuarterY[player]), player))
            << "player " << player;
    EXPECT_EQ(graphics.GetViewportRect(), (Vector4{0, 0, 1280, 720}))
        << "the whole window again after the views";

    m_objects.erase(
        std::find_if(m_objects.begin(), m_objects.end(), [&](const auto& o) { return o.get() == &last; }));
    frame = Frame();
    for (int player = 0; player < 3; ++player)
        EXPECT_TRUE(HasPlayerColour(At(frame, kQuarterX[player], kQuarterY[player]), player))
            << "player " << player;
    EXPECT_TRUE(IsColour(At(frame, kQuarterX[3], kQuarterY[3]), 255, 0, 255, 2))
        << "lower-right quarter cleared";
}

TEST_F(ViewportRenderTest, SplitScreenWithoutCamerasDrawsOneViewWithTheActiveCamera)
{
    START_DEVICE_OR_SKIP();
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetSplitScreen(true);
    AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
    AddObject({0, 0, -5, 1}, 2.0f, "cube.tbm", "default", "red");
    EXPECT_TRUE(IsReddish(At(Frame(), 640, 360)));
}

TEST_F(ViewportRenderTest, HudSpritesArePlacedLayeredAndCutAtTheirLimits)
{
    START_DEVICE_OR_SKIP();
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
    AddObject({0, 0, -5, 1}, 2.0f, "cube.tbm", "default", "red");
    // Background: a blue backdrop over the whole window, under the scene.
    graphics.DrawHud(0.5f, 0.5f, 1.0f, 1.0f, "blue", {}, false, true);
    // Foreground: green, a tenth of the window, centred at a quarter across and down.
    graphics.DrawHud(0.25f, 0.25f, 0.1f, 0.1f, "green", {}, false, false);
    // A bar cut at half its width: only its left half shows.
    graphics.DrawHud(0.75f, 0.25f, 0.2f, 0.1f, "white", {-1.0f, 0.5f, 1.0f, 0}, false, false);
    // A flat yellow quad under a top-layer red one, queued first: the top layer wins.
    graphics.DrawHud(0.25f, 0.75f, 0.1f, 0.1f, "red", {}, true, false);
    graphics.DrawHud(0.25f, 0.75f, 0.1f, 0.1f, "", {1, 1, 0, 1}, false, false);
    graphics.DrawHud(0.75f, 0.75f, 0.1f, 0.1f, "", {1, 1, 0, 1}, false, false);

    const DecodedImage frame = Frame();
    EXPECT_TRUE(IsColour(At(frame, 20, 700), 0, 0, 255, 2)) << "backdrop";
    EXPECT_TRUE(IsReddish(At(frame, 640, 360))) << "the scene over the backdrop";
    EXPECT_TRUE(IsColour(At(frame, 320, 180), 0, 255, 0, 2));
    EXPECT_TRUE(IsColour(At(frame, 320 + 70, 180), 0, 0, 255, 2)) << "the sprite is 128 pixels wide";
    EXPECT_TRUE(IsColour(At(frame, 960 - 100, 180), 255, 255, 255, 2)) << "left half of the bar";
    EXPECT_TRUE(IsColour(At(frame, 960 + 100, 180), 0, 0, 255, 2)) << "right half cut off";
    EXPECT_TRUE(IsColour(At(frame, 320, 540), 255, 0, 0, 2)) << "top layer over the foreground";
    EXPECT_TRUE(IsColour(At(frame, 960, 540), 255, 255, 0, 2)) << "flat quad in its colour";
    EXPECT_TRUE(graphics.HudSprites(GraphicsSystem::kHudForeground).empty()) << "emptied with the frame";
}
