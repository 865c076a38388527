#pragma once

#include "text/DrawnText.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

/// The state of the race at the end of a run.
struct RaceReport
{
    /// Which players have a racer in the race; the others are written as null.
    std::array<bool, 4> racing{true, true, true, true};
    int lapsToRun = 0;
    std::array<int, 4> lapsDone{};
    std::array<int, 4> finishPlaces{-1, -1, -1, -1};
    std::array<long long, 4> finishFrames{-1, -1, -1, -1};
    std::vector<int> ranking; ///< player indices, leader first
};

/// The JSON summary the runner writes at exit.
struct SimReport
{
    long long frames = 0;
    int finalState = 0;
    double wallSeconds = 0.0;
    std::optional<RaceReport> race;
    /// The screen texts and visible labels of the last frame.
    std::vector<DrawnText> texts;
    /// Each change of the state stack: the frame it happened in and the top state's id after it.
    std::vector<std::pair<long long, int>> states;

    std::string ToJson() const;
    /// Writes ToJson() to `path`; false if the file cannot be written.
    bool Write(const std::string& path) const;
    /// The race part from the checkpoint system, if a race has been run.
    static std::optional<RaceReport> CaptureRace();
};
