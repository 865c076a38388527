#pragma once

/// Where the window manager sends what the window system reports. Input, graphics and the game
/// states live above core, so they receive these through the composition root; every slot does
/// nothing until overridden.
class WindowListener
{
  public:
    virtual ~WindowListener() = default;
    /// A key went down or up; `scancode` is SDL's scancode.
    virtual void OnKey(int /*scancode*/, bool /*down*/) {}
    /// The mouse moved to (x, y) in window pixels.
    virtual void OnMouseMove(int /*x*/, int /*y*/) {}
    /// A mouse button (0 left, 1 right, 3 middle) went down at (x, y) or up.
    virtual void OnMouseButton(int /*button*/, bool /*down*/, int /*x*/, int /*y*/) {}
    /// A game controller was plugged in at SDL device index `deviceIndex`.
    virtual void OnPadAdded(int /*deviceIndex*/) {}
    /// The game controller with SDL instance id `instanceId` was unplugged.
    virtual void OnPadRemoved(int /*instanceId*/) {}
    /// The drawable area changed to width x height pixels.
    virtual void OnResize(unsigned /*width*/, unsigned /*height*/) {}
    /// The window system asked the game to end.
    virtual void OnQuit() {}
};
