#include "graphics/EffectParam.h"

namespace
{
constexpr const char* kNames[kEffectParamCount] = {
    "projMat",     "viewMat", "worldMat",       "tileAmountX",   "tileAmountY",    "lightDir",
    "camSpacePos", "tex0",    "diffuseTexture", "normalTexture", "specular",       "gColor",
    "ZenableMode", "mode",    "u_limit",        "v_limit",       "viewportHeight",
};
} // namespace

const char* EffectParamName(EffectParam param)
{
    const auto index = static_cast<std::size_t>(param);
    return index < kEffectParamCount ? kNames[index] : "";
}

std::optional<EffectParam> FindEffectParam(std::string_view name)
{
    for (std::size_t i = 0; i < kEffectParamCount; ++i)
        if (name == kNames[i])
            return static_cast<EffectParam>(i);
    return std::nullopt;
}
