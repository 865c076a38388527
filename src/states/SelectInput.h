#pragma once

/// What each player presses on the select screens: player 0 on the keyboard (and its pad, if it
/// has one), the others on their own pads.
class SelectInput
{
  public:
    /// -1 left, +1 right, 0 neither; held, so a held direction repeats at the screen's pace.
    static int Step(int player);
    /// The player confirms: Enter for player 0, A or Start on the player's pad.
    static bool Confirm(int player);
    /// Start on the player's own pad (joining).
    static bool Start(int player);
    /// Backspace or Escape, or Back or B on any pad.
    static bool Back();
    /// Whether the player's pad is plugged in.
    static bool PadConnected(int player);
    /// Whether the player's pad was seen plugged in and is gone now.
    static bool PadGone(int player);
};
