#pragma once

#include "input/GamepadSlots.h"

#include <istream>
#include <string>
#include <vector>

/// Timed input for headless runs: each event is applied at the start of its frame through the
/// same entry points the window and the pads use.
class InputScript
{
  public:
    enum class Kind
    {
        Key,
        PadConnect,
        PadDisconnect,
        PadButton,
        PadAxis,
        Focus,
    };

    /// One line of the script.
    struct Event
    {
        long long frame = 0;
        Kind kind = Kind::Key;
        int slot = 0;    ///< pad slot 0..3
        int code = 0;    ///< virtual-key code, button mask or axis value
        bool on = false; ///< key or button down, focus on
        PadAxis axis = PadAxis::LeftX;
    };

    /// Lines "FRAME key down|up VK", "FRAME pad SLOT connect|disconnect",
    /// "FRAME pad SLOT button MASK down|up", "FRAME pad SLOT axis lx|ly|rx|ry|lt|rt VALUE",
    /// "FRAME focus on|off"; '#' starts a comment. Each bad line is named in one message and
    /// skipped. Events keep file order within a frame.
    static InputScript Parse(std::istream& in, const std::string& sourceName);
    /// Parse of a file; false when it cannot be opened.
    static bool Load(const std::string& path, InputScript& out);

    /// Applies the events of `frame` (frames count from 0, the first frame of the main loop).
    void ApplyFrame(long long frame) const;
    /// Every event, ordered by frame.
    const std::vector<Event>& Events() const { return m_events; }

    /// Applies one event to the input system, its gamepad slots or the window's focus.
    static void Apply(const Event& event);
    /// One line of the script's syntax (no comment) into `event`; empty when it is good, else why
    /// not.
    static std::string ParseEvent(const std::string& line, Event& event);
    /// The event as one line of the script's syntax, without a line end.
    static std::string FormatEvent(const Event& event);

  private:
    std::vector<Event> m_events;
};
