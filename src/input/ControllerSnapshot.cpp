#include "input/ControllerSnapshot.h"

#include <algorithm>

namespace
{
struct ButtonBit
{
    SDL_GameControllerButton button;
    uint16_t mask;
};

// SDL names the face buttons by position in the Xbox layout, as XInput does, so A stays the
// bottom button on every pad. Guide and the newer extra buttons have no XInput bit.
constexpr ButtonBit kButtonBits[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::kDpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::kDpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::kDpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::kDpadRight},
    {SDL_CONTROLLER_BUTTON_START, PadButton::kStart},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::kBack},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PadButton::kLeftThumb},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PadButton::kRightThumb},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::kLeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::kRightShoulder},
    {SDL_CONTROLLER_BUTTON_A, PadButton::kA},
    {SDL_CONTROLLER_BUTTON_B, PadButton::kB},
    {SDL_CONTROLLER_BUTTON_X, PadButton::kX},
    {SDL_CONTROLLER_BUTTON_Y, PadButton::kY},
};

// SDL's y axes grow downwards, XInput's upwards. -1 - v maps -32768..32767 onto 32767..-32768
// exactly, so a stick held fully up or down still reads exactly +1 or -1.
int16_t FlipAxis(int16_t v)
{
    return static_cast<int16_t>(-1 - v);
}

// SDL triggers run 0..32767; XInput's are bytes. Rounded so that a fully pulled trigger is 255.
uint8_t TriggerByte(int16_t v)
{
    const int clamped = std::max<int>(v, 0);
    return static_cast<uint8_t>((clamped * 255 + 16383) / 32767);
}
} // namespace

ControllerSnapshot ControllerSnapshot::Read(SDL_GameController* controller)
{
    ControllerSnapshot snapshot;
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
        snapshot.buttons[static_cast<size_t>(b)] =
            SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(b)) != 0;
    for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a)
        snapshot.axes[static_cast<size_t>(a)] =
            SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(a));
    return snapshot;
}

PadState ControllerSnapshot::ToPadState() const
{
    PadState state;
    for (const ButtonBit& bit : kButtonBits)
        if (buttons[bit.button])
            state.buttons = static_cast<uint16_t>(state.buttons | bit.mask);
    state.thumbLX = axes[SDL_CONTROLLER_AXIS_LEFTX];
    state.thumbLY = FlipAxis(axes[SDL_CONTROLLER_AXIS_LEFTY]);
    state.thumbRX = axes[SDL_CONTROLLER_AXIS_RIGHTX];
    state.thumbRY = FlipAxis(axes[SDL_CONTROLLER_AXIS_RIGHTY]);
    state.leftTrigger = TriggerByte(axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT]);
    state.rightTrigger = TriggerByte(axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT]);
    return state;
}
