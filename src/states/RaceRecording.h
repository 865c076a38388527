#pragma once

#include "input/Replay.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

/// Each race's seed and its recording. Every race reseeds rand() with a seed of its own, chosen
/// from the clock (or from the runner's seed, one more for each race) and written into its
/// replay, so the race can be played again frame for frame. The game keeps the last ten races in
/// the user's data folder; the runner records to a named file, or plays one back.
class RaceRecording
{
  public:
    /// How many replays the folder keeps; older ones are deleted.
    static constexpr int kKeptReplays = 10;

    /// The single instance.
    static RaceRecording& Instance();
    /// Where the game keeps its replays: replays/ in the user's data folder; empty when the user
    /// has no home.
    static std::filesystem::path DefaultFolder();

    /// Every race from now on is written to a new file in `folder`, the last ten kept.
    void RecordToFolder(const std::filesystem::path& folder);
    /// The next races are written to `file`, each over the last.
    void RecordToFile(const std::filesystem::path& file);
    /// Race N (counted from 0) is seeded with `seed` + N instead of the clock.
    void SetBaseSeed(std::optional<unsigned> seed) { m_baseSeed = seed; }
    /// The next race starts as the recorded one did: its seed and its object ids.
    void PlayBack(const Replay& replay);

    /// The race on `track` begins (before its scene loads): reseeds rand() and starts recording.
    void RaceStarts(const std::string& track);
    /// The race is over or abandoned: the recording, if any, is written.
    void RaceEnds();

    /// The seed of the last race begun.
    unsigned LastSeed() const { return m_seed; }
    /// How many races have begun.
    int RacesStarted() const { return m_races; }

    /// Deletes the oldest replays in `folder` until at most `keep` are left.
    static void KeepNewest(const std::filesystem::path& folder, int keep);

  private:
    RaceRecording() = default;
    unsigned ChooseSeed();
    void Write(const Replay& replay) const;
    std::filesystem::path NewFileIn(const std::filesystem::path& folder) const;

    std::filesystem::path m_folder;
    std::filesystem::path m_file;
    std::optional<unsigned> m_baseSeed;
    std::optional<unsigned> m_playbackSeed;
    std::optional<unsigned> m_playbackIds;
    std::string m_track;
    unsigned m_startIds = 0;
    unsigned m_seed = 0;
    int m_races = 0;
    std::array<ReplaySeat, 4> m_seats{};
};
