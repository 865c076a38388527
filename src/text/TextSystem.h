#pragma once

#include "core/System.h"
#include "graphics/ScreenText.h"
#include "graphics/TextBatch.h"
#include "text/DrawnText.h"
#include "text/FontFace.h"
#include "text/GlyphAtlas.h"

#include <map>
#include <memory>
#include <string_view>
#include <vector>

class TextComponent;

/// Draws every text of the game with one font: the labels of text components, per view, and the
/// screen texts the graphics system queues. Sizes scale with the window's width (1184 pixels
/// draw them as given); each size is rasterised once into an atlas and drawn in one call per view.
/// Without a device it draws nothing but still records what it would draw.
class TextSystem final : public System
{
  public:
    /// The single instance, created on first use.
    static TextSystem& Instance();

    /// Reads the window's size; fonts are opened on first use.
    void Init() override;
    void PreUpdate() override {}
    void Update() override {}
    void PostUpdate() override {}

    /// Smallest and largest font size drawn; others are clamped to these.
    static constexpr int kMinSize = 4;
    static constexpr int kMaxSize = 160;
    /// Font size in pixels for `size` in a window `windowWidth` wide: trunc(size × width / 1184),
    /// clamped to kMinSize..kMaxSize (saying so once per size); 0 for a size that is not a number.
    int ScaledSize(float size, unsigned windowWidth);
    /// The atlas of font size `size` (a font `size` wide and size × 1.5 high), built on first
    /// use; null when no font can be read.
    GlyphAtlas* GetFont(int size);
    /// The name of the face in use, empty when none could be read.
    std::string FaceName();
    /// Reads the font description again on next use and forgets every atlas.
    void ReloadFont();

    /// Registers a label (from its Initialize).
    void AddTextComponent(TextComponent* text);
    /// Unregisters a label; the last one takes its place.
    void RemoveTextComponent(TextComponent* text);
    /// The registered labels.
    const std::vector<TextComponent*>& TextComponents() const { return m_components; }

    /// Forgets the texts of the last frame.
    void BeginTextFrame();
    /// Draws the labels that are on screen in the view being drawn.
    void DrawTexts();
    /// Draws one label centred in its rectangle, if it is visible in this view.
    void DrawTextComponent(const TextComponent& text);
    /// Draws the queued screen texts over the whole window.
    void DrawScreenTexts(const std::vector<ScreenText>& texts);
    /// Draws `text` centred in (width × x, −y × height, width, height); x = 0, y = −0.9 centres
    /// it in the lowest tenth of the window.
    void DrawScreenText(std::string_view text, float x, float y, float size, const Vector4& colour);

    /// Releases the atlases' device textures and the program before the device goes.
    void ReleaseDeviceObjects();

    /// Keeps the texts of each frame for LastFrameTexts (off by default: it copies strings).
    void SetRecording(bool on) { m_recording = on; }
    /// What the last frame drew (or would have drawn without a device), while recording.
    const std::vector<DrawnText>& LastFrameTexts() const { return m_drawn; }
    /// Glyph quads drawn in the last frame.
    size_t GlyphsDrawn() const { return m_glyphsDrawn; }

  private:
    TextSystem() = default;

    struct SizeBatch
    {
        std::unique_ptr<GlyphAtlas> atlas;
        std::vector<TextVertex> vertices;
    };

    bool OpenFont();
    bool CanDraw();
    void Place(std::string_view text, float centreX, float centreY, int size, const Vector4& colour,
               const Vector4& clip, int viewport);
    void Flush();
    void SayOnce(bool& said, const char* line, std::string_view text);

    FontFace m_face;
    bool m_fontTried = false;
    std::map<int, SizeBatch> m_sizes;
    std::vector<int> m_clampedSizes;
    TextBatch m_batch;
    bool m_batchFailed = false;
    std::vector<TextComponent*> m_components;
    std::vector<DrawnText> m_drawn;
    bool m_recording = false;
    size_t m_glyphsDrawn = 0;
    bool m_saidNotFinite = false;
    bool m_saidNoFont = false;
};
