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

// The largest value within `radius` of each of `n` samples (zero beyond the ends), read and
// written with strides. Van Herk and Gil-Werman: running maxima over blocks of the window's
// width from both ends, so the cost does not grow with the radius.
void MaxWithin(const uint8_t* in, size_t inStride, uint8_t* out, size_t outStride, int n, int radius,
               std::vector<uint8_t>& forward, std::vector<uint8_t>& backward)
{
    const int window = 2 * radius + 1;
    const int padded = n + 2 * radius;
    forward.assign(static_cast<size_t>(padded), 0);
    backward.assign(static_cast<size_t>(padded), 0);
    auto sample = [&](int j) -> uint8_t
    {
        const int i = j - radius;
        return i >= 0 && i < n ? in[static_cast<size_t>(i) * inStride] : uint8_t{0};
    };
    for (int start = 0; start < padded; start += window)
    {
        const int end = std::min(start + window, padded);
        uint8_t running = 0;
        for (int j = start; j < end; ++j)
            forward[static_cast<size_t>(j)] = running = std::max(running, sample(j));
        running = 0;
        for (int j = end - 1; j >= start; --j)
            backward[static_cast<size_t>(j)] = running = std::max(running, sample(j));
    }
    for (int i = 0; i < n; ++i)
        out[static_cast<size_t>(i) * outStride] =
            std::max(backward[static_cast<size_t>(i)], forward[static_cast<size_t>(i + window - 1)]);
}

// Green is red grown by `radius` pixels (a square max filter, row pass then column pass).
void GrowOutline(std::vector<uint8_t>& pixels, int atlasWidth, const Glyph& cell, int radius)
{
    const auto width = static_cast<size_t>(cell.width);
    std::vector<uint8_t> rows(width * static_cast<size_t>(cell.height), 0);
    std::vector<uint8_t> forward, backward;
    uint8_t* origin =
        pixels.data() +
        (static_cast<size_t>(cell.y) * static_cast<size_t>(atlasWidth) + static_cast<size_t>(cell.x)) * 2;
    const size_t pitch = static_cast<size_t>(atlasWidth) * 2;
    for (int y = 0; y < cell.height; ++y)
        MaxWithin(origin + static_cast<size_t>(y) * pitch, 2, rows.data() + static_cast<size_t>(y) * width, 1,
                  cell.width, radius, forward, backward);
    for (int x = 0; x < cell.width; ++x)
        MaxWithin(rows.data() + x, width, origin + static_cast<size_t>(x) * 2 + 1, pitch, cell.height, radius,
                  forward, backward);
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
