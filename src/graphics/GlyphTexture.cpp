#include "graphics/GlyphTexture.h"

#include "graphics/RenderDevice.h"

#include <epoxy/gl.h>

bool GlyphTexture::Upload(int width, int height, const std::vector<uint8_t>& pixels)
{
    Release();
    if (width <= 0 || height <= 0 ||
        pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height) * 2)
        return false;
    glGenTextures(1, &m_texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RG8, width, height, 0, GL_RG, GL_UNSIGNED_BYTE, pixels.data());
    // Glyphs are drawn at the size they were rasterised at: no mipmaps, no wrapping into the
    // neighbour's cell.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return true;
}

void GlyphTexture::UpdateRows(int width, int top, int rows, const std::vector<uint8_t>& pixels)
{
    const size_t offset = static_cast<size_t>(top) * static_cast<size_t>(width) * 2;
    if (!m_texture || width <= 0 || top < 0 || rows <= 0 ||
        pixels.size() < offset + static_cast<size_t>(rows) * static_cast<size_t>(width) * 2)
        return;
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, top, width, rows, GL_RG, GL_UNSIGNED_BYTE, pixels.data() + offset);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GlyphTexture::Release()
{
    if (m_texture && RenderDevice::IsContextAlive())
        glDeleteTextures(1, &m_texture);
    m_texture = 0;
}
