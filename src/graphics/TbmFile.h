#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

/// The vertices of one .tbm mesh file: a 16-byte little-endian header (VertexType, vertex count,
/// two reserved words) followed by the vertices of a triangle list, packed by the layout's stride.
struct TbmMesh
{
    uint32_t vertexType = 0;
    uint32_t vertexCount = 0;
    uint32_t stride = 0;
    /// The vertex bytes inside the parsed buffer (vertexCount × stride of them).
    std::span<const unsigned char> vertices;
};

/// Size of the .tbm header in bytes.
inline constexpr std::size_t kTbmHeaderSize = 16;

/// Checks `bytes` as a .tbm file. A vertex type outside 0..2, or fewer bytes than the header and
/// vertices claim, gives nothing and one line in `error`. Trailing bytes are ignored.
std::optional<TbmMesh> ParseTbm(std::span<const unsigned char> bytes, std::string& error);

/// The bytes of a .tbm file holding `vertexCount` vertices of `vertexType` from `vertexBytes`.
std::vector<unsigned char> EncodeTbm(uint32_t vertexType, uint32_t vertexCount,
                                     std::span<const unsigned char> vertexBytes);

/// Reads a whole file; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& out);
