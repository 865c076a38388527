#include "MeshBuilder.h"

#include "graphics/TbmFile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <fstream>

namespace
{
// A triangle whose height is under this share of its longest edge is drawn as a line anyway.
constexpr double kMinShape = 1e-6;
// Corners that were on one line before they were rounded to floats (and scaled) stray from it by
// a few units in the last place of their coordinates; a height within that is a line too.
constexpr double kRoundingUlps = 8.0;
// Gram-Schmidt leaves less than this share (squared) of a direction parallel to the normal.
constexpr double kMinPerpendicularSquared = 1e-12;

// Three doubles: products of floats neither underflow nor overflow in them, so lengths and
// areas come out right for models in any units.
struct Vec3d
{
    double x, y, z;
    Vec3d operator-(const Vec3d& o) const { return {x - o.x, y - o.y, z - o.z}; }
    double Dot(const Vec3d& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3d Cross(const Vec3d& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
};

Vec3d ToDouble(const Vector4& v)
{
    return {v.x, v.y, v.z};
}

double LargestCoordinate(const Vector4& a, const Vector4& b, const Vector4& c)
{
    double largest = 0.0;
    for (const Vector4* p : {&a, &b, &c})
        largest =
            std::max({largest, std::fabs(double{p->x}), std::fabs(double{p->y}), std::fabs(double{p->z})});
    return largest;
}

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

Vector4 UnitDirection(const Vector4& v)
{
    const Vector4 d = Direction(v);
    const float lengthSquared = d.LengthSquared();
    if (lengthSquared >= FLT_MIN && lengthSquared <= FLT_MAX)
        return d / std::sqrt(lengthSquared);
    // The float square under- or overflowed (a tiny or a huge model); the double one cannot.
    const Vec3d wide = ToDouble(d);
    const double length = std::sqrt(wide.Dot(wide));
    if (!(length > 0.0) || !std::isfinite(length))
        return {};
    return {static_cast<float>(wide.x / length), static_cast<float>(wide.y / length),
            static_cast<float>(wide.z / length), 0.0f};
}

Vector4 Perpendicular(const Vector4& direction, const Vector4& normal)
{
    const Vector4 n = UnitDirection(normal);
    const Vector4 d = Direction(direction);
    const Vector4 t = d - n * d.Dot(n);
    // Compared with the direction's own length, so that short tangents of small models count.
    const double left = ToDouble(t).Dot(ToDouble(t));
    if (std::isfinite(left) && left > kMinPerpendicularSquared * ToDouble(d).Dot(ToDouble(d)))
        return UnitDirection(t);
    const Vector4 side = std::fabs(n.x) < 0.9f ? Vector4{1, 0, 0, 0}.Cross(n) : Vector4{0, 1, 0, 0}.Cross(n);
    return UnitDirection(side);
}

std::optional<Vector4> FaceNormal(const Vector4& a, const Vector4& b, const Vector4& c)
{
    const Vec3d pa = ToDouble(a), pb = ToDouble(b), pc = ToDouble(c);
    const Vec3d cross = (pb - pa).Cross(pc - pa);
    const double twiceArea = std::sqrt(cross.Dot(cross));
    const double longest =
        std::sqrt(std::max({(pb - pa).Dot(pb - pa), (pc - pb).Dot(pc - pb), (pa - pc).Dot(pa - pc)}));
    if (!std::isfinite(twiceArea) || !std::isfinite(longest) || longest == 0.0)
        return std::nullopt;
    const double height = twiceArea / longest;
    if (height <= kMinShape * longest || height <= kRoundingUlps * FLT_EPSILON * LargestCoordinate(a, b, c))
        return std::nullopt;
    return Vector4{static_cast<float>(cross.x / twiceArea), static_cast<float>(cross.y / twiceArea),
                   static_cast<float>(cross.z / twiceArea), 0.0f};
}

void MeshBuilder::AddTriangle(MeshCorner a, MeshCorner b, MeshCorner c)
{
    const std::optional<Vector4> facing = FaceNormal(a.position, b.position, c.position);
    if (!facing)
        return;
    if (facing->Dot(Direction(a.normal + b.normal + c.normal)) < 0.0f)
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
