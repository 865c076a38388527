#include "graphics/Material_Texture.h"

#include "graphics/Effect.h"

void Material_Texture::Apply(const Effect& effect)
{
    if (m_param != EffectParam::Count)
        effect.SetTexture(m_param, m_texture);
    else
        effect.SetTexture(m_name, m_texture);
}

void Material_Texture::SetName(const std::string& name)
{
    m_name = name;
    m_param = FindEffectParam(name).value_or(EffectParam::Count);
}

void Material_Texture::SetName(EffectParam param)
{
    if (param == m_param)
        return;
    m_param = param;
    // Every engine name fits the string's own small buffer, so this does not allocate.
    m_name = EffectParamName(param);
}
