#pragma once

#include "input/InputScript.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

/// One racer's seat in a recorded race.
struct ReplaySeat
{
    bool human = false;
    int element = 0; ///< 0 fire, 1 water, 2 wind, 3 earth
};

/// A recorded race: what started it (seed, track, seats), the frame times and the raw input that
/// drove it, frame by frame and only where something changed, and the world's hash at its end.
/// The file form is described in docs/replays.md.
class Replay
{
  public:
    /// The form this build writes and the only one it reads.
    static constexpr int kVersion = 1;
    static constexpr const char* kMagic = "vantora-replay";
    static constexpr const char* kExtension = ".replay";

    unsigned seed = 0;
    std::string track;
    int laps = 0;
    /// The last object id issued when the race began, so spawned objects get the same ids again.
    unsigned lastObjectId = 0;
    std::array<ReplaySeat, 4> seats{};
    long long frames = 0;
    uint64_t finalHash = 0;
    /// (frame, dt) wherever the frame time changed, first frame first.
    std::vector<std::pair<long long, float>> frameTimes;
    /// Input changes in the order they happened; each applies at the start of its frame.
    std::vector<InputScript::Event> events;

    /// The frame time of `frame`: the last change at or before it (1/60 s before the first).
    float FrameTime(long long frame) const;
    /// Applies the input changes of `frame` through the same entry points the window and pads use.
    void ApplyFrame(long long frame) const;

    /// Writes the file form.
    void Write(std::ostream& out) const;
    /// Writes the file form to `path`; false when it cannot be written.
    bool Save(const std::filesystem::path& path) const;
    /// Reads the file form; nothing, and the reason in `error`, for anything but a whole replay of
    /// this version.
    static std::optional<Replay> Read(std::istream& in, std::string& error);
    /// Read from a file.
    static std::optional<Replay> Load(const std::filesystem::path& path, std::string& error);
};
