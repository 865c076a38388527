#include "states/GameStateManager.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_log;

class LoggingState : public GameState
{
  public:
    explicit LoggingState(int id) : m_id(id) {}
    ~LoggingState() override { g_log.push_back("delete " + std::to_string(m_id)); }
    void Enter() override
    {
        SetId(m_id);
        RequestNextState(99); // cleared by the manager after Enter
        g_log.push_back("enter " + std::to_string(m_id));
    }
    void Update() override { g_log.push_back("update " + std::to_string(m_id)); }
    void Exit() override { g_log.push_back("exit " + std::to_string(m_id)); }

  private:
    int m_id;
};

class GameStateManagerTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        g_log.clear();
        manager.SetStateCreator(
            [](int id) -> std::unique_ptr<GameState>
            {
                if (id >= 3 && id <= 12)
                    return std::make_unique<LoggingState>(id);
                return nullptr;
            });
    }

    void Frame()
    {
        g_log.clear();
        manager.Update();
    }

    GameStateManager& manager = GameStateManager::Instance();
};
} // namespace

TEST_F(GameStateManagerTest, FirstUpdateOpensTheMainMenu)
{
    EXPECT_EQ(manager.GetPendingRequest(), 3);
    EXPECT_EQ(manager.GetGameState(), 0);
    Frame();
    EXPECT_EQ(g_log, (std::vector<std::string>{"enter 3", "update 3"}));
    EXPECT_EQ(manager.GetGameState(), 3);
    Frame();
    EXPECT_EQ(g_log, (std::vector<std::string>{"update 3"})) << "Enter's own request was cleared";
}

TEST_F(GameStateManagerTest, OverlaysAreUpdatedAboveTheScreenAndPoppedNextFrame)
{
    Frame();
    manager.RequestPush(5);
    Frame();
    EXPECT_EQ(g_log, (std::vector<std::string>{"enter 5", "update 3", "update 5"}));
    EXPECT_TRUE(manager.IsTop(5));
    EXPECT_EQ(manager.GetGameState(), 3) << "the bottom screen's id, even under an overlay";
    manager.RequestPop();
    Frame();
    EXPECT_EQ(g_log, (std::vector<std::string>{"exit 5", "delete 5", "update 3"}));
    EXPECT_TRUE(manager.IsTop(3));
}

TEST_F(GameStateManagerTest, SwitchRemovesEveryOverlayAndUpdatesTheNewScreenThatFrame)
{
    Frame();
    manager.RequestPush(5);
    Frame();
    manager.RequestPush(6);
    Frame();
    manager.RequestSwitch(4);
    Frame();
    const std::vector<std::string> expected = {"exit 6", "delete 6", "exit 5",  "delete 5",
                                               "exit 3", "delete 3", "enter 4", "update 4"};
    EXPECT_EQ(g_log, expected);
    EXPECT_EQ(manager.StackSize(), 1u);
    EXPECT_EQ(manager.GetGameState(), 4);
}

TEST_F(GameStateManagerTest, UnknownIdsCreateNothingAndQuitStopsTheLoop)
{
    Frame();
    manager.RequestPush(13);
    Frame();
    EXPECT_EQ(manager.StackSize(), 1u);
    manager.RequestSwitch(2);
    Frame();
    EXPECT_EQ(manager.StackSize(), 0u) << "the switched-away screen is gone, nothing replaces it";
    EXPECT_EQ(manager.GetGameState(), 0);
    manager.RequestSwitch(4); // ignored: no screen to replace
    manager.RequestPop();     // ignored on an empty stack
    Frame();
    EXPECT_EQ(manager.StackSize(), 0u);
    EXPECT_TRUE(manager.IsRunning());
    manager.RequestPush(1);
    Frame();
    EXPECT_FALSE(manager.IsRunning());
}

TEST_F(GameStateManagerTest, PausedFlagIsHeldForTheScreens)
{
    EXPECT_FALSE(manager.IsPaused());
    manager.SetPaused(true);
    EXPECT_TRUE(manager.IsPaused());
}
