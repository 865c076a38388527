#include "graphics/GraphicsSystem.h"

#include "core/FileSearch.h"
#include "core/ResourcePaths.h"
#include "core/SwapRemove.h"
#include "graphics/Camera.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"

GraphicsSystem::GraphicsSystem() : m_defaultCamera(std::make_unique<Camera>())
{
    m_activeCamera = m_defaultCamera.get();
}

GraphicsSystem::~GraphicsSystem() = default;

GraphicsSystem& GraphicsSystem::Instance()
{
    static GraphicsSystem instance;
    return instance;
}

void GraphicsSystem::AddCamera(Camera* camera)
{
    m_cameras.push_back(camera);
}

void GraphicsSystem::RemoveCamera(Camera* camera)
{
    SwapRemove(m_cameras, camera);
    if (m_activeCamera == camera)
        m_activeCamera = m_defaultCamera.get();
}

void GraphicsSystem::AddHud(Component* hud)
{
    m_huds.push_back(hud);
}

void GraphicsSystem::RemoveHud(Component* hud)
{
    SwapRemove(m_huds, hud);
}

void GraphicsSystem::Update()
{
    for (size_t i = 0; i < m_cameras.size(); ++i)
        m_cameras[i]->Update();
    m_defaultCamera->Update();
    // The tutorial draws its own prompts where the race HUD would be.
    if (GameStateManager::Instance().GetGameState() == GameStateId::kTutorial)
        return;
    for (size_t i = 0; i < m_huds.size(); ++i)
        m_huds[i]->Update();
}

void GraphicsSystem::DrawHud(float x, float y, float w, float h, const std::string& texture, const Vector4& extra,
                             bool onTop, bool background)
{
    const int layer = background ? kHudBackground : (onTop ? kHudTop : kHudForeground);
    m_hudLayers[layer].push_back({x, y, w, h, texture, extra, 0});
}

void GraphicsSystem::PostUpdate()
{
    for (auto& layer : m_hudLayers)
        layer.clear();
    m_screenTexts.clear();
    m_worldShapes.Clear();
    m_screenShapes.Clear();
}

void GraphicsSystem::PrintToScreen(const std::string& text, float x, float y, const Vector4& size,
                                   const Vector4& colour)
{
    m_screenTexts.push_back({text, x, y, size, colour});
}

void GraphicsSystem::DrawBox(const Vector4& position, const Vector4& scale, const Vector4& colour, bool depthTest,
                             bool screen, const Vector4& second)
{
    DebugDraw& set = screen ? m_screenShapes : m_worldShapes;
    const DebugShapeKind kind = screen ? DebugShapeKind::ScreenBox : DebugShapeKind::Box;
    set.Add({kind, position, scale, colour, static_cast<uint8_t>(depthTest), second});
}

void GraphicsSystem::DrawSphere(const Vector4& centre, float radius, const Vector4& colour, bool depthTest,
                                bool screen, const Vector4& second)
{
    DebugDraw& set = screen ? m_screenShapes : m_worldShapes;
    set.Add({DebugShapeKind::Sphere, centre, {radius, radius, radius, 0.0f}, colour, static_cast<uint8_t>(depthTest),
             second});
}

void GraphicsSystem::DrawLine(const Vector4& from, const Vector4& to, const Vector4& colour)
{
    m_worldShapes.Add({DebugShapeKind::Line, from, to, colour, 1, {}});
}

void GraphicsSystem::Resize(unsigned width, unsigned height)
{
    m_width = width;
    m_height = height;
}

void GraphicsSystem::LoadTextureNames()
{
    m_textureNames = FindFiles(ResourcePaths::kTextures, "*");
}

void GraphicsSystem::LoadTexture(const std::string& /*fileName*/)
{
    // Nothing to load into without a device.
}

void GraphicsSystem::DecodeAllTextures()
{
    // Without a device there is nothing to decode for.
}

void GraphicsSystem::UploadDecodedTextures() {}
