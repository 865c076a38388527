#include "graphics/Mesh.h"

#include "graphics/TbmFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
// The sphere round the box of all positions (the first three floats of every layout): not the
// smallest one, but found in one pass and tight enough to tell whether a view can see the mesh.
Vector4 BoundingSphere(const TbmMesh& mesh)
{
    if (mesh.vertexCount == 0)
        return {0, 0, 0, 0};
    float low[3] = {INFINITY, INFINITY, INFINITY}, high[3] = {-INFINITY, -INFINITY, -INFINITY};
    for (uint32_t i = 0; i < mesh.vertexCount; ++i)
    {
        float p[3];
        std::memcpy(p, mesh.vertices.data() + static_cast<size_t>(i) * mesh.stride, sizeof p);
        for (int a = 0; a < 3; ++a)
        {
            low[a] = std::min(low[a], p[a]);
            high[a] = std::max(high[a], p[a]);
        }
    }
    const Vector4 centre{(low[0] + high[0]) * 0.5f, (low[1] + high[1]) * 0.5f, (low[2] + high[2]) * 0.5f,
                         1.0f};
    float radius = 0.0f;
    for (uint32_t i = 0; i < mesh.vertexCount; ++i)
    {
        float p[3];
        std::memcpy(p, mesh.vertices.data() + static_cast<size_t>(i) * mesh.stride, sizeof p);
        radius = std::max(radius, Vector4{p[0] - centre.x, p[1] - centre.y, p[2] - centre.z, 0}.Length());
    }
    return {centre.x, centre.y, centre.z, radius};
}
} // namespace

void Mesh::Load(RenderDevice& device, const std::string& path)
{
    Unload();
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, bytes))
    {
        std::printf("cannot open file: %s\n", path.c_str());
        return;
    }
    std::string error;
    const std::optional<TbmMesh> tbm = ParseTbm(bytes, error);
    if (!tbm)
    {
        std::printf("bad mesh file: %s (%s)\n", path.c_str(), error.c_str());
        return;
    }
    const uint32_t primitives = tbm->vertexCount / 3;
    if (primitives > 0 && !m_buffer.Create(device, *FindVertexLayout(tbm->vertexType), tbm->vertices.data(),
                                           tbm->vertexCount, false))
    {
        std::printf("bad mesh file: %s (the device refused its %u vertices)\n", path.c_str(),
                    tbm->vertexCount);
        return;
    }
    m_vertexCount = tbm->vertexCount;
    m_stride = tbm->stride;
    m_primitiveCount = primitives;
    m_bounds = BoundingSphere(*tbm);
    // Positions that are not numbers make the sphere useless; such a mesh is never culled.
    if (!m_bounds.IsFinite())
        m_bounds = {0, 0, 0, INFINITY};
}

void Mesh::Draw(RenderDevice& device) const
{
    m_buffer.Draw(device, Primitive::Triangles, 0, m_primitiveCount * 3);
}

void Mesh::Unload()
{
    m_buffer.Release();
    m_vertexCount = 0;
    m_indexCount = 0;
    m_stride = 0;
    m_primitiveCount = 0;
    m_bounds = {0, 0, 0, 0};
}
