#include "graphics/TextBatch.h"

#include "graphics/GlyphTexture.h"
#include "graphics/RenderDevice.h"
#include "graphics/VertexLayout.h"

#include <cstddef>

namespace
{
const VertexElement kTextElements[] = {
    {offsetof(TextVertex, x), 2, VertexUsage::Position, 0},
    {offsetof(TextVertex, u), 2, VertexUsage::TexCoord, 0},
    {offsetof(TextVertex, r), 4, VertexUsage::Color, 0},
};
const VertexLayout kTextLayout{kVertexTypeCount, sizeof(TextVertex), kTextElements};

// Enough for the HUD and a screen of labels; a busier frame grows the buffer once.
constexpr uint32_t kInitialVertices = 6 * 1024;

const char* const kVertexSource = R"(#version 330 core
layout(location = 0) in vec2 inPosition;
layout(location = 1) in vec2 inTexCoord;
layout(location = 2) in vec4 inColour;
uniform vec4 viewport; // left, top, width, height in window pixels
uniform sampler2D atlas;
out vec2 vTexCoord;
out vec4 vColour;
void main()
{
    vec2 ndc = (inPosition - viewport.xy) / viewport.zw * 2.0 - 1.0;
    gl_Position = vec4(ndc.x, -ndc.y, 0.0, 1.0);
    vTexCoord = inTexCoord / vec2(textureSize(atlas, 0)); // given in atlas pixels
    vColour = inColour;
}
)";

// Red is the glyph, green the glyph grown by a few pixels: what green covers and red does not is
// the dark outline that keeps white text readable on sky, water and boards alike.
const char* const kFragmentSource = R"(#version 330 core
uniform sampler2D atlas;
in vec2 vTexCoord;
in vec4 vColour;
out vec4 fragColour;
void main()
{
    vec2 cover = texture(atlas, vTexCoord).rg;
    vec3 rgb = mix(vec3(0.05, 0.05, 0.08), vColour.rgb, cover.r);
    float alpha = vColour.a * max(cover.r, cover.g * 0.85);
    fragColour = vec4(rgb, alpha);
}
)";

constexpr PassState kTextPass{false, false, BlendMode::Alpha, CullMode::None, false};
} // namespace

bool TextBatch::Create(RenderDevice& device, std::string& log)
{
    m_device = &device;
    if (!m_program.Build(device, kVertexSource, kFragmentSource, log))
        return false;
    m_viewportUniform = m_program.Find("viewport").location;
    m_atlasUniform = m_program.Find("atlas").location;
    return m_buffer.Create(device, kTextLayout, nullptr, kInitialVertices, true);
}

void TextBatch::Release()
{
    m_program.Release();
    m_buffer.Release();
    m_device = nullptr;
}

void TextBatch::Draw(const std::vector<TextVertex>& vertices, const GlyphTexture& atlas,
                     const Vector4& viewport)
{
    if (!m_device || vertices.empty() || !atlas.Id() || !IsCreated())
        return;
    const auto count = static_cast<uint32_t>(vertices.size());
    if (count > m_buffer.Capacity())
        m_buffer.Create(*m_device, kTextLayout, nullptr, count * 2, true);
    m_buffer.Update(vertices.data(), count);
    m_device->ApplyPassState(kTextPass);
    m_device->UseProgram(m_program.Id());
    ShaderProgram::SetVector(m_viewportUniform,
                             {viewport.x, viewport.y, viewport.z - viewport.x, viewport.w - viewport.y});
    ShaderProgram::BindTexture(0, atlas.Id());
    ShaderProgram::SetInt(m_atlasUniform, 0);
    m_buffer.Draw(*m_device, Primitive::Triangles, 0, count);
}
