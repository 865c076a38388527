#pragma once

#include <array>
#include <optional>
#include <string_view>

/// What each racer did with the powers during one race: the numbers the balance tool reads.
/// Scripts count the events (they carry out the powers and put fallen racers back); a race's
/// start clears them.
class RaceStats
{
  public:
    static constexpr int kPlayers = 4;

    /// The events counted per racer.
    enum class Stat
    {
        Powers,
        Hits,
        HitBy,
        Respawns,
    };

    /// One racer's counts.
    struct Counts
    {
        int powers = 0;
        int hits = 0;
        int hitBy = 0;
        int respawns = 0;
    };

    static RaceStats& Instance();

    /// The stat of a script name ("powers", "hits", "hit_by", "respawns"); none for another name.
    static std::optional<Stat> StatNamed(std::string_view name);

    /// Adds one to `stat` of `player`; false (and nothing counted) for a player outside 0..3.
    bool Count(int player, Stat stat);
    /// The counts of `player`; zeros for a player outside 0..3.
    Counts Get(int player) const;
    /// Every count back to zero.
    void Reset();

  private:
    std::array<Counts, kPlayers> m_counts{};
};
