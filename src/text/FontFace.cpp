#include "text/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
GlyphBitmap BitmapOf(FT_Face face, FT_UInt index)
{
    GlyphBitmap glyph;
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0)
        return glyph;
    glyph.found = true;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = static_cast<float>(slot->advance.x) / 64.0f;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0)
        return glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = static_cast<float>(slot->bitmap_left);
    glyph.top = static_cast<float>(slot->bitmap_top);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height));
    for (int row = 0; row < glyph.height; ++row)
        std::copy_n(bitmap.buffer + row * bitmap.pitch, glyph.width,
                    glyph.coverage.begin() + row * glyph.width);
    return glyph;
}

// One size of the face, kept apart from the other sizes' so atlases can rasterise in any order.
class SizedFace final : public GlyphSource
{
  public:
    SizedFace(std::shared_ptr<FT_FaceRec_> face, FT_Size size) : m_face(std::move(face)), m_size(size) {}
    ~SizedFace() override { FT_Done_Size(m_size); }
    SizedFace(const SizedFace&) = delete;
    SizedFace& operator=(const SizedFace&) = delete;

    GlyphBitmap Rasterise(char32_t code) override
    {
        if (FT_Activate_Size(m_size) != 0)
            return {};
        return BitmapOf(m_face.get(), FT_Get_Char_Index(m_face.get(), code));
    }

  private:
    std::shared_ptr<FT_FaceRec_> m_face;
    FT_Size m_size;
};

int AtlasWidthFor(int lineHeight)
{
    if (lineHeight <= 24)
        return 256;
    if (lineHeight <= 48)
        return 512;
    return lineHeight <= 100 ? 1024 : 2048;
}
} // namespace

FontFace::FontFace()
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0)
        m_library.reset(library, FT_Done_FreeType);
}

bool FontFace::Load(const std::string& path)
{
    m_face.reset();
    FT_Face face = nullptr;
    if (!m_library || FT_New_Face(m_library.get(), path.c_str(), 0, &face) != 0)
        return false;
    // Scalable outlines only: a bitmap font cannot be drawn at the window's sizes.
    if (!FT_IS_SCALABLE(face))
    {
        FT_Done_Face(face);
        return false;
    }
    // The face holds the library open, so an atlas outliving this object still has both.
    m_face.reset(face, [library = m_library](FT_Face done) { FT_Done_Face(done); });
    return true;
}

std::string FontFace::FaceName() const
{
    if (!m_face)
        return {};
    std::string name = m_face->family_name ? m_face->family_name : "";
    if (m_face->style_name)
    {
        name += ' ';
        name += m_face->style_name;
    }
    return name;
}

std::unique_ptr<GlyphAtlas> FontFace::BuildAtlas(int lineHeight) const
{
    FT_Size size = nullptr;
    if (!m_face || FT_New_Size(m_face.get(), &size) != 0)
        return nullptr;
    auto source = std::make_unique<SizedFace>(m_face, size);
    FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, static_cast<FT_Long>(lineHeight) * 64, 0, 0};
    if (FT_Activate_Size(size) != 0 || FT_Request_Size(m_face.get(), &request) != 0)
        return nullptr;
    const float ascender = static_cast<float>(size->metrics.ascender) / 64.0f;
    const float descender = static_cast<float>(size->metrics.descender) / 64.0f;
    // Thick enough to read against anything, thin enough for small sizes.
    const int margin = std::clamp(lineHeight / 16, 1, 5);
    return std::make_unique<GlyphAtlas>(AtlasWidthFor(lineHeight), ascender - descender, ascender, margin,
                                        std::move(source));
}
