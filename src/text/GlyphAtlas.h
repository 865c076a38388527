#pragma once

#include "graphics/GlyphTexture.h"
#include "graphics/TextVertex.h"
#include "math/Vector4.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

/// Where one glyph lies in the atlas and how it sits on the line, in pixels.
struct Glyph
{
    int x = 0, y = 0, width = 0, height = 0; ///< cell in the atlas, outline margin included
    float left = 0.0f;                       ///< from the pen to the cell's left edge
    float top = 0.0f;                        ///< from the baseline up to the cell's top edge
    float advance = 0.0f;                    ///< pen movement after the glyph
};

/// One glyph's coverage as the font draws it, before it is placed in an atlas.
struct GlyphBitmap
{
    bool found = false; ///< false: the font has no such character
    int width = 0, height = 0;
    float left = 0.0f, top = 0.0f, advance = 0.0f;
    std::vector<uint8_t> coverage; ///< width × height bytes, row by row from the top
};

/// Draws single glyphs of one font at one size, for an atlas that asks as it needs them.
class GlyphSource
{
  public:
    virtual ~GlyphSource() = default;
    virtual GlyphBitmap Rasterise(char32_t code) = 0;
};

/// One font size: the glyphs the game writes (ASCII, Latin-1 and common punctuation), each with
/// a dark outline, in one two-channel image, and a placeholder box for every other character.
/// A glyph is rasterised the first time it is asked for, so a new size costs almost nothing
/// until it is written, and then only the characters written. Lays out single lines centred on
/// a point.
class GlyphAtlas
{
  public:
    /// An atlas `width` pixels wide for lines `lineHeight` high, whose glyphs come from `source`
    /// with an outline `margin` pixels wide.
    GlyphAtlas(int width, float lineHeight, float ascender, int margin, std::unique_ptr<GlyphSource> source);

    /// Whether characters outside ASCII, Latin-1 and the common punctuation get their own glyph;
    /// they draw as the placeholder.
    static bool IsCovered(char32_t code);

    /// The glyph of `code`, rasterised now if it is new; the placeholder for a character the
    /// atlas does not cover or the font lacks. The reference stays valid while the atlas lives.
    const Glyph& Find(char32_t code);
    /// The placeholder box.
    const Glyph& Placeholder() const { return m_placeholder; }
    /// Pixels as (coverage, outline) byte pairs, row by row from the top.
    const std::vector<uint8_t>& Pixels() const { return m_pixels; }

    /// Width in pixels of `text` written on one line.
    float Measure(std::string_view text);
    /// Appends six vertices per visible glyph of `text`, centred on (centreX, centreY); glyphs
    /// wholly outside `clip` (left, top, right, bottom) are left out. Returns the glyphs added.
    size_t Append(std::string_view text, float centreX, float centreY, const Vector4& colour,
                  const Vector4& clip, std::vector<TextVertex>& out);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    float LineHeight() const { return m_lineHeight; }

    /// The atlas on the device with every glyph rasterised so far; null when it cannot be made.
    const GlyphTexture* DeviceTexture();
    /// Forgets the device texture (a new device needs a new upload).
    void ReleaseDeviceTexture()
    {
        m_texture.Release();
        m_uploadFailed = false;
    }

  private:
    /// Places `bitmap` in the next free cell, grows its outline and returns the cell.
    Glyph Add(const GlyphBitmap& bitmap);
    /// Makes room for a cell `w` x `h` at the packing cursor, growing the image downwards.
    void Reserve(int w, int h);
    void AppendQuad(const Glyph& glyph, float penX, float baseline, const Vector4& colour,
                    std::vector<TextVertex>& out) const;

    int m_width;
    int m_height = 0;
    float m_lineHeight;
    float m_ascender;
    int m_margin;
    std::unique_ptr<GlyphSource> m_source;
    std::vector<uint8_t> m_pixels;
    // Shelf packing: the cursor and the height of the current row.
    int m_cursorX = 1, m_cursorY = 1, m_rowHeight = 0;
    std::array<Glyph, 256> m_latin{};
    std::array<uint8_t, 256> m_latinState{}; ///< 0 not asked yet, 1 rasterised, 2 the font lacks it
    std::map<char32_t, Glyph> m_others;      ///< asked-for characters above Latin-1
    Glyph m_placeholder;
    // Rows changed since the last upload, [top, bottom).
    int m_dirtyTop = 0, m_dirtyBottom = 0;
    int m_uploadedHeight = 0;
    GlyphTexture m_texture;
    bool m_uploadFailed = false;
};
