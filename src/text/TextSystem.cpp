#include "text/TextSystem.h"

#include "core/SwapRemove.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderDevice.h"
#include "objects/PlayerControl.h"
#include "text/FontSettings.h"
#include "text/TextComponent.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
// The window width at which sizes are drawn as given (1280 × 0.925: the game's sizes were set
// on a window that wide).
constexpr float kReferenceWidth = 1184.0f;
// Lines are one and a half times as high as the font size is wide.
constexpr float kHeightPerWidth = 1.5f;
// Enough distinct bad sizes to name; beyond them the line is not repeated.
constexpr size_t kSizesNamed = 16;

bool IsFinite(const Vector4& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::isfinite(v.w);
}
} // namespace

TextSystem& TextSystem::Instance()
{
    static TextSystem instance;
    return instance;
}

void TextSystem::Init()
{
    // The window's size is read where it is needed, from the graphics system, so a resize is
    // never missed.
}

// ---------------------------------------------------------------------------------------------
// Fonts

int TextSystem::ScaledSize(float size, unsigned windowWidth)
{
    const float scaled = size * static_cast<float>(windowWidth) / kReferenceWidth;
    if (std::isnan(scaled))
        return 0;
    // Clamped as a float first: a huge size must not overflow the conversion.
    const float clamped = std::clamp(scaled, static_cast<float>(kMinSize), static_cast<float>(kMaxSize));
    const int pixels = static_cast<int>(clamped);
    if (clamped != scaled && static_cast<int>(scaled) != pixels)
    {
        const int key = std::isfinite(scaled) ? static_cast<int>(std::clamp(scaled, -1e9f, 1e9f)) : pixels;
        if (m_clampedSizes.size() < kSizesNamed &&
            std::find(m_clampedSizes.begin(), m_clampedSizes.end(), key) == m_clampedSizes.end())
        {
            m_clampedSizes.push_back(key);
            std::printf("Text size %g is outside %d..%d pixels: drawn at %d\n", static_cast<double>(scaled),
                        kMinSize, kMaxSize, pixels);
        }
    }
    return pixels;
}

bool TextSystem::OpenFont()
{
    if (m_fontTried)
        return m_face.IsLoaded();
    m_fontTried = true;
    const FontSettings settings = FontSettings::Read();
    if (m_face.Load(settings.Path()))
        return true;
    std::printf("Font file '%s' unreadable: using '%s'\n", settings.Path().c_str(),
                FontSettings::kFallbackFile);
    if (m_face.Load(FontSettings::kFallbackFile))
        return true;
    std::printf("No font could be read: texts are not drawn\n");
    return false;
}

GlyphAtlas* TextSystem::GetFont(int size)
{
    size = std::clamp(size, kMinSize, kMaxSize);
    SizeBatch& entry = m_sizes[size];
    if (!entry.atlas && OpenFont())
        entry.atlas = m_face.BuildAtlas(static_cast<int>(static_cast<float>(size) * kHeightPerWidth));
    return entry.atlas.get();
}

std::string TextSystem::FaceName()
{
    return OpenFont() ? m_face.FaceName() : std::string();
}

void TextSystem::ReloadFont()
{
    m_sizes.clear();
    m_fontTried = false;
}

// ---------------------------------------------------------------------------------------------
// Labels

void TextSystem::AddTextComponent(TextComponent* text)
{
    m_components.push_back(text);
}

void TextSystem::RemoveTextComponent(TextComponent* text)
{
    SwapRemove(m_components, text);
}

void TextSystem::DrawTexts()
{
    for (TextComponent* text : m_components)
        if (text->Update())
            DrawTextComponent(*text);
    Flush();
}

void TextSystem::DrawTextComponent(const TextComponent& text)
{
    if (text.GetText().empty() || !text.IsVisible())
        return;
    const GraphicsSystem& graphics = GraphicsSystem::Instance();
    const int viewport = graphics.GetCurrentViewport();
    if (!text.IsInAllViewports())
    {
        const PlayerControl* owner = PlayerControl::Of(text.GetOwner());
        if (!owner || owner->GetPlayerIndex() != viewport)
            return;
    }
    const TextRect& rect = text.GetRect();
    const float centreX = static_cast<float>(rect.left + rect.right) * 0.5f;
    const float centreY = static_cast<float>(rect.top + rect.bottom) * 0.5f;
    const int size = ScaledSize(static_cast<float>(text.GetWidth()), graphics.GetWindowWidth());
    Place(text.GetText(), centreX, centreY, size, text.GetColor(), graphics.GetViewportRect(), viewport);
}

// ---------------------------------------------------------------------------------------------
// Screen texts

void TextSystem::DrawScreenTexts(const std::vector<ScreenText>& texts)
{
    for (const ScreenText& text : texts)
        DrawScreenText(text.text, text.x, text.y, text.size.x, text.colour);
    Flush();
}

void TextSystem::DrawScreenText(std::string_view text, float x, float y, float size, const Vector4& colour)
{
    if (text.empty())
        return;
    const GraphicsSystem& graphics = GraphicsSystem::Instance();
    const auto width = static_cast<float>(graphics.GetWindowWidth());
    const auto height = static_cast<float>(graphics.GetWindowHeight());
    if (!std::isfinite(x) || !std::isfinite(y))
        return SayOnce(m_saidNotFinite, "has a position or colour that is not a number", text);
    // The rectangle runs from (width × x, −y × height) to the window's far corner, and the text is
    // centred in it; the left and top edges are whole pixels.
    const float left = std::trunc(std::clamp(width * x, -1e7f, 1e7f));
    const float top = std::trunc(std::clamp(-y * height, -1e7f, 1e7f));
    Place(text, (left + width) * 0.5f, (top + height) * 0.5f, ScaledSize(size, graphics.GetWindowWidth()),
          colour, {0.0f, 0.0f, width, height}, -1);
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TextSystem::BeginTextFrame()
{
    m_drawn.clear();
    m_glyphsDrawn = 0;
}

void TextSystem::Place(std::string_view text, float centreX, float centreY, int size, const Vector4& colour,
                       const Vector4& clip, int viewport)
{
    if (size <= 0 || !IsFinite(colour) || !std::isfinite(centreX) || !std::isfinite(centreY))
        return SayOnce(m_saidNotFinite, "has a size, position or colour that is not a number", text);
    if (m_recording)
        m_drawn.push_back({std::string(text), centreX, centreY, size, viewport});
    if (!CanDraw())
        return;
    GlyphAtlas* atlas = GetFont(size);
    if (!atlas)
        return;
    m_glyphsDrawn += atlas->Append(text, centreX, centreY, colour, clip, m_sizes[size].vertices);
}

void TextSystem::ReleaseDeviceObjects()
{
    for (auto& [size, batch] : m_sizes)
        if (batch.atlas)
            batch.atlas->ReleaseDeviceTexture();
    m_batch.Release();
    m_batchFailed = false;
}

bool TextSystem::CanDraw()
{
    RenderDevice* device = GraphicsSystem::Instance().GetDevice();
    if (!device)
        return false;
    if (m_batch.Device() != device)
    {
        ReleaseDeviceObjects();
        std::string log;
        m_batchFailed = !m_batch.Create(*device, log);
        if (m_batchFailed)
            std::printf("Text program failed to build: %s\n", log.c_str());
    }
    if (!m_batchFailed && !OpenFont())
        SayOnce(m_saidNoFont, "cannot be drawn without a font", "");
    return !m_batchFailed && m_face.IsLoaded();
}

void TextSystem::Flush()
{
    const Vector4& viewport = GraphicsSystem::Instance().GetViewportRect();
    for (auto& [size, batch] : m_sizes)
    {
        if (batch.vertices.empty())
            continue;
        if (const GlyphTexture* texture = batch.atlas ? batch.atlas->DeviceTexture() : nullptr)
            m_batch.Draw(batch.vertices, *texture, viewport);
        batch.vertices.clear();
    }
}

void TextSystem::SayOnce(bool& said, const char* line, std::string_view text)
{
    if (said)
        return;
    said = true;
    std::printf("Text '%.*s' %s: not drawn\n", static_cast<int>(std::min<size_t>(text.size(), 40)),
                text.data(), line);
}
