#pragma once

#include "core/System.h"
#include "core/TweakBar.h"
#include "graphics/DebugDraw.h"
#include "graphics/FramePacer.h"
#include "graphics/HudSprite.h"
#include "graphics/ImageFile.h"
#include "graphics/ParticleDrawer.h"
#include "graphics/ResourceTables.h"
#include "graphics/ScreenText.h"
#include "graphics/TextDrawer.h"
#include "graphics/TextureDecoder.h"
#include "graphics/ViewState.h"
#include "math/Matrix4.h"

#include <atomic>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Camera;
class Component;
class DebugPanel;
class HudPass;
class MeshRenderer;
class RenderDevice;
class RenderPass;
class ShadowPass;

/// Owns the device, the resource tables, the registries of what draws and the per-frame draw
/// queues. Each frame it draws the background HUD, one view per player (mesh renderers, the
/// racers' ground shadows, debug shapes, then labels), the foreground HUD, the screen texts, the
/// top HUD and the debug panel, and presents. Without a device (headless runs and tests) it keeps
/// its registries, queues and texture names, draws nothing and only lays out the texts.
class GraphicsSystem final : public System
{
  public:
    /// The single instance, created on first use.
    static GraphicsSystem& Instance();

    ~GraphicsSystem() override;

    /// Creates the device on the window's OpenGL context, then the effects, meshes, passes and
    /// the debug panel, and applies the window mode. Without a window it stays headless.
    void Init() override;
    /// The device check; OpenGL devices are never lost, so every frame is drawn.
    void PreUpdate() override {}
    /// Updates the cameras (registered ones, then the default one) and, outside the tutorial, the HUDs.
    void Update() override;
    /// Draws the frame and empties the per-frame queues.
    void PostUpdate() override;
    /// Releases every device object and the debug panel while the window's OpenGL context still
    /// exists; the system is headless after.
    void Shutdown();

    /// Registers a camera (from its Initialize); removal swaps the last one into the gap.
    void AddCamera(Camera* camera);
    /// Unregisters a camera; the default camera takes over if it was the active one.
    void RemoveCamera(Camera* camera);
    /// The registered cameras, in registration order (after swap removals).
    const std::vector<Camera*>& Cameras() const { return m_cameras; }
    /// The system's own camera, used when no other is active.
    Camera* GetDefaultCamera() const { return m_defaultCamera.get(); }
    /// Registers a HUD component, updated (and so drawn) each frame.
    void AddHud(Component* hud);
    /// Unregisters a HUD component; the last one takes its place.
    void RemoveHud(Component* hud);
    /// The registered HUD components.
    const std::vector<Component*>& Huds() const { return m_huds; }
    /// Appends a mesh renderer to the draw list.
    void AddMeshRenderer(MeshRenderer* renderer);
    /// Unlinks the first entry of `renderer` from the draw list.
    void RemoveMeshRenderer(MeshRenderer* renderer);
    /// The mesh renderers in drawing order.
    const std::list<MeshRenderer*>& MeshRenderers() const { return m_meshRenderers; }
    /// One viewport per player camera when on, one full-window view when off.
    void SetSplitScreen(bool on) { m_splitScreen = on; }
    /// Whether each player camera gets its own viewport.
    bool IsSplitScreen() const { return m_splitScreen; }

    /// Queues a HUD quad: into the background layer, else the top layer, else the foreground one.
    void DrawHud(float x, float y, float w, float h, const std::string& texture, const Vector4& extra,
                 bool onTop, bool background);
    /// The sprites queued this frame in layer `layer` (kHudBackground, kHudForeground, kHudTop).
    const std::vector<HudSprite>& HudSprites(int layer) const
    {
        return m_hudLayers[static_cast<size_t>(layer)];
    }
    static constexpr int kHudBackground = 0;
    static constexpr int kHudForeground = 1;
    static constexpr int kHudTop = 2;

    /// Queues a text for this frame; x and y in window fractions, size.x the font size.
    void PrintToScreen(const std::string& text, float x, float y, const Vector4& size, const Vector4& colour);
    /// The texts queued this frame, for the text system.
    const std::vector<ScreenText>& ScreenTexts() const { return m_screenTexts; }

    /// Queues a debug box of half size `scale` (a screen box in pixels with `screen`).
    void DrawBox(const Vector4& position, const Vector4& scale, const Vector4& colour, bool depthTest = true,
                 bool screen = false, const Vector4& second = {});
    /// Queues a debug sphere of radius `radius` (into the screen set with `screen`).
    void DrawSphere(const Vector4& centre, float radius, const Vector4& colour, bool depthTest = true,
                    bool screen = false, const Vector4& second = {});
    /// Queues a debug line from `from` to `to`.
    void DrawLine(const Vector4& from, const Vector4& to, const Vector4& colour);
    /// The debug shapes drawn in the 3D scene this frame.
    DebugDraw& WorldDebugShapes() { return m_worldShapes; }
    /// The debug shapes drawn over the screen this frame.
    DebugDraw& ScreenDebugShapes() { return m_screenShapes; }

    /// The camera of the single full-window view; null for none.
    void SetActiveCamera(Camera* camera) { m_activeCamera = camera; }
    /// The camera of the single full-window view.
    Camera* GetActiveCamera() const { return m_activeCamera; }

    /// Whether the game is (or will start) full screen.
    bool IsFullscreen() const { return m_fullscreen; }
    /// Switches between the desktop-sized full screen and the 1280 x 720 window.
    void SetFullscreen(bool fullscreen);
    /// Switches between full screen and the window (F11).
    void ToggleFullscreen() { SetFullscreen(!m_fullscreen); }
    /// A new client size from the window; 0 counts as 1, the current size changes nothing.
    void Resize(unsigned width, unsigned height);
    /// Width of what is drawn into, in pixels.
    unsigned GetWindowWidth() const { return m_width; }
    /// Height of what is drawn into, in pixels.
    unsigned GetWindowHeight() const { return m_height; }

    /// Sets the view of player `index` of `count` (see PlayerViewportRect); other combinations
    /// only change the current viewport index.
    void SetPlayerViewport(int index, int count);
    /// Draws into (x, y, w, h) pixels from the top left; the viewport rectangle becomes
    /// (x, y, x + w, y + h).
    void SetViewportRect(float x, float y, float w, float h);
    /// (left, top, right, bottom) of the viewport being drawn; the whole window outside views.
    const Vector4& GetViewportRect() const { return m_viewportRect; }
    /// Player number of the viewport being drawn.
    int GetCurrentViewport() const { return m_currentViewport; }
    /// Matrix stack tops: 0 world, 1 view, 2 projection; any other type gives the world matrix.
    Matrix4 GetMatrix(int type) const;
    static constexpr int kWorldMatrix = 0;
    static constexpr int kViewMatrix = 1;
    static constexpr int kProjectionMatrix = 2;
    /// The colour every frame starts from (r, g, b, a).
    void SetClearColor(const Vector4& colour) { m_clearColor = colour; }
    /// The colour every frame starts from.
    const Vector4& GetClearColor() const { return m_clearColor; }

    /// Lists the texture files of res/textures/.
    void LoadTextureNames();
    /// The texture files listed by LoadTextureNames, without extensions.
    const std::vector<std::string>& TextureNames() const { return m_resources.TextureNames(); }
    /// Loads one texture by file name now (decoded and uploaded on this thread).
    void LoadTexture(const std::string& fileName);
    /// Loads every texture of res/textures/ on this thread.
    void LoadAllTextures();
    /// Makes an entry for every texture file not yet loaded and queues its decoding; main thread.
    void QueueAllTextures();
    /// Decodes the queued texture files on this and helper threads; safe off the main thread.
    void DecodeAllTextures();
    /// Uploads the textures decoded so far; main thread.
    void UploadDecodedTextures();
    /// The texture `name`, the "default" texture for an unknown name.
    Texture* GetTexture(const std::string& name) const { return m_resources.GetTexture(name); }
    /// The mesh `name` ("cube.tbm"), or null.
    Mesh* GetMesh(const std::string& name) const { return m_resources.GetMesh(name); }
    /// The material `name` ("default"), or null.
    Material* GetMaterial(const std::string& name) const { return m_resources.GetMaterial(name); }
    /// The resource tables themselves.
    ResourceTables& Resources() { return m_resources; }

    /// Whether there is an OpenGL device to draw with.
    bool HasDevice() const { return m_device != nullptr; }
    /// The device for code that draws through the graphics layer (particles, text); null headless.
    RenderDevice* GetDevice() const { return m_device.get(); }
    /// Draw calls of the last drawn frame.
    unsigned GetDrawCallCount() const { return m_lastDrawCalls; }
    /// Frames drawn since start-up; readable from any thread.
    unsigned long long GetFramesDrawn() const { return m_framesDrawn.load(); }
    /// Keeps a copy of the next drawn frame's pixels (before it is presented).
    void RequestCapture() { m_captureRequested = true; }
    /// Moves the last captured frame into `out`; false if none was captured.
    bool TakeCapture(DecodedImage& out);
    /// The debug panel's contents: components add their fields with AddToTweakBar.
    TweakBar& GetTweakBar() { return m_tweakBar; }
    /// Asks whether the current screen draws its own prompts where the HUDs are (they are then
    /// not updated); the screens live above graphics, so the composition root sets it.
    static void SetScreenHidesHuds(std::function<bool()> query) { s_screenHidesHuds = std::move(query); }
    /// Who draws the labels of each view and the queued screen texts; the text layer lives above
    /// graphics, so the composition root sets it. Null draws no text.
    static void SetTextDrawer(TextDrawer* drawer) { s_textDrawer = drawer; }

    /// Who updates and draws the particles; the particle layer lives above graphics, so the
    /// composition root sets it. Null has no particles.
    static void SetParticleDrawer(ParticleDrawer* drawer) { s_particleDrawer = drawer; }

  private:
    GraphicsSystem();

    bool CreateDevice();
    void CreatePasses();
    void ReportEffectError(const std::string& text) const;
    /// Takes a window size without the message Resize prints.
    void ApplySize(unsigned width, unsigned height);
    void UpdateProjection();
    void ApplyView(const Camera& camera);
    void UploadTexture(Texture& texture, const TextureDecoder::Result& decoded);

    // The frame, stage by stage.
    void BeginFrame();
    void DrawPlayerViews();
    /// Sets the viewport of each view in turn and calls `draw` with its camera.
    void ForEachView(const std::function<void(const Camera&)>& draw);
    void DrawView(const Camera& camera);
    /// Headless: lays out the texts a drawn frame would show, so they can be reported.
    void LayOutTexts();
    void DrawOverlay();
    void EndFrame();
    void ClearFrameQueues();

    std::unique_ptr<RenderDevice> m_device;
    ResourceTables m_resources;
    TextureDecoder m_decoder;
    ViewState m_viewState;
    std::vector<std::unique_ptr<RenderPass>> m_passes;
    std::unique_ptr<HudPass> m_hudPass;
    std::unique_ptr<ShadowPass> m_shadowPass;
    std::unique_ptr<DebugPanel> m_debugPanel;
    TweakBar m_tweakBar;
    FramePacer m_pacer;

    std::vector<ScreenText> m_screenTexts;
    DebugDraw m_worldShapes;
    DebugDraw m_screenShapes;
    std::unique_ptr<Camera> m_defaultCamera;
    Camera* m_activeCamera = nullptr;
    std::vector<Camera*> m_cameras;
    std::vector<Component*> m_huds;
    std::list<MeshRenderer*> m_meshRenderers;
    std::vector<MeshRenderer*>
        m_lateRenderers; ///< handed to DrawLate; empty until something draws after the particles
    std::vector<HudSprite> m_hudLayers[3];
    std::deque<Matrix4> m_matrices[3];

    bool m_splitScreen = false;
    bool m_fullscreen = true;
    std::optional<bool> m_appliedFullscreen; ///< the mode the window is in, once a device exists
    unsigned m_width = 1280;
    unsigned m_height = 720;
    Vector4 m_clearColor{0, 0, 0, 1};
    Vector4 m_viewportRect{0, 0, 1280, 720};
    int m_currentViewport = 0;
    unsigned m_lastDrawCalls = 0;
    std::atomic<unsigned long long> m_framesDrawn{0};
    bool m_captureRequested = false;
    DecodedImage m_capture;
    static inline std::function<bool()> s_screenHidesHuds;
    static inline TextDrawer* s_textDrawer = nullptr;
    static inline ParticleDrawer* s_particleDrawer = nullptr;
};
