#pragma once

#include "input/PadState.h"
#include "math/Vector4.h"

#include <cstdint>

class GamepadSlots;

/// One of the four pads, read once per frame from its slot: what is held, what went down this
/// frame, sticks after their dead zones, triggers past their threshold, and timed rumble.
class Gamepad
{
  public:
    static constexpr int kLeftDeadZone = 7849;
    static constexpr int kRightDeadZone = 8689;
    /// Trigger values up to this read as released.
    static constexpr int kTriggerThreshold = 30;

    /// Pad `index` reading from `slots`; starts out counted as connected and says so.
    Gamepad(int index, GamepadSlots& slots);

    /// End of each frame: the current state becomes the previous one and the pad is read again.
    void Poll(float dt);

    /// Pad number 0..3.
    int GetIndex() const { return m_index; }
    /// Whether the last poll found the pad (true until the first poll).
    bool IsConnected() const { return m_connected; }
    /// Whether the connection has been read at least once: before that it is only presumed.
    bool IsConnectionKnown() const { return m_connectionKnown; }
    /// Whether any button of `mask` is held.
    bool IsButtonDown(unsigned mask) const;
    /// Whether any button of `mask` went down this frame.
    bool IsButtonTriggered(unsigned mask) const;
    /// Stick 0 (left) or any other (right) as (x, y, 0, 0), each axis cut by its own dead zone.
    Vector4 GetStick(int which) const;
    /// The stick if it is pushed past its dead zone on either axis; false for a bad `which`.
    bool GetStickIfActive(int which, Vector4& out) const;
    /// Trigger 0 (left) or 1 (right) as 0..1 when pulled past the threshold.
    bool GetTrigger(int which, float& out) const;
    /// Both motors at `speed` (0..65535); a non-zero `duration` in seconds stops them after it.
    void SetVibration(uint16_t speed, float duration);
    /// The speed both motors were last set to.
    uint16_t GetVibrationSpeed() const { return m_motorSpeed; }

    /// The state read at the end of the last frame.
    const PadState& GetState() const { return m_current; }
    /// The state read a frame before that.
    const PadState& GetPreviousState() const { return m_previous; }

    /// One axis: 0 inside the dead zone, else scaled so both extremes read exactly 1.
    static float ScaleAxis(int raw, int deadZone);

  private:
    void OnConnectionChanged(bool connectedNow);

    GamepadSlots& m_slots;
    PadState m_previous;
    PadState m_current;
    uint16_t m_motorSpeed = 0;
    int m_index;
    bool m_connected = true;
    bool m_connectionKnown = false;
    float m_vibrationTime = 0.0f;
    float m_vibrationDuration = 0.0f;
};
