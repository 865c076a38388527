// Rendering on the offscreen driver: what the object pass and the debug pass put on the screen.
#include "RenderFixture.h"

#include "graphics/GraphicsSystem.h"
#include "graphics/Material.h"
#include "graphics/MeshRenderer.h"
#include "objects/Factory.h"
#include "objects/Transform.h"

namespace
{
constexpr int kCentreX = 640;
constexpr int kCentreY = 360;
} // namespace

class RenderPassTest : public RenderFixture
{
  protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        WriteTexture("red.png", {1, 0, 0, 1});
    }

    // A red box five units in front of the default camera, filling the middle of the window.
    GameObject& RedBox(const std::string& mesh = "cube.tbm", const std::string& shader = "default")
    {
        AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
        return AddObject({0, 0, -5, 1}, 2.0f, mesh, shader, "red");
    }
};

TEST_F(RenderPassTest, AColouredBoxAppearsWhereTheCameraLooks)
{
    START_DEVICE_OR_SKIP();
    RedBox();
    const DecodedImage frame = Frame();
    ASSERT_EQ(frame.width, 1280);
    ASSERT_EQ(frame.height, 720);
    EXPECT_TRUE(IsReddish(At(frame, kCentreX, kCentreY)));
    EXPECT_TRUE(IsColour(At(frame, 5, 5), 0, 0, 0, 2)) << "outside the box only the clear colour";
    // Looking the other way, the box is behind the camera.
    AimDefaultCamera({0, 0, 0, 1}, {0, 0, 1, 0});
    EXPECT_TRUE(IsColour(At(Frame(), kCentreX, kCentreY), 0, 0, 0, 2));
}

TEST_F(RenderPassTest, InvisibleMissingOrBrokenRenderersDrawNothing)
{
    START_DEVICE_OR_SKIP();
    GameObject& box = RedBox();
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    Frame();
    const unsigned drawn = graphics.GetDrawCallCount();

    RendererOf(box).ToggleVisible();
    EXPECT_TRUE(IsColour(At(Frame(), kCentreX, kCentreY), 0, 0, 0, 2));
    EXPECT_EQ(graphics.GetDrawCallCount(), drawn - 1);
    RendererOf(box).ToggleVisible();
    EXPECT_TRUE(IsReddish(At(Frame(), kCentreX, kCentreY)));

    RendererOf(box).SetMeshName("nothing.tbm");
    EXPECT_EQ(RendererOf(box).GetMesh(), nullptr);
    EXPECT_TRUE(IsColour(At(Frame(), kCentreX, kCentreY), 0, 0, 0, 2));
    RendererOf(box).SetMeshName("cube.tbm");
    RendererOf(box).SetShaderName("nothing");
    EXPECT_EQ(RendererOf(box).GetMaterial(), nullptr);
    EXPECT_TRUE(IsColour(At(Frame(), kCentreX, kCentreY), 0, 0, 0, 2));
    EXPECT_EQ(graphics.GetDrawCallCount(), drawn - 1);
}

TEST_F(RenderPassTest, AnUnknownTextureDrawsWithTheDefaultOne)
{
    START_DEVICE_OR_SKIP();
    GameObject& box = RedBox();
    RendererOf(box).SetTextureName("never_loaded");
    const Pixel pixel = At(Frame(), kCentreX, kCentreY);
    EXPECT_GT(pixel.g, 60) << "the white default texture, lit";
    EXPECT_NEAR(pixel.r, pixel.g, 25);
}

TEST_F(RenderPassTest, AnEffectThatFailsToCompileIsReportedAndItsObjectsSkipped)
{
    m_root.Write("res/shaders/broken.fx",
                 "#pass cull none\n#include \"matrix.fx\"\nvoid main() { this is not GLSL }\n");
    std::string output;
    bool started = false;
    output = CaptureStdout([&] { started = StartDevice(); });
    if (!started)
        GTEST_SKIP() << "no OpenGL 3.3 driver on SDL's offscreen video driver: rendering is not tested here";
    EXPECT_NE(output.find("Effect 'res/shaders/broken.fx' failed to compile"), std::string::npos) << output;
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    ASSERT_NE(graphics.GetMaterial("broken"), nullptr) << "stored all the same";
    EXPECT_EQ(graphics.GetMaterial("broken")->GetEffect(), nullptr);
    ASSERT_NE(graphics.GetMaterial("default"), nullptr) << "loading went on";
    EXPECT_EQ(graphics.GetMaterial("matrix"), nullptr) << "matrix.fx is shared code, not an effect";

    GameObject& broken = RedBox("cube.tbm", "broken");
    EXPECT_TRUE(IsColour(At(Frame(), kCentreX, kCentreY), 0, 0, 0, 2));
    RendererOf(broken).SetShaderName("default");
    EXPECT_TRUE(IsReddish(At(Frame(), kCentreX, kCentreY)));
}

TEST_F(RenderPassTest, LinesGoInBatchesOf256AndSolidShapesInTheirColour)
{
    START_DEVICE_OR_SKIP();
    AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    Frame();
    const unsigned empty = graphics.GetDrawCallCount();
    for (int i = 0; i < 600; ++i)
        graphics.DrawLine({-1, 0, -5, 1}, {1, 0, -5, 1}, {0, 1, 0, 1});
    Frame();
    EXPECT_EQ(graphics.GetDrawCallCount(), empty + 3) << "256 + 256 + 88";
    // The queues are emptied with the frame.
    Frame();
    EXPECT_EQ(graphics.GetDrawCallCount(), empty);

    // A screen box is flat and in its own colour; a world box is an outline in its colour.
    graphics.DrawBox({640, 360, 0, 1}, {0.2f, 0.2f, 0.2f, 0}, {1, 1, 0, 1}, true, true);
    graphics.DrawBox({0, 0, -5, 1}, {1, 1, 1, 0}, {0, 0, 1, 1});
    const DecodedImage frame = Frame();
    EXPECT_TRUE(IsColour(At(frame, kCentreX, kCentreY), 255, 255, 0, 2));
    EXPECT_EQ(graphics.GetDrawCallCount(), empty + 2);
}

TEST_F(RenderPassTest, TheObjectWithId2FollowsTheCameraOfEachView)
{
    m_root.Write("res/archetype/marker.xml",
                 "<Archetype name=\"Marker\"><Components><Transform/></Components></Archetype>");
    m_root.Write("res/scene/follow.xml",
                 "<Scene><Object archetype=\"Marker\"><uint name=\"objID\" value=\"2\"/>"
                 "</Object><Object archetype=\"Marker\"><uint name=\"objID\" value=\"3\"/>"
                 "</Object></Scene>");
    START_DEVICE_OR_SKIP();
    Factory& factory = Factory::Instance();
    factory.Init();
    factory.LoadScene("follow", "");
    AimDefaultCamera({7, 8, 9, 1}, {0, 0, -1, 0});
    Frame();
    EXPECT_EQ(factory.FindObject(2)->Get<Transform>(ComponentType::Transform)->GetPosition(),
              (Vector4{7, 8, 9, 1}));
    EXPECT_EQ(factory.FindObject(3)->Get<Transform>(ComponentType::Transform)->GetPosition(),
              (Vector4{0, 0, 0, 1}));
    factory.DestroyAll();
}
