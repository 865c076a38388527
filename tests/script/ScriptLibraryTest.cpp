#include "ScriptWorld.h"

#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "graphics/GraphicsSystem.h"
#include "input/ActionList.h"
#include "input/InputSystem.h"
#include "objects/Logic.h"
#include "objects/Property.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "script/Script.h"
#include "script/ScriptHost.h"
#include "sound/SoundSystem.h"
#include "states/GameStateManager.h"
#include "text/TextComponent.h"

#include "support/TestSupport.h"
#include <cmath>
#include <gtest/gtest.h>

namespace
{
// Scene "scripted": racers of players 0 and 1, a gate, an orb spawner, the logic probe.
constexpr unsigned kRacer0 = 1;
constexpr unsigned kRacer1 = 2;
constexpr unsigned kGate = 3;
constexpr unsigned kProbe = 5;

GameObject* Object(unsigned id)
{
    return Factory::Instance().FindObject(id);
}

std::string Lua(const std::string& code)
{
    return ScriptWorld::Eval(Object(kProbe), code);
}

Collider* ColliderOf(GameObject* object)
{
    return object->Get<Collider>(ComponentType::Collider);
}
} // namespace

TEST(ScriptLibrary, RegistersEveryFunctionByItsExactNameInEveryState)
{
    ScriptWorld world;
    const auto& functions = Logic::Instance().GetScriptHost().Functions();
    // The designed 107, and the three the powers need: SpawnArchetype, RumblePad, CountRaceStat.
    EXPECT_EQ(functions.size(), 110u);
    for (const char* name : {"SetPlayerStateByInedx", "GetCollidedWithIndexing", "DrawHud", "SwitchToState",
                             "SpawnArchetype", "RumblePad", "CountRaceStat"})
        EXPECT_EQ(Lua(std::string("return type(") + name + ")"), "\"function\"") << name;
}

TEST(ScriptLibrary, EveryFunctionTakesMissingWrongAndDeadArgumentsWithoutFailing)
{
    ScriptWorld world;
    GameObject* orb = world.Create("Orb");
    Lua("dead = GetObjectByID(" + std::to_string(orb->GetID()) + ")");
    Factory::Instance().DestroyObject(orb->GetID());
    world.RunFrame();
    // Every registered global, with nothing, junk, non-finite numbers, dead and mistyped references.
    const std::string failures = Lua(R"(
        local state = GetLuaFileState(me, "probe")
        local argumentSets = {
            {}, {nil, nil, nil}, {{}, {}, {}, {}}, {"x", "y", 0/0, 1/0, -1/0, 1e300},
            {dead, dead, dead, dead}, {state, state, -1, -1, -1}, {-5, -5, -5, -5, -5, -5, -5, -5, -5, -5, -5},
        }
        local failed = {}
        for name, f in pairs(_G) do
            if type(f) == "function" and name:match("^%u") then
                for _, args in ipairs(argumentSets) do
                    local ok, err = pcall(f, unpack(args, 1, 11))
                    if not ok then failed[#failed + 1] = name .. ": " .. tostring(err) end
                end
            end
        end
        return table.concat(failed, "; ")
    )");
    EXPECT_EQ(failures, "\"\"");
    EXPECT_EQ(GameStateManager::Instance().GetGameState(), 0);
}

TEST(ScriptLibrary, Utilities)
{
    ScriptWorld world;
    EXPECT_EQ(Lua("for i = 1, 50 do if RandInt(3, 3) ~= 3 then return i end end return RandInt(5, 2)"), "5");
    EXPECT_EQ(
        Lua("for i = 1, 200 do local v = RandInt(-2, 2) if v < -2 or v > 2 or v % 1 ~= 0 then return v end "
            "local f = RandFloat(1, 1.5) if f < 1 or f > 1.5 then return f end end return 'ok'"),
        "\"ok\"");
    EXPECT_EQ(Lua("return LerpFloat(2, 4, 0.25), LerpVector(0, 0, 0, 0, 4, 8, 12, 16, 0.5)"),
              "2.5, 2, 4, 6, 8");
    EXPECT_EQ(Lua("local x, y, z = NormalizeVector(3, 0, 4) return x, y, z, NormalizeVector(0, 0.00001, 0)"),
              "0.600000024, 0, 0.800000012, 0, 9.99999975e-06, 0");
    EXPECT_EQ(Lua("return GetDeltaTime()"), "0.0166666675");
    EXPECT_EQ(CaptureStdout([] { Lua("LuaPrint('x')"); }), "");
}

TEST(ScriptLibrary, Input)
{
    ScriptWorld world;
    const int jump = ActionList::Instance().GetActionNumber("PLAYERJUMP");
    EXPECT_EQ(Lua("return IsActionPressedByAnyone('PLAYERJUMP')"), "false");
    ActionList::Instance().SetAction(1, jump, 1.0, true);
    EXPECT_EQ(
        Lua("return IsActionPressedByAnyone('PLAYERJUMP'), IsActionPressed(GetObjectByID(2), 'PLAYERJUMP'), "
            "IsActionPressed(GetObjectByID(1), 'PLAYERJUMP'), IsActionPressedByAnyone('JUMPING')"),
        "true, true, false, false");
    // The logic object has no Controller: no player, no answer.
    EXPECT_EQ(Lua("return IsActionPressed(me, 'PLAYERJUMP')"), "");
    InputSystem::Instance().SetKey(65, true);
    EXPECT_EQ(Lua("return IsKeyboardKeyPressed(65), IsKeyboardKeyTriggered(65), IsKeyboardKeyPressed(-1), "
                  "IsKeyboardKeyPressed(1e12), IsControllerKeyPressed(GetObjectByID(1), 4096)"),
              "true, true, false, false, false");
}

TEST(ScriptLibrary, Transform)
{
    ScriptWorld world;
    EXPECT_EQ(Lua("local r = GetObjectByID(1) SetObjPosition(r, 1, 2, 3) SetObjScale(r, true, 2, -1, 4) "
                  "local x, y, z = GetObjPosition(r) return x, y, z, GetObjScale(r)"),
              "1, 2, 3, 2, 0, 4");
    EXPECT_EQ(Lua("local r = GetObjectByID(1) SetObjScale(r, false, 3) SetObjPosition(r, 0/0, 1/0, 1) "
                  "local x, y, z = GetObjPosition(r) return GetObjScale(r), x, y > 1e38, z"),
              "3, 0, true, 1");
    Lua("SetOrientationUsingAngle(GetObjectByID(1), 0, 2, 0, 180)");
    const Quaternion rotation = Object(kRacer0)->Get<Transform>(ComponentType::Transform)->GetRotation();
    // Half of 3.14, not of pi: the game's angle leaves a sliver of w.
    EXPECT_FLOAT_EQ(rotation.y, std::sin(3.14f / 2));
    EXPECT_NEAR(rotation.w, std::cos(3.14f / 2), 1e-6);
    EXPECT_GT(rotation.w, 0.0007f);
    Lua("SetObjRotation(GetObjectByID(1), 0, 90, 0)");
    EXPECT_EQ(Object(kRacer0)->Get<Transform>(ComponentType::Transform)->GetRotation(),
              Transform::EulerDegreesToQuaternion({0, 90, 0, 0}));
    EXPECT_EQ(Lua("return GetObjPosition(nil)"), "0, 0, 0");
}

TEST(ScriptLibrary, RigidBodiesAndColliders)
{
    ScriptWorld world;
    EXPECT_EQ(Lua("local r = GetObjectByID(1) SetVelocity(r, 100, 0, 0) local x = GetVelocity(r) "
                  "SetVelocity(r, 0, 0, 0) AddVelocity(r, 100, 0, 0) local capped = GetVelocity(r) "
                  "SetVelocityCapXZ(r, 5) return x, capped, GetVelocityCapXZ(r)"),
              "100, 26, 5");
    EXPECT_EQ(Lua("local r = GetObjectByID(1) SetColliderType(r, 'P3') SetColliderType(r, 'Nonsense') "
                  "return GetColliderTypeName(r), GetColliderTypeName(me)"),
              "\"P3\"");
    GameObject* orb = world.Create("Orb");
    GameObject* dyingOrb = world.Create("Orb");
    Collider* racer = ColliderOf(Object(kRacer0));
    for (GameObject* touched : {Object(kGate), dyingOrb, Object(kGate), orb})
        racer->AddTouched(ColliderOf(touched));
    Factory::Instance().DestroyObject(dyingOrb->GetID());
    const std::string orbRef = "obj " + std::to_string(orb->GetID());
    EXPECT_EQ(
        Lua("local r = GetObjectByID(1) return GetNumberOfCollided(r), GetObjectCollidingByIndex(r, 0), "
            "GetObjectCollidingByIndex(r, 4), GetObjectCollidingByIndex(r, -1), "
            "IsCollidingWith(r, GetObjectByID(3)), IsCollidingWith(r, nil), GetCollidedWith(r, "
            "'FirePowerUp')"),
        "4, obj 3, null, null, true, false, " + orbRef);
    // The first match ends an indexed search: the dying orb answers "none" before the live one.
    EXPECT_EQ(Lua("local r = GetObjectByID(1) local a, i = GetCollidedWithIndexing(r, 'FirePowerUp', 0) "
                  "local b, j = GetCollidedWithIndexing(r, 'FirePowerUp', 2) "
                  "return a, i, b, j, GetCollidedWithIndexing(r, 'Player', -3)"),
              "null, 4294967295, " + orbRef + ", 3, null, 4294967295");
}

TEST(ScriptLibrary, AnUnknownTagNameFindsNoCollisionNotEvenAnObjectWhoseOwnTagIsUnknown)
{
    ScriptWorld world;
    // The gate's tag was misspelt in its data, so it carries the invalid tag.
    auto property = std::make_unique<Property>();
    property->SetTag(Logic::Instance().GetTagIndex("Misspelt"));
    Object(kGate)->AddComponent(std::move(property));
    ColliderOf(Object(kRacer0))->AddTouched(ColliderOf(Object(kGate)));
    EXPECT_EQ(Lua("local r = GetObjectByID(1) local a, i = GetCollidedWithIndexing(r, 'Nope', 0) "
                  "local b, j = GetCollidedWithIndexing(r, 'Invalid_Tag', 0) "
                  "return GetCollidedWith(r, 'Nope'), GetCollidedWith(r, 'Invalid_Tag'), a, i, b, j"),
              "null, null, null, 4294967295, null, 4294967295");
    EXPECT_EQ(Lua("return GetObjByTag('Nope')"), "null") << "as every other tag lookup answers";
}

TEST(ScriptLibrary, ObjectsAndTags)
{
    ScriptWorld world;
    GameObject* orb = world.Create("Orb");
    const std::string orbId = std::to_string(orb->GetID());
    EXPECT_EQ(Lua("return GetObjectByID(3), GetObjectByID(-1), GetObjectByID(0), GetObjByTag('GameLogic'), "
                  "GetObjByTag('Nope'), GetObjTagName(GetObjectByID(1)), GetObjTagName(GetObjectByID(3)), "
                  "GetObjectID(me), GetObjectLifeLeft(GetObjectByID(3)), GetObjectLifeLeft(GetObjectByID(" +
                  orbId + "))"),
              "obj 3, null, null, obj 5, null, \"Player\", \"\", 5, -1, 1");
    Lua("DestroyThisObj(GetObjectByID(" + orbId + ")) DestroyThisObj(GetObjectByID(3))");
    EXPECT_TRUE(orb->IsDead());
    EXPECT_TRUE(Object(kGate)->IsDead());
}

TEST(ScriptLibrary, GetObjectByIDReachesEveryIdAnObjectCanHave)
{
    ScriptWorld world;
    lastObjectId = 3'000'000'000u - 1;
    world.Create("Orb");
    lastObjectId = 4'294'967'295u - 1;
    world.Create("Orb");
    EXPECT_EQ(Lua("return GetObjectByID(3000000000), GetObjectByID(GetObjectID(GetObjectByID(4294967295))), "
                  "GetObjectByID(4294967296), GetObjectByID(4294967295 + 2^32), GetObjectByID(0/0)"),
              "obj 3000000000, obj 4294967295, null, null, null");
}

TEST(ScriptLibrary, PlayersAndTheRace)
{
    ScriptWorld world;
    EXPECT_EQ(Lua("return GetPlayerObjByIndex(1), GetPlayerObjByIndex(7), GetPlayerObjByIndex(-1), "
                  "GetPlayerID(GetObjectByID(2))"),
              "obj 2, null, null, 1");
    EXPECT_EQ(
        Lua("local r = GetObjectByID(1) SetPlayerStateByInedx(1, 0) SetPlayerState(r, -1) "
            "SetPlayerPowerLevel(r, 150) local full = GetPlayerPowerLevel(r) SetPlayerPowerLevel(r, -5) "
            "AddToPlayerPowerLevel(r, 30) SetPlayerElement(r, 3) SetPlayerPower(r, 2) "
            "return GetPlayerState(r), GetPlayerState(GetObjectByID(2)), full, GetPlayerPowerLevel(r), "
            "GetPlayerElement(r), GetPlayerPower(r)"),
        "4294967295, 0, 100, 30, 3, 2");
    EXPECT_EQ(
        Lua("local r = GetObjectByID(1) SetPlayerFacing(r, 0, 0, 1) local rx, ry, rz = GetPlayerRight(r) "
            "SetPlayerFacingToCheckPoint(r, GetObjectByID(3)) local fx, fy, fz = GetPlayerFacing(r) "
            "return rx, ry, rz, fx, fy, fz, GetRightFromFacing(1, 0, 0)"),
        "-1, 0, 0, 1, 0, 0, 0, 0, 1");
    CheckPointSystem::Instance().StartRace();
    EXPECT_EQ(
        Lua("SetLapAmount(3) SetLapAmount(0) return GetPlayerByPlace(-1), GetPlayerByPlace(9), "
            "GetMyPlace(-1), "
            "GetWinnerID(9), GetWinnerID(0), GetIsRaceFinished(), GetLastHitCheckPoint(GetObjectByID(1))"),
        "null, null, 0, -1, -1, false, null");
    EXPECT_EQ(CheckPointSystem::Instance().GetLapsToRun(), 3);
    Lua("EndRace()");
    CheckPointSystem::Instance().Update();
    EXPECT_EQ(Lua("return GetIsRaceFinished()"), "true");
}

TEST(ScriptLibrary, Spawners)
{
    ScriptWorld world;
    const std::string spawned = Lua("orb = SpawnNow(GetObjectByID(4), 1) return orb, GetVelocity(orb)");
    GameObject* orb = Object(static_cast<unsigned>(std::stoi(spawned.substr(4))));
    ASSERT_NE(orb, nullptr);
    EXPECT_EQ(spawned, "obj " + std::to_string(orb->GetID()) + ", 0, 3, 0");
    EXPECT_EQ(Lua("return GetSpawnerID(orb), GetRootSpawnerID(orb), GetSpawnerID(me), GetRootSpawnerID(me), "
                  "GetSpawnerSpawnRate(GetObjectByID(4))"),
              "4, 4, -1, -1, 0");
    GameObject* grandchild = world.Create("Orb");
    grandchild->SetSpawnerID(static_cast<int>(orb->GetID()));
    Lua("grandchild = GetObjectByID(" + std::to_string(grandchild->GetID()) + ")");
    EXPECT_EQ(Lua("return GetRootSpawnerID(grandchild)"), "4");
    Factory::Instance().DestroyObject(orb->GetID());
    world.RunFrame();
    EXPECT_EQ(Lua("return GetRootSpawnerID(grandchild)"), "-1");
    Lua("SetSpawnScript(grandchild, 'probe.lua') SetSpawnerVel(GetObjectByID(4), 0) "
        "SetSpawnerDir(GetObjectByID(4), 1, 0, 0) late = SpawnNow(GetObjectByID(4))");
    EXPECT_NE(ScriptWorld::StateOf(grandchild, "probe"), nullptr);
    EXPECT_EQ(Lua("return GetVelocity(late)"), "0, 0, 0");
}

TEST(ScriptLibrary, CameraAndDrawing)
{
    ScriptWorld world;
    EXPECT_EQ(Lua("local r = GetObjectByID(1) local before = IsCamShaking(r) ShakeCamera(r, 1, 0.01, 2) "
                  "local during = IsCamShaking(r) PauseShaker(r, true) ResetShaker(r) SnapCamToObject(r) "
                  "return before, during, IsCamShaking(me)"),
              "false, true");
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    Lua("PrintToScreen('GO!', 0, 0.1, 120, 1, 0.5, 0, 1) PrintToScreen('half')");
    ASSERT_EQ(graphics.ScreenTexts().size(), 2u);
    EXPECT_EQ(graphics.ScreenTexts()[0].text, "GO!");
    EXPECT_EQ(graphics.ScreenTexts()[0].size, Vector4(120, 0, 0, 0));
    EXPECT_EQ(graphics.ScreenTexts()[0].colour, Vector4(1, 0.5f, 0, 1));
    EXPECT_EQ(graphics.ScreenTexts()[1].colour, Vector4());
    Lua("DrawHud(0, 0, 1, 1, 'plain') DrawHud(0, 0, 1, 1, 'tinted', 0.5, 0.5, 0.5, 1, true) "
        "DrawHud(0, 0, 1, 1, 'back', 1, 1, 1, 1, false, true)");
    EXPECT_EQ(graphics.HudSprites(GraphicsSystem::kHudForeground).at(0).extra, Vector4(1, 1, 1, 1));
    EXPECT_EQ(graphics.HudSprites(GraphicsSystem::kHudTop).at(0).extra, Vector4(0.5f, 0.5f, 0.5f, 1));
    EXPECT_EQ(graphics.HudSprites(GraphicsSystem::kHudBackground).at(0).texture, "back");
    EXPECT_EQ(Lua("return GetWindowWidth(), GetWindowHeight()"), "1280, 720");
}

namespace
{
class StubScreen final : public GameState
{
  public:
    explicit StubScreen(int id) { SetId(id); }
    void Enter() override {}
    void Update() override {}
};
} // namespace

TEST(ScriptLibrary, GameStates)
{
    ScriptWorld world;
    GameStateManager& states = GameStateManager::Instance();
    // With no screen open a switch has nothing to replace.
    EXPECT_EQ(Lua("SwitchToState(11) return GetGameState()"), "0");
    states.SetStateCreator([](int id)
                           { return id == 4 || id == 11 ? std::make_unique<StubScreen>(id) : nullptr; });
    states.RequestPush(4);
    states.Update();
    EXPECT_EQ(Lua("SwitchToState(11) return GetGameState()"), "4");
    states.Update();
    EXPECT_EQ(Lua("return GetGameState()"), "11");
    states.SetStateCreator(nullptr);
}

TEST(ScriptLibrary, Texts)
{
    ScriptWorld world;
    GameObject* probe = world.Create("Probe");
    auto* label = static_cast<TextComponent*>(probe->AddComponent(std::make_unique<TextComponent>()));
    ScriptWorld::Eval(probe, "SetObjText(me, 'Lap 2', true, 99, 9, 9)");
    EXPECT_EQ(label->GetText(), "Lap 2");
    EXPECT_EQ(label->GetWidth(), 30) << "text only: the size stays";
    ScriptWorld::Eval(probe, "SetObjText(me, 'Boost!', nil, 20.7, 1.5, 2)");
    EXPECT_EQ(label->GetText(), "Boost!");
    EXPECT_EQ(label->GetWidth(), 20);
    EXPECT_EQ(label->GetHeight(), 20);
    ScriptWorld::Eval(probe, "SetObjTextVisible(me, true)");
    EXPECT_TRUE(label->IsVisible());
    ScriptWorld::Eval(probe, "SetObjTextVisible(me, false)");
    EXPECT_FALSE(label->IsVisible());
}

TEST(ScriptLibrary, SoundPlaysByPathAndStopSoundsKeepsTheMusic)
{
    ScriptWorld world;
    SoundSystem& sound = SoundSystem::Instance();
    sound.SetSilent(true);
    CaptureStdout([&] { sound.Start(FixturePath("audio") + "/bank.xml"); });
    Lua("PlayASound('Music/MenuMusic') PlayASound('SFX/Engine')");
    EXPECT_EQ(sound.LiveEffects(), std::vector<std::string>{"SFX/Engine"});
    Lua("StopSounds()");
    EXPECT_EQ(sound.LiveEffectCount(), 0u);
    EXPECT_EQ(sound.CurrentMusic(), "Music/MenuMusic");
    // A path that is not a string: the audible error, and one line the first time only.
    const std::string printed = CaptureStdout([] { Lua("PlayASound({}) PlayASound(nil)"); });
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_EQ(sound.LiveEffects(), (std::vector<std::string>{"Error", "Error"}));
}
