#include "gameplay/CheckPointSystem.h"
#include "RaceTestSupport.h"
#include "gameplay/BumpSounds.h"
#include "gameplay/CheckPoint.h"
#include "gameplay/Controller.h"
#include "gameplay/Hud.h"
#include "gameplay/ParticleCue.h"
#include "gameplay/RaceRanking.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/RigidBody.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
const std::string kPlayerTag = "<Property><string name=\"Tag\" value=\"Player\"/></Property>";

// Three gates along +z, racers that can be pushed through them by hand.
class CheckPointTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        for (int number = 1; number <= 3; ++number)
            gates.push_back(world.Spawn(RaceWorld::TransformXml({0, 0, 20.0f * number, 1}, {10, 5, 2, 0}) +
                                        RaceWorld::ColliderXml("BVT_OBB", false, "CheckPoint", 0) +
                                        "<CheckPoint><int name=\"cpNum\" value=\"" + std::to_string(number) +
                                        "\"/>" + RaceWorld::VectorXml("facing", {0, 0, 1, 0}) +
                                        "</CheckPoint>"));
        for (int player = 0; player < 4; ++player)
            racers.push_back(world.Spawn(RaceWorld::TransformXml({2.0f * player, 1, 0, 1}) +
                                         RaceWorld::BodyXml(1, false) +
                                         RaceWorld::ColliderXml("BVT_SPHERE", true, "P1") +
                                         RaceWorld::ControllerXml(player) + "<Hud/>" + kPlayerTag));
        race.StartRace();
        race.SetNumberOfLaps(1);
        for (GameObject* racer : racers)
        {
            Velocity(racer, {0, 0, 10, 0});
            racer->Get<Controller>(ComponentType::Controller)->SetFacing({0, 0, 1, 0});
        }
    }

    static void Velocity(GameObject* racer, const Vector4& v)
    {
        racer->Get<RigidBody>(ComponentType::RigidBody)->SetVelocity(v);
    }

    /// One frame in which `player` touches gate `number` (1-based).
    void Cross(int player, int number)
    {
        Collider* gate = gates[static_cast<size_t>(number - 1)]->Get<Collider>(ComponentType::Collider);
        Collider* racer = racers[static_cast<size_t>(player)]->Get<Collider>(ComponentType::Collider);
        gate->AddTouched(racer);
        racer->AddTouched(gate);
        Frame();
        gate->ClearTouched();
        racer->ClearTouched();
    }

    void Frame()
    {
        race.Update();
        race.PostUpdate();
    }

    void Lap(int player)
    {
        for (int number = 1; number <= 3; ++number)
            Cross(player, number);
    }

    RaceWorld world;
    CheckPointSystem& race = CheckPointSystem::Instance();
    std::vector<GameObject*> gates;
    std::vector<GameObject*> racers;
};
} // namespace

TEST_F(CheckPointTest, GatesCountOnlyInOrderAndInTheirDirection)
{
    Cross(0, 1);
    Cross(0, 3); // out of order
    EXPECT_EQ(race.GetLapsDone(0), 0);
    Velocity(racers[0], {0, 0, -10, 0});
    Cross(0, 2); // backwards
    EXPECT_EQ(race.GetLapsDone(0), 0);
    EXPECT_EQ(race.GetLastHitCheckPoint(0), gates[0]);
    Velocity(racers[0], {0, 0, 10, 0});
    Cross(0, 2);
    Cross(0, 3);
    EXPECT_EQ(race.GetLapsDone(0), 1);
    EXPECT_EQ(race.GetLastHitCheckPoint(0), nullptr) << "a new lap starts with no gate";
    EXPECT_EQ(race.GetFinishPlace(0), 0);
}

TEST_F(CheckPointTest, ThreeFinishersEndTheRaceAndTheLastIsPlacedFourth)
{
    Lap(2);
    Lap(0);
    EXPECT_FALSE(race.IsRaceOver());
    Lap(3);
    EXPECT_EQ(race.GetFinishPlace(2), 0);
    EXPECT_EQ(race.GetFinishPlace(0), 1);
    EXPECT_EQ(race.GetFinishPlace(3), 2);
    EXPECT_EQ(race.GetFinishPlace(1), -1);
    Frame();
    EXPECT_TRUE(race.IsRaceOver());
    EXPECT_EQ(race.GetFinishPlace(1), 3);
    EXPECT_EQ(race.GetPlayerByPlace(0), racers[2]);
    EXPECT_EQ(race.GetPlace(1), 3);
}

TEST_F(CheckPointTest, EqualScoresKeepPlayerOrderAndEndRaceUsesTheRanking)
{
    // Everyone at the same spot with no gate passed: the ranking is by player index.
    for (GameObject* racer : racers)
        racer->Get<Transform>(ComponentType::Transform)->SetPosition(0, 1, 0);
    Frame();
    ASSERT_EQ(race.Ranking().size(), 4u);
    for (int place = 0; place < 4; ++place)
        EXPECT_EQ(race.Ranking()[static_cast<size_t>(place)].player, place);
    Cross(3, 1);
    EXPECT_EQ(race.GetPlace(3), 0) << "a gate ahead of the others leads";
    race.EndRaceNow();
    Frame();
    EXPECT_TRUE(race.IsRaceOver());
    EXPECT_EQ(race.GetFinishPlace(3), 0);
    EXPECT_EQ(race.GetFinishPlace(0), 1);
}

TEST_F(CheckPointTest, HudsHearLapsAndPlaces)
{
    race.SetLapAmount(2);
    Hud* hud = racers[1]->Get<Hud>(ComponentType::Hud);
    EXPECT_EQ(hud->GetLapText(), "Laps: 1 / 2");
    Lap(1);
    EXPECT_EQ(hud->GetLapText(), "Laps: 2 / 2");
    EXPECT_EQ(hud->GetPlaceText(), "1st");
    race.SetLapAmount(0);
    EXPECT_EQ(race.GetLapsToRun(), 2) << "no laps is no race: the count stays";
    EXPECT_EQ(hud->GetLapText(), "Laps: 2 / 0") << "but the players' HUDs are told, as scripts expect";
}

TEST_F(CheckPointTest, OnlyThePlayersHudsHearTheLapCount)
{
    GameObject* sign = world.Spawn(RaceWorld::TransformXml({0, 0, 0, 1}) + "<Hud/>");
    race.SetLapAmount(5);
    EXPECT_EQ(racers[3]->Get<Hud>(ComponentType::Hud)->GetLapText(), "Laps: 1 / 5");
    EXPECT_NE(sign->Get<Hud>(ComponentType::Hud)->GetLapText(), "Laps: 1 / 5")
        << "an object not tagged Player";
}

TEST_F(CheckPointTest, GatesDestroyedMidRaceKeepTheOrderAndLapsStillCount)
{
    race.SetNumberOfLaps(2);
    Cross(0, 1);
    Cross(1, 1);
    Cross(1, 2);
    // A script destroys gate 1 and a new gate 4 is spawned beyond gate 3 mid-race.
    Factory::Instance().DestroyObject(gates[0]->GetID());
    Factory::Instance().PostUpdate();
    gates.push_back(world.Spawn(RaceWorld::TransformXml({0, 0, 80, 1}, {10, 5, 2, 0}) +
                                RaceWorld::ColliderXml("BVT_OBB", false, "CheckPoint", 0) +
                                "<CheckPoint><int name=\"cpNum\" value=\"4\"/>" +
                                RaceWorld::VectorXml("facing", {0, 0, 1, 0}) + "</CheckPoint>"));
    EXPECT_EQ(race.GetLastHitCheckPoint(1), gates[1]) << "racer 1 still remembers gate 2";
    EXPECT_EQ(race.GetLastHitCheckPoint(0), nullptr) << "racer 0's gate is gone";
    for (int number : {2, 3, 4})
        Cross(0, number);
    Cross(1, 3);
    Cross(1, 4);
    EXPECT_EQ(race.GetLapsDone(0), 1);
    EXPECT_EQ(race.GetLapsDone(1), 1);
    for (int number : {2, 3, 4})
        Cross(2, number);
    EXPECT_EQ(race.GetLapsDone(2), 1) << "a lap now starts at gate 2";
    for (int number : {2, 3, 4})
        Cross(0, number);
    EXPECT_EQ(race.GetFinishPlace(0), 0);
}

TEST_F(CheckPointTest, WrongWayIsShownInTheRacersQuarterUntilItTurns)
{
    racers[1]->Get<Controller>(ComponentType::Controller)->SetFacing({0, 0, -1, 0});
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.PostUpdate();
    race.Update();
    EXPECT_TRUE(race.IsWrongWay(1));
    EXPECT_FALSE(race.IsWrongWay(0));
    ASSERT_EQ(graphics.ScreenTexts().size(), 1u);
    EXPECT_EQ(graphics.ScreenTexts()[0].text, "Wrong Way!");
    EXPECT_FLOAT_EQ(graphics.ScreenTexts()[0].x, 0.5f);
    EXPECT_FLOAT_EQ(graphics.ScreenTexts()[0].y, 0.6f);
    racers[1]->Get<Controller>(ComponentType::Controller)->SetFacing({0, 0, 1, 0});
    graphics.PostUpdate();
    race.Update();
    EXPECT_TRUE(graphics.ScreenTexts().empty());
}

TEST(RaceRanking, SingleGateOrCoincidentGatesNeverYieldNaN)
{
    const Vector4 gate{0, 0, 10, 1};
    const float score = RunningScore(1, 1, 1, {0, 0, 0, 1}, gate, gate);
    EXPECT_TRUE(std::isfinite(score));
    std::vector<RankEntry> ranking = {{0, score}, {1, score}, {2, FinishedScore(0, 3)}};
    SortRanking(ranking);
    EXPECT_EQ(ranking[0].player, 2);
    EXPECT_EQ(ranking[1].player, 0);
}

TEST(RaceRanking, PlaceSuffixes)
{
    EXPECT_STREQ(PlaceSuffix(1), "st");
    EXPECT_STREQ(PlaceSuffix(2), "nd");
    EXPECT_STREQ(PlaceSuffix(3), "rd");
    EXPECT_STREQ(PlaceSuffix(4), "th");
    EXPECT_STREQ(PlaceSuffix(11), "th");
}

TEST(RaceRanking, ProgressGrowsAlongTheStretchAndGatesPassedAlwaysOutrankDistance)
{
    const Vector4 current{0, 0, 0, 1}, next{0, 0, 10, 1}, after{0, 0, 20, 1};
    float previous = -1e9f;
    // From far behind the current gate (the grid behind the finish line) up to the next one.
    for (float z = -40.0f; z <= 10.0f; z += 0.5f)
    {
        const float score = RunningScore(0, 3, 1, {0, 0, z, 1}, current, next);
        EXPECT_GT(score, previous) << "at z " << z;
        EXPECT_GT(score, 0.5f) << "never level with a racer one gate behind";
        EXPECT_LE(score, 1.5f);
        previous = score;
    }
    EXPECT_NEAR(previous, 1.5f, 1e-5) << "at the next gate";
    EXPECT_GE(RunningScore(0, 3, 2, next, next, after), previous)
        << "passing the gate never lowers the score";
}

namespace
{
/// Records the effects gameplay plays, per object, while it lives.
class CueLog
{
  public:
    CueLog()
    {
        ParticleCue::SetPlayer(
            [this](GameObject& object, const std::string& effect) {
                m_played.push_back({&object, effect});
            });
    }
    ~CueLog() { ParticleCue::SetPlayer({}); }
    std::vector<std::string> On(const GameObject* object) const
    {
        std::vector<std::string> effects;
        for (const auto& [who, effect] : m_played)
            if (who == object)
                effects.push_back(effect);
        return effects;
    }

  private:
    std::vector<std::pair<GameObject*, std::string>> m_played;
};
} // namespace

// Every racer shows its own gates and laps in its quarter, not only the racer that is heard.
TEST_F(CheckPointTest, GatesLapsAndTheFinishPlayTheirEffectsOnTheRacer)
{
    const CueLog cues;
    race.SetLapAmount(2);
    Lap(3);
    EXPECT_EQ(cues.On(racers[3]), (std::vector<std::string>{"gatepass", "gatepass", "gatepass", "lapburst"}));
    Lap(3);
    EXPECT_EQ(cues.On(racers[3]).back(), "finishburst");
    EXPECT_TRUE(cues.On(racers[0]).empty());
}

TEST_F(CheckPointTest, AnImpactThrowsSparksButRestingContactDoesNot)
{
    const CueLog cues;
    RigidBody* body = racers[0]->Get<RigidBody>(ComponentType::RigidBody);
    BumpSounds bumps;
    bumps.Update(*racers[0], *body, 0.016f); // rolling free: the speed it had before the contact
    Collider* mine = racers[0]->Get<Collider>(ComponentType::Collider);
    mine->AddTouched(racers[1]->Get<Collider>(ComponentType::Collider));
    bumps.Update(*racers[0], *body, 0.016f); // pressed together at a steady speed
    EXPECT_TRUE(cues.On(racers[0]).empty());
    body->SetVelocity({-10, 0, 10, 0}); // knocked sideways
    bumps.Update(*racers[0], *body, 0.016f);
    EXPECT_EQ(cues.On(racers[0]), std::vector<std::string>{"sparks"});
}
