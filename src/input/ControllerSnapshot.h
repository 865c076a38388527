#pragma once

#include "input/PadState.h"

#include <SDL_gamecontroller.h>
#include <array>
#include <cstdint>

/// Everything read from one SDL game controller in one poll, in SDL's own terms (y axes point
/// down, triggers 0..32767). Kept apart from the device so the conversion can be tested.
struct ControllerSnapshot
{
    std::array<bool, SDL_CONTROLLER_BUTTON_MAX> buttons{};
    std::array<int16_t, SDL_CONTROLLER_AXIS_MAX> axes{};

    /// Reads every button and axis of an open controller.
    static ControllerSnapshot Read(SDL_GameController* controller);
    /// The same state in XInput's layout (packet number 0).
    PadState ToPadState() const;
};
