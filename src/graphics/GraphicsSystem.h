#pragma once

#include "core/EmptySystem.h"
#include "graphics/DebugDraw.h"
#include "graphics/HudSprite.h"
#include "graphics/ScreenText.h"

#include <memory>
#include <string>
#include <vector>

class Camera;
class Component;

/// Owns the device, the resource tables and the per-frame draw queues. Without a device
/// (headless runs and tests) it keeps its registries and queues and draws nothing.
class GraphicsSystem final : public EmptySystem
{
public:
    static GraphicsSystem& Instance();

    ~GraphicsSystem() override;

    /// Updates the cameras (registered ones, then the default one) and, outside the tutorial, the HUDs.
    void Update() override;
    /// Draws the frame and empties the per-frame queues.
    void PostUpdate() override;

    /// Registers a camera (from its Initialize); removal swaps the last one into the gap.
    void AddCamera(Camera* camera);
    /// Unregisters a camera; the default camera takes over if it was the active one.
    void RemoveCamera(Camera* camera);
    const std::vector<Camera*>& Cameras() const { return m_cameras; }
    Camera* GetDefaultCamera() const { return m_defaultCamera.get(); }
    /// Registers a HUD component, updated (and so drawn) each frame.
    void AddHud(Component* hud);
    void RemoveHud(Component* hud);
    const std::vector<Component*>& Huds() const { return m_huds; }
    /// One viewport per player camera when on, one full-window view when off.
    void SetSplitScreen(bool on) { m_splitScreen = on; }
    bool IsSplitScreen() const { return m_splitScreen; }

    /// Queues a HUD quad: into the background layer, else the top layer, else the foreground one.
    void DrawHud(float x, float y, float w, float h, const std::string& texture, const Vector4& extra, bool onTop,
                 bool background);
    const std::vector<HudSprite>& HudSprites(int layer) const { return m_hudLayers[static_cast<size_t>(layer)]; }
    static constexpr int kHudBackground = 0;
    static constexpr int kHudForeground = 1;
    static constexpr int kHudTop = 2;

    /// Queues a text for this frame; x and y in window fractions, size.x the font size.
    void PrintToScreen(const std::string& text, float x, float y, const Vector4& size, const Vector4& colour);
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
    Camera* GetActiveCamera() const { return m_activeCamera; }

    bool IsFullscreen() const { return m_fullscreen; }
    void SetFullscreen(bool fullscreen) { m_fullscreen = fullscreen; }
    void ToggleFullscreen() { SetFullscreen(!m_fullscreen); }
    /// A new client size from the window.
    void Resize(unsigned width, unsigned height);
    unsigned GetWindowWidth() const { return m_width; }
    unsigned GetWindowHeight() const { return m_height; }

    /// Lists the texture files of res/textures/.
    void LoadTextureNames();
    const std::vector<std::string>& TextureNames() const { return m_textureNames; }
    /// Loads one texture by file name (needs a device).
    void LoadTexture(const std::string& fileName);
    /// Decodes every texture file into memory; safe on a worker thread.
    void DecodeAllTextures();
    /// Uploads what DecodeAllTextures decoded (main thread).
    void UploadDecodedTextures();
    bool HasDevice() const { return false; }

private:
    GraphicsSystem();

    std::vector<ScreenText> m_screenTexts;
    DebugDraw m_worldShapes;
    DebugDraw m_screenShapes;
    std::vector<std::string> m_textureNames;
    std::unique_ptr<Camera> m_defaultCamera;
    Camera* m_activeCamera = nullptr;
    std::vector<Camera*> m_cameras;
    std::vector<Component*> m_huds;
    std::vector<HudSprite> m_hudLayers[3];
    bool m_splitScreen = false;
    bool m_fullscreen = true;
    unsigned m_width = 1280;
    unsigned m_height = 720;
};
