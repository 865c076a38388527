#include "text/FontFace.h"

#include "text/Utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
// The characters every atlas holds: what the game and its scripts write, and what European
// player names need. Anything else draws as the placeholder box.
constexpr char32_t kPunctuation[] = {0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2026, 0x20AC};

std::vector<char32_t> AtlasCharacters()
{
    std::vector<char32_t> codes;
    for (char32_t c = 0x20; c <= 0x7E; ++c)
        codes.push_back(c);
    for (char32_t c = 0xA0; c <= 0xFF; ++c)
        codes.push_back(c);
    codes.insert(codes.end(), std::begin(kPunctuation), std::end(kPunctuation));
    return codes;
}

// One glyph's coverage before packing.
struct Raster
{
    char32_t code = 0;
    bool placeholder = false;
    int width = 0, height = 0;
    float left = 0.0f, top = 0.0f, advance = 0.0f;
    std::vector<uint8_t> coverage;
};

Raster RasterOf(FT_Face face, char32_t code, FT_UInt index)
{
    Raster raster{code, false, 0, 0, 0.0f, 0.0f, 0.0f, {}};
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0)
        return raster;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    raster.advance = static_cast<float>(slot->advance.x) / 64.0f;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0)
        return raster;
    raster.width = static_cast<int>(bitmap.width);
    raster.height = static_cast<int>(bitmap.rows);
    raster.left = static_cast<float>(slot->bitmap_left);
    raster.top = static_cast<float>(slot->bitmap_top);
    raster.coverage.resize(static_cast<size_t>(raster.width) * static_cast<size_t>(raster.height));
    for (int row = 0; row < raster.height; ++row)
        std::copy_n(bitmap.buffer + row * bitmap.pitch, raster.width,
                    raster.coverage.begin() + row * raster.width);
    return raster;
}

// A hollow box, so a character the font lacks is seen to be missing rather than silently dropped.
Raster PlaceholderRaster(float ascender)
{
    Raster raster;
    raster.placeholder = true;
    raster.width = std::max(3, static_cast<int>(ascender * 0.5f));
    raster.height = std::max(4, static_cast<int>(ascender * 0.75f));
    raster.left = std::round(ascender * 0.08f);
    raster.top = static_cast<float>(raster.height);
    raster.advance = static_cast<float>(raster.width) + 2.0f * raster.left;
    const int stroke = std::max(1, static_cast<int>(ascender / 10.0f));
    raster.coverage.assign(static_cast<size_t>(raster.width * raster.height), 0);
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (x < stroke || y < stroke || x >= raster.width - stroke || y >= raster.height - stroke)
                raster.coverage[static_cast<size_t>(y * raster.width + x)] = 255;
    return raster;
}

int AtlasWidthFor(int lineHeight)
{
    if (lineHeight <= 24)
        return 256;
    if (lineHeight <= 48)
        return 512;
    return lineHeight <= 100 ? 1024 : 2048;
}

// Shelf packing in character order: rows as high as their tallest cell.
struct Packing
{
    std::vector<std::pair<int, int>> origins;
    int height = 0;
};

Packing Pack(const std::vector<Raster>& rasters, int margin, int atlasWidth)
{
    Packing packing;
    int x = 1, y = 1, rowHeight = 0;
    for (const Raster& raster : rasters)
    {
        const int w = raster.width > 0 ? raster.width + 2 * margin : 0;
        const int h = raster.height > 0 ? raster.height + 2 * margin : 0;
        if (x + w + 1 > atlasWidth)
        {
            x = 1;
            y += rowHeight + 1;
            rowHeight = 0;
        }
        packing.origins.emplace_back(x, y);
        x += w + 1;
        rowHeight = std::max(rowHeight, h);
    }
    packing.height = y + rowHeight + 1;
    return packing;
}

// Green is red grown by `radius` pixels (a square max filter, row pass then column pass).
void GrowOutline(std::vector<uint8_t>& pixels, int atlasWidth, const Glyph& cell, int radius)
{
    std::vector<uint8_t> rows(static_cast<size_t>(cell.width * cell.height), 0);
    auto red = [&](int x, int y)
    { return pixels[static_cast<size_t>(((cell.y + y) * atlasWidth + cell.x + x) * 2)]; };
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x)
        {
            uint8_t best = 0;
            for (int dx = std::max(0, x - radius); dx <= std::min(cell.width - 1, x + radius); ++dx)
                best = std::max(best, red(dx, y));
            rows[static_cast<size_t>(y * cell.width + x)] = best;
        }
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x)
        {
            uint8_t best = 0;
            for (int dy = std::max(0, y - radius); dy <= std::min(cell.height - 1, y + radius); ++dy)
                best = std::max(best, rows[static_cast<size_t>(dy * cell.width + x)]);
            pixels[static_cast<size_t>(((cell.y + y) * atlasWidth + cell.x + x) * 2 + 1)] = best;
        }
}

void Blit(std::vector<uint8_t>& pixels, int atlasWidth, const Raster& raster, int x, int y)
{
    for (int row = 0; row < raster.height; ++row)
        for (int col = 0; col < raster.width; ++col)
            pixels[static_cast<size_t>(((y + row) * atlasWidth + x + col) * 2)] =
                raster.coverage[static_cast<size_t>(row * raster.width + col)];
}
} // namespace

FontFace::FontFace()
{
    if (FT_Init_FreeType(&m_library) != 0)
        m_library = nullptr;
}

FontFace::~FontFace()
{
    if (m_face)
        FT_Done_Face(m_face);
    if (m_library)
        FT_Done_FreeType(m_library);
}

bool FontFace::Load(const std::string& path)
{
    if (m_face)
        FT_Done_Face(m_face);
    m_face = nullptr;
    if (!m_library || FT_New_Face(m_library, path.c_str(), 0, &m_face) != 0)
    {
        m_face = nullptr;
        return false;
    }
    // Scalable outlines only: a bitmap font cannot be drawn at the window's sizes.
    if (!FT_IS_SCALABLE(m_face))
    {
        FT_Done_Face(m_face);
        m_face = nullptr;
    }
    return m_face != nullptr;
}

std::string FontFace::FaceName() const
{
    if (!m_face)
        return {};
    std::string name = m_face->family_name ? m_face->family_name : "";
    if (m_face->style_name)
        name += std::string(" ") + m_face->style_name;
    return name;
}

std::unique_ptr<GlyphAtlas> FontFace::BuildAtlas(int lineHeight) const
{
    if (!m_face)
        return nullptr;
    FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, static_cast<FT_Long>(lineHeight) * 64, 0, 0};
    if (FT_Request_Size(m_face, &request) != 0)
        return nullptr;
    const float ascender = static_cast<float>(m_face->size->metrics.ascender) / 64.0f;
    const float descender = static_cast<float>(m_face->size->metrics.descender) / 64.0f;
    std::vector<Raster> rasters;
    for (char32_t code : AtlasCharacters())
        if (const FT_UInt index = FT_Get_Char_Index(m_face, code))
            rasters.push_back(RasterOf(m_face, code, index));
    rasters.push_back(PlaceholderRaster(ascender));

    // Thick enough to read against anything, thin enough that growing it stays cheap at the
    // countdown's sizes.
    const int margin = std::clamp(lineHeight / 16, 1, 5);
    const int width = AtlasWidthFor(lineHeight);
    const Packing packing = Pack(rasters, margin, width);
    auto atlas = std::make_unique<GlyphAtlas>(width, packing.height, ascender - descender, ascender);
    for (size_t i = 0; i < rasters.size(); ++i)
    {
        const Raster& raster = rasters[i];
        const auto [x, y] = packing.origins[i];
        Glyph glyph{x, y, 0, 0, 0.0f, 0.0f, raster.advance};
        if (raster.width > 0)
        {
            glyph = {x,
                     y,
                     raster.width + 2 * margin,
                     raster.height + 2 * margin,
                     raster.left - static_cast<float>(margin),
                     raster.top + static_cast<float>(margin),
                     raster.advance};
            Blit(atlas->Pixels(), width, raster, x + margin, y + margin);
            GrowOutline(atlas->Pixels(), width, glyph, margin);
        }
        if (raster.placeholder)
            atlas->PutPlaceholder(glyph);
        else
            atlas->Put(raster.code, glyph);
    }
    return atlas;
}
