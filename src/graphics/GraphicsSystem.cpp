#include "graphics/GraphicsSystem.h"

#include "core/FileSearch.h"
#include "core/ResourcePaths.h"
#include "core/SwapRemove.h"
#include "core/WindowManager.h"
#include "graphics/Camera.h"
#include "graphics/DebugLineRenderPass.h"
#include "graphics/DebugPanel.h"
#include "graphics/HudPass.h"
#include "graphics/ObjectRenderPass.h"
#include "graphics/RenderDevice.h"
#include "graphics/ShadowPass.h"
#include "graphics/ViewMatrices.h"
#include "graphics/ViewportLayout.h"
#include "objects/Factory.h"
#include "objects/PlayerControl.h"
#include "objects/Transform.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace
{
// The scene's object with this id is moved to the camera of every view before it is drawn: the
// sky dome, which so never comes closer.
constexpr unsigned kCameraFollowerId = 2;

int PlayerOf(const Camera& camera)
{
    const PlayerControl* controller = PlayerControl::Of(camera.GetOwner());
    return controller ? controller->GetPlayerIndex() : -1;
}
} // namespace

GraphicsSystem::GraphicsSystem() : m_defaultCamera(std::make_unique<Camera>())
{
    m_activeCamera = m_defaultCamera.get();
    for (std::deque<Matrix4>& stack : m_matrices)
        stack.push_back(Matrix4::Identity());
    UpdateProjection();
}

GraphicsSystem::~GraphicsSystem()
{
    // At process exit the driver may already be torn down: device objects are only forgotten.
    if (m_device)
        m_device->MarkContextLost();
}

GraphicsSystem& GraphicsSystem::Instance()
{
    static GraphicsSystem instance;
    return instance;
}

// ---------------------------------------------------------------------------------------------
// Start-up and shutdown

void GraphicsSystem::Init()
{
    WindowManager& window = WindowManager::Instance();
    if (m_device || !window.GetWindow())
        return;
    if (!CreateDevice())
    {
        std::printf("error creating graphics device\n");
        return;
    }
    m_debugPanel = std::make_unique<DebugPanel>();
    if (m_debugPanel->Init())
        window.SetEventFilter([panel = m_debugPanel.get()](const SDL_Event& event)
                              { return panel->ProcessEvent(event); });
    m_resources.LoadAllEffects(*m_device, [this](const std::string& text) { ReportEffectError(text); });
    m_resources.LoadAllMeshes(*m_device);
    CreatePasses();
    if (s_particleDrawer)
        s_particleDrawer->CreateDeviceObjects(*m_device);
    m_clearColor = {0, 0, 0, 1};
    unsigned width = 0, height = 0;
    window.GetDrawableSize(width, height);
    ApplySize(width, height);
    SetFullscreen(m_fullscreen);
}

bool GraphicsSystem::CreateDevice()
{
    WindowManager& window = WindowManager::Instance();
    if (!window.CreateGlContext())
        return false;
    auto device = std::make_unique<RenderDevice>();
    std::string error;
    if (!device->Init(error))
    {
        std::printf("%s\n", error.c_str());
        window.DestroyGlContext();
        return false;
    }
    m_device = std::move(device);
    return true;
}

void GraphicsSystem::CreatePasses()
{
    m_passes.push_back(std::make_unique<ObjectRenderPass>(*m_device, m_resources, m_viewState,
                                                          m_resources.GetMaterial("default")));
    m_passes.push_back(std::make_unique<DebugLineRenderPass>(*m_device, m_resources, m_viewState,
                                                             m_worldShapes, m_screenShapes));
    m_hudPass = std::make_unique<HudPass>(*m_device, m_resources);
    m_shadowPass = std::make_unique<ShadowPass>(*m_device, m_resources, m_viewState);
}

void GraphicsSystem::ReportEffectError(const std::string& text) const
{
    WindowManager::Instance().ShowMessage(text);
}

void GraphicsSystem::Shutdown()
{
    if (!m_device)
        return;
    WindowManager& window = WindowManager::Instance();
    window.SetEventFilter(nullptr);
    if (m_debugPanel)
        m_debugPanel->Shutdown();
    m_debugPanel.reset();
    m_passes.clear();
    m_hudPass.reset();
    m_shadowPass.reset();
    if (s_textDrawer)
        s_textDrawer->ReleaseDeviceObjects();
    if (s_particleDrawer)
        s_particleDrawer->ReleaseDeviceObjects();
    m_resources.ReleaseDeviceObjects();
    m_pacer.Release();
    // The context itself belongs to the window and goes with it.
    m_device->MarkContextLost();
    m_device.reset();
    m_appliedFullscreen.reset();
}

// ---------------------------------------------------------------------------------------------
// Registries and queues

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

void GraphicsSystem::AddMeshRenderer(MeshRenderer* renderer)
{
    m_meshRenderers.push_back(renderer);
}

void GraphicsSystem::RemoveMeshRenderer(MeshRenderer* renderer)
{
    auto found = std::find(m_meshRenderers.begin(), m_meshRenderers.end(), renderer);
    if (found != m_meshRenderers.end())
        m_meshRenderers.erase(found);
}

void GraphicsSystem::Update()
{
    for (size_t i = 0; i < m_cameras.size(); ++i)
        m_cameras[i]->Update();
    m_defaultCamera->Update();
    if (s_particleDrawer)
        s_particleDrawer->UpdateParticles();
    // The tutorial draws its own prompts where the race HUD would be.
    if (s_screenHidesHuds && s_screenHidesHuds())
        return;
    for (size_t i = 0; i < m_huds.size(); ++i)
        m_huds[i]->Update();
}

void GraphicsSystem::DrawHud(float x, float y, float w, float h, const std::string& texture,
                             const Vector4& extra, bool onTop, bool background)
{
    const int layer = background ? kHudBackground : (onTop ? kHudTop : kHudForeground);
    m_hudLayers[layer].push_back({x, y, w, h, texture, extra, 0});
}

void GraphicsSystem::PrintToScreen(const std::string& text, float x, float y, const Vector4& size,
                                   const Vector4& colour)
{
    m_screenTexts.push_back({text, x, y, size, colour});
}

void GraphicsSystem::DrawBox(const Vector4& position, const Vector4& scale, const Vector4& colour,
                             bool depthTest, bool screen, const Vector4& second)
{
    DebugDraw& set = screen ? m_screenShapes : m_worldShapes;
    const DebugShapeKind kind = screen ? DebugShapeKind::ScreenBox : DebugShapeKind::Box;
    set.Add({kind, position, scale, colour, static_cast<uint8_t>(depthTest), second});
}

void GraphicsSystem::DrawSphere(const Vector4& centre, float radius, const Vector4& colour, bool depthTest,
                                bool screen, const Vector4& second)
{
    DebugDraw& set = screen ? m_screenShapes : m_worldShapes;
    set.Add({DebugShapeKind::Sphere,
             centre,
             {radius, radius, radius, 0.0f},
             colour,
             static_cast<uint8_t>(depthTest),
             second});
}

void GraphicsSystem::DrawLine(const Vector4& from, const Vector4& to, const Vector4& colour)
{
    m_worldShapes.Add({DebugShapeKind::Line, from, to, colour, 1, {}});
}

// ---------------------------------------------------------------------------------------------
// Window, viewports and matrices

void GraphicsSystem::SetFullscreen(bool fullscreen)
{
    m_fullscreen = fullscreen;
    if (!m_device || m_appliedFullscreen == fullscreen)
        return;
    WindowManager& window = WindowManager::Instance();
    window.ApplyWindowMode(fullscreen);
    m_appliedFullscreen = fullscreen;
    unsigned width = 0, height = 0;
    window.GetDrawableSize(width, height);
    Resize(width, height);
}

void GraphicsSystem::Resize(unsigned width, unsigned height)
{
    width = std::max(width, 1u);
    height = std::max(height, 1u);
    if (width == m_width && height == m_height)
        return;
    std::printf("new viewport: %u x %u \n", width, height);
    ApplySize(width, height);
}

void GraphicsSystem::ApplySize(unsigned width, unsigned height)
{
    m_width = std::max(width, 1u);
    m_height = std::max(height, 1u);
    m_viewState.windowWidth = m_width;
    m_viewState.windowHeight = m_height;
    UpdateProjection();
    SetViewportRect(0.0f, 0.0f, static_cast<float>(m_width), static_cast<float>(m_height));
}

void GraphicsSystem::UpdateProjection()
{
    // The aspect is the whole window's, also for the quarters of split screen.
    const float aspect = static_cast<float>(m_width) / static_cast<float>(m_height);
    const Matrix4 projection = ViewMatrices::PerspectiveFovRH(
        ViewMatrices::kFieldOfView, aspect, ViewMatrices::kNearPlane, ViewMatrices::kFarPlane);
    m_matrices[kProjectionMatrix].back() = projection;
    const bool remap = m_device && !m_device->HasZeroToOneDepth();
    m_viewState.projection = remap ? ViewMatrices::DepthMinusOneToOne(projection) : projection;
}

void GraphicsSystem::SetPlayerViewport(int index, int count)
{
    m_currentViewport = index;
    if (const std::optional<ViewportRect> rect = PlayerViewportRect(index, count, m_width, m_height))
        SetViewportRect(static_cast<float>(rect->x), static_cast<float>(rect->y),
                        static_cast<float>(rect->width), static_cast<float>(rect->height));
}

void GraphicsSystem::SetViewportRect(float x, float y, float w, float h)
{
    const ViewportRect rect{static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                            static_cast<int>(h)};
    if (m_device)
        m_device->SetViewport(rect, m_height);
    m_viewportRect = {static_cast<float>(rect.x), static_cast<float>(rect.y),
                      static_cast<float>(rect.x + rect.width), static_cast<float>(rect.y + rect.height)};
}

Matrix4 GraphicsSystem::GetMatrix(int type) const
{
    if (type < 0 || type > kProjectionMatrix)
        type = kWorldMatrix;
    return m_matrices[type].back();
}

void GraphicsSystem::ApplyView(const Camera& camera)
{
    const Vector4 eye = camera.GetPosition();
    const Matrix4 view = ViewMatrices::LookAtRH(eye, eye + camera.GetDirection(), camera.GetUp());
    m_matrices[kViewMatrix].back() = view;
    m_viewState.view = view;
    m_viewState.cameraPosition = {eye.x, eye.y, eye.z, 1.0f};
    m_viewState.lightDirection = ViewMatrices::ViewLightDirection(view);
    m_viewState.frustum = ViewMatrices::FrustumPlanes(m_matrices[kProjectionMatrix].back(), view);
}

// ---------------------------------------------------------------------------------------------
// The frame

void GraphicsSystem::PostUpdate()
{
    if (s_textDrawer)
        s_textDrawer->BeginTextFrame();
    if (m_device)
    {
        BeginFrame();
        if (s_particleDrawer)
            s_particleDrawer->BeginParticleFrame(*m_device);
        m_shadowPass->Place();
        m_hudPass->Draw(m_hudLayers[kHudBackground], "bg_hud");
        DrawPlayerViews();
        DrawOverlay();
        EndFrame();
    }
    else if (s_textDrawer)
        LayOutTexts();
    ClearFrameQueues();
}

void GraphicsSystem::BeginFrame()
{
    m_device->ResetDrawCalls();
    m_device->Clear(m_clearColor);
    // Effects choose their own fill mode in their pass states; until one begins, lines.
    m_device->SetWireframe(true);
}

void GraphicsSystem::DrawPlayerViews()
{
    ForEachView([this](const Camera& camera) { DrawView(camera); });
}

void GraphicsSystem::ForEachView(const std::function<void(const Camera&)>& draw)
{
    if (!m_splitScreen || m_cameras.empty())
    {
        draw(m_activeCamera ? *m_activeCamera : *m_defaultCamera);
        return;
    }
    const int count = static_cast<int>(m_cameras.size());
    for (const Camera* camera : m_cameras)
    {
        const int player = PlayerOf(*camera);
        // A camera that belongs to no player gets the whole window.
        if (player < 0)
            SetViewportRect(0.0f, 0.0f, static_cast<float>(m_width), static_cast<float>(m_height));
        else
            SetPlayerViewport(player, count);
        draw(*camera);
    }
}

void GraphicsSystem::LayOutTexts()
{
    // Only the view matrix and the viewport: the sky follower is moved by drawn frames alone.
    ForEachView(
        [this](const Camera& camera)
        {
            ApplyView(camera);
            s_textDrawer->DrawTexts();
        });
    SetViewportRect(0.0f, 0.0f, static_cast<float>(m_width), static_cast<float>(m_height));
    ApplyView(m_activeCamera ? *m_activeCamera : *m_defaultCamera);
    s_textDrawer->DrawScreenTexts(m_screenTexts);
}

void GraphicsSystem::DrawView(const Camera& camera)
{
    ApplyView(camera);
    if (GameObject* follower = Factory::Instance().FindObject(kCameraFollowerId))
        if (auto* transform = follower->Get<Transform>(ComponentType::Transform))
            transform->SetPosition(m_viewState.cameraPosition);
    for (const std::unique_ptr<RenderPass>& pass : m_passes)
        pass->DrawEarly(m_meshRenderers);
    // Blended onto the ground once everything solid is drawn; the balls hide what lies beneath them.
    m_shadowPass->Draw();
    // Blended over everything solid, tested against its depth but not writing it.
    if (s_particleDrawer)
        s_particleDrawer->DrawParticles(m_viewState, camera);
    for (const std::unique_ptr<RenderPass>& pass : m_passes)
        pass->DrawLate(m_lateRenderers);
    if (s_textDrawer)
        s_textDrawer->DrawTexts();
}

void GraphicsSystem::DrawOverlay()
{
    SetViewportRect(0.0f, 0.0f, static_cast<float>(m_width), static_cast<float>(m_height));
    ApplyView(m_activeCamera ? *m_activeCamera : *m_defaultCamera);
    m_hudPass->Draw(m_hudLayers[kHudForeground], "hud_cam");
    if (s_textDrawer)
        s_textDrawer->DrawScreenTexts(m_screenTexts);
    m_hudPass->Draw(m_hudLayers[kHudTop], "hud_cam");
}

void GraphicsSystem::EndFrame()
{
    if (m_debugPanel)
    {
        m_debugPanel->Draw(m_tweakBar);
        m_device->InvalidateCache();
    }
    if (m_captureRequested)
    {
        m_capture = {static_cast<int>(m_width), static_cast<int>(m_height),
                     m_device->ReadPixels(m_width, m_height)};
        m_captureRequested = false;
    }
    m_lastDrawCalls = m_device->DrawCalls();
    ++m_framesDrawn;
    WindowManager::Instance().SwapWindow();
    m_pacer.FramePresented();
}

void GraphicsSystem::ClearFrameQueues()
{
    for (std::vector<HudSprite>& layer : m_hudLayers)
        layer.clear();
    m_screenTexts.clear();
    m_worldShapes.Clear();
    m_screenShapes.Clear();
}

bool GraphicsSystem::TakeCapture(DecodedImage& out)
{
    if (m_capture.IsEmpty())
        return false;
    out = std::move(m_capture);
    m_capture = {};
    return true;
}

// ---------------------------------------------------------------------------------------------
// Textures

void GraphicsSystem::LoadTextureNames()
{
    m_resources.LoadTextureNames();
}

void GraphicsSystem::LoadTexture(const std::string& fileName)
{
    Texture* texture = m_resources.AddTexture(fileName);
    if (!texture || !m_device)
        return;
    UploadTexture(*texture, TextureDecoder::Decode({ResourceTables::TextureKey(fileName),
                                                    std::string(ResourcePaths::kTextures) + fileName}));
}

void GraphicsSystem::LoadAllTextures()
{
    QueueAllTextures();
    DecodeAllTextures();
    UploadDecodedTextures();
}

void GraphicsSystem::QueueAllTextures()
{
    std::vector<TextureDecoder::Job> jobs;
    for (const std::string& file : FindFiles(ResourcePaths::kTextures, "*.*"))
        if (m_resources.AddTexture(file) && m_device)
            jobs.push_back({ResourceTables::TextureKey(file), std::string(ResourcePaths::kTextures) + file});
    m_decoder.SetJobs(std::move(jobs));
}

void GraphicsSystem::DecodeAllTextures()
{
    m_decoder.DecodeAll(std::max(1u, std::thread::hardware_concurrency()));
}

void GraphicsSystem::UploadDecodedTextures()
{
    for (const TextureDecoder::Result& result : m_decoder.TakeFinished())
        if (Texture* texture = m_resources.FindTexture(result.key))
            UploadTexture(*texture, result);
}

void GraphicsSystem::UploadTexture(Texture& texture, const TextureDecoder::Result& decoded)
{
    // An undecodable image leaves the entry empty: it then samples as no texture.
    if (!decoded.error.empty() || !texture.Upload(decoded.levels, m_device->MaxAnisotropy()))
        std::printf("Could not load texture '%s': %s\n", decoded.path.c_str(),
                    decoded.error.empty() ? "no pixels" : decoded.error.c_str());
}
