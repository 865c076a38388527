#include "graphics/VertexLayout.h"

namespace
{
constexpr VertexElement kColoredElements[] = {
    {0, 4, VertexUsage::Position, 0},
    {16, 4, VertexUsage::Color, 0},
};

constexpr VertexElement kModelElements[] = {
    {0, 4, VertexUsage::Position, 0}, {16, 4, VertexUsage::Normal, 0},   {32, 4, VertexUsage::TexCoord, 0},
    {48, 4, VertexUsage::Tangent, 0}, {64, 4, VertexUsage::Binormal, 0}, {80, 4, VertexUsage::TexCoord, 1},
};

// The particle record is 152 bytes although its elements end at byte 92: the rest is the
// particle's own simulation state, which travels in the same buffer.
constexpr VertexElement kParticleElements[] = {
    {0, 4, VertexUsage::Position, 0},  {16, 4, VertexUsage::TexCoord, 0}, {32, 4, VertexUsage::TexCoord, 1},
    {48, 4, VertexUsage::TexCoord, 2}, {64, 4, VertexUsage::TexCoord, 3}, {80, 1, VertexUsage::TexCoord, 4},
    {84, 1, VertexUsage::TexCoord, 5}, {88, 1, VertexUsage::TexCoord, 6},
};

const VertexLayout kLayouts[kVertexTypeCount] = {
    {kVertexTypeColored, 32, kColoredElements},
    {kVertexTypeModel, 96, kModelElements},
    {kVertexTypeParticle, 152, kParticleElements},
};
} // namespace

const VertexLayout* FindVertexLayout(uint32_t type)
{
    return type < kVertexTypeCount ? &kLayouts[type] : nullptr;
}
