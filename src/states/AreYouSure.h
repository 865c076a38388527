#pragma once

#include "states/MenuScreen.h"

/// "Are you sure?": No goes back to the menu that asked, Yes carries out what it asked about.
class AreYouSure final : public MenuScreen
{
  public:
    void Enter() override;

  protected:
    void DrawScreen() override;
};
