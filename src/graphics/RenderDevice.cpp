#include "graphics/RenderDevice.h"

#include <algorithm>
#include <epoxy/gl.h>

namespace
{
constexpr float kAnisotropy = 10.0f;
// Measured on llvmpipe with the watertrack race in four views: anisotropic filtering made
// frames 3 (10 samples) to 15 (4 samples, views over the sea) times slower than trilinear,
// so software rasterisers filter trilinearly.
constexpr float kSoftwareAnisotropy = 1.0f;

bool IsSoftwareRasteriser(const std::string& renderer)
{
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "SWR"})
        if (renderer.find(name) != std::string::npos)
            return true;
    return false;
}

GLenum GlPrimitive(Primitive primitive)
{
    switch (primitive)
    {
    case Primitive::Lines:
        return GL_LINES;
    case Primitive::Points:
        return GL_POINTS;
    case Primitive::Triangles:
        break;
    }
    return GL_TRIANGLES;
}

void SetEnabled(GLenum capability, bool on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

void ApplyBlend(BlendMode blend)
{
    SetEnabled(GL_BLEND, blend != BlendMode::None);
    if (blend == BlendMode::Alpha)
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    else if (blend == BlendMode::Additive)
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void ApplyCull(CullMode cull)
{
    SetEnabled(GL_CULL_FACE, cull != CullMode::None);
    if (cull != CullMode::None)
        glCullFace(cull == CullMode::Back ? GL_BACK : GL_FRONT);
}
} // namespace

bool RenderDevice::Init(std::string& error)
{
    if (epoxy_gl_version() < 33)
    {
        error = "OpenGL 3.3 is needed, the driver offers " + std::to_string(epoxy_gl_version() / 10) + "." +
                std::to_string(epoxy_gl_version() % 10);
        return false;
    }
    s_contextAlive = true;
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    m_renderer = renderer ? renderer : "";
    if (epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
        epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic"))
        m_maxAnisotropy = IsSoftwareRasteriser(m_renderer) ? kSoftwareAnisotropy : kAnisotropy;
    // Depth 0..1 in clip space, as the projection is built; without clip control the projection
    // is remapped instead.
    m_zeroToOneDepth = epoxy_gl_version() >= 45 || epoxy_has_gl_extension("GL_ARB_clip_control");
    if (m_zeroToOneDepth)
        glClipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
    // Models are wound counter-clockwise seen from outside, as Wavefront OBJ files are.
    glFrontFace(GL_CCW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_PROGRAM_POINT_SIZE);
    InvalidateCache();
    return true;
}

void RenderDevice::Clear(const Vector4& colour)
{
    // Clearing obeys the depth mask and the scissor, so both are opened first.
    glDisable(GL_SCISSOR_TEST);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    m_passKnown = false;
    glClearColor(colour.x, colour.y, colour.z, colour.w);
    glClearDepth(1.0);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void RenderDevice::SetViewport(const ViewportRect& rect, unsigned windowHeight)
{
    // OpenGL counts rows from the bottom.
    const int bottom = static_cast<int>(windowHeight) - rect.y - rect.height;
    glViewport(rect.x, bottom, rect.width, rect.height);
    glDepthRange(0.0, 1.0);
}

void RenderDevice::ApplyPassState(const PassState& state)
{
    if (m_passKnown && state == m_pass)
        return;
    SetEnabled(GL_DEPTH_TEST, state.depthTest);
    glDepthMask(state.depthWrite ? GL_TRUE : GL_FALSE);
    ApplyBlend(state.blend);
    ApplyCull(state.cull);
    SetWireframe(state.wireframe);
    m_pass = state;
    m_passKnown = true;
}

void RenderDevice::SetWireframe(bool wireframe)
{
    glPolygonMode(GL_FRONT_AND_BACK, wireframe ? GL_LINE : GL_FILL);
    m_wireframe = wireframe;
    m_passKnown = m_passKnown && m_pass.wireframe == wireframe;
}

void RenderDevice::UseProgram(unsigned program)
{
    if (program == m_program)
        return;
    glUseProgram(program);
    m_program = program;
}

void RenderDevice::BindVertexArray(unsigned vertexArray)
{
    if (vertexArray == m_vertexArray)
        return;
    glBindVertexArray(vertexArray);
    m_vertexArray = vertexArray;
}

void RenderDevice::Draw(Primitive primitive, uint32_t first, uint32_t count)
{
    if (count == 0)
        return;
    glDrawArrays(GlPrimitive(primitive), static_cast<GLint>(first), static_cast<GLsizei>(count));
    ++m_drawCalls;
}

std::vector<unsigned char> RenderDevice::ReadPixels(unsigned width, unsigned height) const
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    // OpenGL returns the bottom row first; images are stored top row first.
    const size_t row = static_cast<size_t>(width) * 4;
    for (unsigned y = 0; y < height / 2; ++y)
        std::swap_ranges(pixels.begin() + static_cast<std::ptrdiff_t>(y * row),
                         pixels.begin() + static_cast<std::ptrdiff_t>((y + 1) * row),
                         pixels.begin() + static_cast<std::ptrdiff_t>((height - 1 - y) * row));
    return pixels;
}

void RenderDevice::InvalidateCache()
{
    m_program = 0;
    m_vertexArray = 0;
    m_passKnown = false;
    glUseProgram(0);
    glBindVertexArray(0);
}
