#include "core/Engine.h"
#include "core/EngineGlobals.h"
#include "core/SystemTable.h"
#include "states/GameStateManager.h"
#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace
{
// A system that writes "<name>.<slot>" into a shared log and can run an action in Update.
class RecordingSystem : public System
{
  public:
    RecordingSystem(std::string name, std::vector<std::string>* log) : m_name(std::move(name)), m_log(log) {}
    void Init() override { m_log->push_back(m_name + ".Init"); }
    void PreUpdate() override { m_log->push_back(m_name + ".Pre"); }
    void Update() override
    {
        m_log->push_back(m_name + ".Update");
        if (onUpdate)
            onUpdate();
    }
    void PostUpdate() override { m_log->push_back(m_name + ".Post"); }
    std::function<void()> onUpdate;

  private:
    std::string m_name;
    std::vector<std::string>* m_log;
};

class EngineLoopTest : public testing::Test
{
  protected:
    EngineLoopTest()
    {
        for (const char* name : {"WindowManager", "InputSystem", "GraphicsSystem", "GameStateManager",
                                 "Messaging", "SoundSystem", "Factory", "Logic", "PhysicsSystem"})
            m_systems.emplace(name, std::make_unique<RecordingSystem>(name, &log));
    }

    void Write(const std::string& systemData) { m_folder.Write("res/SystemData.xml", systemData); }

    std::unique_ptr<Engine> Build()
    {
        std::map<std::string, System*> table;
        for (auto& [name, system] : m_systems)
            table.emplace(name, system.get());
        ScopedWorkingDirectory cwd(m_folder.Path());
        std::unique_ptr<Engine> engine;
        CaptureStdout([&] { engine = std::make_unique<Engine>(table); });
        engine->GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
        return engine;
    }

    RecordingSystem& Sys(const std::string& name) { return *m_systems.at(name); }

    std::vector<std::string> log;
    TempFolder m_folder;
    std::map<std::string, std::unique_ptr<RecordingSystem>> m_systems;
};

const char* kSimpleOrder = R"(<SystemData>
  <UM_Pre><s n="WindowManager"/><s n="PhysicsSystem"/></UM_Pre>
  <UM_Update><s n="PhysicsSystem"/><s n="Logic"/><s n="Logic"/><s n="Unknown"/></UM_Update>
  <UM_Post><s n="PhysicsSystem"/><s n="Factory"/></UM_Post>
</SystemData>)";
} // namespace

TEST_F(EngineLoopTest, CallsTheListedSystemsInFileOrderAsOftenAsListed)
{
    Write(kSimpleOrder);
    auto engine = Build();
    ASSERT_TRUE(engine->RunFrame());
    const std::vector<std::string> expected = {
        "WindowManager.Pre", "PhysicsSystem.Pre",  "PhysicsSystem.Update", "Logic.Update",
        "Logic.Update",      "PhysicsSystem.Post", "Factory.Post"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(engine->UpdateList().size(), 3u) << "the unknown name is skipped";
}

TEST_F(EngineLoopTest, PausingDuringUpdateTakesThePausedPostUpdateThatFrame)
{
    Write(kSimpleOrder);
    auto engine = Build();
    Sys("Logic").onUpdate = [] { GameStateManager::Instance().SetPaused(true); };
    engine->RunFrame();
    const std::vector<std::string> tail(log.end() - 3, log.end());
    const std::vector<std::string> pausedPost = {"Messaging.Post", "InputSystem.Post", "GraphicsSystem.Post"};
    EXPECT_EQ(tail, pausedPost);

    log.clear();
    Sys("Logic").onUpdate = nullptr;
    engine->RunFrame();
    const std::vector<std::string> pausedFrame = {
        "WindowManager.Pre", "Messaging.Pre",           "GraphicsSystem.Pre", "WindowManager.Update",
        "Messaging.Update",  "GameStateManager.Update", "SoundSystem.Update", "Messaging.Post",
        "InputSystem.Post",  "GraphicsSystem.Post"};
    EXPECT_EQ(log, pausedFrame) << "physics, logic and the factory stand still";
}

TEST_F(EngineLoopTest, StoppingDuringAFrameSkipsItsPostUpdates)
{
    Write(kSimpleOrder);
    auto engine = Build();
    Sys("PhysicsSystem").onUpdate = [] { GameStateManager::Instance().SetRunning(false); };
    EXPECT_FALSE(engine->RunFrame());
    EXPECT_EQ(log.back(), "Logic.Update");
    log.clear();
    engine->MainLoop();
    EXPECT_EQ(engine->FramesRun(), 2) << "the loop leaves after the first frame that stops";
}

TEST_F(EngineLoopTest, MainLoopHonoursAFrameLimitAndReportsTheFixedStep)
{
    Write(kSimpleOrder);
    auto engine = Build();
    engine->GetFrameController().SetFixedDeltaTime(0.25f);
    engine->MainLoop(5);
    EXPECT_EQ(engine->FramesRun(), 5);
    EXPECT_EQ(engine->GetDeltaTime(), 0.25f);
}

TEST_F(EngineLoopTest, MissingSystemDataReportsAndLeavesListsEmpty)
{
    std::string printed;
    {
        ScopedWorkingDirectory cwd(m_folder.Path());
        printed = CaptureStdout([&] { Engine engine(std::map<std::string, ::System*>{}); });
    }
    EXPECT_NE(printed.find("Could not load file 'res/SystemData.xml'. Error = 'Failed to open file'"),
              std::string::npos);
    EXPECT_NE(printed.find("Could not load file 'res/TrackList.xml'"), std::string::npos);
}

TEST_F(EngineLoopTest, InitWithoutASystemListSaysSoAndStartsNothing)
{
    for (const char* systemData : {"", "<SystemData><UM_Init><s n=\"Nope\"/></UM_Init></SystemData>"})
    {
        if (*systemData)
            Write(systemData);
        auto engine = Build();
        ScopedWorkingDirectory cwd(m_folder.Path());
        bool started = true;
        const std::string printed = CaptureStdout([&] { started = engine->Init(); });
        EXPECT_FALSE(started) << systemData;
        EXPECT_EQ(printed, "Cannot start: res/SystemData.xml lists no systems to run\n");
        EXPECT_TRUE(log.empty()) << "nothing is initialised";
    }
}

TEST(Engine, DefaultTableHoldsTheFourteenSystemsAndReadsTrackNames)
{
    ScopedWorkingDirectory cwd(FixturePath("spine"));
    Engine engine;
    EXPECT_EQ(systemsByName.size(), 14u);
    EXPECT_EQ(AllSystems().size(), 14u);
    EXPECT_EQ(AllSystems()[9].first, "Factory");
    EXPECT_EQ(systemsByName.at("RaceLineSystem"), AllSystems()[13].second);
    ASSERT_EQ(realTrackNames.size(), 2u);
    EXPECT_EQ(realTrackNames.at(1), "firetrack") << "keys count in document order";
    const std::vector<std::string> shown = {"Harbour", "Volcano", "Random"};
    EXPECT_EQ(displayTrackNames, shown);
    EXPECT_EQ(engine.InitList().size(), 4u);
    EXPECT_EQ(engine.UpdateList().size(), 3u) << "Logic listed twice, by any attribute name";
}

TEST(Engine, InitLoadsTheLoadingSceneThenClearsItAndSeeds)
{
    ScopedWorkingDirectory cwd(FixturePath("spine"));
    Engine engine;
    engine.GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
    engine.SetRandomSeed(5u);
    CaptureStdout([&] { engine.Init(); });
    EXPECT_TRUE(engine.IsLoadingDone());
    std::srand(5);
    const int expected = std::rand();
    engine.SetRandomSeed(5u);
    CaptureStdout([&] { engine.Init(); });
    EXPECT_EQ(std::rand(), expected);
}
