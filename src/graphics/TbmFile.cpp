#include "graphics/TbmFile.h"

#include "graphics/VertexLayout.h"

#include <fstream>

namespace
{
uint32_t ReadU32(std::span<const unsigned char> bytes, std::size_t at)
{
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void WriteU32(std::vector<unsigned char>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}
} // namespace

std::optional<TbmMesh> ParseTbm(std::span<const unsigned char> bytes, std::string& error)
{
    if (bytes.size() < kTbmHeaderSize)
    {
        error = "shorter than its 16-byte header";
        return std::nullopt;
    }
    TbmMesh mesh;
    mesh.vertexType = ReadU32(bytes, 0);
    mesh.vertexCount = ReadU32(bytes, 4);
    const VertexLayout* layout = FindVertexLayout(mesh.vertexType);
    if (!layout)
    {
        error = "vertex type " + std::to_string(mesh.vertexType) + " is not 0, 1 or 2";
        return std::nullopt;
    }
    mesh.stride = layout->stride;
    // 64-bit arithmetic: a 32-bit count times a stride of at most 152 cannot overflow it.
    const uint64_t size = static_cast<uint64_t>(mesh.vertexCount) * mesh.stride;
    if (size > bytes.size() - kTbmHeaderSize)
    {
        error = std::to_string(mesh.vertexCount) + " vertices need " + std::to_string(size) +
                " bytes, the file has " + std::to_string(bytes.size() - kTbmHeaderSize);
        return std::nullopt;
    }
    mesh.vertices = bytes.subspan(kTbmHeaderSize, static_cast<std::size_t>(size));
    return mesh;
}

std::vector<unsigned char> EncodeTbm(uint32_t vertexType, uint32_t vertexCount,
                                     std::span<const unsigned char> vertexBytes)
{
    std::vector<unsigned char> out;
    out.reserve(kTbmHeaderSize + vertexBytes.size());
    WriteU32(out, vertexType);
    WriteU32(out, vertexCount);
    WriteU32(out, 0);
    WriteU32(out, 0);
    out.insert(out.end(), vertexBytes.begin(), vertexBytes.end());
    return out;
}

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& out)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0)
        return false;
    out.resize(static_cast<std::size_t>(size));
    file.seekg(0);
    return static_cast<bool>(file.read(reinterpret_cast<char*>(out.data()), size));
}
