#include "ScriptWorld.h"

#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/RigidBody.h"
#include "script/Script.h"
#include "states/GameStateManager.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
/// The script fixture tree with the game's own race scripts added.
class LevelFolder
{
  public:
    LevelFolder()
    {
        fs::copy(FixturePath("script"), m_folder.Path(), fs::copy_options::recursive);
        for (const char* file : {"racelevel.lua", "respawn.lua"})
            fs::copy_file(fs::path(VANTORA_SOURCE_DIR) / "res/scripts" / file,
                          m_folder.Path() / "res/scripts" / file);
    }
    const fs::path& Path() const { return m_folder.Path(); }

  private:
    TempFolder m_folder;
};

class StubScreen final : public GameState
{
  public:
    explicit StubScreen(int id) { SetId(id); }
    void Enter() override {}
    void Update() override {}
};

GameObject* Object(unsigned id)
{
    return Factory::Instance().FindObject(id);
}

Controller& ControllerOf(unsigned id)
{
    return *Object(id)->Get<Controller>(ComponentType::Controller);
}

Transform& TransformOf(unsigned id)
{
    return *Object(id)->Get<Transform>(ComponentType::Transform);
}

void Attach(const std::string& file)
{
    Object(5)->Get<Script>(ComponentType::Script)->AttachScript(file);
}

void RunFrames(ScriptWorld& world, int count)
{
    for (int frame = 0; frame < count; ++frame)
        world.RunFrame();
}

std::string LastText()
{
    const auto& texts = GraphicsSystem::Instance().ScreenTexts();
    return texts.empty() ? "" : texts.back().text;
}
} // namespace

TEST(LevelScripts, TheRaceCountsDownHoldingTheRacersAndShowsTheResultsAfterTheFinish)
{
    LevelFolder folder;
    ScriptWorld world(folder.Path());
    GameStateManager& states = GameStateManager::Instance();
    states.SetStateCreator([](int id) { return std::make_unique<StubScreen>(id); });
    states.RequestPush(4);
    states.Update();
    ControllerOf(1).SetPlayerState(0);
    Attach("racelevel.lua");
    const std::vector<std::pair<int, std::string>> countdown = {{30, "3"}, {60, "2"}, {60, "1"}};
    for (const auto& [frames, text] : countdown)
    {
        RunFrames(world, frames);
        EXPECT_EQ(LastText(), text);
        EXPECT_EQ(ControllerOf(1).GetPlayerState(), 2);
    }
    EXPECT_EQ(CheckPointSystem::Instance().GetLapsToRun(), 3);
    RunFrames(world, 60);
    EXPECT_EQ(LastText(), "GO!");
    EXPECT_EQ(ControllerOf(1).GetPlayerState(), 0);
    EXPECT_EQ(ControllerOf(2).GetPlayerState(), 0);

    CheckPointSystem::Instance().StartRace();
    CheckPointSystem::Instance().EndRaceNow();
    CheckPointSystem::Instance().Update();
    RunFrames(world, 170);
    EXPECT_EQ(ControllerOf(2).GetPlayerState(), 2) << "a racer with a place waits";
    states.Update();
    EXPECT_EQ(states.GetGameState(), 4) << "the finish is shown for a moment first";
    RunFrames(world, 20);
    states.Update();
    EXPECT_EQ(states.GetGameState(), 11);
    states.SetStateCreator(nullptr);
}

TEST(LevelScripts, AFallenOrStuckRacerGoesBackToItsLastGateOrItsStart)
{
    LevelFolder folder;
    ScriptWorld world(folder.Path());
    Attach("respawn.lua");
    world.RunFrame();
    ControllerOf(1).SetPlayerState(0);
    ControllerOf(2).SetPlayerState(0);

    // Through the gate (at the origin, crossed along +x), then off the edge.
    Collider* racer = Object(1)->Get<Collider>(ComponentType::Collider);
    Collider* gate = Object(3)->Get<Collider>(ComponentType::Collider);
    racer->AddTouched(gate);
    gate->AddTouched(racer);
    Object(1)->Get<RigidBody>(ComponentType::RigidBody)->SetVelocity({5, 0, 0, 0});
    CheckPointSystem::Instance().StartRace();
    CheckPointSystem::Instance().Update();
    ASSERT_EQ(CheckPointSystem::Instance().GetLastHitCheckPoint(0), Object(3));
    TransformOf(1).SetPosition(30, -25, 0);
    world.RunFrame();
    EXPECT_EQ(TransformOf(1).GetPosition(), Vector4(4, 0, 0, 1));
    EXPECT_EQ(ControllerOf(1).GetFacing(), Vector4(1, 0, 0, 0));
    EXPECT_EQ(Object(1)->Get<RigidBody>(ComponentType::RigidBody)->GetVelocity(), Vector4());

    // Player 1 moves, then sits still: after a check without progress it goes back to its start.
    TransformOf(2).SetPosition(7, 0, 7);
    RunFrames(world, 250);
    EXPECT_EQ(TransformOf(2).GetPosition(), Vector4(7, 0, 7, 1));
    RunFrames(world, 250);
    EXPECT_EQ(TransformOf(2).GetPosition(), Vector4(0, 0, 0, 1));
}
