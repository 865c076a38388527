#include "text/GlyphAtlas.h"

#include "text/Utf8.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace
{
// Beyond ASCII and Latin-1, the punctuation the game's texts and European player names use.
constexpr char32_t kPunctuation[] = {0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2026, 0x20AC};

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

// A hollow box, so a character the font lacks is seen to be missing rather than silently dropped.
GlyphBitmap PlaceholderBitmap(float ascender)
{
    GlyphBitmap box;
    box.found = true;
    box.width = std::max(3, static_cast<int>(ascender * 0.5f));
    box.height = std::max(4, static_cast<int>(ascender * 0.75f));
    box.left = std::round(ascender * 0.08f);
    box.top = static_cast<float>(box.height);
    box.advance = static_cast<float>(box.width) + 2.0f * box.left;
    const int stroke = std::max(1, static_cast<int>(ascender / 10.0f));
    box.coverage.assign(static_cast<size_t>(box.width * box.height), 0);
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x)
            if (x < stroke || y < stroke || x >= box.width - stroke || y >= box.height - stroke)
                box.coverage[static_cast<size_t>(y * box.width + x)] = 255;
    return box;
}
} // namespace

GlyphAtlas::GlyphAtlas(int width, float lineHeight, float ascender, int margin,
                       std::unique_ptr<GlyphSource> source)
    : m_width(width), m_lineHeight(lineHeight), m_ascender(ascender), m_margin(margin),
      m_source(std::move(source))
{
    m_placeholder = Add(PlaceholderBitmap(ascender));
}

bool GlyphAtlas::IsCovered(char32_t code)
{
    return (code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xFF) ||
           std::find(std::begin(kPunctuation), std::end(kPunctuation), code) != std::end(kPunctuation);
}

const Glyph& GlyphAtlas::Find(char32_t code)
{
    if (!IsCovered(code) || !m_source)
        return m_placeholder;
    if (code < 256)
    {
        if (m_latinState[code] == 0)
        {
            const GlyphBitmap bitmap = m_source->Rasterise(code);
            m_latinState[code] = bitmap.found ? 1 : 2;
            if (bitmap.found)
                m_latin[code] = Add(bitmap);
        }
        return m_latinState[code] == 1 ? m_latin[code] : m_placeholder;
    }
    if (auto found = m_others.find(code); found != m_others.end())
        return found->second;
    const GlyphBitmap bitmap = m_source->Rasterise(code);
    return bitmap.found ? m_others.emplace(code, Add(bitmap)).first->second : m_placeholder;
}

Glyph GlyphAtlas::Add(const GlyphBitmap& bitmap)
{
    Glyph glyph{0, 0, 0, 0, 0.0f, 0.0f, bitmap.advance};
    if (bitmap.width <= 0 || bitmap.height <= 0)
        return glyph; // a space: it only moves the pen
    const int w = bitmap.width + 2 * m_margin;
    const int h = bitmap.height + 2 * m_margin;
    Reserve(w, h);
    glyph = {m_cursorX,
             m_cursorY,
             w,
             h,
             bitmap.left - static_cast<float>(m_margin),
             bitmap.top + static_cast<float>(m_margin),
             bitmap.advance};
    for (int row = 0; row < bitmap.height; ++row)
        for (int col = 0; col < bitmap.width; ++col)
            m_pixels[static_cast<size_t>(((glyph.y + m_margin + row) * m_width + glyph.x + m_margin + col) *
                                         2)] = bitmap.coverage[static_cast<size_t>(row * bitmap.width + col)];
    GrowOutline(m_pixels, m_width, glyph, m_margin);
    m_cursorX += w + 1;
    m_rowHeight = std::max(m_rowHeight, h);
    m_dirtyTop = m_dirtyTop < m_dirtyBottom ? std::min(m_dirtyTop, glyph.y) : glyph.y;
    m_dirtyBottom = std::max(m_dirtyBottom, glyph.y + h);
    return glyph;
}

void GlyphAtlas::Reserve(int w, int h)
{
    if (m_cursorX + w + 1 > m_width)
    {
        m_cursorX = 1;
        m_cursorY += m_rowHeight + 1;
        m_rowHeight = 0;
    }
    const int needed = m_cursorY + h + 1;
    if (needed <= m_height)
        return;
    // Rows are appended below the ones in use, so the cells already placed keep their place;
    // doubling keeps the number of re-uploads small.
    m_height = std::max(needed, m_height * 2);
    m_pixels.resize(static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 2, 0);
}

float GlyphAtlas::Measure(std::string_view text)
{
    float width = 0.0f;
    for (size_t i = 0; i < text.size();)
        width += Find(Utf8::Next(text, i)).advance;
    return width;
}

size_t GlyphAtlas::Append(std::string_view text, float centreX, float centreY, const Vector4& colour,
                          const Vector4& clip, std::vector<TextVertex>& out)
{
    // Whole pixels for the pen and the baseline keep the glyphs as sharp as they were rasterised.
    const float top = std::round(centreY - m_lineHeight * 0.5f);
    const float baseline = top + std::round(m_ascender);
    if (top > clip.w || top + m_lineHeight < clip.y)
        return 0;
    float pen = std::round(centreX - Measure(text) * 0.5f);
    size_t added = 0;
    for (size_t i = 0; i < text.size() && pen < clip.z;)
    {
        const Glyph& glyph = Find(Utf8::Next(text, i));
        const float right = pen + glyph.left + static_cast<float>(glyph.width);
        if (glyph.width > 0 && right > clip.x)
        {
            AppendQuad(glyph, pen, baseline, colour, out);
            ++added;
        }
        pen += glyph.advance;
    }
    return added;
}

void GlyphAtlas::AppendQuad(const Glyph& glyph, float penX, float baseline, const Vector4& colour,
                            std::vector<TextVertex>& out) const
{
    // Texture coordinates in atlas pixels: the image may grow taller before this is drawn.
    const float x0 = penX + glyph.left;
    const float y0 = baseline - glyph.top;
    const float x1 = x0 + static_cast<float>(glyph.width);
    const float y1 = y0 + static_cast<float>(glyph.height);
    const auto u0 = static_cast<float>(glyph.x);
    const auto v0 = static_cast<float>(glyph.y);
    const auto u1 = static_cast<float>(glyph.x + glyph.width);
    const auto v1 = static_cast<float>(glyph.y + glyph.height);
    const TextVertex a{x0, y0, u0, v0, colour.x, colour.y, colour.z, colour.w};
    const TextVertex b{x1, y0, u1, v0, colour.x, colour.y, colour.z, colour.w};
    const TextVertex c{x1, y1, u1, v1, colour.x, colour.y, colour.z, colour.w};
    const TextVertex d{x0, y1, u0, v1, colour.x, colour.y, colour.z, colour.w};
    out.insert(out.end(), {a, b, c, a, c, d});
}

const GlyphTexture* GlyphAtlas::DeviceTexture()
{
    if (m_uploadFailed)
        return nullptr;
    if (!m_texture.Id() || m_uploadedHeight != m_height)
    {
        m_uploadFailed = !m_texture.Upload(m_width, m_height, m_pixels);
        m_uploadedHeight = m_height;
        m_dirtyTop = m_dirtyBottom = 0;
    }
    else if (m_dirtyTop < m_dirtyBottom)
    {
        m_texture.UpdateRows(m_width, m_dirtyTop, m_dirtyBottom - m_dirtyTop, m_pixels);
        m_dirtyTop = m_dirtyBottom = 0;
    }
    return m_texture.Id() ? &m_texture : nullptr;
}
