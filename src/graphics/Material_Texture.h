#pragma once

#include "graphics/EffectParam.h"
#include "graphics/MaterialProperty.h"

#include <string>

class Texture;

/// A texture handed to the effect parameter it names. The object pass renames and refills its
/// properties for every mesh it draws.
class Material_Texture final : public MaterialProperty
{
  public:
    /// Binds the texture (none when null) to the named parameter.
    void Apply(const Effect& effect) override;

    /// Names the parameter by any name; the engine's own names resolve to a fixed slot.
    void SetName(const std::string& name);
    /// Names one of the engine's parameters (no string work: used per drawn object).
    void SetName(EffectParam param);
    /// The parameter's name, "default" until one is set.
    const std::string& GetName() const { return m_name; }
    /// The texture to hand over; null binds none.
    void SetTexture(const Texture* texture) { m_texture = texture; }
    /// The texture handed over at Apply.
    const Texture* GetTexture() const { return m_texture; }

  private:
    std::string m_name = "default";
    EffectParam m_param = EffectParam::Count; ///< Count: a name outside the engine's list
    const Texture* m_texture = nullptr;
};
