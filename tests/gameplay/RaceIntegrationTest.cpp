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

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
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
        m_folder.Write("res/TrackList.xml",
                       "<T><RealTrackNames><t n=\"square\"/></RealTrackNames>"
                       "<DisplayTrackNames><t n=\"Square\"/><t n=\"Random\"/></DisplayTrackNames></T>");
        for (const char* name :
             {"racer1", "racer2", "racer3", "racer4", "gate", "racenode", "groundpiece", "wall"})
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

GameObject* RacerOf(int player)
{
    for (Component* c : Logic::Instance().Controllers())
        if (static_cast<Controller*>(c)->GetPlayerIndex() == player)
            return c->GetOwner();
    return nullptr;
}

// Player p starts from the grid slot that player slots[p] has in the scene.
void PermuteGrid(const std::array<int, 4>& slots)
{
    std::array<Vector4, 4> grid;
    for (int player = 0; player < 4; ++player)
        grid[static_cast<size_t>(player)] = Transform::PositionOf(RacerOf(player));
    for (int player = 0; player < 4; ++player)
    {
        const Vector4& to = grid[static_cast<size_t>(slots[static_cast<size_t>(player)])];
        RacerOf(player)->Get<Transform>(ComponentType::Transform)->SetPosition(to.x, to.y, to.z);
    }
}

// Races of four computer racers on the fixture track, one engine for all of them.
class RaceRunner
{
  public:
    explicit RaceRunner(const RaceFixture& fixture) : m_fixture(fixture), m_cwd(fixture.Root())
    {
        m_engine.GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
        m_engine.SetRandomSeed(7u);
        CaptureStdout([&] { m_engine.Init(); });
    }
    ~RaceRunner() { Factory::Instance().DestroyAll(); }

    /// Runs a race from the given grid (player p starts in player slots[p]'s slot); `eachFrame`
    /// sees every frame once the racers are placed. Returns the finishing places.
    std::array<int, 4> Run(const std::array<int, 4>& slots, int laps,
                           const std::function<void()>& eachFrame = {})
    {
        GameStateManager& states = GameStateManager::Instance();
        // A fresh race screen reloads the scene and starts the race afresh.
        if (states.GetGameState() == 0)
            states.RequestPush(4);
        else
            states.RequestSwitch(4);
        CheckPointSystem& race = CheckPointSystem::Instance();
        const long long budget = static_cast<long long>(m_fixture.layout.length * laps / 8.0f * 60.0f) + 120;
        for (long long frame = 0; frame < budget && (frame < 2 || !race.IsRaceOver()); ++frame)
        {
            if (frame == 1)
            {
                race.SetLapAmount(laps);
                PermuteGrid(slots);
            }
            if (frame == 60)
                for (Component* c : Logic::Instance().Controllers())
                    static_cast<Controller*>(c)->SetPlayerState(0);
            m_engine.RunFrame();
            if (eachFrame && frame >= 1)
                eachFrame();
        }
        std::array<int, 4> places{};
        for (int player = 0; player < 4; ++player)
            places[static_cast<size_t>(player)] = race.GetFinishPlace(player);
        return places;
    }

  private:
    const RaceFixture& m_fixture;
    ScopedWorkingDirectory m_cwd;
    Engine m_engine;
};

int WinnerOf(const std::array<int, 4>& places)
{
    return static_cast<int>(std::find(places.begin(), places.end(), 0) - places.begin());
}

// Where each gate stands, by number.
std::map<int, Vector4> GatePositions()
{
    std::map<int, Vector4> gates;
    for (const auto& [id, object] : Factory::Instance().GetObjectList(0))
        if (const auto* gate = object->Get<CheckPoint>(ComponentType::CheckPoint))
            gates[gate->GetNumber()] = Transform::PositionOf(object.get());
    return gates;
}
} // namespace

TEST(RaceIntegration, TheFinishingOrderFollowsTheGridNotThePlayerIndex)
{
    RaceFixture fixture;
    // The same four drivers, each started from every slot in turn: the racer in a given slot
    // does as well whoever it is, so no player index wins from everywhere.
    RaceRunner runner(fixture);
    std::array<int, 4> winnerSlot{};
    std::array<int, 4> winner{};
    for (int shift = 0; shift < 4; ++shift)
    {
        std::array<int, 4> slots{};
        for (int player = 0; player < 4; ++player)
            slots[static_cast<size_t>(player)] = (player + shift) % 4;
        const auto places = runner.Run(slots, 1);
        winner[static_cast<size_t>(shift)] = WinnerOf(places);
        winnerSlot[static_cast<size_t>(shift)] =
            slots[static_cast<size_t>(winner[static_cast<size_t>(shift)])];
    }
    EXPECT_NE(std::count(winner.begin(), winner.end(), winner[0]), 4)
        << "player " << winner[0] << " won from every slot";
    EXPECT_EQ(std::count(winnerSlot.begin(), winnerSlot.end(), winnerSlot[0]), 4)
        << "the grid, not the index, decides";
}

TEST(RaceIntegration, TheRankingAgreesWithLapsGatesAndDistanceAtEveryFrame)
{
    RaceFixture fixture;
    CheckPointSystem& race = CheckPointSystem::Instance();
    const int gates = static_cast<int>(fixture.layout.gates.size());
    std::map<int, Vector4> gatePositions;
    int frames = 0;
    const auto check = [&]
    {
        if (gatePositions.empty())
            gatePositions = GatePositions();
        const auto& ranking = race.Ranking();
        ASSERT_EQ(ranking.size(), 4u);
        ++frames;
        for (size_t place = 1; place < ranking.size(); ++place)
        {
            const int ahead = ranking[place - 1].player, behind = ranking[place].player;
            if (race.GetFinishPlace(ahead) != -1 || race.GetFinishPlace(behind) != -1)
            {
                ASSERT_FALSE(race.GetFinishPlace(ahead) == -1 && race.GetFinishPlace(behind) != -1)
                    << "a runner ranked ahead of a finisher at frame " << frames;
                continue;
            }
            const int aheadProgress = Progress(race, ahead, gates),
                      behindProgress = Progress(race, behind, gates);
            ASSERT_GE(aheadProgress, behindProgress) << "player " << ahead << " ranked ahead of player "
                                                     << behind << " with fewer gates at frame " << frames;
            if (aheadProgress != behindProgress)
                continue;
            const GameObject* last = race.GetLastHitCheckPoint(ahead);
            const int next = last ? last->Get<CheckPoint>(ComponentType::CheckPoint)->GetNumber() + 1 : 1;
            const Vector4 gate = gatePositions[next > gates ? 1 : next];
            const float aheadLeft = std::sqrt((gate - Transform::PositionOf(RacerOf(ahead))).LengthSquared());
            const float behindLeft =
                std::sqrt((gate - Transform::PositionOf(RacerOf(behind))).LengthSquared());
            // Racers side by side may differ by a little: the gate's reference point is its near face.
            ASSERT_LE(aheadLeft, behindLeft + 3.0f)
                << "player " << ahead << " ranked ahead of player " << behind << " but further from gate "
                << next << " at frame " << frames;
        }
        // F4 places racers by this same ranking; it must never put fewer laps ahead of more.
        for (size_t place = 1; place < ranking.size(); ++place)
            ASSERT_GE(race.GetLapsDone(ranking[place - 1].player), race.GetLapsDone(ranking[place].player))
                << "at frame " << frames;
    };
    const std::array<int, 4> places = RaceRunner(fixture).Run({0, 1, 2, 3}, 3, check);
    EXPECT_GT(frames, 1000);
    EXPECT_EQ(std::count(places.begin(), places.end(), -1), 0);
}

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
                    ASSERT_LT(frame - lastAdvance[static_cast<size_t>(player)], 25 * 60)
                        << "racer " << player << " is stuck";
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
