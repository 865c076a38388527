#pragma once

#include "core/EmptySystem.h"

/// Turns keys, buttons and sticks into each player's named actions.
class ActionList final : public EmptySystem
{
public:
    static ActionList& Instance();

    /// Evaluates the actions of every player; the only part that runs while the game is paused.
    void UpdateActions() {}

private:
    ActionList() = default;
};
