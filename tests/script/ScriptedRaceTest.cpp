#include "support/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace
{
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
    const auto run = [&](long long frames)
    {
        const std::string command = std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR +
                                    " --state 4 --frames " + std::to_string(frames) +
                                    " --dt 0.0166667 --seed 11 --report " + report.string() + " > " +
                                    log.string();
        EXPECT_EQ(std::system(command.c_str()), 0);
        return ReadFile(report);
    };
    // The race's script switches to the results a moment after the race is over.
    std::string json = run(20000);
    std::smatch results;
    ASSERT_TRUE(std::regex_search(json, results, std::regex("\\[(\\d+), 11\\]"))) << json;
    const long long resultsFrame = std::stoll(results[1].str());
    EXPECT_LT(resultsFrame, 20000);
    const std::string output = ReadFile(log);
    EXPECT_EQ(output.find("Error in lua file"), std::string::npos) << output;
    EXPECT_EQ(output.find("stopped:"), std::string::npos) << output;

    // On the results every racer has its place; the main menu forgets them later.
    json = run(resultsFrame + 1);
    EXPECT_NE(json.find("\"laps_to_run\": 3"), std::string::npos) << json;
    std::vector<long long> places = List(json, "finish_places");
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, (std::vector<long long>{0, 1, 2, 3})) << json;
    EXPECT_NE(json.find("\"final_state\": 11"), std::string::npos) << json;
}
