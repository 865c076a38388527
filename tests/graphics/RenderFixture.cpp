#include "RenderFixture.h"

#include "core/WindowManager.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/MeshRenderer.h"
#include "objects/Transform.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>

void RenderFixture::SetUp()
{
    // The game's own effects and models, so the tests check what ships; the rest is the test's.
    const std::filesystem::path source = std::filesystem::path(VANTORA_SOURCE_DIR) / "res";
    std::filesystem::create_directories(m_root.Path() / "res" / "textures");
    std::filesystem::create_directories(m_root.Path() / "res" / "shaders");
    std::filesystem::create_directories(m_root.Path() / "res" / "models");
    for (const char* folder : {"shaders", "models"})
        for (const auto& file : std::filesystem::directory_iterator(source / folder))
            std::filesystem::copy_file(file.path(), m_root.Path() / "res" / folder / file.path().filename());
    WriteTexture("default.png", {1, 1, 1, 1});
    m_cwd.emplace(m_root.Path());
}

void RenderFixture::TearDown()
{
    m_objects.clear();
    GraphicsSystem::Instance().Shutdown();
    // The window, and its OpenGL context, last as long as the test's process: Mesa's llvmpipe
    // leaves two small blocks behind when a context that has drawn is destroyed, in a driver
    // that is unloaded by then, so a leak report could not tell them from ours.
    m_cwd.reset();
}

void RenderFixture::WriteTexture(const std::string& fileName, const Vector4& colour, int size) const
{
    DecodedImage image{size, size, {}};
    for (int i = 0; i < size * size; ++i)
        for (float c : {colour.x, colour.y, colour.z, colour.w})
            image.rgba.push_back(static_cast<unsigned char>(std::lround(c * 255.0f)));
    WritePngFile((m_root.Path() / "res" / "textures" / fileName).string(), image);
}

bool RenderFixture::StartDevice()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    WindowManager& window = WindowManager::Instance();
    window.SetHeadless(false);
    window.Init();
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetFullscreen(false);
    graphics.Init();
    if (!graphics.HasDevice())
        return false;
    graphics.LoadTextureNames();
    graphics.LoadAllTextures();
    graphics.SetClearColor({0, 0, 0, 1});
    return true;
}

DecodedImage RenderFixture::Frame()
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.RequestCapture();
    graphics.PostUpdate();
    DecodedImage image;
    graphics.TakeCapture(image);
    return image;
}

Pixel RenderFixture::At(const DecodedImage& image, int x, int y)
{
    const size_t at =
        (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) * 4;
    if (x < 0 || y < 0 || x >= image.width || y >= image.height || at + 3 >= image.rgba.size())
        return {};
    return {image.rgba[at], image.rgba[at + 1], image.rgba[at + 2], image.rgba[at + 3]};
}

GameObject& RenderFixture::AddObject(const Vector4& position, float scale, const std::string& mesh,
                                     const std::string& shader, const std::string& texture)
{
    auto object = std::make_unique<GameObject>("TestObject");
    auto transform = std::make_unique<Transform>();
    transform->SetPosition(position);
    transform->SetScale(scale);
    object->AddComponent(std::move(transform));
    if (!mesh.empty())
    {
        auto renderer = std::make_unique<MeshRenderer>();
        renderer->SetMeshName(mesh);
        renderer->SetShaderName(shader);
        renderer->SetTextureName(texture);
        object->AddComponent(std::move(renderer));
    }
    object->InitializeComponents();
    m_objects.push_back(std::move(object));
    return *m_objects.back();
}

MeshRenderer& RenderFixture::RendererOf(GameObject& object)
{
    return *object.Get<MeshRenderer>(ComponentType::MeshRenderer);
}

void RenderFixture::AimDefaultCamera(const Vector4& position, const Vector4& direction)
{
    Camera* camera = GraphicsSystem::Instance().GetDefaultCamera();
    camera->SetPosition(position);
    camera->SetDirection(direction);
}

bool IsColour(const Pixel& pixel, int r, int g, int b, int tolerance)
{
    return std::abs(pixel.r - r) <= tolerance && std::abs(pixel.g - g) <= tolerance &&
           std::abs(pixel.b - b) <= tolerance;
}

bool IsReddish(const Pixel& pixel)
{
    return pixel.r > 90 && pixel.r > 2 * pixel.g && pixel.r > 2 * pixel.b;
}
