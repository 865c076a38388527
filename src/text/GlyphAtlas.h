#pragma once

#include "graphics/GlyphTexture.h"
#include "graphics/TextVertex.h"
#include "math/Vector4.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

/// Where one glyph lies in the atlas and how it sits on the line, in pixels.
struct Glyph
{
    int x = 0, y = 0, width = 0, height = 0; ///< cell in the atlas, outline margin included
    float left = 0.0f;                       ///< from the pen to the cell's left edge
    float top = 0.0f;                        ///< from the baseline up to the cell's top edge
    float advance = 0.0f;                    ///< pen movement after the glyph
};

/// One font size rasterised once: the glyphs the game writes (ASCII, Latin-1 and common
/// punctuation) and a placeholder box for every other character, each with a dark outline, in
/// one two-channel image. Lays out single lines centred on a point.
class GlyphAtlas
{
  public:
    /// An empty atlas of `width` x `height` pixels for a font whose lines are `lineHeight` high.
    GlyphAtlas(int width, int height, float lineHeight, float ascender);

    /// The glyph of `code`; the placeholder for a character the atlas lacks.
    const Glyph& Find(char32_t code) const;
    /// Records the glyph of `code` (the builder's side).
    void Put(char32_t code, const Glyph& glyph);
    /// Records the placeholder glyph.
    void PutPlaceholder(const Glyph& glyph) { m_placeholder = glyph; }
    /// Pixels as (coverage, outline) byte pairs, row by row from the top.
    std::vector<uint8_t>& Pixels() { return m_pixels; }

    /// Width in pixels of `text` written on one line.
    float Measure(std::string_view text) const;
    /// Appends six vertices per visible glyph of `text`, centred on (centreX, centreY); glyphs
    /// wholly outside `clip` (left, top, right, bottom) are left out. Returns the glyphs added.
    size_t Append(std::string_view text, float centreX, float centreY, const Vector4& colour,
                  const Vector4& clip, std::vector<TextVertex>& out) const;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    float LineHeight() const { return m_lineHeight; }

    /// The atlas on the device, uploaded on first use; null when it cannot be.
    const GlyphTexture* DeviceTexture();
    /// Forgets the device texture (a new device needs a new upload).
    void ReleaseDeviceTexture()
    {
        m_texture.Release();
        m_uploadFailed = false;
    }

  private:
    void AppendQuad(const Glyph& glyph, float penX, float baseline, const Vector4& colour,
                    std::vector<TextVertex>& out) const;

    int m_width;
    int m_height;
    float m_lineHeight;
    float m_ascender;
    std::vector<uint8_t> m_pixels;
    std::array<Glyph, 256> m_latin{};
    std::array<bool, 256> m_hasLatin{};
    std::vector<std::pair<char32_t, Glyph>> m_others; ///< sorted by code point
    Glyph m_placeholder;
    GlyphTexture m_texture;
    bool m_uploadFailed = false;
};
