#pragma once

#include "MeshBuilder.h"

#include <string>
#include <vector>

/// The meshes the engine and the first track use, built in code so they can be regenerated.
namespace Primitives
{
/// Unit cube centred on the origin (sides 1), one texture square per face.
MeshBuilder Cube();
/// Sphere of `radius` with `slices` round and `stacks` from pole to pole; u runs round the
/// equator, v from the top pole down. With `inward` the faces and normals point inside.
MeshBuilder Sphere(float radius, int slices, int stacks, bool inward = false);
/// Square pyramid of unit size: base at y = -0.5, apex at y = 0.5.
MeshBuilder Pyramid();
/// The HUD quad: x and y from -0.5 to 0.5 at z = 0, facing +z, (u, v) = (0, 0) at the top left.
MeshBuilder HudQuad();
/// A quad lying flat: x and z from -0.5 to 0.5 at y = 0, facing +y; u along x, v along z.
MeshBuilder FloorQuad();

/// A named mesh file and how to build it.
struct Entry
{
    std::string fileName;
    MeshBuilder (*build)();
};
/// Every mesh the game ships, by file name.
const std::vector<Entry>& All();
} // namespace Primitives
