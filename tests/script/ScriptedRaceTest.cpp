#include "support/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace
{
std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

/// The numbers of the JSON list `key` in `json`.
std::vector<long long> List(const std::string& json, const std::string& key)
{
    std::smatch match;
    std::vector<long long> values;
    if (!std::regex_search(json, match, std::regex("\"" + key + "\": \\[([^\\]]*)\\]")))
        return values;
    std::stringstream items(match[1].str());
    for (std::string item; std::getline(items, item, ',');)
        values.push_back(std::stoll(item));
    return values;
}
} // namespace

// Nothing but the level's scripts starts, counts and ends this race: the runner no longer helps.
TEST(ScriptedRace, WatertrackRunsToItsEndAndSwitchesScreen)
{
    TempFolder out;
    const auto report = out.Path() / "race.json";
    const auto log = out.Path() / "race.log";
    const std::string command = std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR +
                                " --state 4 --frames 20000 --dt 0.0166667 --seed 11 --report " +
                                report.string() + " > " + log.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string json = ReadFile(report);
    const std::string output = ReadFile(log);

    EXPECT_NE(json.find("\"laps_to_run\": 3"), std::string::npos) << json;
    std::vector<long long> places = List(json, "finish_places");
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, (std::vector<long long>{0, 1, 2, 3})) << json;
    // The race screen gave way to the results (a screen that creates nothing yet), so the run
    // ended by itself well before its frame limit.
    EXPECT_NE(json.find("\"final_state\": 0"), std::string::npos) << json;
    std::smatch frames;
    ASSERT_TRUE(std::regex_search(json, frames, std::regex("\"frames\": (\\d+)")));
    EXPECT_LT(std::stoll(frames[1].str()), 20000);
    EXPECT_NE(output.find("vantora-sim: no screen is open after frame"), std::string::npos) << output;
    EXPECT_EQ(output.find("Error in lua file"), std::string::npos) << output;
    EXPECT_EQ(output.find("stopped:"), std::string::npos) << output;
}
