#include "states/MenuList.h"
#include "core/VirtualKey.h"
#include "input/InputSystem.h"
#include "states/GameSettings.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
constexpr float kDt = 1.0f / 60.0f;

/// A screen that only records that it was entered, and fills the menu like a real one.
class PlainScreen : public GameState
{
  public:
    explicit PlainScreen(int id) : m_id(id) {}
    void Enter() override
    {
        SetId(m_id);
        ++entered;
        MenuList::Instance().Clear();
        MenuList::Instance().Add(MenuAction::kOptions, "Options", 0.0f);
    }
    void Update() override {}
    static inline int entered = 0;

  private:
    int m_id;
};

class MenuListTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
        GameSettings::Instance().Reset();
        menu.Reset();
        menu.Add(MenuAction::kPlay, "Play", 0.4f);
        menu.Add(MenuAction::kOptions, "Options", 0.0f);
        menu.Add(MenuAction::kQuit, "Quit Game", -0.4f);
    }

    /// One frame of the menu with `key` held (0 for none), then the end of the frame.
    bool Frame(int key = 0)
    {
        if (key)
            input.SetKey(key, true);
        const bool result = menu.Update(kDt);
        input.PostUpdate();
        return result;
    }
    void Release(int key) { input.SetKey(key, false); }
    void Tap(int key)
    {
        Frame(key);
        Release(key);
        input.PostUpdate();
    }

    TempFolder config;
    MenuList& menu = MenuList::Instance();
    InputSystem& input = InputSystem::Instance();
    GameStateManager& states = GameStateManager::Instance();
};
} // namespace

TEST_F(MenuListTest, HighlightWrapsBothWaysAndRepeatsEveryFifthOfASecondWhileHeld)
{
    Frame(VirtualKey::kUp);
    EXPECT_EQ(menu.GetSelected(), 2) << "up from the first item selects the last";
    Release(VirtualKey::kUp);
    Frame();
    Frame(VirtualKey::kDown);
    EXPECT_EQ(menu.GetSelected(), 2) << "the repeat timer has not run out yet";
    // Held for a second: the first move at once, then one per 0.2 s (plus the frame that restarts it).
    Release(VirtualKey::kDown);
    menu.Reset();
    for (const char* label : {"a", "b", "c"})
        menu.Add(MenuAction::kOptions, label, 0.0f);
    int moves = 0;
    int last = menu.GetSelected();
    for (int frame = 0; frame < 60; ++frame)
    {
        Frame(VirtualKey::Letter('S'));
        moves += menu.GetSelected() != last;
        last = menu.GetSelected();
    }
    EXPECT_EQ(moves, 5);
    EXPECT_EQ(menu.GetSelected(), 2) << "five moves down over three items wrap round to the last";
}

TEST_F(MenuListTest, AskingActionsOpenAreYouSureAndYesCarriesThemOut)
{
    Frame(VirtualKey::kDown);
    Release(VirtualKey::kDown);
    for (int frame = 0; frame < 20; ++frame)
        Frame();
    Frame(VirtualKey::kDown);
    Release(VirtualKey::kDown);
    ASSERT_EQ(menu.GetSelected(), 2);
    Tap(VirtualKey::kEnter);
    EXPECT_EQ(states.GetPendingRequest(), GameStateId::kAreYouSure);
    EXPECT_TRUE(states.IsRunning()) << "unconfirmed, Quit Game only asks";
    MenuItem yes;
    yes.action = MenuAction::kYes;
    menu.Perform(yes, false);
    EXPECT_FALSE(states.IsRunning());
}

TEST_F(MenuListTest, FadeSwitchesAfterOneSecondAndIgnoresInputMeanwhile)
{
    states.SetStateCreator([](int id) { return std::make_unique<PlainScreen>(id); });
    states.RequestPush(GameStateId::kLevel1);
    states.Update();
    states.SetPaused(true);
    MenuItem restart;
    restart.action = MenuAction::kRestartLevel;
    menu.Perform(restart, true);
    ASSERT_TRUE(menu.IsFading());
    EXPECT_EQ(menu.GetTargetState(), GameStateId::kLevel1) << "restart reloads the bottom screen";
    int frames = 1;
    Frame(VirtualKey::kEscape);
    Frame(VirtualKey::kDown);
    input.SetKey(VirtualKey::kEscape, false);
    Frame(VirtualKey::kEnter);
    EXPECT_EQ(menu.GetSelected(), 0) << "keys pressed during the fade do nothing";
    EXPECT_EQ(states.GetPendingRequest(), GameStateId::kNone);
    frames += 2;
    while (Frame())
        ++frames;
    EXPECT_NEAR(frames * kDt, MenuList::kFadeSeconds, 2 * kDt);
    EXPECT_FALSE(states.IsPaused());
    EXPECT_EQ(states.GetStateBelowTop(), nullptr);
    PlainScreen::entered = 0;
    states.Update();
    EXPECT_EQ(PlainScreen::entered, 1) << "the switch reloads the screen at the next update";
    states.SetStateCreator(nullptr);
}

TEST_F(MenuListTest, BackPopsTheOverlayAndRebuildsTheScreenBelow)
{
    states.SetStateCreator([](int id) { return std::make_unique<PlainScreen>(id); });
    states.RequestPush(GameStateId::kMainMenu);
    states.Update();
    states.RequestPush(GameStateId::kOptions);
    states.Update();
    menu.Clear();
    menu.Add(MenuAction::kBack, "Back", -0.85f);
    PlainScreen::entered = 0;
    Tap(VirtualKey::kBackspace);
    EXPECT_EQ(states.GetPendingRequest(), GameStateId::kPop);
    EXPECT_EQ(PlainScreen::entered, 1);
    ASSERT_EQ(menu.Items().size(), 1u);
    EXPECT_EQ(menu.Items()[0].text, "Options") << "the screen below has its own items back at once";
    states.SetStateCreator(nullptr);
}

TEST_F(MenuListTest, MuteAllSilencesBothAndRelabelsBothItemsThenRestores)
{
    menu.Clear();
    menu.Add(MenuAction::kMuteAll, "Mute all audio", -0.1f);
    menu.Add(MenuAction::kMuteMusic, "Mute music only", -0.4f);
    Tap(VirtualKey::kEnter);
    EXPECT_EQ(GameSettings::Instance().GetEffectsVolume(), 0.0f);
    EXPECT_EQ(GameSettings::Instance().GetMusicVolume(), 0.0f);
    EXPECT_EQ(menu.Items()[0].text, "UnMute all audio");
    EXPECT_EQ(menu.Items()[1].text, "Unmute music only");
    Tap(VirtualKey::kEnter);
    EXPECT_EQ(GameSettings::Instance().GetEffectsVolume(), 1.0f);
    EXPECT_EQ(GameSettings::Instance().GetMusicVolume(), 1.0f);
    EXPECT_EQ(menu.Items()[1].text, "Mute music only");

    GameSettings::Instance().Load(GameSettings::Instance().GetPath());
    EXPECT_EQ(GameSettings::Instance().GetMusicVolume(), 1.0f) << "the file was written on each change";
}

TEST_F(MenuListTest, MouseHoverHighlightsAndClickChooses)
{
    // "Options" is drawn at y = 0: the middle of a 1280 x 720 window.
    input.MouseMove(640, 360);
    Frame();
    EXPECT_EQ(menu.GetSelected(), 1);
    input.MouseButtonDown(0, 640, 360);
    Frame();
    input.MouseButtonUp(0);
    EXPECT_EQ(states.GetPendingRequest(), GameStateId::kOptions);
    input.MouseMove(10, 10);
    Frame();
    EXPECT_EQ(menu.GetSelected(), 1) << "the pointer away from every item changes nothing";
}

TEST(GameSettings, GarbageOrMissingFilesGiveTheDefaultsWithOneLine)
{
    TempFolder folder;
    setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    GameSettings& settings = GameSettings::Instance();
    std::string said = CaptureStdout([&] { settings.Reset(); });
    EXPECT_NE(said.find("does not exist yet"), std::string::npos) << said;
    EXPECT_EQ(settings.GetPath(), folder.Path() / "vantora" / "settings.xml");
    EXPECT_FALSE(std::filesystem::exists(settings.GetPath())) << "nothing is written before a change";

    folder.Write("vantora/settings.xml", "\x01\x02 not xml <<<");
    said = CaptureStdout([&] { settings.Reset(); });
    EXPECT_NE(said.find("cannot be read"), std::string::npos) << said;
    EXPECT_TRUE(settings.IsFullscreen());

    folder.Write(
        "vantora/settings.xml",
        "<settings fullscreen=\"false\" effectsVolume=\"loud\" musicVolume=\"0.25\" masterVolume=\"7\"/>");
    said = CaptureStdout([&] { settings.Reset(); });
    EXPECT_FALSE(settings.IsFullscreen());
    EXPECT_EQ(settings.GetEffectsVolume(), 1.0f);
    EXPECT_EQ(settings.GetMusicVolume(), 0.25f);
    EXPECT_EQ(settings.GetMasterVolume(), 1.0f);
    EXPECT_NE(said.find("effectsVolume 'loud'"), std::string::npos) << said;

    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", folder.Path().c_str(), 1);
    EXPECT_EQ(GameSettings::DefaultPath(), folder.Path() / ".config" / "vantora" / "settings.xml");
}

TEST(MenuDrawing, AMissingPictureIsReportedOnceAndLeftOut)
{
    const std::string said = CaptureStdout(
        [&]
        {
            MenuDrawing::FullScreen("no_such_picture");
            MenuDrawing::FullScreen("no_such_picture");
        });
    EXPECT_EQ(said, "Menu picture 'no_such_picture' is missing from res/textures; it is left out\n");
}
