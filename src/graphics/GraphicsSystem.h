#pragma once

#include "core/EmptySystem.h"
#include "graphics/DebugDraw.h"
#include "graphics/ScreenText.h"

#include <string>
#include <vector>

class Camera;

/// Owns the device, the resource tables and the per-frame draw queues. Without a device
/// (headless runs and tests) it keeps its registries and queues and draws nothing.
class GraphicsSystem final : public EmptySystem
{
public:
    static GraphicsSystem& Instance();

    /// Draws the frame and empties the per-frame queues.
    void PostUpdate() override;

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
    GraphicsSystem() = default;

    std::vector<ScreenText> m_screenTexts;
    DebugDraw m_worldShapes;
    DebugDraw m_screenShapes;
    std::vector<std::string> m_textureNames;
    Camera* m_activeCamera = nullptr;
    bool m_fullscreen = true;
    unsigned m_width = 1280;
    unsigned m_height = 720;
};
