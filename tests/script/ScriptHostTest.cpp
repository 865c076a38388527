#include "ScriptWorld.h"

#include "objects/Logic.h"
#include "script/Script.h"
#include "script/ScriptHost.h"

#include <gtest/gtest.h>
#include <lua.hpp>

namespace
{
size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

Script& ScriptOf(GameObject* object)
{
    return *object->Get<Script>(ComponentType::Script);
}
} // namespace

TEST(ScriptHost, MakesOneStartUpStatePerFileAndReportsABrokenFileOnce)
{
    ScriptWorld world;
    const ScriptHost& host = Logic::Instance().GetScriptHost();
    EXPECT_EQ(host.ScriptFiles().size(), 10u);
    EXPECT_NE(host.GetStartupState("counter.lua"), nullptr);
    EXPECT_EQ(host.GetStartupState("broken.lua"), nullptr);
    EXPECT_EQ(Count(world.StartupOutput(), "Error in lua file: broken.lua\nres/scripts/broken.lua:3:"), 1u)
        << world.StartupOutput();
    // A main chunk that never ends is stopped, not waited for.
    EXPECT_EQ(host.GetStartupState("endless.lua"), nullptr);
    EXPECT_EQ(Count(world.StartupOutput(), "Script 'endless.lua' stopped"), 1u);
}

TEST(ScriptHost, EveryAttachmentKeepsItsOwnGlobals)
{
    ScriptWorld world;
    GameObject* first = world.Create("Counter");
    GameObject* second = world.Create("Counter");
    for (int frame = 0; frame < 3; ++frame)
        world.RunFrame();
    GameObject* late = world.Create("Counter");
    world.RunFrame();
    world.RunFrame();
    EXPECT_EQ(ScriptWorld::Eval(*ScriptWorld::StateOf(first, "counter"), "return count"), "5");
    EXPECT_EQ(ScriptWorld::Eval(*ScriptWorld::StateOf(second, "counter"), "return count"), "5");
    EXPECT_EQ(ScriptWorld::Eval(*ScriptWorld::StateOf(late, "counter"), "return count"), "2");
}

TEST(ScriptHost, AttachingAFileTwiceKeepsOneEntryAndABrokenFileIsReportedPerAttachment)
{
    ScriptWorld world;
    GameObject* a = world.Create("Probe");
    GameObject* b = world.Create("Probe");
    const std::string output = CaptureStdout(
        [&]
        {
            ScriptOf(a).AttachScript("probe.lua");
            ScriptOf(a).AttachScript("broken.lua");
            ScriptOf(a).AttachScript("broken.lua");
            ScriptOf(b).AttachScript("broken.lua");
            for (int frame = 0; frame < 3; ++frame)
                world.RunFrame();
        });
    EXPECT_EQ(Count(output, "Error in lua file: broken.lua\n"), 2u) << output;
    ASSERT_EQ(ScriptOf(a).Attached().size(), 2u);
    EXPECT_EQ(ScriptOf(a).Attached()[1].fileName, "broken.lua");
    EXPECT_EQ(ScriptOf(a).Attached()[1].state, nullptr);
}

TEST(ScriptHost, AClonedObjectRunsItsScriptsMainChunkAgainInAFreshState)
{
    ScriptWorld world;
    GameObject* original = world.Create("Counter");
    for (int frame = 0; frame < 3; ++frame)
        world.RunFrame();
    GameObject* clone = nullptr;
    const std::string output = CaptureStdout([&] { clone = world.Create("Counter"); });
    EXPECT_EQ(output, "counter.lua main chunk\n");
    ScriptState* cloneState = ScriptWorld::StateOf(clone, "counter");
    ASSERT_NE(cloneState, nullptr);
    EXPECT_NE(cloneState, ScriptWorld::StateOf(original, "counter"));
    EXPECT_EQ(ScriptWorld::Eval(*cloneState, "return count"), "0");
}

TEST(ScriptHost, AFailingRunScriptIsSaidOncePerAttachmentAndLeavesTheStackAsItWas)
{
    ScriptWorld world;
    GameObject* object = world.Create("Probe");
    GameObject* other = world.Create("Probe");
    ScriptOf(object).AttachScript("failing.lua");
    ScriptOf(object).AttachScript("passive.lua");
    ScriptOf(other).AttachScript("failing.lua");
    const std::string output = CaptureStdout(
        [&]
        {
            for (int frame = 0; frame < 50; ++frame)
                world.RunFrame();
        });
    // File, line and Lua's message; the script without RunScript stays silent.
    const std::string line =
        "Error in RunScript of lua file failing.lua: res/scripts/failing.lua:5: fails on purpose\n";
    EXPECT_EQ(output, line + line);
    ScriptState* failing = ScriptWorld::StateOf(object, "failing");
    ASSERT_NE(failing, nullptr);
    EXPECT_EQ(ScriptWorld::Eval(*failing, "return calls"), "50") << "a failing script still runs every frame";
    EXPECT_EQ(lua_gettop(failing->Lua()), 0);
    EXPECT_EQ(lua_gettop(ScriptWorld::StateOf(object, "passive")->Lua()), 0);
}

TEST(ScriptHost, SerialisesOneElementPerFileAndReadsThemBack)
{
    ScriptWorld world;
    GameObject* object = world.Create("Probe");
    ScriptOf(object).AttachScript("counter.lua");
    XmlFile file = XmlFile::FromText("<Components/>");
    ScriptOf(object).Serialize(file, file.GetRoot(), false);
    Script copy;
    CaptureStdout([&] { copy.Deserialize(file, file.GetRoot()->FirstChildElement()); });
    ASSERT_EQ(copy.Attached().size(), 2u);
    EXPECT_EQ(copy.Attached()[0].fileName, "probe.lua");
    EXPECT_EQ(copy.Attached()[1].fileName, "counter.lua");
    EXPECT_NE(copy.GetState("counter"), nullptr);
}
