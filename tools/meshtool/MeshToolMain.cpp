// vantora-meshtool: writes the engine's .tbm meshes and imports Wavefront OBJ models.
//   vantora-meshtool primitives res/models          the meshes the game ships
//   vantora-meshtool obj MODEL.obj OUT.tbm [SCALE]  an artist's model
//   vantora-meshtool info FILE.tbm                  what a mesh file holds
#include "ObjImporter.h"
#include "Primitives.h"

#include "graphics/TbmFile.h"

#include <cstdio>
#include <cstdlib>
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
