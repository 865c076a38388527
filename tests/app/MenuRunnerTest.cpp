// The menu screens driven end to end through the runner with timed keys; the report's "states"
// (each change of the state stack as [frame, top state id]) and "texts" show the path taken.
#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
constexpr int kEnter = 13, kEscape = 27, kUp = 38, kDown = 40;

/// Builds an input script: each press is a key down in one frame and up in the next.
class Presses
{
  public:
    Presses& Key(int frame, int key)
    {
        m_text << frame << " key down " << key << "\n" << frame + 1 << " key up " << key << "\n";
        return *this;
    }
    std::string Text() const { return m_text.str(); }

  private:
    std::ostringstream m_text;
};

class MenuRunnerTest : public testing::Test
{
  protected:
    /// Runs the game from the repository's res/ with the presses; the report's text.
    std::string Run(const Presses& presses, int frames, const std::string& extra = "")
    {
        folder.Write("input.txt", presses.Text());
        const std::string report = (folder.Path() / "report.json").string();
        const std::string command =
            "XDG_CONFIG_HOME=" + folder.Path().string() + " " + VANTORA_SIM_PATH + " --root " +
            VANTORA_SOURCE_DIR + " --dt 0.016666 --seed 1 --frames " + std::to_string(frames) + " --input " +
            (folder.Path() / "input.txt").string() + " --report " + report + " " + extra + " > /dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(report);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static std::string States(const std::string& report)
    {
        const size_t at = report.find("\"states\": ");
        const size_t end = report.find("]]", at);
        return at == std::string::npos || end == std::string::npos
                   ? ""
                   : report.substr(at + 10, end + 2 - at - 10);
    }
    static bool Shows(const std::string& report, const std::string& text)
    {
        return report.find("{\"text\": \"" + text + "\"") != std::string::npos;
    }

    TempFolder folder;
};
} // namespace

TEST_F(MenuRunnerTest, QuitGameAsksAndNoReturnsWhileYesEndsTheGame)
{
    // Enter skips the splash; Up wraps to "Quit Game"; "No" is highlighted first.
    Presses presses;
    presses.Key(2, kEnter).Key(10, kUp).Key(20, kEnter).Key(30, kEnter);
    std::string report = Run(presses, 40);
    EXPECT_EQ(States(report), "[[0, 3], [21, 6], [31, 3]]");
    EXPECT_TRUE(Shows(report, "Quit Game")) << report;

    presses.Key(40, kUp).Key(50, kEnter).Key(60, kDown).Key(70, kEnter);
    report = Run(presses, 400);
    EXPECT_EQ(States(report), "[[0, 3], [21, 6], [31, 3], [51, 6]]");
    EXPECT_NE(report.find("\"frames\": 71"), std::string::npos) << "Yes stops the game in its frame";
}

TEST_F(MenuRunnerTest, PauseMenuResumesRestartsAndLeavesForTheMainMenu)
{
    // Escape pauses, Enter resumes; Escape again, Down to "Restart Level", Yes, a second of fade.
    Presses presses;
    presses.Key(30, kEscape).Key(40, kEnter).Key(50, kEscape).Key(60, kDown).Key(70, kEnter).Key(80, kDown);
    presses.Key(90, kEnter);
    std::string report = Run(presses, 200, "--state 4");
    EXPECT_EQ(States(report),
              "[[0, 4], [31, 5], [41, 4], [51, 5], [71, 6], [152, 5], [152, 4], [152, 0], [152, 4]]");

    // "Main Menu" from the pause menu, confirmed, fades out to the main menu.
    Presses toMenu;
    toMenu.Key(30, kEscape).Key(40, kDown).Key(60, kDown).Key(70, kEnter).Key(80, kDown).Key(90, kEnter);
    report = Run(toMenu, 160, "--state 4");
    EXPECT_EQ(States(report), "[[0, 4], [31, 5], [71, 6], [152, 5], [152, 4], [152, 0], [152, 3]]");
    EXPECT_NE(report.find("\"final_state\": 3"), std::string::npos);
}

TEST_F(MenuRunnerTest, EveryOverlayOfTheMainMenuOpensAndBackCloses)
{
    // How to Play (3 down), Options (4), Credits (5): each opened with Enter and left with Escape.
    Presses presses;
    presses.Key(2, kEnter);
    int frame = 10;
    for (int downs = 3; downs <= 5; ++downs)
    {
        for (int i = 0; i < downs; ++i, frame += 20)
            presses.Key(frame, kDown);
        presses.Key(frame, kEnter).Key(frame + 20, kEscape);
        frame += 40;
    }
    const std::string report = Run(presses, frame);
    EXPECT_EQ(States(report), "[[0, 3], [71, 9], [91, 3], [191, 7], [211, 3], [331, 8], [351, 3]]");
    EXPECT_TRUE(Shows(report, "Play")) << "Back rebuilt the main menu: " << report;
}

TEST_F(MenuRunnerTest, OptionsMuteRelabelsAndIsRememberedNextRun)
{
    Presses presses;
    presses.Key(2, kEnter).Key(10, kDown).Key(30, kDown).Key(50, kDown).Key(70, kDown).Key(90, kEnter);
    presses.Key(100, kDown).Key(120, kEnter);
    std::string report = Run(presses, 130);
    EXPECT_TRUE(Shows(report, "UnMute all audio")) << report;
    EXPECT_TRUE(Shows(report, "Unmute music only")) << report;

    Presses reopen;
    reopen.Key(2, kEnter).Key(10, kDown).Key(30, kDown).Key(50, kDown).Key(70, kDown).Key(90, kEnter);
    report = Run(reopen, 100);
    EXPECT_TRUE(Shows(report, "UnMute all audio")) << "the settings file kept the mute: " << report;
}

TEST_F(MenuRunnerTest, PlayFadesIntoTheSelectAndAutoplayIntoTheRace)
{
    Presses play;
    play.Key(2, kEnter).Key(10, kEnter);
    EXPECT_EQ(States(Run(play, 80)), "[[0, 3], [72, 0], [72, 10]]");
    Presses autoplay;
    autoplay.Key(2, kEnter).Key(10, kDown).Key(30, kDown).Key(50, kEnter);
    EXPECT_EQ(States(Run(autoplay, 120)), "[[0, 3], [112, 0], [112, 4]]");
}

TEST_F(MenuRunnerTest, TheInteractiveMainMenuIsUpWithinASecond)
{
    Presses skip;
    skip.Key(0, kEnter);
    const std::string report = Run(skip, 2);
    const size_t at = report.find("\"wall_seconds\": ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(std::stod(report.substr(at + 16)), 1.0) << report;
}
