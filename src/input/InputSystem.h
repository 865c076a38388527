#pragma once

#include "core/EmptySystem.h"
#include "input/Gamepad.h"
#include "input/GamepadSlots.h"
#include "input/InputRecorder.h"
#include "math/Vector4.h"

#include <array>
#include <cstddef>
#include <memory>

/// Keyboard, mouse and the four gamepads: what is held now, and what went down this frame.
/// Keys and the mouse are pushed in by the window as events arrive; the pads are polled at the
/// end of each frame, when the current state also becomes the previous one.
class InputSystem final : public EmptySystem
{
  public:
    /// Virtual-key codes 0..135 have a place in the key table; larger codes are ignored.
    static constexpr int kKeyCount = 136;
    static constexpr int kMouseButtonCount = 4;
    static constexpr int kPadCount = GamepadSlots::kSlotCount;

    /// The single instance.
    static InputSystem& Instance();

    /// Clears the key tables and creates the four pads; opens the devices unless headless.
    void Init() override;
    /// End of every frame, paused or not: keys, pads, then mouse become the previous state.
    void PostUpdate() override;

    /// Records a key change from the window.
    void SetKey(int key, bool down);
    /// Whether the key is held now.
    bool IsKeyDown(int key) const;
    /// Whether the key went down this frame (held now, not held at the end of the last frame).
    bool IsKeyTriggered(int key) const;

    /// A mouse button (0 left, 1 right, 3 middle) went down at client position (x, y).
    void MouseButtonDown(int button, int x, int y);
    /// A mouse button went up.
    void MouseButtonUp(int button);
    /// The pointer moved to (x, y); the delta is measured from the last stored position.
    void MouseMove(int x, int y);
    /// Whether the button was held at the end of the last frame and still is.
    bool IsMouseHeld(int button) const;
    /// Whether the button is held now.
    bool IsMouseDown(int button) const;
    /// Whether the button went down this frame.
    bool IsMouseTriggered(int button) const;
    /// Last client position the window reported.
    int GetMouseX() const { return m_mouseX; }
    /// Last client position the window reported.
    int GetMouseY() const { return m_mouseY; }
    /// Movement of the last move this frame (0 after PostUpdate).
    int GetMouseDeltaX() const { return m_mouseDeltaX; }
    /// Movement of the last move this frame (0 after PostUpdate).
    int GetMouseDeltaY() const { return m_mouseDeltaY; }

    /// Pad 0..3, or null for another index or before Init.
    Gamepad* GetGamepad(int index) const;
    /// Whether any connected pad holds a button of `mask` (pads tried 0..3).
    bool IsButtonDownByAny(unsigned mask) const;
    /// Whether a button of `mask` went down this frame on any connected pad.
    bool IsButtonTriggeredByAny(unsigned mask) const;
    /// Whether any pad counts as connected.
    bool IsAnyGamepadConnected() const;
    /// The first connected pad's active stick that points forward or back; zero and false if none.
    bool GetStickByAny(int which, Vector4& out) const;
    /// Where the pads are read from: SDL controllers, or injected pads in headless runs.
    GamepadSlots& GetGamepadSlots() { return m_slots; }
    /// Writes down the input of each frame while a race is recorded.
    InputRecorder& GetRecorder() { return m_recorder; }

  private:
    InputSystem() = default;
    static bool IsValidKey(int key) { return key >= 0 && key < kKeyCount; }
    static bool IsValidButton(int button) { return button >= 0 && button < kMouseButtonCount; }

    std::array<bool, kKeyCount> m_keys{};
    std::array<bool, kKeyCount> m_previousKeys{};
    std::array<bool, kMouseButtonCount> m_mouse{};
    std::array<bool, kMouseButtonCount> m_previousMouse{};
    int m_mouseX = 0;
    int m_mouseY = 0;
    int m_mouseDeltaX = 0;
    int m_mouseDeltaY = 0;
    // Declared before the pads, which hold a reference to it.
    GamepadSlots m_slots;
    std::array<std::unique_ptr<Gamepad>, kPadCount> m_pads;
    InputRecorder m_recorder;
};
