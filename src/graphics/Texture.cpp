#include "graphics/Texture.h"

#include "graphics/ImageFile.h"
#include "graphics/RenderDevice.h"

#include <epoxy/gl.h>

bool Texture::Upload(const std::vector<DecodedImage>& levels, float anisotropy)
{
    Release();
    if (levels.empty() || levels.front().IsEmpty())
        return false;
    glGenTextures(1, &m_texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // The mipmaps come ready-made: building them on the decoding threads keeps the main thread
    // drawing the loading screen.
    for (size_t level = 0; level < levels.size(); ++level)
        glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), GL_RGBA8, levels[level].width,
                     levels[level].height, 0, GL_RGBA, GL_UNSIGNED_BYTE, levels[level].rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(levels.size() - 1));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    levels.size() > 1 ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (anisotropy > 1.0f)
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, anisotropy);
    glBindTexture(GL_TEXTURE_2D, 0);
    m_width = levels.front().width;
    m_height = levels.front().height;
    return true;
}

void Texture::Release()
{
    if (m_texture && RenderDevice::IsContextAlive())
        glDeleteTextures(1, &m_texture);
    m_texture = 0;
    m_width = 0;
    m_height = 0;
}
