#pragma once

#include "graphics/Effect.h"

#include <string>

/// The effects the object pass gives extra textures to, told apart by the file they came from.
enum class EffectKind
{
    Other,
    Default,   ///< res/shaders/default.fx
    NormalMap, ///< res/shaders/normalmap.fx
};

/// One row of the effect table: the file an effect was compiled from and the effect itself,
/// kept even when compiling failed (materials then skip it).
struct EffectEntry
{
    std::string path;
    EffectKind kind = EffectKind::Other;
    Effect effect;
};
