#pragma once

#include "graphics/ShaderProgram.h"
#include "graphics/TextVertex.h"
#include "graphics/VertexBuffer.h"
#include "math/Vector4.h"

#include <string>
#include <vector>

class GlyphTexture;
class RenderDevice;

/// Draws glyph quads from one atlas in one call: white-on-coverage text with a dark outline,
/// blended over whatever is drawn, with no depth test.
class TextBatch
{
  public:
    /// Builds the program and the vertex buffer; false with the compiler's text in `log`.
    bool Create(RenderDevice& device, std::string& log);
    /// Deletes the program and the buffer.
    void Release();
    /// Whether Create succeeded.
    bool IsCreated() const { return m_program.Id() != 0; }
    /// The device this batch was created on.
    const RenderDevice* Device() const { return m_device; }
    /// Draws `vertices` (six per glyph) textured with `atlas` into the viewport `viewport`
    /// (left, top, right, bottom window pixels, as the graphics system keeps it).
    void Draw(const std::vector<TextVertex>& vertices, const GlyphTexture& atlas, const Vector4& viewport);

  private:
    RenderDevice* m_device = nullptr;
    ShaderProgram m_program;
    VertexBuffer m_buffer;
    int m_viewportUniform = -1;
    int m_atlasUniform = -1;
};
