#include "app/SimOptions.h"
#include "app/SimReport.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
std::optional<SimOptions> Parse(std::vector<const char*> args, std::string& error)
{
    return ParseSimOptions(static_cast<int>(args.size()), args.data(), error);
}

int RunSim(const std::string& args)
{
    const std::string command = std::string(VANTORA_SIM_PATH) + " " + args + " > /dev/null";
    return std::system(command.c_str());
}

/// Runs `command` in a shell; its exit status (124 when `timeout` had to stop it).
int Shell(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Sim()
{
    return VANTORA_SIM_PATH;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
} // namespace

TEST(SimOptions, ParsesEveryOption)
{
    std::string error;
    auto options = Parse({"--root", "x", "--frames", "30", "--dt", "0.016666", "--seed", "1", "--state", "4",
                          "--scene", "level", "--report", "out.json", "--humans", "2"},
                         error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->root, "x");
    EXPECT_EQ(options->frames, 30);
    EXPECT_FLOAT_EQ(*options->dt, 0.016666f);
    EXPECT_EQ(options->seed, 1u);
    EXPECT_EQ(options->state, 4);
    EXPECT_EQ(options->scene, "level");
    EXPECT_EQ(options->reportPath, "out.json");
    EXPECT_EQ(options->humans, 2);
    EXPECT_FALSE(Parse({"--humans", "5"}, error));
    options = Parse({"--elements", "2031"}, error);
    ASSERT_TRUE(options && options->elements) << error;
    EXPECT_EQ(*options->elements, (std::array<int, 4>{2, 0, 3, 1}));
    for (const char* bad : {"203", "20311", "2041", "20x1", ""})
        EXPECT_FALSE(Parse({"--elements", bad}, error)) << bad;
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

TEST(SimOptions, PathsAreResolvedAgainstTheCallersDirectory)
{
    std::string error;
    auto options = Parse(
        {"--root", "tree", "--report", "out/r.json", "--input", "/abs/in.txt", "--screenshot", "shot.png@3"},
        error);
    ASSERT_TRUE(options) << error;
    ResolveSimPaths(*options, "/home/me");
    EXPECT_EQ(options->root, "/home/me/tree");
    EXPECT_EQ(options->reportPath, "/home/me/out/r.json");
    EXPECT_EQ(options->inputPath, "/abs/in.txt");
    EXPECT_EQ(options->screenshots.at(0).path, "/home/me/shot.png");
}

TEST(SimReport, PlayersWithoutARacerAreNull)
{
    RaceReport race;
    race.racing = {true, true, true, false};
    race.finishPlaces = {0, 2, 1, 3};
    race.finishFrames = {90, 120, 100, 121};
    race.ranking = {0, 2, 1};
    const std::string json = SimReport{10, 4, 0.1, race, {}, {}, {}, 0, {}}.ToJson();
    EXPECT_TRUE(Contains(json, "\"laps_done\": [0, 0, 0, null]")) << json;
    EXPECT_TRUE(Contains(json, "\"finish_places\": [0, 2, 1, null]")) << json;
    EXPECT_TRUE(Contains(json, "\"finish_frames\": [90, 120, 100, null]")) << json;
}

TEST(SimReport, WritesTheSummaryFields)
{
    SimReport report{120, 4, 0.5, std::nullopt, {}, {}, {}, 0, {}};
    const std::string json = report.ToJson();
    EXPECT_NE(json.find("\"frames\": 120"), std::string::npos);
    EXPECT_NE(json.find("\"final_state\": 4"), std::string::npos);
    EXPECT_NE(json.find("\"wall_seconds\": 0.5"), std::string::npos);
}

TEST(SimRunner, RunsASceneOfAFixtureTreeAndReportsFrames)
{
    TempFolder out;
    const std::string report = (out.Path() / "r.json").string();
    ASSERT_EQ(RunSim("--root " + FixturePath("spine") +
                     " --frames 7 --dt 0.016666 --seed 1 --scene level --report " + report),
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

TEST(SimRunner, ReportLandsInTheCallersDirectoryNotInTheRoot)
{
    TempFolder caller;
    caller.Write("in.txt", "0 focus on\n");
    const std::string name = "caller-" + std::to_string(getpid()) + ".json";
    const std::filesystem::path strayed = std::filesystem::path(FixturePath("spine")) / name;
    const int status =
        Shell("cd " + caller.Path().string() + " && " + Sim() + " --root " + FixturePath("spine") +
              " --frames 2 --scene level --input in.txt --report " + name + " > /dev/null");
    const bool inRoot = std::filesystem::remove(strayed);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(inRoot) << "the report was written into the data tree";
    EXPECT_TRUE(Contains(ReadFile(caller.Path() / name), "\"frames\": 2"));
}

TEST(SimRunner, EndsAndReportsWhenTheFirstStateCreatesNoScreen)
{
    TempFolder out;
    const auto report = out.Path() / "r.json";
    const auto log = out.Path() / "log.txt";
    ASSERT_EQ(Shell("timeout 120 " + Sim() + " --root " + FixturePath("spine") + " --state 99 --report " +
                    report.string() + " > " + log.string()),
              0);
    EXPECT_TRUE(Contains(ReadFile(log),
                         "vantora-sim: the first state (99) creates no screen; the run ends after frame 1\n"))
        << ReadFile(log);
    EXPECT_TRUE(Contains(ReadFile(report), "\"frames\": 1,")) << ReadFile(report);
}

TEST(SimRunner, GameAndRunnerStopWithOneLineWithoutASystemList)
{
    TempFolder tree;
    tree.Write("res/TrackList.xml", "<TrackList/>");
    const auto log = tree.Path() / "log.txt";
    const std::string cannotStart = "Cannot start: res/SystemData.xml lists no systems to run\n";
    const std::string root = " --root " + tree.Path().string();
    for (const std::string& args : {root, root + " --render --frames 3"})
    {
        const int status = Shell("timeout 120 " + Sim() + args + " > " + log.string() + " 2>&1");
        EXPECT_NE(status, 0) << args;
        EXPECT_NE(status, 124) << args << ": it ran on with no systems";
        EXPECT_TRUE(Contains(ReadFile(log), cannotStart)) << ReadFile(log);
        EXPECT_FALSE(Contains(ReadFile(log), "OpenGL")) << ReadFile(log);
    }
    const int status = Shell("cd " + tree.Path().string() + " && timeout 120 " + VANTORA_GAME_PATH + " > " +
                             log.string() + " 2>&1");
    EXPECT_NE(status, 0);
    EXPECT_NE(status, 124) << "the game ran on with no systems";
    EXPECT_TRUE(Contains(ReadFile(log), cannotStart)) << ReadFile(log);
}

// Output into a file or pipe must not wait in a buffer that a stopped process takes with it.
TEST(SimRunner, DiagnosticsReachAFileWhileTheRunGoesOn)
{
    TempFolder out;
    const std::string log = (out.Path() / "log.txt").string();
    // An endless scene run: wait up to 30 s for a start-up line, then kill the runner.
    out.Write("watch.sh",
              "\"$1\" --root \"$2\" --scene level > \"$3\" 2>&1 &\n"
              "pid=$!\n"
              "for i in $(seq 300); do grep -q archetype/broken.xml \"$3\" && break; sleep 0.1; done\n"
              "kill -KILL $pid\n"
              "wait $pid\n");
    Shell("bash " + (out.Path() / "watch.sh").string() + " " + Sim() + " " + FixturePath("spine") + " " +
          log);
    EXPECT_TRUE(Contains(ReadFile(log), "Could not load file 'res/archetype/broken.xml'")) << ReadFile(log);
}

TEST(SimRunner, RaceWithAMissingRacerNamesItAndReportsOnlyTheRacersThatExist)
{
    TempFolder tree;
    std::filesystem::copy(std::string(VANTORA_SOURCE_DIR) + "/res", tree.Path() / "res",
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(tree.Path() / "res/archetype/racer4.xml");
    // F4 ends the race at once; every player still out is handed the last place.
    tree.Write("f4.txt", "5 key down 115\n6 key up 115\n");
    const auto report = tree.Path() / "r.json";
    const auto log = tree.Path() / "log.txt";
    ASSERT_EQ(Shell(Sim() + " --root " + tree.Path().string() +
                    " --state 4 --frames 12 --dt 0.016666 --seed 1 " + "--input " +
                    (tree.Path() / "f4.txt").string() + " --report " + report.string() + " > " +
                    log.string()),
              0);
    EXPECT_TRUE(Contains(ReadFile(log), "needs archetype 'Racer4', which does not exist; it is left out\n"))
        << ReadFile(log);
    const std::string json = ReadFile(report);
    EXPECT_TRUE(std::regex_search(json, std::regex("\"finish_places\": \\[\\d, \\d, \\d, null\\]"))) << json;
    EXPECT_TRUE(Contains(json, "\"finish_frames\": [")) << json;
    EXPECT_TRUE(Contains(json, "\"laps_done\": [0, 0, 0, null]")) << json;
}

TEST(SimReport, TextsAreListedWithTheirPlaceSizeAndViewAndEscaped)
{
    SimReport report{1, 4, 0.1, std::nullopt, {{"say \"GO!\"", 640, 324.5f, 129, -1}}, {}, {}, 0, {}};
    EXPECT_TRUE(
        Contains(report.ToJson(),
                 "\"texts\": [\n    {\"text\": \"say \\\"GO!\\\"\", \"x\": 640, \"y\": 324.5, \"size\": 129, "
                 "\"viewport\": -1}\n  ]"))
        << report.ToJson();
    EXPECT_TRUE(Contains(SimReport{}.ToJson(), "\"texts\": []"));
}

TEST(SimRunner, ReportListsTheCountdownThenTheLapAndPlaceOfEveryPlayer)
{
    const std::string root = VANTORA_SOURCE_DIR;
    TempFolder out;
    const auto countdown = out.Path() / "countdown.json";
    const auto racing = out.Path() / "racing.json";
    const std::string race = Sim() + " --root " + root + " --state 4 --dt 0.016666 --seed 3 ";
    ASSERT_EQ(Shell(race + "--frames 60 --report " + countdown.string() + " > /dev/null"), 0);
    ASSERT_EQ(Shell(race + "--frames 400 --report " + racing.string() + " > /dev/null"), 0);
    const std::string early = ReadFile(countdown), later = ReadFile(racing);
    EXPECT_TRUE(Contains(early, "{\"text\": \"3\", \"x\": 640")) << early;
    EXPECT_FALSE(Contains(later, "{\"text\": \"GO!\"")) << later;
    // The lap of each quarter: left and right halves, top and bottom.
    for (const char* at : {"\"x\": 104, \"y\": 36,", "\"x\": 736, \"y\": 36,", "\"x\": 104, \"y\": 388.5,",
                           "\"x\": 736, \"y\": 388.5,"})
        EXPECT_TRUE(Contains(later, std::string("{\"text\": \"Laps: 1 / 3\", ") + at)) << later;
    EXPECT_TRUE(std::regex_search(later, std::regex("\"text\": \"[1-4](st|nd|rd|th)\", \"x\": 1222")))
        << later;
}

TEST(SimRunner, AHumanWhoTurnsRoundIsToldWrongWayInTheirOwnQuarterOnly)
{
    TempFolder out;
    out.Write("turn.txt", "# steer left from just before GO! until facing back down the track\n"
                          "240 key down 65\n400 key up 65\n");
    const auto report = out.Path() / "r.json";
    const std::string run = Sim() + " --root " + std::string(VANTORA_SOURCE_DIR) +
                            " --state 4 --dt 0.016666 --seed 1 --frames 420 --humans 1 --input " +
                            (out.Path() / "turn.txt").string() + " --report " + report.string() +
                            " > /dev/null";
    ASSERT_EQ(Shell(run), 0);
    const std::string texts = ReadFile(report);
    EXPECT_TRUE(Contains(texts, "{\"text\": \"Wrong Way!\", \"x\": 320, \"y\": 144,")) << texts;
    EXPECT_EQ(texts.find("Wrong Way!"), texts.rfind("Wrong Way!")) << "only player 1 turned round";
}

TEST(SimReport, SoundsListPlaysByPathAndTheMusicOrNull)
{
    SimReport report;
    EXPECT_TRUE(Contains(report.ToJson(), "\"sounds\": {\n    \"plays\": {},\n    \"music\": null\n  }"))
        << report.ToJson();
    report.sounds = {{{"SFX/Gate", 3}, {"SFX/\"Odd\"", 1}}, "Music/RaceMusic"};
    EXPECT_TRUE(Contains(report.ToJson(),
                         "\"plays\": {\n      \"SFX/\\\"Odd\\\"\": 1,\n      \"SFX/Gate\": 3\n    },\n"
                         "    \"music\": \"Music/RaceMusic\""))
        << report.ToJson();
}

TEST(SimRunner, ARaceReportsTheSoundsItAskedFor)
{
    const std::string root = VANTORA_SOURCE_DIR;
    TempFolder out;
    const auto whole = out.Path() / "whole.json";
    const auto early = out.Path() / "early.json";
    const std::string race = Sim() + " --root " + root + " --state 4 --dt 0.016666 --seed 3 ";
    // The race gives way to the results and the main menu, which would run on for ever.
    ASSERT_EQ(Shell(race + "--frames 9000 --report " + whole.string() + " > /dev/null"), 0);
    ASSERT_EQ(Shell(race + "--frames 400 --report " + early.string() + " > /dev/null"), 0);
    const std::string json = ReadFile(whole);
    EXPECT_TRUE(Contains(json, "\"SFX/CountdownBeep\": 3,")) << json;
    EXPECT_TRUE(Contains(json, "\"SFX/CountdownGo\": 1,")) << json;
    EXPECT_TRUE(Contains(json, "\"Music/RaceMusic\": 1,")) << json;
    EXPECT_TRUE(Contains(json, "\"SFX/FinalLap\": 1,")) << json; // the leader's, in a race of computers
    for (const char* path : {"SFX/PlayerJump", "SFX/PlayerLand", "SFX/Gate", "SFX/Lap", "SFX/Finish"})
        EXPECT_TRUE(std::regex_search(json, std::regex(std::string("\"") + path + "\": [1-9]")))
            << path << json;
    // The music is what the bank plays: the race theme once a bank lists it, nothing without one.
    const bool bankHasRaceMusic =
        Contains(ReadFile(root + "/res/audio/bank.xml"), "event:/Music/RaceMusic\"");
    EXPECT_TRUE(
        Contains(ReadFile(early), bankHasRaceMusic ? "\"music\": \"Music/RaceMusic\"" : "\"music\": null"))
        << ReadFile(early);
}

// The report is written when the run ends, here on the results screen after the race has been
// cleared away: it still tells how the race ended. The person who never moves is seen stuck.
TEST(SimRunner, ARaceReportOutlivesTheRaceAndCountsARacerThatPassesNoGate)
{
    TempFolder out;
    const auto report = out.Path() / "race.json";
    ASSERT_EQ(Shell(Sim() + " --root " + VANTORA_SOURCE_DIR +
                    " --track watertrack --humans 1 --elements 3120" + " --seed 2 --frames 4300 --report " +
                    report.string() + " > /dev/null"),
              0);
    const std::string text = ReadFile(report);
    EXPECT_TRUE(std::regex_search(text, std::regex("\\[[0-9]+, 11\\]")))
        << "the results were shown: " << text;
    EXPECT_TRUE(Contains(text, "\"elements\": [3, 1, 2, 0]")) << text;
    std::smatch places;
    ASSERT_TRUE(
        std::regex_search(text, places, std::regex("\"finish_places\": \\[(-?\\d), (\\d), (\\d), (\\d)\\]")))
        << text;
    EXPECT_EQ(places[1], "3") << "the person came last";
    EXPECT_TRUE(std::regex_search(text, std::regex("\"stuck\": \\[[2-9], 0, 0, 0\\]"))) << text;
}

TEST(SimReport, TheStateHashIsAlwaysWrittenAndTheListOnlyWhenAsked)
{
    SimReport report{600, 4, 0.1, std::nullopt, {}, {}, {}, 0x00ab, {}};
    EXPECT_TRUE(Contains(report.ToJson(), "\"state_hash\": \"00000000000000ab\"\n}")) << report.ToJson();
    EXPECT_FALSE(Contains(report.ToJson(), "state_hashes"));
    report.stateHashes = {{300, 1}, {600, 0x00ab}};
    EXPECT_TRUE(Contains(report.ToJson(),
                         "\"state_hashes\": [[300, \"0000000000000001\"], [600, \"00000000000000ab\"]]"))
        << report.ToJson();
}
