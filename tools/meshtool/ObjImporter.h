#pragma once

#include "MeshBuilder.h"

#include <string>
#include <vector>

/// What importing a Wavefront OBJ file produced.
struct ObjImport
{
    MeshBuilder mesh;
    size_t faces = 0;
    /// One line per problem (bad numbers, indices outside the lists); the faces concerned are
    /// skipped and the rest imported.
    std::vector<std::string> warnings;
};

/// Converts OBJ text into model vertices: polygons become triangle fans, texture v is flipped
/// (OBJ counts it upwards, the engine downwards), missing normals become face normals, and
/// tangents and binormals are averaged over the corners that share a position, texture
/// coordinate and normal. Positions are multiplied by `scale`.
ObjImport ImportObj(const std::string& text, float scale = 1.0f);
