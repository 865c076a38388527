// Where the game keeps its replays, how many, and which seed each race gets.
#include "states/RaceRecording.h"
#include "input/InputSystem.h"
#include "objects/Factory.h"
#include "states/GameSettings.h"
#include "states/UserFolder.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

TEST(UserFolder, FollowsTheXdgVariablesThenHome)
{
    setenv("HOME", "/home/racer", 1);
    unsetenv("XDG_DATA_HOME");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(UserFolder::Data(), "/home/racer/.local/share/vantora");
    EXPECT_EQ(UserFolder::Config(), "/home/racer/.config/vantora") << "an empty variable counts as unset";
    EXPECT_EQ(RaceRecording::DefaultFolder(), "/home/racer/.local/share/vantora/replays");
    EXPECT_EQ(GameSettings::DefaultPath(), "/home/racer/.config/vantora/settings.xml");
    setenv("XDG_DATA_HOME", "/data", 1);
    setenv("XDG_CONFIG_HOME", "/config", 1);
    EXPECT_EQ(RaceRecording::DefaultFolder(), "/data/vantora/replays");
    EXPECT_EQ(GameSettings::DefaultPath(), "/config/vantora/settings.xml");
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_TRUE(RaceRecording::DefaultFolder().empty()) << "no home: nothing is recorded";
}

TEST(RaceRecording, TheFolderKeepsTheNewestReplaysAndNothingElseIsTouched)
{
    TempFolder folder;
    for (int minute = 10; minute < 23; ++minute)
        folder.Write("2026-12-07_04-" + std::to_string(minute) + "-00_watertrack.replay", "x");
    folder.Write("2026-12-07_04-09-00_watertrack_02.replay", "x");
    folder.Write("notes.txt", "mine");
    RaceRecording::KeepNewest(folder.Path(), RaceRecording::kKeptReplays);
    int replays = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        replays += entry.path().extension() == ".replay";
    EXPECT_EQ(replays, 10);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "2026-12-07_04-12-00_watertrack.replay"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "2026-12-07_04-13-00_watertrack.replay"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "notes.txt"));
    RaceRecording::KeepNewest(folder.Path() / "missing", 10); // no folder: nothing happens
}

namespace
{
class RaceRecordingTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        // The first poll finds no pads and says so; races start after it.
        CaptureStdout(
            []
            {
                InputSystem::Instance().Init();
                InputSystem::Instance().PostUpdate();
            });
    }
    void TearDown() override
    {
        Recording().RaceEnds();
        Recording().RecordToFile({});
        Recording().SetBaseSeed(std::nullopt);
    }
    static RaceRecording& Recording() { return RaceRecording::Instance(); }
    /// A race of `frames` frames with key `key` held from its second frame; what it printed.
    static std::string Race(int frames, int key = 87)
    {
        return CaptureStdout(
            [&]
            {
                InputSystem::Instance().SetKey(key, false);
                Recording().RaceStarts("watertrack");
                for (int frame = 0; frame < frames; ++frame)
                {
                    InputSystem::Instance().SetKey(key, frame > 0);
                    InputSystem::Instance().PostUpdate();
                }
                Recording().RaceEnds();
            });
    }
};
} // namespace

TEST_F(RaceRecordingTest, EachRaceIsSeededAfresh)
{
    Recording().SetBaseSeed(40);
    Race(1);
    const int first = std::rand();
    EXPECT_EQ(Recording().LastSeed(), 40u);
    Race(1);
    EXPECT_EQ(Recording().LastSeed(), 41u) << "one more for each race";
    Replay replay;
    replay.seed = 40;
    replay.lastObjectId = 777;
    Recording().PlayBack(replay);
    Race(1);
    EXPECT_EQ(Recording().LastSeed(), 40u) << "a replay's race gets the recorded seed";
    EXPECT_EQ(std::rand(), first) << "and with it the same random numbers";
    EXPECT_EQ(lastObjectId, 777u);
}

TEST_F(RaceRecordingTest, TheGameKeepsTheLastTenRacesAsReplays)
{
    TempFolder folder;
    Recording().RecordToFolder(folder.Path() / "replays");
    for (int race = 0; race < 12; ++race)
        Race(3 + race);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / "replays"))
        files.push_back(entry.path());
    ASSERT_EQ(files.size(), 10u);
    std::sort(files.begin(), files.end());
    EXPECT_NE(files.back().filename().string().find("_watertrack"), std::string::npos) << files.back();
    std::string error;
    const std::optional<Replay> last = Replay::Load(files.back(), error);
    ASSERT_TRUE(last) << error;
    EXPECT_EQ(last->frames, 14) << "the newest is the last race";
    EXPECT_EQ(last->track, "watertrack");
    ASSERT_FALSE(last->events.empty());
    EXPECT_EQ(InputScript::FormatEvent(last->events[0]), "1 key down 87");
}

TEST_F(RaceRecordingTest, AReplayThatCannotBeWrittenCostsOneLineAndNothingElse)
{
    TempFolder folder;
    folder.Write("file", "in the way");
    Recording().RecordToFolder(folder.Path() / "file" / "replays");
    const std::string printed = Race(5);
    EXPECT_NE(printed.find("Could not write the replay"), std::string::npos) << printed;
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_FALSE(InputSystem::Instance().GetRecorder().IsRecording());
}
