// .tbm meshes: any bytes parsed as a mesh file; every vertex byte of a mesh that parses is read,
// and encoding it again gives a file that parses to the same mesh.
#include "graphics/TbmFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string error;
    const std::optional<TbmMesh> mesh = ParseTbm({data, size}, error);
    if (!mesh)
        return 0;
    unsigned sum = 0;
    for (unsigned char byte : mesh->vertices)
        sum += byte;
    const std::vector<unsigned char> again = EncodeTbm(mesh->vertexType, mesh->vertexCount, mesh->vertices);
    const std::optional<TbmMesh> reparsed = ParseTbm(again, error);
    if (!reparsed || reparsed->vertexType != mesh->vertexType || reparsed->vertexCount != mesh->vertexCount ||
        reparsed->vertices.size() != mesh->vertices.size() ||
        std::memcmp(reparsed->vertices.data(), mesh->vertices.data(), mesh->vertices.size()) != 0)
    {
        std::printf("mesh changed on encoding again (checksum %u)\n", sum);
        std::abort();
    }
    return 0;
}
