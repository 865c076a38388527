#include "graphics/Material.h"

#include "graphics/EffectEntry.h"
#include "graphics/MaterialProperty.h"

#include <algorithm>

const Effect* Material::GetEffect() const
{
    return m_entry && m_entry->effect.IsValid() ? &m_entry->effect : nullptr;
}

void Material::AddProperty(MaterialProperty* property)
{
    if (std::find(m_properties.begin(), m_properties.end(), property) == m_properties.end())
        m_properties.push_back(property);
}

void Material::Begin() const
{
    const Effect* effect = GetEffect();
    if (!effect)
        return;
    effect->Begin();
    for (MaterialProperty* property : m_properties)
        property->Apply(*effect);
}

void Material::End() const
{
    const Effect* effect = GetEffect();
    if (!effect)
        return;
    for (MaterialProperty* property : m_properties)
        property->Unapply(*effect);
}
