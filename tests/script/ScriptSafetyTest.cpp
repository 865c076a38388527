#include "ScriptWorld.h"

#include "objects/Logic.h"
#include "objects/Transform.h"
#include "script/Script.h"

#include <gtest/gtest.h>
#include <lua.hpp>

namespace
{
Script& ScriptOf(GameObject* object)
{
    return *object->Get<Script>(ComponentType::Script);
}

GameObject* Probe()
{
    return Factory::Instance().FindObject(5);
}
} // namespace

TEST(HandleTable, AHandleDiesWithItsEntryAndStaysDeadWhenTheSlotIsReused)
{
    HandleTable<int> table;
    int a = 1;
    int b = 2;
    const Handle first = table.Add(&a);
    table.Remove(first);
    const Handle second = table.Add(&b);
    EXPECT_EQ(second.index, first.index);
    EXPECT_EQ(table.Find(first), nullptr);
    EXPECT_EQ(table.Find(second), &b);
    EXPECT_EQ(table.Find(Handle{}), nullptr);
    EXPECT_EQ(table.Find(Handle{99, 1}), nullptr);
    table.Remove(first);
    EXPECT_EQ(table.LiveCount(), 1u);
}

TEST(ScriptRefs, AKeptReferenceToADestroyedObjectReadsAsNullEvenAfterItsSlotIsReused)
{
    ScriptWorld world;
    GameObject* orb = world.Create("Orb");
    const std::string id = std::to_string(orb->GetID());
    EXPECT_EQ(ScriptWorld::Eval(Probe(), "kept = GetObjectByID(" + id + ") return IsNullPointer(kept)"),
              "false");
    Factory::Instance().DestroyObject(orb->GetID());
    world.RunFrame();
    GameObject* successor = world.Create("Orb");
    successor->Get<Transform>(ComponentType::Transform)->SetPosition(4, 5, 6);
    EXPECT_EQ(ScriptWorld::Eval(Probe(), "SetObjPosition(kept, 1, 2, 3) return IsNullPointer(kept), "
                                         "GetObjectID(kept), GetObjPosition(kept)"),
              "true, nil, 0, 0, 0");
    EXPECT_EQ(successor->Get<Transform>(ComponentType::Transform)->GetPosition(), Vector4(4, 5, 6, 1));
}

TEST(ScriptRefs, ForgedAndMistypedReferencesReadAsNull)
{
    ScriptWorld world;
    EXPECT_EQ(ScriptWorld::Eval(Probe(),
                                "local s = GetLuaFileState(me, 'probe') "
                                "return GetObjectID(s), IsNullPointer(s), IsStateGood(me), IsStateGood(s)"),
              "nil, false, false, true");
    EXPECT_EQ(ScriptWorld::Eval(Probe(), "return IsNullPointer(nil), IsNullPointer(5), IsNullPointer({}), "
                                         "GetObjPosition('x')"),
              "true, true, true, 0, 0, 0");
    EXPECT_EQ(ScriptWorld::Eval(Probe(), "return GetLuaFileState(nil, 'probe'), GetLuaFileState(me, 'nope')"),
              "0, null");
}

TEST(ScriptRefs, GetLuaVarAndSetLuaVarCarryValuesBetweenTwoObjectsStates)
{
    ScriptWorld world;
    GameObject* counter = world.Create("Counter");
    world.RunFrame();
    const std::string other =
        "local s = GetLuaFileState(GetObjectByID(" + std::to_string(counter->GetID()) + "), 'counter') ";
    EXPECT_EQ(ScriptWorld::Eval(Probe(), other + "return GetLuaVar(s, 'count')"), "1");
    ScriptWorld::Eval(Probe(), other +
                                   "SetLuaVar(s, 'f', 0.1) SetLuaVar(s, 'b', true) SetLuaVar(s, 't', 'hi') "
                                   "SetLuaVar(s, 'o', me) SetLuaVar(s, 'n', '12') SetLuaVar(s, 'b', {})");
    EXPECT_EQ(ScriptWorld::Eval(*ScriptWorld::StateOf(counter, "counter"), "return f, b, t, o, n"),
              "0.100000001, true, \"hi\", obj 5, 12");
    EXPECT_EQ(ScriptWorld::Eval(Probe(), other + "return GetLuaVar(s, 'o'), GetLuaVar(s, 'print')"), "obj 5");
    // Once the object is gone its state is closed, and the reference to it is dead.
    Factory::Instance().DestroyObject(counter->GetID());
    ScriptWorld::Eval(Probe(), other + "kept = s");
    world.RunFrame();
    EXPECT_EQ(
        ScriptWorld::Eval(Probe(), "SetLuaVar(kept, 'x', 1) return IsStateGood(kept), GetLuaVar(kept, 'f')"),
        "false");
}

TEST(ScriptGuard, ARunawayScriptIsStoppedWithOneLineAndOnlyItsAttachmentIsSwitchedOff)
{
    ScriptWorld world;
    GameObject* object = world.Create("Counter");
    ScriptOf(object).AttachScript("runaway.lua");
    ScriptOf(object).AttachScript("stubborn.lua");
    const std::string output = CaptureStdout(
        [&]
        {
            for (int frame = 0; frame < 3; ++frame)
                world.RunFrame();
        });
    EXPECT_EQ(output, "Script 'runaway.lua' stopped: it ran more than 200000 instructions in one call; its "
                      "attachment is switched off\n"
                      "Script 'stubborn.lua' stopped: it ran more than 200000 instructions in one call; its "
                      "attachment is switched off\n");
    EXPECT_EQ(ScriptWorld::StateOf(object, "runaway"), nullptr);
    EXPECT_EQ(ScriptWorld::StateOf(object, "stubborn"), nullptr);
    EXPECT_EQ(ScriptWorld::Eval(*ScriptWorld::StateOf(object, "counter"), "return count"), "3");
}

TEST(ScriptGuard, AMemoryHogIsStoppedAtItsCeiling)
{
    ScriptWorld world;
    GameObject* object = world.Create("Probe");
    const std::string output = CaptureStdout(
        [&]
        {
            ScriptOf(object).AttachScript("hog.lua");
            world.RunFrame();
            world.RunFrame();
        });
    EXPECT_EQ(output,
              "Script 'hog.lua' stopped: it needed more than 2048 KB of memory; its attachment is switched "
              "off\n");
    EXPECT_EQ(ScriptWorld::StateOf(object, "hog"), nullptr);
    EXPECT_EQ(ScriptWorld::Eval(object, "return 1 + 1"), "2");
}

TEST(ScriptGuard, AScriptThatAttachesItselfStopsAtTheNestingLimit)
{
    ScriptWorld world;
    const std::string output = CaptureStdout([&] { ScriptOf(Probe()).AttachScript("recursive.lua"); });
    EXPECT_EQ(output, "Script 'recursive.lua' not attached: scripts attach scripts more than 8 deep\n");
    EXPECT_EQ(ScriptOf(Probe()).Attached().size(), 2u);
}

TEST(ScriptGuard, WorkDoneInsideLibraryCallsCountsAgainstTheBudget)
{
    // Each turn is a dozen instructions, but copies 400 KB into a new string and drops the old
    // one, so the memory ceiling is never reached either: only counting the bytes stops it.
    ScriptWorld world;
    GameObject* object = world.Create("Probe");
    ScriptState& state = *ScriptWorld::StateOf(object, "probe");
    const std::string result = ScriptWorld::Eval(
        state, "n = 0 local kept = {} while true do n = n + 1 kept[0] = string.rep('x', 400000) .. n end");
    EXPECT_NE(result.find("instruction budget exceeded"), std::string::npos) << result;
    EXPECT_EQ(state.StopReason(), ScriptStop::Budget);
    lua_getglobal(state.Lua(), "n");
    const double turns = lua_tonumber(state.Lua(), -1);
    lua_pop(state.Lua(), 1);
    // 200 000 instructions' worth of bytes is about 12 MB: some thirty turns, not the thousands the
    // instruction count alone would allow.
    EXPECT_LT(turns, 100);
}
