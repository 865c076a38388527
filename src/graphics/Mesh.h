#pragma once

#include "graphics/VertexBuffer.h"
#include "math/Vector4.h"

#include <cstdint>
#include <string>

class RenderDevice;

/// One model from a .tbm file: a triangle list without indices in one vertex buffer.
class Mesh
{
  public:
    /// Loads `path`, replacing what the mesh held. A file that cannot be opened prints
    /// "cannot open file: <path>"; a file that is not a valid .tbm prints one line naming it. In
    /// both cases the mesh stays empty and draws nothing.
    void Load(RenderDevice& device, const std::string& path);
    /// Draws the triangles; the caller has set the effect and its parameters.
    void Draw(RenderDevice& device) const;
    /// Releases the buffer and zeroes the counts.
    void Unload();

    /// The file name the mesh was loaded under ("cube.tbm").
    const std::string& GetName() const { return m_name; }
    /// Names the mesh.
    void SetName(const std::string& name) { m_name = name; }
    /// Vertices in the file, drawn or not.
    uint32_t GetVertexCount() const { return m_vertexCount; }
    /// Always 0: .tbm meshes carry no indices.
    uint32_t GetIndexCount() const { return m_indexCount; }
    /// Bytes per vertex of its layout.
    uint32_t GetStride() const { return m_stride; }
    /// Vertex count / 3, rounded down: surplus vertices are never drawn.
    uint32_t GetPrimitiveCount() const { return m_primitiveCount; }
    /// Whether there is nothing to draw.
    bool IsEmpty() const { return m_primitiveCount == 0; }
    /// Centre (w = 1) and radius (w) of a sphere round every vertex, in the mesh's own space.
    const Vector4& GetBounds() const { return m_bounds; }

  private:
    VertexBuffer m_buffer;
    uint32_t m_vertexCount = 0;
    uint32_t m_indexCount = 0;
    uint32_t m_stride = 0;
    uint32_t m_primitiveCount = 0;
    Vector4 m_bounds{0, 0, 0, 0};
    std::string m_name;
};
