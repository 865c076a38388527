#pragma once

#include "states/GameState.h"

/// A screen that runs the shared menu while it is on top and draws its pictures around it.
class MenuScreen : public GameState
{
  public:
    /// Runs the menu and draws the screen, only while this screen is the top state.
    void Update() override;

  protected:
    /// Input the screen takes before the menu; true when it used the frame.
    virtual bool TakeOwnInput() { return false; }
    /// The pictures and titles around the menu; not drawn on the frame a fade ends.
    virtual void DrawScreen() = 0;
};
