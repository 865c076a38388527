#pragma once

class Effect;

/// A value a Material hands to its effect each time it is begun.
class MaterialProperty
{
  public:
    virtual ~MaterialProperty() = default;
    /// Sets the value on `effect`.
    virtual void Apply(const Effect& effect) = 0;
    /// Undoes Apply; nothing needs undoing in the properties the engine has.
    virtual void Unapply(const Effect& /*effect*/) {}
};
