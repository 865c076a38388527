// State hashes, replays and the soak through the runner: a seeded run hashes the same every time,
// a recorded race played back ends on the hash it was recorded with, bad replays are refused, and
// Autoplay races run back to back through the menus.
#include "app/SimOptions.h"
#include "support/ProgramRun.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace
{
constexpr int kW = 87, kA = 65, kD = 68, kSpace = 32, kX = 88;

/// Player 1 on the keyboard and a pad: rolls, steers both ways, jumps, brakes with the key and
/// the trigger, and presses the pad's jump.
std::string HumanInput(int firstSteer = 300)
{
    std::ostringstream in;
    in << "0 pad 0 connect\n250 key down " << kW << "\n"
       << firstSteer << " key down " << kD << "\n"
       << firstSteer + 30 << " key up " << kD << "\n400 key down " << kSpace << "\n401 key up " << kSpace
       << "\n450 key down " << kA << "\n470 key up " << kA << "\n500 key down " << kX << "\n520 key up " << kX
       << "\n530 pad 0 axis lx 20000\n560 pad 0 axis lx 0\n570 pad 0 axis lt 200\n590 pad 0 axis lt 0\n"
       << "600 pad 0 button 0x1000 down\n601 pad 0 button 0x1000 up\n";
    return in.str();
}

/// The report's "state_hash" value, empty when there is none.
std::string HashOf(const std::string& report)
{
    static const std::regex hash("\"state_hash\": \"([0-9a-f]{16})\"");
    std::smatch match;
    return std::regex_search(report, match, hash) ? match[1].str() : "";
}

/// The report's "state_hashes" list as written.
std::string HashListOf(const std::string& report)
{
    const size_t at = report.find("\"state_hashes\": ");
    return at == std::string::npos ? "" : report.substr(at, report.find("]]", at) + 2 - at);
}

class ReplayRunnerTest : public testing::Test
{
  protected:
    struct Run
    {
        int status = -1;
        std::string output;
        std::string report;
    };

    /// Runs the runner from the source tree (or `root`) with `args`; the report and what it printed.
    Run Sim(const std::string& args, const std::string& root = VANTORA_SOURCE_DIR) const
    {
        const std::filesystem::path report = folder.Path() / "report.json";
        std::filesystem::remove(report);
        Run run;
        run.status = RunProgram(std::string(VANTORA_SIM_PATH) + " --root " + Quoted(root) + " --report " +
                                    Quoted(report.string()) + " " + args,
                                &run.output);
        run.report = ReadFile(report);
        return run;
    }

    /// A race of `frames` frames with player 1 driven by `input`, seeded with `seed`.
    Run HumanRace(const std::string& input, unsigned seed, int frames, const std::string& extra = "",
                  const std::string& root = VANTORA_SOURCE_DIR) const
    {
        folder.Write("input.txt", input);
        return Sim("--state 4 --humans 1 --dt 0.016666 --seed " + std::to_string(seed) + " --frames " +
                       std::to_string(frames) + " --input " + Quoted((folder.Path() / "input.txt").string()) +
                       " " + extra,
                   root);
    }

    /// A copy of res/ (by links) whose race script also sets racer 2's charge from rand() every
    /// frame, so the seed shows in the world as it will once tracks hold random power-ups.
    std::string RandomRoot() const
    {
        const std::filesystem::path source = std::filesystem::path(VANTORA_SOURCE_DIR) / "res";
        const std::filesystem::path res = folder.Path() / "root" / "res";
        std::filesystem::create_directories(res / "scripts");
        for (const auto& entry : std::filesystem::directory_iterator(source))
            if (entry.path().filename() != "scripts")
                std::filesystem::create_directory_symlink(entry.path(), res / entry.path().filename());
        for (const auto& entry : std::filesystem::directory_iterator(source / "scripts"))
            if (entry.path().filename() != "racelevel.lua")
                std::filesystem::create_symlink(entry.path(), res / "scripts" / entry.path().filename());
        folder.Write(
            "root/res/scripts/racelevel.lua",
            ReadFile(source / "scripts" / "racelevel.lua") +
                "\nlocal plainRunScript = RunScript\nfunction RunScript(me)\n    plainRunScript(me)\n"
                "    SetPlayerPowerLevel(GetPlayerObjByIndex(1), RandInt(0, 30))\nend\n");
        return (folder.Path() / "root").string();
    }

    std::string ReplayPath() const { return (folder.Path() / "race.replay").string(); }

    TempFolder folder;
};
} // namespace

TEST_F(ReplayRunnerTest, ASeededRunHashesTheSameEveryTimeAndAnotherInputShowsWhereItParts)
{
    const Run first = HumanRace(HumanInput(), 3, 600, "--hash-every 150");
    const Run second = HumanRace(HumanInput(), 3, 600, "--hash-every 150");
    ASSERT_EQ(first.status, 0) << first.output;
    ASSERT_EQ(HashOf(first.report).size(), 16u) << first.report;
    EXPECT_EQ(HashOf(first.report), HashOf(second.report));
    EXPECT_EQ(HashListOf(first.report), HashListOf(second.report));
    static const std::regex entry(R"re(\[(\d+), "([0-9a-f]{16})"\])re");
    const std::string list = HashListOf(first.report);
    std::vector<std::pair<std::string, std::string>> entries;
    for (auto it = std::sregex_iterator(list.begin(), list.end(), entry); it != std::sregex_iterator(); ++it)
        entries.emplace_back((*it)[1].str(), (*it)[2].str());
    ASSERT_EQ(entries.size(), 4u) << list;
    EXPECT_EQ(entries[0].first, "150");
    EXPECT_EQ(entries[3].first, "600");
    EXPECT_EQ(entries[3].second, HashOf(first.report)) << "the last entry is the final hash";

    // Steering right a little later: the same world until then, another one after.
    const Run steered = HumanRace(HumanInput(320), 3, 600, "--hash-every 150");
    EXPECT_NE(HashOf(steered.report), HashOf(first.report));
    const std::string steeredList = HashListOf(steered.report);
    EXPECT_NE(steeredList.find(entries[1].second), std::string::npos)
        << "after frame 300, the change is to come";
    EXPECT_EQ(steeredList.find(entries[2].second), std::string::npos) << "after frame 450 it has shown";
}

TEST_F(ReplayRunnerTest, TheSeedShowsInTheHashWhereTheRaceDrawsRandomNumbers)
{
    const std::string root = RandomRoot();
    const Run three = HumanRace(HumanInput(), 3, 400, "", root);
    const Run again = HumanRace(HumanInput(), 3, 400, "", root);
    const Run four = HumanRace(HumanInput(), 4, 400, "", root);
    ASSERT_EQ(three.status, 0) << three.output;
    EXPECT_EQ(HashOf(three.report), HashOf(again.report));
    EXPECT_NE(HashOf(three.report), HashOf(four.report));
}

TEST_F(ReplayRunnerTest, ARecordedHumanRacePlaysBackToTheSameHash)
{
    const Run recorded = HumanRace(HumanInput(), 7, 700, "--hash-every 100 --record " + Quoted(ReplayPath()));
    ASSERT_EQ(recorded.status, 0) << recorded.output;
    const std::string replay = ReadFile(ReplayPath());
    ASSERT_NE(replay.find("frames 700\nhash " + HashOf(recorded.report)), std::string::npos) << replay;
    EXPECT_NE(replay.find("player 0 human"), std::string::npos) << replay;
    EXPECT_NE(replay.find("seed 7\n"), std::string::npos) << replay;

    const Run played = Sim("--hash-every 100 --replay " + Quoted(ReplayPath()));
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_EQ(HashOf(played.report), HashOf(recorded.report)) << played.output;
    EXPECT_EQ(HashListOf(played.report), HashListOf(recorded.report)) << "the same world frame by frame";
    EXPECT_NE(played.output.find("matches the recording"), std::string::npos) << played.output;
    EXPECT_NE(played.report.find("\"frames\": 700"), std::string::npos) << "the run ends with the recording";
}

TEST_F(ReplayRunnerTest, AReplayGivenAnotherSeedEndsElsewhere)
{
    const std::string root = RandomRoot();
    ASSERT_EQ(HumanRace(HumanInput(), 3, 400, "--record " + Quoted(ReplayPath()), root).status, 0);
    std::string replay = ReadFile(ReplayPath());
    ASSERT_NE(replay.find("seed 3\n"), std::string::npos);
    folder.Write("other.replay", replay.replace(replay.find("seed 3\n"), 7, "seed 4\n"));

    EXPECT_NE(Sim("--replay " + Quoted(ReplayPath()), root).output.find("matches the recording"),
              std::string::npos);
    const Run other = Sim("--replay " + Quoted((folder.Path() / "other.replay").string()), root);
    EXPECT_EQ(other.status, 0);
    EXPECT_NE(other.output.find("differs from the recording's"), std::string::npos) << other.output;
}

TEST_F(ReplayRunnerTest, BadReplaysAreRefusedWithOneLineAndAFailingStatus)
{
    ASSERT_EQ(HumanRace(HumanInput(), 3, 60, "--record " + Quoted(ReplayPath())).status, 0);
    const std::string good = ReadFile(ReplayPath());
    std::string unknownTrack = good;
    unknownTrack.replace(unknownTrack.find("track watertrack"), 16, "track moontrack");
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"truncated", good.substr(0, good.size() / 2)},
        {"version", "vantora-replay 9\n" + good.substr(good.find('\n') + 1)},
        {"corrupt", std::string("\x7f"
                                "ELF\x02\x01\x01",
                                7)},
        {"track", unknownTrack},
    };
    for (const auto& [name, text] : cases)
    {
        folder.Write(name, text);
        const Run run = Sim("--replay " + Quoted((folder.Path() / name).string()));
        EXPECT_EQ(run.status, 1) << name << ": " << run.output;
        EXPECT_NE(
            run.output.find(name == std::string("track") ? "no track 'moontrack'" : "nothing is played"),
            std::string::npos)
            << name << ": " << run.output;
        EXPECT_EQ(run.output.find("Sanitizer"), std::string::npos) << run.output;
    }
    EXPECT_EQ(Sim("--replay " + Quoted((folder.Path() / "missing").string())).status, 1);
}

TEST_F(ReplayRunnerTest, TheSoakRunsAutoplayRacesThroughTheMenusEachOnItsOwnSeed)
{
    const Run run = Sim("--soak 2 --dt 0.016666 --seed 5");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(std::regex_search(
        run.output,
        std::regex(R"(soak: race 1 seed 5 frames \d+ peak \d+ kB resident \d+ kB heap \d+ kB objects \d+)")))
        << run.output;
    EXPECT_TRUE(std::regex_search(run.output, std::regex(R"(soak: race 2 seed 6 frames \d+ peak \d+ kB)")))
        << run.output;
    EXPECT_TRUE(std::regex_search(run.output, std::regex(R"(soak: 2 races in [\d.]+ minutes)")))
        << run.output;
    static const std::regex change(R"(\[\d+, (\d+)\])");
    const std::string states = run.report.substr(run.report.find("\"states\""));
    std::string ids;
    for (auto it = std::sregex_iterator(states.begin(), states.end(), change); it != std::sregex_iterator();
         ++it)
        if ((*it)[1].str() != "0")
            ids += (ids.empty() ? "" : " ") + (*it)[1].str();
    EXPECT_EQ(ids, "3 4 11 3 4 11 3") << "menu, race, results, and back, twice";
}

TEST(SimOptions, ReplayHashAndSoakOptionsAndWhatTheyCannotBeCombinedWith)
{
    std::string error;
    const auto parse = [&error](std::vector<const char*> args)
    { return ParseSimOptions(static_cast<int>(args.size()), args.data(), error); };
    auto options = parse({"--record", "r.replay", "--hash-every", "60", "--seed", "2"});
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->recordPath, "r.replay");
    EXPECT_EQ(options->hashEvery, 60);
    options = parse({"--replay", "r.replay", "--render"});
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->replayPath, "r.replay");
    EXPECT_EQ(parse({"--soak", "3"})->soakRaces, 3);
    EXPECT_FALSE(parse({"--hash-every", "0"}));
    EXPECT_FALSE(parse({"--soak", "0"}));
    EXPECT_FALSE(parse({"--replay", "r.replay", "--input", "in.txt"}));
    EXPECT_NE(error.find("cannot be combined"), std::string::npos) << error;
    EXPECT_FALSE(parse({"--replay", "r.replay", "--track", "firetrack"}));
    EXPECT_FALSE(parse({"--soak", "2", "--state", "4"}));
    EXPECT_FALSE(parse({"--soak", "2", "--frames", "100"}));
}
