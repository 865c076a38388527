// Loading meshes and textures into a real device: bad files are reported once and leave empty
// entries; textures decode on worker threads while loading-screen frames keep being drawn.
#include "RenderFixture.h"

#include "core/Engine.h"
#include "core/LoadingScreen.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TbmFile.h"
#include "graphics/VertexLayout.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

namespace
{
void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> Header(uint32_t type, uint32_t count)
{
    return EncodeTbm(type, count, {});
}

size_t CountOf(const std::string& text, const std::string& what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}
} // namespace

class ResourceLoadTest : public RenderFixture
{
};

TEST_F(ResourceLoadTest, BadMeshFilesAreReportedOnceAndStayEmpty)
{
    const std::filesystem::path models = m_root.Path() / "res" / "models";
    std::vector<unsigned char> shortFile = Header(1, 3);
    shortFile.resize(shortFile.size() + 2 * sizeof(ModelVertex)); // one vertex short
    WriteBytes(models / "short.tbm", shortFile);
    WriteBytes(models / "badtype.tbm", Header(3, 0));
    WriteBytes(models / "huge.tbm", Header(2, 0xFFFFFFFFu));
    WriteBytes(models / "stub.tbm", {1, 0, 0});
    WriteBytes(models / "empty.tbm", Header(1, 0));
    std::string output;
    bool started = false;
    output = CaptureStdout([&] { started = StartDevice(); });
    if (!started)
        GTEST_SKIP() << "no OpenGL 3.3 driver on SDL's offscreen video driver: rendering is not tested here";
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    for (const char* name : {"short.tbm", "badtype.tbm", "huge.tbm", "stub.tbm"})
    {
        EXPECT_EQ(CountOf(output, std::string("bad mesh file: res/models/") + name), 1u) << output;
        ASSERT_NE(graphics.GetMesh(name), nullptr) << "the entry stays, empty";
        EXPECT_TRUE(graphics.GetMesh(name)->IsEmpty());
    }
    EXPECT_EQ(output.find("empty.tbm"), std::string::npos) << "no vertices is not an error";
    EXPECT_TRUE(graphics.GetMesh("empty.tbm")->IsEmpty());
    EXPECT_EQ(graphics.GetMesh("cube.tbm")->GetPrimitiveCount(), 12u);

    AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
    AddObject({0, 0, -5, 1}, 2.0f, "short.tbm", "default", "default");
    Frame();
    EXPECT_EQ(graphics.GetDrawCallCount(), 0u);
}

TEST_F(ResourceLoadTest, AnUndecodableImageLeavesAnEmptyTexture)
{
    m_root.Write("res/textures/junk.png", "this is not a picture");
    WriteTexture("good.png", {0, 1, 0, 1});
    std::string output;
    bool started = false;
    output = CaptureStdout([&] { started = StartDevice(); });
    if (!started)
        GTEST_SKIP() << "no OpenGL 3.3 driver on SDL's offscreen video driver: rendering is not tested here";
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    EXPECT_EQ(CountOf(output, "Could not load texture 'res/textures/junk.png'"), 1u) << output;
    ASSERT_NE(graphics.Resources().FindTexture("junk"), nullptr);
    EXPECT_FALSE(graphics.Resources().FindTexture("junk")->IsLoaded());
    EXPECT_TRUE(graphics.Resources().FindTexture("good")->IsLoaded());
    EXPECT_EQ(graphics.Resources().FindTexture("good")->Width(), 8);
    // An object textured with it still draws (sampling no texture), without a crash.
    AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
    AddObject({0, 0, -5, 1}, 2.0f, "cube.tbm", "default", "junk");
    Frame();
    EXPECT_EQ(graphics.GetDrawCallCount(), 1u);
}

TEST_F(ResourceLoadTest, LoadingScreenFramesRunWhileWorkersDecodeTextures)
{
    for (int i = 0; i < 12; ++i)
        WriteTexture("tile" + std::to_string(i) + ".png", {0.1f * static_cast<float>(i % 10), 0.5f, 0.2f, 1},
                     128);
    START_DEVICE_OR_SKIP();
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    // StartDevice loaded everything; a second tree of names shows the queue at work.
    for (int i = 0; i < 12; ++i)
        WriteTexture("later" + std::to_string(i) + ".png", {0.5f, 0.1f, 0.9f, 1}, 128);
    Engine engine(std::map<std::string, System*>{});
    engine.GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
    graphics.QueueAllTextures();
    const unsigned long long before = graphics.GetFramesDrawn();
    std::atomic<bool> done{false};
    // The decoder waits for two loading frames so that the overlap is certain, not a race won.
    std::thread decoder(
        [&]
        {
            while (graphics.GetFramesDrawn() < before + 2)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            graphics.DecodeAllTextures();
            done = true;
        });
    LoadingScreen::Run(engine, done);
    decoder.join();
    graphics.UploadDecodedTextures();
    EXPECT_GE(graphics.GetFramesDrawn(), before + 2);
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(graphics.Resources().FindTexture("later" + std::to_string(i))->IsLoaded()) << i;
    EXPECT_TRUE(graphics.ScreenTexts().empty())
        << "the loading text is queued for each frame and dropped after";
}

TEST_F(ResourceLoadTest, AMissingMeshEffectOrTextureIsSaidOncePerNameWithItsFile)
{
    WriteTexture("good.png", {0, 1, 0, 1});
    std::string output;
    bool started = false;
    CaptureStdout([&] { started = StartDevice(); });
    if (!started)
        GTEST_SKIP() << "no OpenGL 3.3 driver on SDL's offscreen video driver: rendering is not tested here";
    AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
    output = CaptureStdout(
        [&]
        {
            for (int copy = 0; copy < 2; ++copy)
            {
                AddObject({0, 0, -5, 1}, 1.0f, "nosuch.tbm", "default", "good");
                AddObject({1, 0, -5, 1}, 1.0f, "cube.tbm", "nosuchfx", "good");
                AddObject({-1, 0, -5, 1}, 1.0f, "cube.tbm", "default", "nosuchtex");
                AddObject({0, 1, -5, 1}, 1.0f, "default", "default", "good");
            }
            Frame();
            Frame();
        });
    EXPECT_EQ(CountOf(output, "Mesh file res/models/nosuch.tbm does not exist"), 1u) << output;
    EXPECT_EQ(CountOf(output, "Effect file res/shaders/nosuchfx.fx does not exist"), 1u) << output;
    EXPECT_EQ(CountOf(output, "Texture file res/textures/nosuchtex.* does not exist"), 1u) << output;
    EXPECT_EQ(CountOf(output, "\n"), 3u) << "a renderer without a mesh is no missing file: " << output;
    EXPECT_EQ(GraphicsSystem::Instance().GetDrawCallCount(), 2u)
        << "the textured cubes draw, with the default";
}
