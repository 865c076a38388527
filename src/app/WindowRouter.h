#pragma once

#include "core/WindowListener.h"

/// Sends the window's events on: keys (as virtual-key codes), the mouse and pads to the input
/// system, size changes to the graphics system, a quit request to the game-state manager.
class WindowRouter final : public WindowListener
{
  public:
    /// Keys without a virtual-key code are dropped.
    void OnKey(int scancode, bool down) override;
    /// The input system's mouse position.
    void OnMouseMove(int x, int y) override;
    /// The input system's mouse buttons.
    void OnMouseButton(int button, bool down, int x, int y) override;
    /// The input system's gamepad slots.
    void OnPadAdded(int deviceIndex) override;
    /// The input system's gamepad slots.
    void OnPadRemoved(int instanceId) override;
    /// The graphics system's viewport and projection.
    void OnResize(unsigned width, unsigned height) override;
    /// The game stops running.
    void OnQuit() override;
};
