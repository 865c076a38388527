#pragma once

#include "math/Vector4.h"

class GameObject;

/// What the layers below gameplay may ask of a racer's Controller: whose racer it is and which way
/// it faces. The Controller implements it; physics, graphics and Logic read it through Of().
class PlayerControl
{
  public:
    /// The player index 0 to 3 that keys actions, views and choices.
    virtual int GetPlayerIndex() const = 0;
    /// The unit direction the racer faces (w = 0).
    virtual const Vector4& GetFacing() const = 0;

    /// The object's Controller, or null when it has none (or the object is null).
    static const PlayerControl* Of(const GameObject* object);

  protected:
    ~PlayerControl() = default;
};
