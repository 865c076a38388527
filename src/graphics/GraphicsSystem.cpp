#include "graphics/GraphicsSystem.h"

#include "core/FileSearch.h"
#include "core/ResourcePaths.h"

GraphicsSystem& GraphicsSystem::Instance()
{
    static GraphicsSystem instance;
    return instance;
}

void GraphicsSystem::PostUpdate()
{
    m_screenTexts.clear();
}

void GraphicsSystem::PrintToScreen(const std::string& text, float x, float y, const Vector4& size,
                                   const Vector4& colour)
{
    m_screenTexts.push_back({text, x, y, size, colour});
}

void GraphicsSystem::Resize(unsigned width, unsigned height)
{
    m_width = width;
    m_height = height;
}

void GraphicsSystem::LoadTextureNames()
{
    m_textureNames = FindFiles(ResourcePaths::kTextures, "*");
}

void GraphicsSystem::LoadTexture(const std::string& /*fileName*/)
{
    // Nothing to load into without a device.
}

void GraphicsSystem::DecodeAllTextures()
{
    // Without a device there is nothing to decode for.
}

void GraphicsSystem::UploadDecodedTextures() {}
