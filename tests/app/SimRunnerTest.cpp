#include "app/SimOptions.h"
#include "app/SimReport.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
std::optional<SimOptions> Parse(std::vector<const char*> args, std::string& error)
{
    return ParseSimOptions(static_cast<int>(args.size()), args.data(), error);
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int RunSim(const std::string& args)
{
    const std::string command = std::string(VANTORA_SIM_PATH) + " " + args + " > /dev/null";
    return std::system(command.c_str());
}
} // namespace

TEST(SimOptions, ParsesEveryOption)
{
    std::string error;
    auto options = Parse({"--root", "x", "--frames", "30", "--dt", "0.016666", "--seed", "1", "--state", "4",
                          "--scene", "level", "--report", "out.json"},
                         error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->root, "x");
    EXPECT_EQ(options->frames, 30);
    EXPECT_FLOAT_EQ(*options->dt, 0.016666f);
    EXPECT_EQ(options->seed, 1u);
    EXPECT_EQ(options->state, 4);
    EXPECT_EQ(options->scene, "level");
    EXPECT_EQ(options->reportPath, "out.json");
}

TEST(SimOptions, RejectsBadValuesWithOneReason)
{
    std::string error;
    EXPECT_FALSE(Parse({"--frames", "-3"}, error));
    EXPECT_EQ(error, "bad value '-3' for --frames");
    EXPECT_FALSE(Parse({"--dt", "nan"}, error));
    EXPECT_FALSE(Parse({"--seed"}, error));
    EXPECT_EQ(error, "option '--seed' needs a value");
    EXPECT_FALSE(Parse({"--fly"}, error));
    EXPECT_EQ(error, "unknown option '--fly'");
}

TEST(SimReport, WritesTheSummaryFields)
{
    SimReport report{120, 4, 0.5, std::nullopt};
    const std::string json = report.ToJson();
    EXPECT_NE(json.find("\"frames\": 120"), std::string::npos);
    EXPECT_NE(json.find("\"final_state\": 4"), std::string::npos);
    EXPECT_NE(json.find("\"wall_seconds\": 0.5"), std::string::npos);
}

TEST(SimRunner, RunsASceneOfAFixtureTreeAndReportsFrames)
{
    TempFolder out;
    const std::string report = (out.Path() / "r.json").string();
    ASSERT_EQ(RunSim("--root " + FixturePath("spine") + " --frames 7 --dt 0.016666 --seed 1 --scene level --report " +
                     report),
              0);
    const std::string json = ReadFile(report);
    EXPECT_NE(json.find("\"frames\": 7"), std::string::npos) << json;
    EXPECT_NE(json.find("\"final_state\": 0"), std::string::npos) << json;
}

TEST(SimRunner, FailsToStartOnABadRootOrOption)
{
    EXPECT_NE(RunSim("--root /no/such/dir --frames 1 2>/dev/null"), 0);
    EXPECT_NE(RunSim("--frames x 2>/dev/null"), 0);
}
