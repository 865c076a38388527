#include "core/Engine.h"
#include "gameplay/CheckPoint.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "states/GameStateManager.h"
#include "support/TestSupport.h"
#include "trackgen/TrackDescription.h"
#include "trackgen/TrackLayout.h"
#include "trackgen/TrackSceneWriter.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
std::string Read(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A res/ tree with the game's racer and track archetypes and a generated fixture track.
class RaceFixture
{
public:
    RaceFixture()
    {
        const fs::path source = fs::path(VANTORA_SOURCE_DIR) / "res";
        m_folder.Write("res/SystemData.xml", Read(source / "SystemData.xml"));
        m_folder.Write("res/TrackList.xml", "<T><RealTrackNames><t n=\"square\"/></RealTrackNames>"
                                            "<DisplayTrackNames><t n=\"Square\"/><t n=\"Random\"/></DisplayTrackNames></T>");
        for (const char* name : {"racer1", "racer2", "racer3", "racer4", "gate", "racenode", "groundpiece", "wall"})
            m_folder.Write(std::string("res/archetype/") + name + ".xml",
                           Read(source / "archetype" / (std::string(name) + ".xml")));
        std::vector<std::string> errors;
        const TrackDescription track = ParseTrackDescription(Read(FixturePath("race/square.track")), errors);
        layout = BuildTrackLayout(track);
        fs::create_directories(m_folder.Path() / "res/scene");
        WriteTrackScene(layout, TrackArchetypes{}, (m_folder.Path() / "res/scene/square.xml").string());
    }

    const fs::path& Root() const { return m_folder.Path(); }
    TrackLayout layout;

private:
    TempFolder m_folder;
};

// Gates passed since the start: laps times gates plus the number of the last gate.
int Progress(const CheckPointSystem& race, int player, int gates)
{
    const GameObject* gate = race.GetLastHitCheckPoint(player);
    const int number = gate ? gate->Get<CheckPoint>(ComponentType::CheckPoint)->GetNumber() : 0;
    return race.GetLapsDone(player) * gates + number;
}
} // namespace

TEST(RaceIntegration, FourComputerRacersFinishAThreeLapRaceOnAFixtureTrack)
{
    RaceFixture fixture;
    ScopedWorkingDirectory cwd(fixture.Root());
    Engine engine;
    engine.GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
    engine.SetRandomSeed(7u);
    CaptureStdout([&] { engine.Init(); });
    GameStateManager::Instance().RequestPush(4);
    CheckPointSystem& race = CheckPointSystem::Instance();

    // Three laps at no less than 8 units a second on average, plus the start.
    const long long budget = static_cast<long long>(fixture.layout.length * 3 / 8.0f * 60.0f) + 120;
    const int gates = static_cast<int>(fixture.layout.gates.size());
    std::array<long long, 4> lastAdvance{};
    std::array<int, 4> bestProgress{};
    long long frame = 0;
    {
        for (; frame < budget && !race.IsRaceOver(); ++frame)
        {
            if (frame == 1)
                race.SetLapAmount(3);
            if (frame == 60)
                for (Component* c : Logic::Instance().Controllers())
                    static_cast<Controller*>(c)->SetPlayerState(0);
            engine.RunFrame();
            for (int player = 0; player < 4; ++player)
            {
                const int progress = Progress(race, player, gates);
                if (progress > bestProgress[static_cast<size_t>(player)])
                {
                    bestProgress[static_cast<size_t>(player)] = progress;
                    lastAdvance[static_cast<size_t>(player)] = frame;
                }
            }
            // Nobody may go more than 25 seconds without passing a gate.
            for (int player = 0; player < 4; ++player)
            {
                if (race.GetFinishPlace(player) == -1)
                {
                    ASSERT_LT(frame - lastAdvance[static_cast<size_t>(player)], 25 * 60) << "racer " << player << " is stuck";
                }
            }
        }
    }
    ASSERT_TRUE(race.IsRaceOver()) << "the race did not end within " << budget << " frames";
    std::array<bool, 4> placeTaken{};
    for (int player = 0; player < 4; ++player)
    {
        const int place = race.GetFinishPlace(player);
        ASSERT_GE(place, 0);
        ASSERT_LE(place, 3);
        placeTaken[static_cast<size_t>(place)] = true;
    }
    EXPECT_EQ(placeTaken, (std::array<bool, 4>{true, true, true, true}));
    Factory::Instance().DestroyAll();
}
