#pragma once

#include "states/MenuScreen.h"

/// The overlay over a paused race: resume, restart, leave, or open the other overlays.
class PauseMenu final : public MenuScreen
{
  public:
    void Enter() override;
    /// Whichever way the menu closes, the race runs again.
    void Exit() override;

  protected:
    /// A gamepad's Start closes the menu.
    bool TakeOwnInput() override;
    void DrawScreen() override;
};
