#pragma once

#include "states/GameState.h"
#include "states/RacePause.h"

/// The tutorial: four people on the level "tutorial", whose scripts teach one thing at a time.
class Tutorial final : public GameState
{
  public:
    void Enter() override;
    /// Pauses like the race, except on key P (a letter the tutorial may ask for).
    void Update() override;
    /// Unloads the level.
    void Exit() override;

  private:
    RacePause m_pause{false};
};
