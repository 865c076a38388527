#pragma once

#include "MeshBuilder.h"

#include <string>
#include <vector>

/// What importing a Wavefront OBJ file produced.
struct ObjImport
{
    MeshBuilder mesh;
    size_t faces = 0;
    /// Triangles left out because they are points or lines (repeated or collinear corners).
    size_t degenerate = 0;
    /// One line per problem (bad numbers, indices outside the lists); the faces concerned are
    /// skipped and the rest imported.
    std::vector<std::string> warnings;
};

/// Converts OBJ text into model vertices: polygons become triangle fans, texture v is flipped
/// (OBJ counts it upwards, the engine downwards), missing normals become face normals, and
/// tangents and binormals are averaged over the corners that share a position, texture
/// coordinate and normal. Positions are multiplied by `scale`. Whether a triangle has area is
/// judged against its own edges, so a model keeps its triangles in whatever units it was made.
ObjImport ImportObj(const std::string& text, float scale = 1.0f);
