#pragma once

#include "states/MenuScreen.h"

/// The controls: the gamepad picture when a pad is connected, the keyboard picture otherwise,
/// with what each control does written beside it.
class HowToPlay final : public MenuScreen
{
  public:
    void Enter() override;

  protected:
    void DrawScreen() override;
};
