#pragma once

#include <chrono>
#include <optional>

/// Drives Autoplay races back to back through the screens, as a person at the menu would: on the
/// main menu it moves the highlight to "Autoplay" and confirms; the race runs to its results,
/// whose script leads back to the menu. At the end of each race it prints one line with the
/// process's peak and current memory, so growth over many races shows.
class SimSoak
{
  public:
    /// Stops after `races` races have ended (or a race has ended after `minutes` minutes) and the
    /// menu is back.
    SimSoak(int races, std::optional<double> minutes);

    /// Before each frame: presses or releases a menu key when it is time.
    void BeforeFrame();
    /// After each frame: notices a race ending; true when the soak is done.
    bool AfterFrame(long long framesRun);

    /// The closing line: races, races per minute and memory growth after the first race.
    void PrintSummary() const;

  private:
    void PressMenuKey();

    bool TimeIsUp() const;

    int m_races;
    std::optional<double> m_minutes;
    int m_racesEnded = 0;
    int m_lastTop = 0;
    int m_framesOnMenu = 0;
    int m_heldKey = -1;
    long long m_raceStartFrame = 0;
    long long m_peakAfterFirstKb = 0;
    long long m_peakKb = 0;
    long long m_residentKb = 0;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
