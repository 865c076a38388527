#include "graphics/Mesh.h"

#include "graphics/TbmFile.h"

#include <cstdio>
#include <vector>

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
    if (primitives > 0 &&
        !m_buffer.Create(device, *FindVertexLayout(tbm->vertexType), tbm->vertices.data(), tbm->vertexCount, false))
    {
        std::printf("bad mesh file: %s (the device refused its %u vertices)\n", path.c_str(), tbm->vertexCount);
        return;
    }
    m_vertexCount = tbm->vertexCount;
    m_stride = tbm->stride;
    m_primitiveCount = primitives;
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
}
