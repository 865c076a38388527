#pragma once

#include "input/PadState.h"

#include <SDL_gamecontroller.h>
#include <array>
#include <cstdint>

/// Which thumb or trigger an injected axis value moves.
enum class PadAxis
{
    LeftX,
    LeftY,
    RightX,
    RightY,
    LeftTrigger,
    RightTrigger,
};

/// The four places pads are read from: an SDL game controller opened on hot-plug, or, where
/// there are no devices (headless runs, tests), a pad whose state is injected. Gamepads poll
/// these slots and send their rumble to them.
class GamepadSlots
{
  public:
    static constexpr int kSlotCount = 4;

    GamepadSlots() = default;
    ~GamepadSlots();
    GamepadSlots(const GamepadSlots&) = delete;
    GamepadSlots& operator=(const GamepadSlots&) = delete;

    /// Starts SDL's game controller support; controllers present now arrive as hot-plug events.
    bool OpenDevices();
    /// Closes every controller and stops SDL's game controller support.
    void CloseDevices();
    /// An SDL controller was plugged in: it takes the lowest free slot.
    void OnDeviceAdded(int deviceIndex);
    /// An SDL controller was unplugged: its slot becomes free.
    void OnDeviceRemoved(int instanceId);

    /// Reads the slot; false when nothing is connected there (`out` is then untouched).
    bool Read(int slot, PadState& out);
    /// Sets both motor speeds of the slot's pad (0..65535); they hold until set again.
    void Rumble(int slot, uint16_t low, uint16_t high);

    /// Plugs an injected pad into the slot, all released.
    void InjectConnect(int slot);
    /// Unplugs the slot's injected pad.
    void InjectDisconnect(int slot);
    /// Presses or releases the buttons of `mask` on the slot's injected pad.
    void InjectButtons(int slot, uint16_t mask, bool down);
    /// Moves a thumb (-32768..32767, y up) or a trigger (0..255, clamped) of the injected pad.
    void InjectAxis(int slot, PadAxis axis, int value);
    /// The last motor speeds sent to the slot (what a test can observe of rumble).
    std::array<uint16_t, 2> LastRumble(int slot) const;

  private:
    struct Slot
    {
        SDL_GameController* controller = nullptr;
        int instanceId = -1;
        bool injectedConnected = false;
        PadState injected;
        PadState lastRead;
        std::array<uint16_t, 2> rumble{};
    };

    static bool IsValid(int slot) { return slot >= 0 && slot < kSlotCount; }
    int FreeSlot() const;

    std::array<Slot, kSlotCount> m_slots{};
    bool m_devicesOpen = false;
};
