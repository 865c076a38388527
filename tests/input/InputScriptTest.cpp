#include "input/InputScript.h"
#include "core/WindowManager.h"
#include "input/InputSystem.h"
#include "support/ProgramRun.h"
#include "support/TestSupport.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
InputScript ParseScript(const std::string& text, std::string* printed = nullptr)
{
    std::istringstream in(text);
    InputScript script;
    const std::string out = CaptureStdout([&] { script = InputScript::Parse(in, "in.txt"); });
    if (printed)
        *printed = out;
    return script;
}

struct SimRun
{
    std::string output; ///< standard output and error together
    int status = -1;
};

SimRun RunSim(const std::string& args)
{
    SimRun run;
    run.status = RunProgram(std::string(VANTORA_SIM_PATH) + " " + args, &run.output);
    return run;
}

/// A resource tree with just the systems input needs.
void WriteInputTree(const TempFolder& folder)
{
    folder.Write("res/SystemData.xml", R"(<SystemData>
  <UM_Init><S n="WindowManager"/><S n="GraphicsSystem"/><S n="InputSystem"/><S n="ActionList"/><S n="Logic"/>
    <S n="Factory"/></UM_Init>
  <UM_Pre><S n="WindowManager"/></UM_Pre>
  <UM_Update><S n="ActionList"/><S n="Logic"/></UM_Update>
  <UM_Post><S n="InputSystem"/><S n="Factory"/></UM_Post>
</SystemData>)");
    folder.Write("res/TrackList.xml", "<TrackList/>");
    folder.Write("res/scene/empty.xml", "<Scene/>");
    folder.Write("res/keyBindings.txt", "27\n0\n");
}
} // namespace

TEST(InputScript, ParsesEveryKindOfLineInFrameOrder)
{
    std::string printed;
    const InputScript script = ParseScript("# header\n"
                                           "3 key down 0x25   # left\n"
                                           "1 pad 2 connect\n"
                                           "1 pad 2 button 4096 down\n"
                                           "2 pad 2 axis ly -32768\n"
                                           "2 pad 2 axis rt 255\n"
                                           "0 focus off\n"
                                           "\n"
                                           "4 pad 2 disconnect\r\n",
                                           &printed);
    EXPECT_EQ(printed, "");
    const auto& events = script.Events();
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0].kind, InputScript::Kind::Focus);
    EXPECT_FALSE(events[0].on);
    EXPECT_EQ(events[1].kind, InputScript::Kind::PadConnect) << "file order is kept within a frame";
    EXPECT_EQ(events[2].kind, InputScript::Kind::PadButton);
    EXPECT_EQ(events[2].code, 0x1000);
    EXPECT_EQ(events[3].axis, PadAxis::LeftY);
    EXPECT_EQ(events[3].code, -32768);
    EXPECT_EQ(events[4].axis, PadAxis::RightTrigger);
    EXPECT_EQ(events[5].kind, InputScript::Kind::Key);
    EXPECT_EQ(events[5].code, 0x25);
    EXPECT_TRUE(events[5].on);
    EXPECT_EQ(events[6].kind, InputScript::Kind::PadDisconnect);
}

TEST(InputScript, EachBadLineIsNamedOnceAndSkipped)
{
    std::string printed;
    const InputScript script = ParseScript("-1 key down 32\n"
                                           "x focus on\n"
                                           "5 jump\n"
                                           "5 key press 32\n"
                                           "5 key down 300\n"
                                           "5 pad 4 connect\n"
                                           "5 pad 0 button 0 down\n"
                                           "5 pad 0 button 0x10000 down\n"
                                           "5 pad 0 axis lx 40000\n"
                                           "5 pad 0 axis lt -1\n"
                                           "5 pad 0 axis zz 1\n"
                                           "5 pad 0 wiggle\n"
                                           "5 focus maybe\n"
                                           "5 key down 32 extra\n"
                                           "6 key down 32\n",
                                           &printed);
    ASSERT_EQ(script.Events().size(), 1u);
    EXPECT_EQ(script.Events()[0].frame, 6);
    int lines = 0;
    for (char c : printed)
        lines += c == '\n';
    EXPECT_EQ(lines, 14) << printed;
    EXPECT_NE(printed.find("in.txt line 6: pad slot '4' is not 0, 1, 2 or 3; line skipped\n"),
              std::string::npos)
        << printed;
    EXPECT_NE(printed.find("in.txt line 3: unknown event 'jump'"), std::string::npos) << printed;
}

TEST(InputScript, AppliesAFramesEventsThroughTheInputEntryPoints)
{
    CaptureStdout([] { InputSystem::Instance().Init(); });
    const InputScript script = ParseScript("1 key down 32\n1 pad 1 connect\n1 pad 1 button 0x1000 down\n"
                                           "2 focus off\n3 focus on\n");
    InputSystem& input = InputSystem::Instance();
    script.ApplyFrame(0);
    EXPECT_FALSE(input.IsKeyDown(32));
    script.ApplyFrame(1);
    EXPECT_TRUE(input.IsKeyDown(32));
    CaptureStdout([&] { input.PostUpdate(); });
    EXPECT_TRUE(input.GetGamepad(1)->IsButtonTriggered(0x1000));
    script.ApplyFrame(2);
    EXPECT_FALSE(WindowManager::Instance().HasFocus());
    script.ApplyFrame(3);
    EXPECT_TRUE(WindowManager::Instance().HasFocus());
}

TEST(InputScript, TheRunnerAppliesTheFileAndReportsBadLines)
{
    TempFolder tree;
    WriteInputTree(tree);
    tree.Write("input.txt", "2 pad 1 connect\n3 pad 1 disconnect\nbad line\n4 focus off\n4 pad 2 connect\n");
    const SimRun run = RunSim("--root " + tree.Path().string() + " --scene empty --frames 6 --input " +
                              (tree.Path() / "input.txt").string());
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string& output = run.output;
    EXPECT_NE(output.find("input.txt line 3: "), std::string::npos) << output;
    const size_t reconnected = output.find("Controller 1 reconnected\n");
    const size_t disconnected = output.rfind("Controller 1 disconnected\n");
    ASSERT_NE(reconnected, std::string::npos) << output;
    EXPECT_LT(reconnected, disconnected) << output;
    EXPECT_EQ(output.find("Controller 2 reconnected"), std::string::npos)
        << "unfocused: the new pad is not seen";
}

TEST(InputScript, TheRunnerWillNotStartWithoutItsInputFile)
{
    const SimRun run = RunSim("--frames 1 --input /no/such/input.txt");
    EXPECT_NE(run.output.find("cannot open input file '/no/such/input.txt'"), std::string::npos)
        << run.output;
    EXPECT_NE(run.status, 0);
}
