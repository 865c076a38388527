#include "text/GlyphAtlas.h"

#include "text/Utf8.h"

#include <algorithm>
#include <cmath>

GlyphAtlas::GlyphAtlas(int width, int height, float lineHeight, float ascender)
    : m_width(width), m_height(height), m_lineHeight(lineHeight), m_ascender(ascender),
      m_pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 2, 0)
{
}

const Glyph& GlyphAtlas::Find(char32_t code) const
{
    if (code < 256)
        return m_hasLatin[code] ? m_latin[code] : m_placeholder;
    auto found = std::lower_bound(m_others.begin(), m_others.end(), code,
                                  [](const auto& entry, char32_t key) { return entry.first < key; });
    return found != m_others.end() && found->first == code ? found->second : m_placeholder;
}

void GlyphAtlas::Put(char32_t code, const Glyph& glyph)
{
    if (code < 256)
    {
        m_latin[code] = glyph;
        m_hasLatin[code] = true;
        return;
    }
    auto at = std::lower_bound(m_others.begin(), m_others.end(), code,
                               [](const auto& entry, char32_t key) { return entry.first < key; });
    m_others.insert(at, {code, glyph});
}

float GlyphAtlas::Measure(std::string_view text) const
{
    float width = 0.0f;
    for (size_t i = 0; i < text.size();)
        width += Find(Utf8::Next(text, i)).advance;
    return width;
}

size_t GlyphAtlas::Append(std::string_view text, float centreX, float centreY, const Vector4& colour,
                          const Vector4& clip, std::vector<TextVertex>& out) const
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
    const float x0 = penX + glyph.left;
    const float y0 = baseline - glyph.top;
    const float x1 = x0 + static_cast<float>(glyph.width);
    const float y1 = y0 + static_cast<float>(glyph.height);
    const float u0 = static_cast<float>(glyph.x) / static_cast<float>(m_width);
    const float v0 = static_cast<float>(glyph.y) / static_cast<float>(m_height);
    const float u1 = static_cast<float>(glyph.x + glyph.width) / static_cast<float>(m_width);
    const float v1 = static_cast<float>(glyph.y + glyph.height) / static_cast<float>(m_height);
    const TextVertex a{x0, y0, u0, v0, colour.x, colour.y, colour.z, colour.w};
    const TextVertex b{x1, y0, u1, v0, colour.x, colour.y, colour.z, colour.w};
    const TextVertex c{x1, y1, u1, v1, colour.x, colour.y, colour.z, colour.w};
    const TextVertex d{x0, y1, u0, v1, colour.x, colour.y, colour.z, colour.w};
    out.insert(out.end(), {a, b, c, a, c, d});
}

const GlyphTexture* GlyphAtlas::DeviceTexture()
{
    if (!m_texture.Id() && !m_uploadFailed)
        m_uploadFailed = !m_texture.Upload(m_width, m_height, m_pixels);
    return m_texture.Id() ? &m_texture : nullptr;
}
