#include "states/SelectInput.h"

#include "input/InputSystem.h"
#include "input/PadState.h"
#include "input/VirtualKeyMap.h"

namespace
{
constexpr float kStickPush = 0.5f;

const Gamepad* PadOf(int player)
{
    const Gamepad* pad = InputSystem::Instance().GetGamepad(player);
    return pad && pad->IsConnected() ? pad : nullptr;
}

int PadStep(int player)
{
    const Gamepad* pad = PadOf(player);
    if (!pad)
        return 0;
    const float x = pad->GetStick(0).x;
    if (pad->IsButtonDown(PadButton::kDpadLeft) || x < -kStickPush)
        return -1;
    if (pad->IsButtonDown(PadButton::kDpadRight) || x > kStickPush)
        return 1;
    return 0;
}

int KeyStep()
{
    const InputSystem& input = InputSystem::Instance();
    if (input.IsKeyDown(VirtualKey::kLeft) || input.IsKeyDown(VirtualKey::Letter('A')))
        return -1;
    if (input.IsKeyDown(VirtualKey::kRight) || input.IsKeyDown(VirtualKey::Letter('D')))
        return 1;
    return 0;
}
} // namespace

int SelectInput::Step(int player)
{
    if (player == 0)
        if (const int step = KeyStep())
            return step;
    return PadStep(player);
}

bool SelectInput::Confirm(int player)
{
    if (player == 0 && InputSystem::Instance().IsKeyTriggered(VirtualKey::kEnter))
        return true;
    const Gamepad* pad = PadOf(player);
    return pad && pad->IsButtonTriggered(PadButton::kA | PadButton::kStart);
}

bool SelectInput::Start(int player)
{
    const Gamepad* pad = PadOf(player);
    return pad && pad->IsButtonTriggered(PadButton::kStart);
}

bool SelectInput::Back()
{
    const InputSystem& input = InputSystem::Instance();
    return input.IsKeyTriggered(VirtualKey::kBackspace) || input.IsKeyTriggered(VirtualKey::kEscape) ||
           input.IsButtonTriggeredByAny(PadButton::kBack | PadButton::kB);
}

bool SelectInput::PadConnected(int player)
{
    return PadOf(player) != nullptr;
}

bool SelectInput::PadGone(int player)
{
    const Gamepad* pad = InputSystem::Instance().GetGamepad(player);
    return pad && pad->IsConnectionKnown() && !pad->IsConnected();
}
