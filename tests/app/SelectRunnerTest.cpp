// The race's road through the runner with timed keys and pads: the character and level select,
// the race, the results and back to the menu; Autoplay; the tutorial; a pad pulled out mid-race;
// a missing scene; the runner's --track. The report's "states" (each change of the state stack as
// [frame, top state id]), "texts" and "sounds" show what a player saw and heard.
#include "support/ProgramRun.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace
{
constexpr int kEnter = 13, kEscape = 27, kRight = 39, kDown = 40;
constexpr unsigned kPadA = 0x1000, kPadStart = 0x0010, kPadRight = 0x0008;

/// An input script: key and pad presses (down in one frame, up in the next) and plugging.
class Script
{
  public:
    Script& Key(int frame, int key)
    {
        m_text << frame << " key down " << key << "\n" << frame + 1 << " key up " << key << "\n";
        return *this;
    }
    Script& Hold(int frame, int key, int frames)
    {
        m_text << frame << " key down " << key << "\n" << frame + frames << " key up " << key << "\n";
        return *this;
    }
    Script& Button(int frame, int slot, unsigned mask)
    {
        m_text << frame << " pad " << slot << " button " << mask << " down\n"
               << frame + 1 << " pad " << slot << " button " << mask << " up\n";
        return *this;
    }
    Script& Plug(int frame, int slot, bool in)
    {
        m_text << frame << " pad " << slot << (in ? " connect\n" : " disconnect\n");
        return *this;
    }
    std::string Text() const { return m_text.str(); }

  private:
    std::ostringstream m_text;
};

class SelectRunnerTest : public testing::Test
{
  protected:
    /// Runs the game with the script; the report's text. `output` gets what the runner printed.
    std::string Run(const Script& script, int frames, const std::string& extra = "",
                    const std::string& root = VANTORA_SOURCE_DIR, std::string* output = nullptr)
    {
        folder.Write("input.txt", script.Text());
        const std::filesystem::path report = folder.Path() / "report.json";
        std::filesystem::remove(report);
        const std::string command =
            "XDG_CONFIG_HOME=" + folder.Path().string() + " " + VANTORA_SIM_PATH + " --root " + root +
            " --dt 0.016666 --seed 1 --frames " + std::to_string(frames) + " --input " +
            (folder.Path() / "input.txt").string() + " --report " + report.string() + " " + extra;
        std::string printed;
        EXPECT_EQ(RunProgram(command, &printed), 0) << command << "\n" << printed;
        if (output)
            *output = printed;
        std::ifstream in(report);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    /// The ids of the state stack's changes in order, without their frames: "3 0 10 ...".
    static std::string StateIds(const std::string& report)
    {
        const size_t at = report.find("\"states\": ");
        const size_t end = report.find("]]", at);
        if (at == std::string::npos || end == std::string::npos)
            return "";
        const std::string states = report.substr(at, end + 2 - at);
        static const std::regex change(R"(\[\d+, (\d+)\])");
        std::string ids;
        for (auto it = std::sregex_iterator(states.begin(), states.end(), change);
             it != std::sregex_iterator(); ++it)
            ids += (ids.empty() ? "" : " ") + (*it)[1].str();
        return ids;
    }
    static bool Shows(const std::string& report, const std::string& text)
    {
        return report.find("{\"text\": \"" + text + "\"") != std::string::npos;
    }
    static int Count(const std::string& report, const std::string& text)
    {
        int count = 0;
        const std::string entry = "{\"text\": \"" + text + "\"";
        for (size_t at = report.find(entry); at != std::string::npos; at = report.find(entry, at + 1))
            ++count;
        return count;
    }
    static int Plays(const std::string& report, const std::string& path)
    {
        const size_t at = report.find("\"" + path + "\": ");
        return at == std::string::npos ? 0 : std::stoi(report.substr(at + path.size() + 4));
    }

    TempFolder folder;
};

/// Enter skips the splash, Enter on "Play": the select screen opens after the one-second fade.
Script ToSelect()
{
    Script script;
    script.Key(2, kEnter).Key(10, kEnter);
    return script;
}
} // namespace

TEST_F(SelectRunnerTest, PlayChoosesAndRacesThenTheResultsLeadBackToTheMenu)
{
    // The keyboard player takes water; the computer takes the rest; the keyboard picks the track.
    Script script = ToSelect();
    script.Key(100, kRight).Key(130, kEnter).Key(160, kEnter);
    const std::string report = Run(script, 12000);
    EXPECT_EQ(StateIds(report), "3 0 10 0 4 0 11 0 3") << report;
    EXPECT_EQ(Plays(report, "Music/WinScreen"), 1);
    EXPECT_EQ(Plays(report, "SFX/MenuMove"), 1);
    EXPECT_EQ(Plays(report, "Music/MenuMusic"), 2) << "the main menu starts its music again";
    EXPECT_NE(report.find("\"final_state\": 3"), std::string::npos);
}

TEST_F(SelectRunnerTest, PadsJoinWithStartAndTheHighestJoinedPlayerPicksTheTrack)
{
    // Pad 1 is plugged in from the start, so it is joined; pad 2 arrives and joins with Start.
    Script script = ToSelect();
    script.Plug(0, 1, true);
    std::string report = Run(script, 120);
    EXPECT_TRUE(Shows(report, "Waiting...")) << report;
    EXPECT_TRUE(Shows(report, "Press start")) << report;

    script.Key(130, kEnter).Plug(140, 2, true).Button(170, 2, kPadStart);
    report = Run(script, 200);
    EXPECT_TRUE(Shows(report, "Ready")) << "player 1 has chosen: " << report;
    EXPECT_TRUE(Shows(report, "Waiting...")) << "player 3 joined before its turn: " << report;
    EXPECT_EQ(Count(report, "Press start"), 1) << "only player 4 is left to join: " << report;

    // Player 2 and 3 choose on their pads, the computer for player 4; player 3 picks the track.
    script.Button(220, 1, kPadA).Button(260, 2, kPadA);
    report = Run(script, 300);
    EXPECT_TRUE(Shows(report, "Player 3 pick the level")) << report;
    script.Button(300, 0, kPadRight).Key(310, kEnter).Button(340, 2, kPadRight).Button(380, 2, kPadA);
    report = Run(script, 400);
    EXPECT_EQ(StateIds(report), "3 0 10 0 4") << "only player 3 picks, on its own pad: " << report;
}

TEST_F(SelectRunnerTest, APadPulledOutBeforeItsTurnLetsTheComputerChoose)
{
    // Player 2's pad (slot 1) has joined but is pulled out while player 1 chooses; the computer takes
    // player 2's turn, so the keyboard player picks the track.
    Script script = ToSelect();
    script.Plug(0, 1, true).Plug(100, 1, false).Key(130, kEnter);
    std::string output;
    const std::string report = Run(script, 160, "", VANTORA_SOURCE_DIR, &output);
    EXPECT_TRUE(Shows(report, "Player 1 pick the level")) << report;
    EXPECT_NE(output.find("Player 2's controller is gone"), std::string::npos) << output;
}

TEST_F(SelectRunnerTest, BackLeavesEitherPhaseForTheMainMenu)
{
    Script script = ToSelect();
    script.Key(100, kEscape);
    EXPECT_EQ(StateIds(Run(script, 120)), "3 0 10 0 3");
    Script level = ToSelect();
    level.Key(100, kEnter).Key(140, kEscape);
    EXPECT_EQ(StateIds(Run(level, 160)), "3 0 10 0 3");
}

TEST_F(SelectRunnerTest, PressesDuringTheFadeAndAsTheScreenOpensChooseNothing)
{
    Script script = ToSelect();
    script.Key(40, kEnter).Key(72, kEnter).Key(73, kRight);
    const std::string report = Run(script, 100);
    EXPECT_EQ(StateIds(report), "3 0 10");
    EXPECT_FALSE(Shows(report, "Ready")) << report;
    EXPECT_TRUE(Shows(report, "Fire")) << "player 1 still chooses, on the first element: " << report;
    EXPECT_EQ(Plays(report, "SFX/MenuMove"), 0);
}

TEST_F(SelectRunnerTest, AOneTrackListWrapsOntoItselfAndRaces)
{
    const std::filesystem::path source = std::filesystem::path(VANTORA_SOURCE_DIR) / "res";
    const std::filesystem::path res = folder.Path() / "root" / "res";
    std::filesystem::create_directories(res);
    for (const auto& entry : std::filesystem::directory_iterator(source))
        if (entry.path().filename() != "TrackList.xml")
            std::filesystem::create_symlink(entry.path(), res / entry.path().filename());
    folder.Write("root/res/TrackList.xml", "<TrackList><RealTrackNames><Track name=\"watertrack\"/>"
                                           "</RealTrackNames><DisplayTrackNames><Track name=\"Harbour\"/>"
                                           "</DisplayTrackNames></TrackList>");
    Script script = ToSelect();
    script.Key(100, kEnter).Key(140, kRight).Key(180, kEnter);
    const std::string report = Run(script, 200, "", (folder.Path() / "root").string());
    EXPECT_EQ(StateIds(report), "3 0 10 0 4");
    EXPECT_NE(report.find("\"race\""), std::string::npos) << report;
}

TEST_F(SelectRunnerTest, AutoplayRacesFourComputersToTheResultsAndBackToTheMenu)
{
    Script script;
    script.Key(2, kEnter).Key(10, kDown).Key(30, kDown).Key(50, kEnter);
    const std::string report = Run(script, 12000);
    EXPECT_EQ(StateIds(report), "3 0 4 0 11 0 3") << report;
    EXPECT_EQ(Plays(report, "SFX/Finish"), 3) << "three finishers end the race";
}

TEST_F(SelectRunnerTest, TheTutorialWaitsForEachLessonAndEndsInTheMainMenu)
{
    std::string report = Run(Script(), 400, "--state 12");
    EXPECT_TRUE(Shows(report, "Roll forward")) << "nothing pressed, the first prompt waits: " << report;
    EXPECT_FALSE(report.find("\"text\": \"Laps") != std::string::npos) << "no HUD in the tutorial";

    constexpr int kW = 87, kD = 68, kA = 65, kSpace = 32, kX = 88, kC = 67, kE = 69, kQ = 81;
    Script lessons;
    lessons.Hold(30, kW, 70).Hold(200, kD, 5).Key(350, kSpace).Hold(500, kX, 5).Hold(650, kC, 5);
    lessons.Key(800, kE).Key(950, kQ).Hold(1100, kA, 5).Hold(1120, kD, 5);
    report = Run(lessons, 1600, "--state 12");
    EXPECT_EQ(StateIds(report), "12 0 3") << report;
    EXPECT_EQ(Plays(report, "SFX/MenuClick"), 8) << "one click per lesson learnt";
    EXPECT_GT(Plays(report, "SFX/Gate"), 0) << "the ball is free to roll: it passes gates";
    EXPECT_EQ(Plays(report, "SFX/Fire/ForwardLaunch"), 1) << "the power lessons fire real powers";
    EXPECT_EQ(Plays(report, "SFX/Fire/BackLaunch"), 1);
}

TEST_F(SelectRunnerTest, APadPulledOutPausesTheRaceUntilItIsBack)
{
    Script script;
    script.Plug(0, 0, true).Plug(300, 0, false).Plug(400, 0, true);
    std::string output;
    const std::string report = Run(script, 500, "--state 4 --humans 1", VANTORA_SOURCE_DIR, &output);
    EXPECT_EQ(StateIds(report), "4 5 4") << report;
    EXPECT_NE(output.find("Player 1's controller is gone"), std::string::npos) << output;

    // A computer racer's pad going does not stop the race.
    Script computers;
    computers.Plug(0, 1, true).Plug(300, 1, false);
    EXPECT_EQ(StateIds(Run(computers, 400, "--state 4 --humans 1")), "4");
}

TEST_F(SelectRunnerTest, MissingSelectAndResultScenesLeaveWorkingScreens)
{
    // A copy of res/ whose scene folder lacks "cs" and "rs".
    const std::filesystem::path source = std::filesystem::path(VANTORA_SOURCE_DIR) / "res";
    const std::filesystem::path res = folder.Path() / "root" / "res";
    std::filesystem::create_directories(res / "scene");
    for (const auto& entry : std::filesystem::directory_iterator(source))
        if (entry.path().filename() != "scene")
            std::filesystem::create_directory_symlink(entry.path(), res / entry.path().filename());
    for (const auto& entry : std::filesystem::directory_iterator(source / "scene"))
        if (entry.path().stem() != "cs" && entry.path().stem() != "rs")
            std::filesystem::create_symlink(entry.path(), res / "scene" / entry.path().filename());

    Script script = ToSelect();
    script.Key(100, kEnter).Key(140, kEscape);
    std::string output;
    const std::string root = (folder.Path() / "root").string();
    std::string report = Run(script, 160, "", root, &output);
    EXPECT_EQ(StateIds(report), "3 0 10 0 3");
    EXPECT_NE(output.find("cs.xml"), std::string::npos) << "the missing scene is named: " << output;

    Script back;
    back.Key(30, kEscape);
    report = Run(back, 60, "--state 11", root);
    EXPECT_EQ(StateIds(report), "11 0 3") << "Back leaves results that have no script";
}

TEST_F(SelectRunnerTest, TrackOptionStartsThatTrackAndRefusesAnUnknownOne)
{
    const std::string report = Run(Script(), 30, "--track watertrack");
    EXPECT_EQ(StateIds(report), "4");
    EXPECT_NE(report.find("\"race\""), std::string::npos) << report;

    std::string output;
    const int status = RunProgram(std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR +
                                      " --frames 5 --track nowhere",
                                  &output);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("no track 'nowhere'"), std::string::npos) << output;
}
