// Every shipped track can be raced by four computer racers: nobody is stuck or lost for good, the
// race ends and the results follow, and a lap takes as long as a lap should.
#include "support/TestSupport.h"

#include <cstdlib>
#include <filesystem>
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

// How often the race in `root` played the gate sound in its first 600 frames.
int GatesPassed(const std::filesystem::path& root, const std::filesystem::path& report)
{
    const std::string run = std::string(VANTORA_SIM_PATH) + " --root " + root.string() +
                            " --track firetrack --dt 0.016666 --seed 7 --frames 600 --report " +
                            report.string() + " > /dev/null";
    EXPECT_EQ(std::system(run.c_str()), 0);
    std::smatch match;
    const std::string json = ReadFile(report);
    return std::regex_search(json, match, std::regex("\"SFX/Gate\": (\\d+)")) ? std::stoi(match[1]) : 0;
}

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

// A ball in the lava is put back at once: with the lava raised over the boards every racer is in
// it from the start, is put back on the grid frame after frame and never reaches the first gate.
TEST(HazardSurface, ARacerInTheLavaIsPutBackAtOnce)
{
    TempFolder tree;
    std::filesystem::copy(std::string(VANTORA_SOURCE_DIR) + "/res", tree.Path() / "res",
                          std::filesystem::copy_options::recursive);
    EXPECT_GT(GatesPassed(tree.Path(), tree.Path() / "dry.json"), 0);
    const auto scene = tree.Path() / "res/scene/firetrack.xml";
    std::string text = ReadFile(scene);
    const size_t sheet = text.find("archetype=\"HazardSurface\"");
    ASSERT_NE(sheet, std::string::npos);
    const std::string lavaHeight = "<float value=\"-3\"/>";
    const size_t height = text.find(lavaHeight, sheet);
    ASSERT_NE(height, std::string::npos);
    text.replace(height, lavaHeight.size(), "<float value=\"4\"/>");
    std::ofstream(scene) << text;
    EXPECT_EQ(GatesPassed(tree.Path(), tree.Path() / "wet.json"), 0);
}
