#pragma once

#include "graphics/PassState.h"
#include "graphics/ViewportLayout.h"
#include "math/Vector4.h"

#include <cstdint>
#include <string>
#include <vector>

/// Primitive kinds a vertex buffer is drawn as.
enum class Primitive : uint8_t
{
    Triangles,
    Lines,
    Points,
};

/// The OpenGL state of the game's one context. With VertexBuffer, ShaderProgram and Texture it
/// is the only code that calls OpenGL; it caches the bound program, vertex array and pass state
/// so that repeated binds cost nothing, and counts draw calls.
class RenderDevice
{
  public:
    /// Checks the current context (OpenGL 3.3 or later) and sets the fixed states; false with
    /// the reason in `error` otherwise.
    bool Init(std::string& error);
    /// Whether any device object may still be released (false after the context is gone).
    static bool IsContextAlive() { return s_contextAlive; }
    /// Marks the context as gone: later releases only forget their objects.
    void MarkContextLost() { s_contextAlive = false; }
    /// True when clip-space depth runs from 0 to 1 as the projection builder makes it.
    bool HasZeroToOneDepth() const { return m_zeroToOneDepth; }
    /// Anisotropic samples textures may take: 10 where the extension exists, 1 (trilinear) on
    /// software rasterisers, where every sample is a texture fetch on the CPU, and without it.
    float MaxAnisotropy() const { return m_maxAnisotropy; }
    /// The driver's renderer name ("llvmpipe (LLVM 15.0.6, 256 bits)").
    const std::string& RendererName() const { return m_renderer; }

    /// Clears colour to `colour`, depth to 1 and stencil to 0 over the whole window.
    void Clear(const Vector4& colour);
    /// Draws into `rect` (measured from the top left) of a window `windowHeight` pixels high.
    void SetViewport(const ViewportRect& rect, unsigned windowHeight);
    /// Applies depth, blending, culling and fill mode.
    void ApplyPassState(const PassState& state);
    /// Switches polygon filling between lines and solid faces.
    void SetWireframe(bool wireframe);
    /// Makes `program` current unless it already is.
    void UseProgram(unsigned program);
    /// Binds `vertexArray` unless it already is.
    void BindVertexArray(unsigned vertexArray);
    /// Drops `vertexArray` from the cache when it is deleted.
    void ForgetVertexArray(unsigned vertexArray)
    {
        if (m_vertexArray == vertexArray)
            m_vertexArray = 0;
    }
    /// Drops `program` from the cache when it is deleted.
    void ForgetProgram(unsigned program)
    {
        if (m_program == program)
            m_program = 0;
    }
    /// Draws `count` vertices from `first` of the bound vertex array and counts the call.
    void Draw(Primitive primitive, uint32_t first, uint32_t count);
    /// The window's pixels as RGBA rows from the top; call before presenting.
    std::vector<unsigned char> ReadPixels(unsigned width, unsigned height) const;
    /// Forgets the cached bindings after another renderer (the debug panel) changed them.
    void InvalidateCache();

    /// Draw calls since the last reset.
    unsigned DrawCalls() const { return m_drawCalls; }
    /// Starts counting draw calls from zero.
    void ResetDrawCalls() { m_drawCalls = 0; }

  private:
    static inline bool s_contextAlive = false;
    bool m_zeroToOneDepth = false;
    float m_maxAnisotropy = 1.0f;
    std::string m_renderer;
    unsigned m_program = 0;
    unsigned m_vertexArray = 0;
    PassState m_pass;
    bool m_passKnown = false;
    bool m_wireframe = false;
    unsigned m_drawCalls = 0;
};
