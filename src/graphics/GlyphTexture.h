#pragma once

#include <cstdint>
#include <vector>

/// A glyph atlas on the device: two 8-bit channels, the glyphs' coverage and their outline.
class GlyphTexture
{
  public:
    GlyphTexture() = default;
    ~GlyphTexture() { Release(); }
    GlyphTexture(const GlyphTexture&) = delete;
    GlyphTexture& operator=(const GlyphTexture&) = delete;

    /// Uploads `width` x `height` pixels of two bytes each (coverage, outline); false if empty.
    bool Upload(int width, int height, const std::vector<uint8_t>& pixels);
    /// Replaces rows [top, top + rows) of the uploaded texture, `width` pixels wide, from the
    /// whole image `pixels`.
    void UpdateRows(int width, int top, int rows, const std::vector<uint8_t>& pixels);
    /// Deletes the device texture.
    void Release();
    /// The device texture, 0 when none.
    unsigned Id() const { return m_texture; }

  private:
    unsigned m_texture = 0;
};
