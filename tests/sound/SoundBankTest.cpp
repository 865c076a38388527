#include "sound/SoundBank.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
SoundBank Read(const std::string& events, std::string* printed = nullptr)
{
    SoundBank bank;
    const std::string text = CaptureStdout([&] { bank.LoadText("<Bank>" + events + "</Bank>", "audio/"); });
    if (printed)
        *printed = text;
    return bank;
}

int Lines(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}
} // namespace

TEST(SoundBank, IndexesPathsWithoutThePrefixAndTellsMusicByItsFirstLetter)
{
    const SoundBank bank =
        Read(R"(<Event path="event:/SFX/PlayerJump" volume="0.8"><File>a.ogg</File><File>b.ogg</File></Event>
        <Event path="event:/Music/MenuMusic" file="m.ogg"/>
        <Event path="event:/SFX/WrongWay" file="w.ogg" loop="true"/>
        <Event path="event:/Music/WinScreen" file="x.ogg" loop="false"/>)");
    ASSERT_EQ(bank.Events().size(), 4u);
    const SoundEvent& jump = bank.Events()[static_cast<size_t>(bank.Find("SFX/PlayerJump"))];
    EXPECT_EQ(jump.files, (std::vector<std::string>{"a.ogg", "b.ogg"}));
    EXPECT_FLOAT_EQ(jump.volume, 0.8f);
    EXPECT_FALSE(jump.loop);
    EXPECT_FALSE(jump.music);
    const SoundEvent& menu = bank.Events()[static_cast<size_t>(bank.Find("Music/MenuMusic"))];
    EXPECT_TRUE(menu.music);
    EXPECT_TRUE(menu.loop); // music loops unless asked not to, effects only when asked
    EXPECT_TRUE(bank.Events()[static_cast<size_t>(bank.Find("SFX/WrongWay"))].loop);
    EXPECT_FALSE(bank.Events()[static_cast<size_t>(bank.Find("Music/WinScreen"))].loop);
    EXPECT_EQ(bank.Find("event:/SFX/PlayerJump"), -1);
    EXPECT_EQ(bank.Find("SFX/Nothing"), -1);
    EXPECT_EQ(bank.Folder(), "audio/");
}

TEST(SoundBank, PathsAreCutAtNinetyNineCharactersBeforeThePrefixIsDropped)
{
    const std::string longName(120, 'x');
    const SoundBank bank = Read("<Event path=\"event:/SFX/" + longName + "\" file=\"a.ogg\"/>");
    ASSERT_EQ(bank.Events().size(), 1u);
    const std::string key = bank.Events()[0].path;
    EXPECT_EQ(key.size(), SoundBank::kMaxPathLength - SoundBank::kPrefix.size());
    EXPECT_EQ(bank.Find(key), 0);
    EXPECT_EQ(bank.Find("SFX/" + longName), -1);
}

TEST(SoundBank, EachProblemIsOneLineAndTheRestIsRead)
{
    std::string printed;
    const SoundBank bank = Read(R"(<Event path="SFX/NoPrefix" file="a.ogg"/>
        <Event file="nopath.ogg"/>
        <Event path="event:/SFX/NoFile"/>
        <Event path="event:/SFX/Loud" file="a.ogg" volume="3"/>
        <Event path="event:/SFX/Negative" file="a.ogg" volume="-1"/>
        <Event path="event:/SFX/NotANumber" file="a.ogg" volume="nan"/>
        <Event path="event:/SFX/Word" file="a.ogg" volume="loud"/>
        <Event path="event:/SFX/Maybe" file="a.ogg" loop="sometimes"/>
        <Event path="event:/SFX/Loud" file="b.ogg"/>
        <Event path="event:/SFX/Fine" file="a.ogg"/>)",
                                &printed);
    EXPECT_EQ(Lines(printed), 9) << printed;
    EXPECT_EQ(bank.Events().size(), 6u);
    EXPECT_EQ(bank.Find("SFX/NoFile"), -1);
    EXPECT_FLOAT_EQ(bank.Events()[static_cast<size_t>(bank.Find("SFX/Loud"))].volume, 1.0f);
    EXPECT_EQ(bank.Events()[static_cast<size_t>(bank.Find("SFX/Loud"))].files.front(), "a.ogg");
    EXPECT_FLOAT_EQ(bank.Events()[static_cast<size_t>(bank.Find("SFX/Negative"))].volume, 0.0f);
    EXPECT_FLOAT_EQ(bank.Events()[static_cast<size_t>(bank.Find("SFX/NotANumber"))].volume, 1.0f);
    EXPECT_FLOAT_EQ(bank.Events()[static_cast<size_t>(bank.Find("SFX/Word"))].volume, 1.0f);
    EXPECT_FALSE(bank.Events()[static_cast<size_t>(bank.Find("SFX/Maybe"))].loop);
}

TEST(SoundBank, MissingOrMalformedManifestIsOneLineAndAnEmptyBank)
{
    SoundBank bank;
    std::string printed = CaptureStdout([&] { EXPECT_FALSE(bank.Load("no/such/bank.xml")); });
    EXPECT_EQ(Lines(printed), 1) << printed;
    EXPECT_TRUE(bank.Events().empty());
    printed = CaptureStdout([&] { EXPECT_FALSE(bank.LoadText("<Bank><Event path=", "audio/")); });
    EXPECT_EQ(Lines(printed), 1) << printed;
    EXPECT_TRUE(bank.Events().empty());
}
