#pragma once

#include "states/MenuScreen.h"
#include "states/SplashSequence.h"

/// The title screen: the splash pictures once per run, then the main menu.
class MainMenu final : public MenuScreen
{
  public:
    /// The first time: the menu music, the last race's places forgotten, the splash pictures.
    /// Every time: the menu's items.
    void Enter() override;

  protected:
    bool TakeOwnInput() override;
    void DrawScreen() override;

  private:
    SplashSequence m_splash;
    bool m_entered = false;
};
