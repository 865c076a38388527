#include "input/GamepadSlots.h"

#include "input/ControllerSnapshot.h"

#include <SDL.h>
#include <algorithm>
#include <cstdio>

namespace
{
// SDL rumble always has a duration; this is the longest it accepts. XInput's vibration has
// none, so "until set again" lasts about a minute here.
constexpr Uint32 kLongestRumbleMs = 0xFFFF;
} // namespace

GamepadSlots::~GamepadSlots()
{
    CloseDevices();
}

bool GamepadSlots::OpenDevices()
{
    if (m_devicesOpen)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
    {
        std::printf("Gamepads are not available: %s\n", SDL_GetError());
        return false;
    }
    m_devicesOpen = true;
    return true;
}

void GamepadSlots::CloseDevices()
{
    if (!m_devicesOpen)
        return;
    for (Slot& slot : m_slots)
    {
        if (slot.controller)
            SDL_GameControllerClose(slot.controller);
        slot.controller = nullptr;
        slot.instanceId = -1;
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    m_devicesOpen = false;
}

int GamepadSlots::FreeSlot() const
{
    for (int i = 0; i < kSlotCount; ++i)
    {
        const Slot& slot = m_slots[static_cast<size_t>(i)];
        if (!slot.controller && !slot.injectedConnected)
            return i;
    }
    return -1;
}

void GamepadSlots::OnDeviceAdded(int deviceIndex)
{
    if (!m_devicesOpen)
        return;
    // SDL reports pads already open again when the subsystem starts; one slot per device.
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (const Slot& slot : m_slots)
        if (slot.controller && slot.instanceId == id)
            return;
    const int free = FreeSlot();
    if (free < 0)
        return; // a fifth pad is ignored, as XInput knows only four users
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return;
    Slot& slot = m_slots[static_cast<size_t>(free)];
    slot.controller = controller;
    slot.instanceId = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
}

void GamepadSlots::OnDeviceRemoved(int instanceId)
{
    for (Slot& slot : m_slots)
    {
        if (!slot.controller || slot.instanceId != instanceId)
            continue;
        SDL_GameControllerClose(slot.controller);
        slot.controller = nullptr;
        slot.instanceId = -1;
    }
}

bool GamepadSlots::Read(int slot, PadState& out)
{
    if (!IsValid(slot))
        return false;
    Slot& s = m_slots[static_cast<size_t>(slot)];
    if (s.controller)
    {
        PadState now = ControllerSnapshot::Read(s.controller).ToPadState();
        // XInput counts a new packet whenever the state changes; keep that meaning.
        now.packetNumber = s.lastRead.packetNumber + (now.SameInputs(s.lastRead) ? 0 : 1);
        s.lastRead = now;
        out = now;
        return true;
    }
    if (!s.injectedConnected)
        return false;
    out = s.injected;
    return true;
}

void GamepadSlots::Rumble(int slot, uint16_t low, uint16_t high)
{
    if (!IsValid(slot))
        return;
    Slot& s = m_slots[static_cast<size_t>(slot)];
    s.rumble = {low, high};
    if (s.controller)
        SDL_GameControllerRumble(s.controller, low, high, kLongestRumbleMs);
}

std::array<uint16_t, 2> GamepadSlots::LastRumble(int slot) const
{
    return IsValid(slot) ? m_slots[static_cast<size_t>(slot)].rumble : std::array<uint16_t, 2>{};
}

void GamepadSlots::InjectConnect(int slot)
{
    if (IsValid(slot))
        m_slots[static_cast<size_t>(slot)].injectedConnected = true;
}

void GamepadSlots::InjectDisconnect(int slot)
{
    if (!IsValid(slot))
        return;
    Slot& s = m_slots[static_cast<size_t>(slot)];
    s.injectedConnected = false;
    // A pad plugged in again starts released, like a real one.
    s.injected.ClearInputs();
}

void GamepadSlots::InjectButtons(int slot, uint16_t mask, bool down)
{
    if (!IsValid(slot))
        return;
    Slot& s = m_slots[static_cast<size_t>(slot)];
    s.injected.buttons =
        static_cast<uint16_t>(down ? (s.injected.buttons | mask) : (s.injected.buttons & ~mask));
    ++s.injected.packetNumber;
}

void GamepadSlots::InjectAxis(int slot, PadAxis axis, int value)
{
    if (!IsValid(slot))
        return;
    Slot& s = m_slots[static_cast<size_t>(slot)];
    PadState& p = s.injected;
    const auto thumb = static_cast<int16_t>(std::clamp(value, -32768, 32767));
    const auto trigger = static_cast<uint8_t>(std::clamp(value, 0, 255));
    switch (axis)
    {
    case PadAxis::LeftX:
        p.thumbLX = thumb;
        break;
    case PadAxis::LeftY:
        p.thumbLY = thumb;
        break;
    case PadAxis::RightX:
        p.thumbRX = thumb;
        break;
    case PadAxis::RightY:
        p.thumbRY = thumb;
        break;
    case PadAxis::LeftTrigger:
        p.leftTrigger = trigger;
        break;
    case PadAxis::RightTrigger:
        p.rightTrigger = trigger;
        break;
    }
    ++s.injected.packetNumber;
}
