#pragma once

#include "states/MenuScreen.h"

/// Full screen or window, and the two mute switches.
class Options final : public MenuScreen
{
  public:
    /// The items' labels say what choosing them would do now.
    void Enter() override;

  protected:
    void DrawScreen() override;
};
