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
    m_worldShapes.Clear();
    m_screenShapes.Clear();
}

void GraphicsSystem::PrintToScreen(const std::string& text, float x, float y, const Vector4& size,
                                   const Vector4& colour)
{
    m_screenTexts.push_back({text, x, y, size, colour});
}

void GraphicsSystem::DrawBox(const Vector4& position, const Vector4& scale, const Vector4& colour, bool depthTest,
                             bool screen, const Vector4& second)
{
    DebugDraw& set = screen ? m_screenShapes : m_worldShapes;
    const DebugShapeKind kind = screen ? DebugShapeKind::ScreenBox : DebugShapeKind::Box;
    set.Add({kind, position, scale, colour, static_cast<uint8_t>(depthTest), second});
}

void GraphicsSystem::DrawSphere(const Vector4& centre, float radius, const Vector4& colour, bool depthTest,
                                bool screen, const Vector4& second)
{
    DebugDraw& set = screen ? m_screenShapes : m_worldShapes;
    set.Add({DebugShapeKind::Sphere, centre, {radius, radius, radius, 0.0f}, colour, static_cast<uint8_t>(depthTest),
             second});
}

void GraphicsSystem::DrawLine(const Vector4& from, const Vector4& to, const Vector4& colour)
{
    m_worldShapes.Add({DebugShapeKind::Line, from, to, colour, 1, {}});
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
