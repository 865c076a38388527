// Every shipped track can be raced by four computer racers: nobody is stuck or lost for good, the
// race ends and the results follow, and a lap takes as long as a lap should.
#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace
{
constexpr int kFrames = 6000;
constexpr double kFps = 60.0;
// The countdown holds the racers for 3 s, and the results follow 3 s after the third finish.
constexpr double kHeldSeconds = 3.0 + 3.0;

class ShippedTrackRace : public testing::TestWithParam<const char*>
{
};

// The frame at which the results screen (state 11) opened, or -1.
long long ResultsFrame(const std::string& json)
{
    std::smatch match;
    if (!std::regex_search(json, match, std::regex("\\[(\\d+), 11\\]")))
        return -1;
    return std::stoll(match[1]);
}
} // namespace

TEST_P(ShippedTrackRace, ComputerRacersEndTheRaceWithLapsOfTwentyToFortySeconds)
{
    TempFolder out;
    const auto report = out.Path() / "r.json";
    const std::string run = std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR + " --track " +
                            GetParam() + " --dt 0.016666 --seed 7 --frames " + std::to_string(kFrames) +
                            " --report " + report.string() + " > /dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0);
    std::ifstream in(report);
    std::stringstream json;
    json << in.rdbuf();
    const long long results = ResultsFrame(json.str());
    ASSERT_GT(results, 0) << "the race never ended: " << json.str();
    // Three laps of the third racer to finish, the one whose finish ends the race.
    const double lap = (static_cast<double>(results) / kFps - kHeldSeconds) / 3.0;
    EXPECT_GE(lap, 20.0);
    EXPECT_LE(lap, 40.0);
}

INSTANTIATE_TEST_SUITE_P(Tracks, ShippedTrackRace,
                         testing::Values("watertrack", "firetrack", "windtrack", "earthtrack"));
