#pragma once

#include <array>

/// When a screen with racers on it pauses: the window lost the focus, Escape, a pad's Start, key P
/// where the screen allows it, or the pad of a person's racer pulled out. A pause made by a lost
/// pad ends by itself when a pad is plugged into that slot again, so the same racer drives on.
class RacePause
{
  public:
    /// `withKeyP`: whether key P pauses too (the race; the tutorial keeps P free).
    explicit RacePause(bool withKeyP) : m_withKeyP(withKeyP) {}

    /// Once per frame from the screen's Update: opens the pause menu, or closes it when the pad
    /// it waited for is back.
    void Update();
    /// The pad slot the pause waits for, -1 when none.
    int WaitingForPad() const { return m_waitingForPad; }

  private:
    bool PauseAsked() const;
    /// The first slot whose pad was seen plugged in and is gone now while a person races with
    /// it; -1 for none. Remembers what is plugged in now.
    int TakeLostHumanPad();
    void ResumeIfPadBack();

    std::array<bool, 4> m_seenConnected{};
    int m_waitingForPad = -1;
    bool m_withKeyP;
};
