// vantora-meshtool: writes the engine's .tbm meshes and imports Wavefront OBJ models.
//   vantora-meshtool primitives res/models          the meshes the game ships
//   vantora-meshtool obj MODEL.obj OUT.tbm [SCALE]  an artist's model
//   vantora-meshtool info FILE.tbm                  what a mesh file holds
#include "ObjImporter.h"
#include "Primitives.h"

#include "graphics/TbmFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
int Usage()
{
    std::fprintf(stderr, "usage: vantora-meshtool primitives OUTDIR\n"
                         "       vantora-meshtool obj INPUT.obj OUTPUT.tbm [SCALE]\n"
                         "       vantora-meshtool info FILE.tbm\n");
    return 2;
}

int WritePrimitives(const std::string& folder)
{
    for (const Primitives::Entry& entry : Primitives::All())
    {
        const MeshBuilder mesh = entry.build();
        const std::string path = folder + "/" + entry.fileName;
        if (!mesh.Write(path))
        {
            std::fprintf(stderr, "vantora-meshtool: cannot write '%s'\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu triangles\n", path.c_str(), mesh.Vertices().size() / 3);
    }
    return 0;
}

int ConvertObj(const std::string& input, const std::string& output, float scale)
{
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(input, bytes))
    {
        std::fprintf(stderr, "vantora-meshtool: cannot read '%s'\n", input.c_str());
        return 1;
    }
    const ObjImport result = ImportObj(std::string(bytes.begin(), bytes.end()), scale);
    for (const std::string& warning : result.warnings)
        std::fprintf(stderr, "%s: %s\n", input.c_str(), warning.c_str());
    if (result.mesh.Vertices().empty())
    {
        std::fprintf(stderr, "vantora-meshtool: '%s' has no faces to import\n", input.c_str());
        return 1;
    }
    if (!result.mesh.Write(output))
    {
        std::fprintf(stderr, "vantora-meshtool: cannot write '%s'\n", output.c_str());
        return 1;
    }
    std::printf("%s: %zu faces, %zu triangles, %zu without area left out\n", output.c_str(), result.faces,
                result.mesh.Vertices().size() / 3, result.degenerate);
    return 0;
}

struct Bounds
{
    float min[3] = {0, 0, 0};
    float max[3] = {0, 0, 0};
};

// Every layout starts its vertex with the position's x, y, z as floats.
Bounds PositionBounds(const TbmMesh& mesh)
{
    Bounds bounds;
    for (uint32_t i = 0; i < mesh.vertexCount; ++i)
    {
        float position[3];
        std::memcpy(position, mesh.vertices.data() + static_cast<size_t>(i) * mesh.stride, sizeof position);
        for (int axis = 0; axis < 3; ++axis)
        {
            bounds.min[axis] = i == 0 ? position[axis] : std::min(bounds.min[axis], position[axis]);
            bounds.max[axis] = i == 0 ? position[axis] : std::max(bounds.max[axis], position[axis]);
        }
    }
    return bounds;
}

void PrintBounds(const TbmMesh& mesh)
{
    if (mesh.vertexCount == 0)
    {
        std::printf("  no vertices, no bounding box\n");
        return;
    }
    const Bounds b = PositionBounds(mesh);
    auto d = [](float value) { return static_cast<double>(value); };
    std::printf("  min (%g, %g, %g)  max (%g, %g, %g)  size %g x %g x %g\n", d(b.min[0]), d(b.min[1]),
                d(b.min[2]), d(b.max[0]), d(b.max[1]), d(b.max[2]), d(b.max[0] - b.min[0]),
                d(b.max[1] - b.min[1]), d(b.max[2] - b.min[2]));
}

int Info(const std::string& path)
{
    std::vector<unsigned char> bytes;
    std::string error;
    if (!ReadFileBytes(path, bytes))
        error = "cannot read the file";
    const std::optional<TbmMesh> mesh = error.empty() ? ParseTbm(bytes, error) : std::nullopt;
    if (!mesh)
    {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    std::printf("%s: vertex type %u, %u vertices (%u triangles), stride %u, %zu trailing bytes\n",
                path.c_str(), mesh->vertexType, mesh->vertexCount, mesh->vertexCount / 3, mesh->stride,
                bytes.size() - kTbmHeaderSize - mesh->vertices.size());
    PrintBounds(*mesh);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "primitives")
        return WritePrimitives(args[1]);
    if ((args.size() == 3 || args.size() == 4) && args[0] == "obj")
        return ConvertObj(args[1], args[2], args.size() == 4 ? std::strtof(args[3].c_str(), nullptr) : 1.0f);
    if (args.size() == 2 && args[0] == "info")
        return Info(args[1]);
    return Usage();
}
