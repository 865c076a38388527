#pragma once

#include "gameplay/RaceStats.h"
#include "text/DrawnText.h"

#include <array>
#include <cstdint>
#include <map>
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
    /// Per player: the element of its racer (0 fire, 1 water, 2 wind, 3 earth).
    std::array<int, 4> elements{};
    /// Per player: the times it went a long while without passing a gate.
    std::array<int, 4> stuck{};
    /// Per player: powers fired, hits landed, hits taken and times put back on the track.
    std::array<RaceStats::Counts, 4> stats{};
};

/// What the game asked to hear during the run.
struct SoundReport
{
    /// Plays asked for, by event path, whether or not the bank has the event.
    std::map<std::string, long long, std::less<>> plays;
    /// The music event playing at the end, if any.
    std::optional<std::string> music;
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
    SoundReport sounds;
    /// Each change of the state stack: the frame it happened in and the top state's id after it.
    std::vector<std::pair<long long, int>> states;
    /// The world's hash after the last frame.
    uint64_t stateHash = 0;
    /// With --hash-every: [frames run, hash] every so many frames; not written when empty.
    std::vector<std::pair<long long, uint64_t>> stateHashes;

    std::string ToJson() const;
    /// Writes ToJson() to `path`; false if the file cannot be written.
    bool Write(const std::string& path) const;
    /// The race part from the checkpoint system, if a race has been run.
    static std::optional<RaceReport> CaptureRace();
    /// The sound part from the sound system.
    static SoundReport CaptureSounds();
};
