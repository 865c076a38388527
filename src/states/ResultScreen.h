#pragma once

#include "states/GameState.h"

/// The race's results: the racers' balls in their elements on the podium of the scene "rs", whose
/// script shows the places and returns to the main menu.
class ResultScreen final : public GameState
{
  public:
    void Enter() override;
    /// Key R loads the screen again; Back leads to the main menu.
    void Update() override;
    /// Unloads the scene.
    void Exit() override;
};
