#pragma once

#include "graphics/VertexLayout.h"
#include "math/Vector4.h"

#include <optional>
#include <string>
#include <vector>

/// One corner of a triangle being built. Texture coordinates run right (u) and down (v); the
/// tangent points along +u and the binormal along +v on the surface.
struct MeshCorner
{
    Vector4 position;
    Vector4 normal;
    float u = 0.0f;
    float v = 0.0f;
    Vector4 tangent;
    Vector4 binormal;
};

/// Builds a triangle list of model vertices (VertexType 1) for a .tbm file.
class MeshBuilder
{
  public:
    /// Adds a triangle wound counter-clockwise as seen from the side its normals face, whatever
    /// order the corners come in; a triangle without area (see `FaceNormal`) is dropped.
    void AddTriangle(MeshCorner a, MeshCorner b, MeshCorner c);
    /// Adds the quad a-b-c-d (corners in order round it) as two triangles.
    void AddQuad(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c, const MeshCorner& d);
    /// Gives the three corners the tangent and binormal that their texture coordinates imply,
    /// made perpendicular to each corner's normal.
    static void ComputeTangents(MeshCorner& a, MeshCorner& b, MeshCorner& c);

    const std::vector<ModelVertex>& Vertices() const { return m_vertices; }
    /// Writes the triangles as a .tbm file; false if it cannot be written.
    bool Write(const std::string& path) const;

  private:
    std::vector<ModelVertex> m_vertices;
};

/// A vector perpendicular to `normal` made from `direction` (Gram-Schmidt), unit length; some
/// perpendicular when `direction` is parallel to the normal. Works at any length of either.
Vector4 Perpendicular(const Vector4& direction, const Vector4& normal);

/// The x, y, z of `v` scaled to unit length (w = 0), however short or long `v` is; zero when `v`
/// is zero or not a number.
Vector4 UnitDirection(const Vector4& v);

/// The unit normal of the triangle a-b-c (counter-clockwise seen from its tip), or nothing when the
/// triangle is a point or a line: judged against its own edges, so in any units.
std::optional<Vector4> FaceNormal(const Vector4& a, const Vector4& b, const Vector4& c);
