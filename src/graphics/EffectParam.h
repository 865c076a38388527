#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

/// The effect parameters the engine sets, resolved to uniform locations once when an effect is
/// loaded so that drawing never looks a name up.
enum class EffectParam : uint8_t
{
    ProjMat,
    ViewMat,
    WorldMat,
    TileAmountX,
    TileAmountY,
    LightDir,
    CamSpacePos,
    Tex0,
    DiffuseTexture,
    NormalTexture,
    Specular,
    GColor,
    ZenableMode,
    Mode,
    ULimit,
    VLimit,
    ViewportHeight,
    Count,
};

/// Number of named parameters.
inline constexpr std::size_t kEffectParamCount = static_cast<std::size_t>(EffectParam::Count);

/// The uniform name of `param` as the effect files spell it ("projMat", "tex0", ...).
const char* EffectParamName(EffectParam param);
/// The parameter spelled `name`, if it is one the engine sets.
std::optional<EffectParam> FindEffectParam(std::string_view name);
