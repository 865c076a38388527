#include "Primitives.h"

#include <cmath>

namespace Primitives
{
namespace
{
constexpr float kPi = 3.14159265358979f;

MeshCorner FaceCorner(const Vector4& n, const Vector4& t, const Vector4& b, float u, float v)
{
    MeshCorner c;
    c.position = n * 0.5f + t * (u - 0.5f) + b * (v - 0.5f);
    c.position.w = 1.0f;
    c.normal = n;
    c.u = u;
    c.v = v;
    c.tangent = t;
    c.binormal = b;
    return c;
}

// Texture "down" on each face: world down on the sides, towards +z on the top, -z below, so
// that the tangent (n × b) reads left to right seen from outside.
void AddCubeFace(MeshBuilder& mesh, const Vector4& n, const Vector4& b)
{
    const Vector4 t = n.Cross(b);
    mesh.AddQuad(FaceCorner(n, t, b, 0, 0), FaceCorner(n, t, b, 1, 0), FaceCorner(n, t, b, 1, 1),
                 FaceCorner(n, t, b, 0, 1));
}

MeshCorner SphereCorner(float radius, float u, float v, bool inward)
{
    const float theta = u * 2.0f * kPi;
    const float phi = v * kPi;
    const Vector4 out{std::sin(phi) * std::cos(theta), std::cos(phi), -std::sin(phi) * std::sin(theta), 0.0f};
    MeshCorner c;
    c.position = out * radius;
    c.position.w = 1.0f;
    c.normal = inward ? -out : out;
    c.u = u;
    c.v = v;
    c.tangent = Perpendicular({-std::sin(theta), 0.0f, -std::cos(theta), 0.0f}, c.normal);
    c.binormal = Perpendicular(
        {std::cos(phi) * std::cos(theta), -std::sin(phi), -std::cos(phi) * std::sin(theta), 0}, c.normal);
    return c;
}

MeshBuilder Ball()
{
    // Radius 1: the racers' sphere colliders take their radius from the Transform scale, which is 1.
    return Sphere(1.0f, 32, 16);
}

MeshBuilder DebugSphere()
{
    return Sphere(1.0f, 24, 12);
}

MeshBuilder SkyDome()
{
    return Sphere(1.0f, 24, 12, true);
}
} // namespace

MeshBuilder Cube()
{
    MeshBuilder mesh;
    const Vector4 down{0, -1, 0, 0};
    AddCubeFace(mesh, {1, 0, 0, 0}, down);
    AddCubeFace(mesh, {-1, 0, 0, 0}, down);
    AddCubeFace(mesh, {0, 0, 1, 0}, down);
    AddCubeFace(mesh, {0, 0, -1, 0}, down);
    AddCubeFace(mesh, {0, 1, 0, 0}, {0, 0, 1, 0});
    AddCubeFace(mesh, {0, -1, 0, 0}, {0, 0, -1, 0});
    return mesh;
}

MeshBuilder Sphere(float radius, int slices, int stacks, bool inward)
{
    MeshBuilder mesh;
    for (int j = 0; j < stacks; ++j)
        for (int i = 0; i < slices; ++i)
        {
            const float u0 = static_cast<float>(i) / static_cast<float>(slices);
            const float u1 = static_cast<float>(i + 1) / static_cast<float>(slices);
            const float v0 = static_cast<float>(j) / static_cast<float>(stacks);
            const float v1 = static_cast<float>(j + 1) / static_cast<float>(stacks);
            // The quads at the poles lose one side and become triangles; AddTriangle drops
            // the half without area.
            mesh.AddQuad(SphereCorner(radius, u0, v0, inward), SphereCorner(radius, u1, v0, inward),
                         SphereCorner(radius, u1, v1, inward), SphereCorner(radius, u0, v1, inward));
        }
    return mesh;
}

MeshBuilder Pyramid()
{
    MeshBuilder mesh;
    const Vector4 apex{0, 0.5f, 0, 1};
    const Vector4 base[4] = {
        {-0.5f, -0.5f, 0.5f, 1}, {0.5f, -0.5f, 0.5f, 1}, {0.5f, -0.5f, -0.5f, 1}, {-0.5f, -0.5f, -0.5f, 1}};
    for (int i = 0; i < 4; ++i)
    {
        const Vector4& p0 = base[i];
        const Vector4& p1 = base[(i + 1) % 4];
        const Vector4 n = (p1 - p0).Cross(apex - p0).Normalized();
        MeshCorner a{p0, n, 0.0f, 1.0f, {}, {}}, b{p1, n, 1.0f, 1.0f, {}, {}}, c{apex, n, 0.5f, 0.0f, {}, {}};
        MeshBuilder::ComputeTangents(a, b, c);
        mesh.AddTriangle(a, b, c);
    }
    const Vector4 down{0, -1, 0, 0};
    MeshCorner corners[4];
    for (int i = 0; i < 4; ++i)
        corners[i] = {base[i], down, base[i].x + 0.5f, 0.5f - base[i].z, {1, 0, 0, 0}, {0, 0, 1, 0}};
    mesh.AddQuad(corners[0], corners[1], corners[2], corners[3]);
    return mesh;
}

MeshBuilder HudQuad()
{
    MeshBuilder mesh;
    const Vector4 n{0, 0, 1, 0}, t{1, 0, 0, 0}, b{0, -1, 0, 0};
    auto corner = [&](float u, float v) {
        return MeshCorner{{u - 0.5f, 0.5f - v, 0.0f, 1.0f}, n, u, v, t, b};
    };
    mesh.AddQuad(corner(0, 0), corner(1, 0), corner(1, 1), corner(0, 1));
    return mesh;
}

MeshBuilder FloorQuad()
{
    MeshBuilder mesh;
    const Vector4 n{0, 1, 0, 0}, t{1, 0, 0, 0}, b{0, 0, 1, 0};
    auto corner = [&](float u, float v) {
        return MeshCorner{{u - 0.5f, 0.0f, v - 0.5f, 1.0f}, n, u, v, t, b};
    };
    mesh.AddQuad(corner(0, 0), corner(1, 0), corner(1, 1), corner(0, 1));
    return mesh;
}

const std::vector<Entry>& All()
{
    static const std::vector<Entry> entries = {
        // Track boards and walls are not here: the track tool writes them per track.
        {"cube.tbm", Cube},           {"sphere.tbm", DebugSphere}, {"pyramid.tbm", Pyramid},
        {"cubehud.tbm", HudQuad},     {"ball.tbm", Ball},          {"skydome.tbm", SkyDome},
        {"floorquad.tbm", FloorQuad},
    };
    return entries;
}
} // namespace Primitives
