#pragma once

#include <cstdint>
#include <span>

/// What a vertex element carries; the shaders read element i at attribute location i.
enum class VertexUsage : uint8_t
{
    Position,
    Color,
    Normal,
    TexCoord,
    Tangent,
    Binormal,
};

/// One element of a vertex layout: `floatCount` floats at `offset` bytes.
struct VertexElement
{
    uint32_t offset = 0;
    uint32_t floatCount = 0;
    VertexUsage usage = VertexUsage::Position;
    uint32_t usageIndex = 0;
};

/// One of the three fixed vertex layouts, selected by its VertexType number.
struct VertexLayout
{
    uint32_t type = 0;
    uint32_t stride = 0;
    std::span<const VertexElement> elements;
};

/// VertexType numbers of the three layouts.
inline constexpr uint32_t kVertexTypeColored = 0;
inline constexpr uint32_t kVertexTypeModel = 1;
inline constexpr uint32_t kVertexTypeParticle = 2;
inline constexpr uint32_t kVertexTypeCount = 3;

/// The layout of VertexType `type`, or null when `type` is not 0, 1 or 2.
const VertexLayout* FindVertexLayout(uint32_t type);

/// Position and colour, as the debug lines are written (VertexType 0).
struct ColoredVertex
{
    float position[4];
    float color[4];
};

/// A model vertex (VertexType 1): 24 floats.
struct ModelVertex
{
    float position[4];
    float normal[4];
    float texCoord[4];
    float tangent[4];
    float binormal[4];
    float texCoord1[4];
};

static_assert(sizeof(ColoredVertex) == 32);
static_assert(sizeof(ModelVertex) == 96);
