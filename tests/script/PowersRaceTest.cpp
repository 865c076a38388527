#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace
{
/// The runner on watertrack with four computer racers; the report of the last frame.
std::string RunRace(const std::filesystem::path& folder, long long frames, std::string& output)
{
    const auto report = folder / "race.json";
    const auto log = folder / "race.log";
    const std::string command = std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR +
                                " --track watertrack --frames " + std::to_string(frames) +
                                " --dt 0.0166667 --seed 5 --report " + report.string() + " > " + log.string();
    EXPECT_EQ(std::system(command.c_str()), 0);
    output = ReadFile(log);
    return ReadFile(report);
}
} // namespace

// Orbs and pads charge the racers, the computer racers fire, powers land, and the race still
// runs its three laps in about a minute.
TEST(PowersRace, ComputerRacersChargeFireAndHitOnWatertrack)
{
    TempFolder out;
    std::string output;
    std::string json = RunRace(out.Path(), 9000, output);
    std::smatch results;
    ASSERT_TRUE(std::regex_search(json, results, std::regex("\\[(\\d+), 11\\]"))) << json;
    json = RunRace(out.Path(), std::stoll(results[1].str()) + 1, output);

    EXPECT_EQ(output.find("switched off"), std::string::npos) << output;
    EXPECT_EQ(output.find("Error"), std::string::npos) << output;
    const std::regex stat(
        "\\{\"powers\": (\\d+), \"hits\": (\\d+), \"hit_by\": (\\d+), \"respawns\": (\\d+)\\}");
    int racers = 0;
    int hits = 0;
    int hitBy = 0;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), stat); it != std::sregex_iterator(); ++it)
    {
        EXPECT_GE(std::stoi((*it)[1].str()), 1) << "racer " << racers << " never fired";
        hits += std::stoi((*it)[2].str());
        hitBy += std::stoi((*it)[3].str());
        ++racers;
    }
    EXPECT_EQ(racers, 4) << json;
    EXPECT_GT(hits, 0);
    EXPECT_EQ(hits, hitBy);
    EXPECT_NE(json.find("\"SFX/PowerUpPickup\""), std::string::npos);
    EXPECT_NE(json.find("\"SFX/Boost\""), std::string::npos);

    std::smatch frames;
    ASSERT_TRUE(std::regex_search(json, frames, std::regex("\"finish_frames\": \\[([^\\]]*)\\]"))) << json;
    std::stringstream items(frames[1].str());
    for (std::string item; std::getline(items, item, ',');)
        if (const long long frame = std::stoll(item); frame >= 0)
        {
            EXPECT_GE(frame, 60 * 60);
            EXPECT_LE(frame, 120 * 60);
        }
}
