#pragma once

/// The game's running and pause flags as the main loop reads them, and the input step a paused
/// frame still takes. The game-state layer answers; the composition root wires it in.
class GameFlow
{
  public:
    virtual ~GameFlow() = default;
    /// False once the game has been asked to end.
    virtual bool IsRunning() const = 0;
    /// True while a pause screen holds the game.
    virtual bool IsPaused() const = 0;
    /// The action evaluation a paused frame runs between the game states and the sound.
    virtual void UpdateActionsWhilePaused() = 0;
};
