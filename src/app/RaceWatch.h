#pragma once

#include "app/SimReport.h"

#include <array>
#include <optional>

class GameObject;

/// Follows the race frame by frame for the runner's report. The report is written when the run
/// ends, often on the results screen or the menu after the race has been cleared away; this
/// keeps the race as it stood in its last frame, and counts the times a racer still in the race
/// went a long while without passing a gate (stuck on a wall, or lost off the racing line).
class RaceWatch
{
  public:
    /// A racer is stuck once it has passed no gate for this long.
    static constexpr float kStuckSeconds = 25.0f;

    /// `secondsPerFrame`: the fixed frame time of the run.
    explicit RaceWatch(float secondsPerFrame);
    /// After each frame: takes the race's state while one is running.
    void AfterFrame();
    /// The last race seen, with its stuck counts; nothing if no race has been run.
    const std::optional<RaceReport>& Race() const { return m_race; }

  private:
    void FollowRacer(int player);

    float m_secondsPerFrame;
    std::optional<RaceReport> m_race;
    std::array<const GameObject*, 4> m_lastGate{};
    std::array<int, 4> m_lastLaps{};
    std::array<float, 4> m_sinceGate{};
    std::array<int, 4> m_stuck{};
};
