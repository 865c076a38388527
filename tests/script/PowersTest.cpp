#include "ScriptWorld.h"

#include "gameplay/RaceStats.h"
#include "input/ActionList.h"
#include "input/Gamepad.h"
#include "input/InputSystem.h"
#include "objects/Logic.h"
#include "objects/Property.h"

#include "support/TestSupport.h"
#include <gtest/gtest.h>

#include <array>
#include <regex>

// The racers' power script and the library functions it relies on, on the game's own archetypes
// and scripts. Only the script pass runs (no physics), so what a hit does shows in the velocities
// the script set.
namespace
{
constexpr int kUsePower = 8;
constexpr int kUsePowerBack = 9;
constexpr int kHeld = 2;

class PowersWorld
{
  public:
    PowersWorld()
    {
        for (int player = 0; player < 4; ++player)
            Logic::Instance().SetPlayerIsComputer(player, false);
        for (int player = 0; player < 4; ++player)
        {
            m_racers[static_cast<size_t>(player)] = m_world.Create("Racer" + std::to_string(player + 1));
            // In a line along -z, the way they face: player 0 last, player 3 in front.
            Lua(player, "SetPlayerState(me, 0); SetPlayerElement(me, " + std::to_string(player) +
                            "); SetObjPosition(me, 0, 2, " + std::to_string(-10 * player) + ")");
        }
        RaceStats::Instance().Reset();
    }

    std::string Lua(int player, const std::string& code)
    {
        ScriptState* state = ScriptWorld::StateOf(Racer(player), "powers");
        return state ? ScriptWorld::Eval(*state, code, Racer(player)) : "no state";
    }

    GameObject* Racer(int player) const { return m_racers[static_cast<size_t>(player)]; }

    /// One frame in which each listed player presses `action` (held one frame, as the AI does).
    void Press(std::initializer_list<int> players, int action)
    {
        ActionList::Instance().Update();
        for (int player : players)
            ActionList::Instance().SetAction(player, action, 100.0, true);
        m_world.RunFrame();
    }

    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i)
        {
            ActionList::Instance().Update();
            m_world.RunFrame();
        }
    }

    static int Alive(const char* tag)
    {
        int count = 0;
        for (const auto& [id, object] : Factory::Instance().GetObjectList(0))
        {
            const auto* property = object->Get<Property>(ComponentType::Property);
            count += property && std::string(ObjectTagName(property->GetTag())) == tag ? 1 : 0;
        }
        return count;
    }

  private:
    ScriptWorld m_world{VANTORA_SOURCE_DIR};
    std::array<GameObject*, 4> m_racers{};
};

int Count(const std::string& text, const std::string& what)
{
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}
} // namespace

TEST(Powers, FourUltimatesInOneFrameAreAllSpentAndCleanedUp)
{
    PowersWorld world;
    for (int player = 0; player < 4; ++player)
        world.Lua(player, "SetPlayerPowerLevel(me, 100)");
    const std::string output = CaptureStdout(
        [&]
        {
            world.Press({0, 1, 2, 3}, kUsePower);
            world.Run(60);
        });
    int hits = 0;
    int hitBy = 0;
    for (int player = 0; player < 4; ++player)
    {
        EXPECT_EQ(world.Lua(player, "return GetPlayerPowerLevel(me)"), "0") << player;
        EXPECT_EQ(RaceStats::Instance().Get(player).powers, 1) << player;
        hits += RaceStats::Instance().Get(player).hits;
        hitBy += RaceStats::Instance().Get(player).hitBy;
    }
    // Earth's quake reaches every other racer at once.
    EXPECT_GE(RaceStats::Instance().Get(3).hits, 3);
    EXPECT_EQ(hits, hitBy);
    EXPECT_EQ(output.find("switched off"), std::string::npos) << output;
    EXPECT_EQ(output.find("Error"), std::string::npos) << output;

    world.Run(12 * 60);
    for (const char* tag :
         {"FirePowerUp", "ArmageddonPowerUp", "TsunamiPowerUp", "TorrnadoObject", "EarthPowerUp"})
        EXPECT_EQ(PowersWorld::Alive(tag), 0) << tag;
}

TEST(Powers, HeldAndJustRespawnedRacersFeelNoHitAndAreNotCounted)
{
    PowersWorld world;
    world.Lua(1, "SetPlayerState(me, 2)");
    world.Lua(2, "shield = 1.5");
    world.Lua(3, "SetPlayerPowerLevel(me, 100)");
    world.Press({3}, kUsePower); // earth: the quake
    world.Run(2);

    EXPECT_EQ(RaceStats::Instance().Get(3).hits, 1);
    EXPECT_EQ(RaceStats::Instance().Get(0).hitBy, 1);
    EXPECT_EQ(RaceStats::Instance().Get(1).hitBy, 0);
    EXPECT_EQ(RaceStats::Instance().Get(2).hitBy, 0);
    EXPECT_EQ(world.Lua(0, "local _, y = GetVelocity(me) return y > 5"), "true");
    EXPECT_EQ(world.Lua(1, "local _, y = GetVelocity(me) return y"), "0");
    EXPECT_EQ(world.Lua(2, "local _, y = GetVelocity(me) return y"), "0");
    EXPECT_EQ(world.Lua(2, "return shield > 0"), "true");
    static_assert(kHeld == 2);
}

TEST(Powers, AHitHoldsABallForAMomentOnly)
{
    PowersWorld world;
    world.Lua(0, "SetVelocity(me, 0, 0, -20)");
    world.Lua(3, "SetPlayerPowerLevel(me, 100)");
    world.Press({3}, kUsePower);
    world.Run(1);
    // Stopped while the hit lasts ...
    world.Lua(0, "SetVelocity(me, 0, 0, -20)");
    world.Run(1);
    EXPECT_EQ(world.Lua(0, "local x, _, z = GetVelocity(me) return x * x + z * z"), "0");
    // ... and free again well within two seconds.
    world.Run(90);
    world.Lua(0, "SetVelocity(me, 0, 0, -20)");
    world.Run(1);
    EXPECT_EQ(world.Lua(0, "local _, _, z = GetVelocity(me) return z"), "-20");
}

TEST(Powers, AFailingPowerIsSwitchedOffWithOneLineAndTheOthersGoOn)
{
    PowersWorld world;
    world.Lua(0, "Powers.fire.forward = function() error('boom') end; SetPlayerPowerLevel(me, 40)");
    const std::string output = CaptureStdout(
        [&]
        {
            world.Press({0}, kUsePower);
            world.Run(1);
            world.Press({0}, kUsePower);
            world.Run(1);
        });
    EXPECT_EQ(Count(output, "Power 'fire forward' of player 0 is switched off"), 1) << output;
    EXPECT_NE(output.find("boom"), std::string::npos) << output;
    EXPECT_EQ(output.find("Error in RunScript"), std::string::npos) << output;
    EXPECT_EQ(world.Lua(0, "return GetPlayerPowerLevel(me)"), "40");
    EXPECT_EQ(RaceStats::Instance().Get(0).powers, 0);

    world.Press({0}, kUsePowerBack);
    EXPECT_EQ(RaceStats::Instance().Get(0).powers, 1);
    EXPECT_EQ(world.Lua(0, "return GetPlayerPowerLevel(me)"), "9");
    EXPECT_EQ(PowersWorld::Alive("NapalmPowerUp"), 1);
}

TEST(Powers, ARacerFiringWithoutEndKeepsItsObjectsUnderItsCap)
{
    PowersWorld world;
    for (int i = 0; i < 60; ++i)
    {
        world.Lua(0, "SetPlayerPowerLevel(me, 40)");
        world.Press({0}, kUsePowerBack);
        world.Run(1);
    }
    EXPECT_EQ(PowersWorld::Alive("NapalmPowerUp"), 24);
}

TEST(Powers, FireInTheSecondTierThrowsThreeFireballsInARow)
{
    PowersWorld world;
    world.Lua(0, "SetPlayerPowerLevel(me, 70)");
    world.Press({0}, kUsePower);
    world.Run(30);
    EXPECT_EQ(RaceStats::Instance().Get(0).powers, 1);
    EXPECT_EQ(world.Lua(0, "return GetPlayerPowerLevel(me)"), "9");
    // The first may already have struck the racer ahead; three were thrown in all.
    EXPECT_EQ(PowersWorld::Alive("FirePowerUp") + RaceStats::Instance().Get(0).hits, 3);
}

TEST(Powers, LibraryCountsStatsByNameOnly)
{
    PowersWorld world;
    world.Lua(0, "CountRaceStat(1, 'hits'); CountRaceStat(1, 'hit_by'); CountRaceStat(2, 'respawns');"
                 "CountRaceStat(2, 'powers'); CountRaceStat(4, 'hits'); CountRaceStat(-1, 'hits');"
                 "CountRaceStat(0, 'bogus'); CountRaceStat(0)");
    EXPECT_EQ(RaceStats::Instance().Get(1).hits, 1);
    EXPECT_EQ(RaceStats::Instance().Get(1).hitBy, 1);
    EXPECT_EQ(RaceStats::Instance().Get(2).respawns, 1);
    EXPECT_EQ(RaceStats::Instance().Get(2).powers, 1);
    const RaceStats::Counts zero = RaceStats::Instance().Get(0);
    EXPECT_EQ(zero.powers + zero.hits + zero.hitBy + zero.respawns, 0);
    EXPECT_EQ(RaceStats::Instance().Get(4).hits, 0);
}

TEST(Powers, SpawnArchetypeHasAnUpperBoundAndNamesUnknownArchetypesOnce)
{
    PowersWorld world;
    EXPECT_EQ(world.Lua(0, "local o = SpawnArchetype('FirePowerUp', 1, 2, 3) return GetObjPosition(o)"),
              "1, 2, 3");
    std::string output = CaptureStdout(
        [&]
        {
            EXPECT_EQ(world.Lua(0, "return SpawnArchetype('NoSuchThing', 0, 0, 0)"), "null");
            EXPECT_EQ(world.Lua(0, "return SpawnArchetype('NoSuchThing', 0, 0, 0)"), "null");
        });
    EXPECT_EQ(Count(output, "no archetype 'NoSuchThing'"), 1) << output;

    output =
        CaptureStdout([&] { world.Lua(0, "for i = 1, 400 do SpawnArchetype('FirePowerUp', 0, 0, 0) end"); });
    EXPECT_EQ(PowersWorld::Alive("FirePowerUp"), 256);
    EXPECT_EQ(Count(output, "SpawnArchetype:"), 1) << output;
    // Once some are gone there is room again.
    world.Run(7 * 60);
    EXPECT_EQ(world.Lua(0, "return IsNullPointer(SpawnArchetype('FirePowerUp', 0, 0, 0))"), "false");
}

TEST(Powers, RumbleReachesOnlyAPersonsPad)
{
    PowersWorld world;
    CaptureStdout([] { InputSystem::Instance().Init(); });
    world.Lua(0, "RumblePad(me, 0.5, 0.3)");
    EXPECT_EQ(InputSystem::Instance().GetGamepad(0)->GetVibrationSpeed(), 32767);
    world.Lua(0, "RumblePad(me, 7, 0)"); // no duration: nothing changes
    EXPECT_EQ(InputSystem::Instance().GetGamepad(0)->GetVibrationSpeed(), 32767);
    world.Lua(0, "RumblePad(nil, 1, 1)");

    Logic::Instance().SetPlayerIsComputer(1, true);
    GameObject* computer = Factory::Instance().CreateObject("Racer2");
    ScriptWorld::Eval(*ScriptWorld::StateOf(computer, "powers"), "RumblePad(me, 1, 1)", computer);
    EXPECT_EQ(InputSystem::Instance().GetGamepad(1)->GetVibrationSpeed(), 0);
}
