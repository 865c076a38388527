// The replay file: what goes in comes out bit for bit, and anything but a whole file of this
// version is refused with a reason; the recorder writes down exactly the changes the game saw.
#include "input/Replay.h"
#include "core/WindowManager.h"
#include "input/InputRecorder.h"
#include "input/InputSystem.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace
{
using Event = InputScript::Event;
using Kind = InputScript::Kind;

Event MakeEvent(long long frame, Kind kind, int slot = 0, int code = 0, bool on = false,
                PadAxis axis = PadAxis::LeftX)
{
    Event event;
    event.frame = frame;
    event.kind = kind;
    event.slot = slot;
    event.code = code;
    event.on = on;
    event.axis = axis;
    return event;
}

/// A replay with one of everything: both seat kinds, odd frame times, every kind of input.
Replay Sample()
{
    Replay replay;
    replay.seed = 4294967295u;
    replay.track = "firetrack";
    replay.laps = 3;
    replay.lastObjectId = 1234;
    replay.seats = {{{true, 2}, {false, 0}, {false, 3}, {true, 1}}};
    replay.frames = 120;
    replay.finalHash = 0x8000000000000001ull;
    replay.frameTimes = {{0, 0.0f}, {1, 0.016666f}, {7, 1.0f / 3.0f}, {7, 1e-30f}, {119, 0.25f}};
    replay.events = {MakeEvent(0, Kind::PadConnect, 3),
                     MakeEvent(0, Kind::Key, 0, 87, true),
                     MakeEvent(5, Kind::PadButton, 3, 0x1000 | 0x0010, true),
                     MakeEvent(6, Kind::PadAxis, 3, -32768, false, PadAxis::RightY),
                     MakeEvent(6, Kind::PadAxis, 3, 255, false, PadAxis::LeftTrigger),
                     MakeEvent(9, Kind::Focus, 0, 0, false),
                     MakeEvent(10, Kind::Key, 0, 87, false),
                     MakeEvent(119, Kind::PadDisconnect, 3)};
    return replay;
}

std::string Text(const Replay& replay)
{
    std::ostringstream out;
    replay.Write(out);
    return out.str();
}

std::optional<Replay> ReadText(const std::string& text, std::string& error)
{
    std::istringstream in(text);
    return Replay::Read(in, error);
}

/// The sample's text with the first occurrence of `from` replaced by `to`.
std::string SampleWith(const std::string& from, const std::string& to)
{
    std::string text = Text(Sample());
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}
} // namespace

TEST(Replay, WhatIsWrittenReadsBackTheSame)
{
    const Replay sample = Sample();
    std::string error;
    const std::optional<Replay> read = ReadText(Text(sample), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->seed, sample.seed);
    EXPECT_EQ(read->track, sample.track);
    EXPECT_EQ(read->laps, 3);
    EXPECT_EQ(read->lastObjectId, 1234u);
    for (size_t i = 0; i < 4; ++i)
    {
        EXPECT_EQ(read->seats[i].human, sample.seats[i].human);
        EXPECT_EQ(read->seats[i].element, sample.seats[i].element);
    }
    EXPECT_EQ(read->frames, 120);
    EXPECT_EQ(read->finalHash, sample.finalHash);
    ASSERT_EQ(read->frameTimes.size(), sample.frameTimes.size());
    for (size_t i = 0; i < sample.frameTimes.size(); ++i)
    {
        EXPECT_EQ(read->frameTimes[i].first, sample.frameTimes[i].first);
        EXPECT_EQ(read->frameTimes[i].second, sample.frameTimes[i].second)
            << "frame times are kept bit for bit";
    }
    ASSERT_EQ(read->events.size(), sample.events.size());
    for (size_t i = 0; i < sample.events.size(); ++i)
        EXPECT_EQ(InputScript::FormatEvent(read->events[i]), InputScript::FormatEvent(sample.events[i]));
    EXPECT_EQ(Text(*read), Text(sample)) << "a second write is the same file";
}

TEST(Replay, FrameTimesHoldUntilTheyChange)
{
    const Replay replay = Sample();
    EXPECT_EQ(replay.FrameTime(0), 0.0f);
    EXPECT_EQ(replay.FrameTime(1), 0.016666f);
    EXPECT_EQ(replay.FrameTime(6), 0.016666f);
    EXPECT_EQ(replay.FrameTime(7), 1e-30f) << "the last change of a frame wins";
    EXPECT_EQ(replay.FrameTime(118), 1e-30f);
    EXPECT_EQ(replay.FrameTime(500), 0.25f);
    EXPECT_FLOAT_EQ(Replay().FrameTime(3), 1.0f / 60.0f) << "no frame time recorded: the usual one";
}

TEST(Replay, EveryCutShortFileIsRefused)
{
    const std::string whole = Text(Sample());
    std::string error;
    ASSERT_TRUE(ReadText(whole, error)) << error;
    // Every prefix that ends on a line end, and one cut inside the last line.
    for (size_t end = whole.find('\n'); end + 1 < whole.size(); end = whole.find('\n', end + 1))
    {
        error.clear();
        EXPECT_FALSE(ReadText(whole.substr(0, end + 1), error)) << "cut after byte " << end;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_FALSE(ReadText(whole.substr(0, whole.size() - 2), error));
    EXPECT_FALSE(ReadText("", error));
    EXPECT_EQ(error, "is empty");
}

TEST(Replay, OtherVersionsAndOtherFilesAreRefusedWithTheReason)
{
    std::string error;
    EXPECT_FALSE(ReadText(SampleWith("vantora-replay 1", "vantora-replay 2"), error));
    EXPECT_EQ(error, "is version 2; this build reads version 1");
    EXPECT_FALSE(ReadText("<?xml version=\"1.0\"?>\n<SystemData/>\n", error));
    EXPECT_EQ(error, "is not a replay (no 'vantora-replay VERSION' first line)");
    EXPECT_FALSE(ReadText(std::string("\0\x01\x02garbage", 10), error));
}

TEST(Replay, CorruptLinesAreRefusedWithWhereAndWhy)
{
    const std::pair<const char*, const char*> corruptions[] = {
        {"seed 4294967295", "seed 4294967296"},
        {"seed 4294967295", "seed -1"},
        {"laps 3", "laps three"},
        {"player 0 human 2", "player 0 human 4"},
        {"player 1 computer 0", "player 2 computer 0"},
        {"player 1 computer 0", "player 1 robot 0"},
        {"frames 120", "frames -5"},
        {"hash 8000000000000001", "hash 80000000000000"},
        {"hash 8000000000000001", "hash 800000000000000z"},
        {"5 pad 3 button", "5 pad 4 button"},
        {"6 pad 3 axis ry -32768", "6 pad 3 axis ry -32769"},
        {"7 dt 3eaaaaab", "7 dt 7fc00000"}, // not a number
        {"7 dt 3eaaaaab", "7 dt bf800000"}, // below zero
        {"10 key up 87", "10 key up 87 # note"},
        {"10 key up 87", "4 key up 87"},                  // before the line above it
        {"119 pad 3 disconnect", "120 pad 3 disconnect"}, // past the last frame
        {"9 focus off", "9 mouse off"},
        {"end\n", "end\nmore\n"},
    };
    for (const auto& [from, to] : corruptions)
    {
        std::string error;
        EXPECT_FALSE(ReadText(SampleWith(from, to), error)) << to;
        EXPECT_NE(error.find("line "), std::string::npos) << to << ": " << error;
    }
}

TEST(Replay, AFileThatCannotBeOpenedSaysSo)
{
    std::string error;
    EXPECT_FALSE(Replay::Load("/nonexistent/folder/race.replay", error));
    EXPECT_EQ(error, "cannot be opened");
    EXPECT_FALSE(Sample().Save("/nonexistent/folder/race.replay"));
}

namespace
{
class InputRecorderTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        WindowManager::Instance().SetFocus(true);
        CaptureStdout([] { Input().Init(); });
        EndFrame();
    }
    void TearDown() override
    {
        for (int slot = 0; slot < GamepadSlots::kSlotCount; ++slot)
            Input().GetGamepadSlots().InjectDisconnect(slot);
        WindowManager::Instance().SetFocus(true);
    }
    static InputSystem& Input() { return InputSystem::Instance(); }
    static GamepadSlots& Slots() { return Input().GetGamepadSlots(); }
    static void EndFrame()
    {
        CaptureStdout([] { Input().PostUpdate(); });
    }
    static std::vector<std::string> Lines(const Replay& replay)
    {
        std::vector<std::string> lines;
        for (const Event& event : replay.events)
            lines.push_back(InputScript::FormatEvent(event));
        return lines;
    }
};
} // namespace

TEST_F(InputRecorderTest, OnlyChangesAreWrittenAndWhatIsHeldAtTheStartCountsAsOne)
{
    Input().SetKey(87, true);
    Slots().InjectConnect(1);
    EndFrame();
    Slots().InjectButtons(1, 0x1000, true);
    static int hashes = 0;
    InputRecorder::SetWorldHasher([] { return static_cast<uint64_t>(++hashes); });
    Input().GetRecorder().Start(Input());
    EndFrame(); // frame 0: the pad's button is read
    Input().SetKey(87, false);
    Input().SetKey(68, true);
    Slots().InjectAxis(1, PadAxis::LeftX, 12000);
    Slots().InjectAxis(1, PadAxis::RightTrigger, 90);
    EndFrame(); // frame 1
    EndFrame(); // frame 2: nothing changes
    Slots().InjectButtons(1, 0x1000, false);
    Slots().InjectButtons(1, 0x0020, true);
    Slots().InjectDisconnect(1);
    EndFrame(); // frame 3
    const Replay replay = Input().GetRecorder().Stop();

    // Keys are walked in code order within a frame; a pulled pad's last buttons are not written.
    const std::vector<std::string> expected = {
        "0 key down 87", "0 pad 1 connect",       "0 pad 1 button 4096 down", "1 key down 68",
        "1 key up 87",   "1 pad 1 axis lx 12000", "1 pad 1 axis rt 90",       "3 pad 1 disconnect"};
    EXPECT_EQ(Lines(replay), expected);
    EXPECT_EQ(replay.frames, 4);
    EXPECT_EQ(replay.finalHash, 4u) << "the hash of the last frame";
    EXPECT_FALSE(Input().GetRecorder().IsRecording());
}

TEST_F(InputRecorderTest, FrameTimesAndFocusAreWrittenWhenTheyChange)
{
    Input().GetRecorder().Start(Input());
    for (const float dt : {0.0f, 0.016f, 0.016f, 0.017f})
        Input().GetRecorder().EndFrame(Input(), dt, dt != 0.017f);
    const Replay replay = Input().GetRecorder().Stop();
    ASSERT_EQ(replay.frameTimes.size(), 3u);
    EXPECT_EQ(replay.frameTimes[1], (std::pair<long long, float>{1, 0.016f}));
    EXPECT_EQ(replay.frameTimes[2], (std::pair<long long, float>{3, 0.017f}));
    ASSERT_EQ(replay.events.size(), 1u);
    EXPECT_EQ(InputScript::FormatEvent(replay.events[0]), "3 focus off");
}
