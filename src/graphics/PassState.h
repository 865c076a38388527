#pragma once

#include <cstdint>

/// How a pass blends its colour into the target.
enum class BlendMode : uint8_t
{
    None,
    Alpha,    ///< source alpha over the target
    Additive, ///< source alpha added to the target
};

/// Which triangle faces a pass drops.
enum class CullMode : uint8_t
{
    None,
    Back,
    Front,
};

/// The fixed-function states an effect file asks for in its "#pass" lines.
struct PassState
{
    bool depthTest = true;
    bool depthWrite = true;
    BlendMode blend = BlendMode::None;
    CullMode cull = CullMode::Back;
    bool wireframe = false;
    bool operator==(const PassState&) const = default;
};
