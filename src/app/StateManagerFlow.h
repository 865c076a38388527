#pragma once

#include "core/GameFlow.h"

/// The main loop's running and pause flags from the game-state manager, and the paused frame's
/// action evaluation from the action list.
class StateManagerFlow final : public GameFlow
{
  public:
    /// The game-state manager's running flag.
    bool IsRunning() const override;
    /// The game-state manager's pause flag.
    bool IsPaused() const override;
    /// The action list's evaluation of keys and pads.
    void UpdateActionsWhilePaused() override;
};
