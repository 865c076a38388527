#include "MeshBuilder.h"

#include "graphics/TbmFile.h"

#include <cmath>
#include <fstream>

namespace
{
constexpr float kMinArea = 1e-10f;

void Store(float (&out)[4], const Vector4& v, float w)
{
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
    out[3] = w;
}

ModelVertex ToVertex(const MeshCorner& c)
{
    ModelVertex vertex{};
    Store(vertex.position, c.position, 1.0f);
    Store(vertex.normal, c.normal, 0.0f);
    vertex.texCoord[0] = c.u;
    vertex.texCoord[1] = c.v;
    Store(vertex.tangent, c.tangent, 0.0f);
    Store(vertex.binormal, c.binormal, 0.0f);
    vertex.texCoord1[0] = c.u;
    vertex.texCoord1[1] = c.v;
    return vertex;
}

Vector4 Direction(const Vector4& v)
{
    return {v.x, v.y, v.z, 0.0f};
}
} // namespace

Vector4 Perpendicular(const Vector4& direction, const Vector4& normal)
{
    const Vector4 n = Direction(normal).Normalized();
    Vector4 t = Direction(direction) - n * Direction(direction).Dot(n);
    if (t.LengthSquared() < 1e-12f)
        t = std::fabs(n.x) < 0.9f ? Vector4{1, 0, 0, 0}.Cross(n) : Vector4{0, 1, 0, 0}.Cross(n);
    return t.Normalized();
}

void MeshBuilder::AddTriangle(MeshCorner a, MeshCorner b, MeshCorner c)
{
    const Vector4 facing = Direction(b.position - a.position).Cross(Direction(c.position - a.position));
    if (facing.LengthSquared() < kMinArea)
        return;
    if (facing.Dot(Direction(a.normal + b.normal + c.normal)) < 0.0f)
        std::swap(b, c);
    m_vertices.push_back(ToVertex(a));
    m_vertices.push_back(ToVertex(b));
    m_vertices.push_back(ToVertex(c));
}

void MeshBuilder::AddQuad(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c, const MeshCorner& d)
{
    AddTriangle(a, b, c);
    AddTriangle(a, c, d);
}

void MeshBuilder::ComputeTangents(MeshCorner& a, MeshCorner& b, MeshCorner& c)
{
    const Vector4 e1 = Direction(b.position - a.position);
    const Vector4 e2 = Direction(c.position - a.position);
    const float du1 = b.u - a.u, dv1 = b.v - a.v;
    const float du2 = c.u - a.u, dv2 = c.v - a.v;
    const float det = du1 * dv2 - du2 * dv1;
    Vector4 tangent{1, 0, 0, 0}, binormal{0, -1, 0, 0};
    if (std::fabs(det) > 1e-12f)
    {
        tangent = (e1 * dv2 - e2 * dv1) / det;
        binormal = (e2 * du1 - e1 * du2) / det;
    }
    for (MeshCorner* corner : {&a, &b, &c})
    {
        corner->tangent = Perpendicular(tangent, corner->normal);
        corner->binormal = Perpendicular(binormal, corner->normal);
    }
}

bool MeshBuilder::Write(const std::string& path) const
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_vertices.data());
    const std::vector<unsigned char> file =
        EncodeTbm(kVertexTypeModel, static_cast<uint32_t>(m_vertices.size()),
                  {bytes, m_vertices.size() * sizeof(ModelVertex)});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}
