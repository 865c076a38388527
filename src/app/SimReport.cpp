#include "app/SimReport.h"

#include "core/StateHash.h"
#include "gameplay/CheckPointSystem.h"
#include "objects/Logic.h"
#include "sound/SoundSystem.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace
{
template <typename Values> std::string JsonList(const Values& values)
{
    std::ostringstream out;
    out << "[";
    for (size_t i = 0; i < values.size(); ++i)
        out << (i ? ", " : "") << values[i];
    out << "]";
    return out.str();
}

/// One value per player, null for a player without a racer.
template <typename Values> std::string PlayerList(const Values& values, const std::array<bool, 4>& racing)
{
    std::ostringstream out;
    out << "[";
    for (size_t i = 0; i < values.size(); ++i)
    {
        out << (i ? ", " : "");
        if (racing[i])
            out << values[i];
        else
            out << "null";
    }
    out << "]";
    return out.str();
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text)
    {
        if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (static_cast<unsigned char>(c) < 0x20)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        }
        else
            out += c;
    }
    return out + "\"";
}

std::string TextsJson(const std::vector<DrawnText>& texts)
{
    std::ostringstream out;
    out << ",\n  \"texts\": [";
    for (size_t i = 0; i < texts.size(); ++i)
        out << (i ? "," : "") << "\n    {\"text\": " << JsonString(texts[i].text) << ", \"x\": " << texts[i].x
            << ", \"y\": " << texts[i].y << ", \"size\": " << texts[i].size
            << ", \"viewport\": " << texts[i].viewport << "}";
    out << (texts.empty() ? "]" : "\n  ]");
    return out.str();
}

std::string SoundsJson(const SoundReport& sounds)
{
    std::ostringstream out;
    out << ",\n  \"sounds\": {\n    \"plays\": {";
    bool first = true;
    for (const auto& [path, count] : sounds.plays)
    {
        out << (first ? "" : ",") << "\n      " << JsonString(path) << ": " << count;
        first = false;
    }
    out << (first ? "}" : "\n    }")
        << ",\n    \"music\": " << (sounds.music ? JsonString(*sounds.music) : "null") << "\n  }";
    return out.str();
}

std::string StatesJson(const std::vector<std::pair<long long, int>>& states)
{
    std::ostringstream out;
    out << ",\n  \"states\": [";
    for (size_t i = 0; i < states.size(); ++i)
        out << (i ? ", " : "") << "[" << states[i].first << ", " << states[i].second << "]";
    out << "]";
    return out.str();
}

std::string HashesJson(uint64_t last, const std::vector<std::pair<long long, uint64_t>>& every)
{
    std::ostringstream out;
    out << ",\n  \"state_hash\": \"" << StateHash::ToHex(last) << "\"";
    if (every.empty())
        return out.str();
    out << ",\n  \"state_hashes\": [";
    for (size_t i = 0; i < every.size(); ++i)
        out << (i ? ", " : "") << "[" << every[i].first << ", \"" << StateHash::ToHex(every[i].second)
            << "\"]";
    out << "]";
    return out.str();
}

std::string RaceJson(const RaceReport& race)
{
    std::ostringstream out;
    out << ",\n  \"race\": {\n"
        << "    \"laps_to_run\": " << race.lapsToRun << ",\n"
        << "    \"laps_done\": " << PlayerList(race.lapsDone, race.racing) << ",\n"
        << "    \"finish_places\": " << PlayerList(race.finishPlaces, race.racing) << ",\n"
        << "    \"finish_frames\": " << PlayerList(race.finishFrames, race.racing) << ",\n"
        << "    \"ranking\": " << JsonList(race.ranking) << ",\n"
        << "    \"elements\": " << PlayerList(race.elements, race.racing) << ",\n"
        << "    \"stuck\": " << PlayerList(race.stuck, race.racing) << "\n  }";
    out << ",\n  \"race_stats\": [";
    for (size_t i = 0; i < race.stats.size(); ++i)
    {
        const RaceStats::Counts& c = race.stats[i];
        out << (i ? ", " : "") << "{\"powers\": " << c.powers << ", \"hits\": " << c.hits
            << ", \"hit_by\": " << c.hitBy << ", \"respawns\": " << c.respawns << "}";
    }
    out << "]";
    return out.str();
}
} // namespace

std::string SimReport::ToJson() const
{
    char text[256];
    std::snprintf(text, sizeof text,
                  "{\n  \"frames\": %lld,\n  \"final_state\": %d,\n  \"wall_seconds\": %.6f", frames,
                  finalState, wallSeconds);
    return std::string(text) + (race ? RaceJson(*race) : "") + TextsJson(texts) + SoundsJson(sounds) +
           StatesJson(states) + HashesJson(stateHash, stateHashes) + "\n}\n";
}

bool SimReport::Write(const std::string& path) const
{
    std::ofstream out(path);
    out << ToJson();
    return static_cast<bool>(out);
}

std::optional<RaceReport> SimReport::CaptureRace()
{
    const CheckPointSystem& system = CheckPointSystem::Instance();
    if (system.Gates().empty() && system.Ranking().empty())
        return std::nullopt;
    RaceReport race;
    // The ranking holds exactly the racers that took part: a player whose racer never existed
    // must not be reported with the place the race's end hands every player still out.
    race.racing.fill(false);
    for (const RankEntry& entry : system.Ranking())
        if (entry.player >= 0 && entry.player < 4)
            race.racing[static_cast<size_t>(entry.player)] = true;
    race.lapsToRun = system.GetLapsToRun();
    for (int player = 0; player < 4; ++player)
    {
        race.lapsDone[static_cast<size_t>(player)] = system.GetLapsDone(player);
        race.finishPlaces[static_cast<size_t>(player)] = system.GetFinishPlace(player);
        race.finishFrames[static_cast<size_t>(player)] = system.GetFinishFrame(player);
        race.elements[static_cast<size_t>(player)] = Logic::Instance().GetPlayerChoice(player).element;
        race.stats[static_cast<size_t>(player)] = RaceStats::Instance().Get(player);
    }
    for (const RankEntry& entry : system.Ranking())
        race.ranking.push_back(entry.player);
    return race;
}

SoundReport SimReport::CaptureSounds()
{
    const SoundSystem& system = SoundSystem::Instance();
    return {system.PlayCounts(), system.CurrentMusic()};
}
