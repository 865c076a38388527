#pragma once

#include "core/EmptySystem.h"

/// A named system with no per-frame duty; the gamepads are read by the InputSystem.
class XboxInputManager final : public EmptySystem
{
  public:
    static XboxInputManager& Instance();

  private:
    XboxInputManager() = default;
};
