#include "sound/SoundSystem.h"
#include "core/WindowManager.h"
#include "support/TestSupport.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
std::string FixtureBank()
{
    return FixturePath("audio") + "/bank.xml";
}

/// The sound system started on the fixture bank, silent unless a device is asked for.
SoundSystem& Started(bool silent = true, std::string* printed = nullptr)
{
    SoundSystem& sound = SoundSystem::Instance();
    sound.SetSilent(silent);
    const std::string text = CaptureStdout([&] { sound.Start(FixtureBank()); });
    if (printed)
        *printed = text;
    return sound;
}

int Lines(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<std::string> Only(const std::string& path)
{
    return {path};
}
} // namespace

TEST(SoundSystem, StartsWithTheDesignedLevels)
{
    const SoundSystem& sound = Started();
    EXPECT_FLOAT_EQ(sound.GetEffectsVolume(), 0.5f);
    EXPECT_FLOAT_EQ(sound.GetMusicVolume(), 1.0f);
    EXPECT_FLOAT_EQ(sound.GetMasterVolume(), 1.0f);
    EXPECT_TRUE(sound.IsFocused());
    EXPECT_FALSE(sound.IsDucked());
}

TEST(SoundSystem, MusicReplacesMusicAndStopSoundsLeavesItPlaying)
{
    SoundSystem& sound = Started();
    sound.Play("Music/MenuMusic");
    sound.Play("Music/MenuMusic");
    EXPECT_EQ(sound.CurrentMusic(), "Music/MenuMusic");
    EXPECT_EQ(sound.LiveEffectCount(), 0u); // music is never an effect instance
    sound.Play("Music/RaceMusic");
    EXPECT_EQ(sound.CurrentMusic(), "Music/RaceMusic");
    sound.Play("SFX/Engine");
    sound.StopAllEffects();
    EXPECT_EQ(sound.LiveEffectCount(), 0u);
    EXPECT_EQ(sound.CurrentMusic(), "Music/RaceMusic");
}

TEST(SoundSystem, UnknownPathsAndEventsWhoseFilesFailedPlayError)
{
    std::string printed;
    SoundSystem& sound = Started(true, &printed);
    EXPECT_EQ(Lines(printed), 1) << printed; // the missing file; the broken one exists on disk
    sound.Play("SFX/NotInTheBank");
    sound.Play("SFX/Missing");
    EXPECT_EQ(sound.LiveEffects(), (std::vector<std::string>{"Error", "Error"}));
    EXPECT_EQ(sound.PlayCounts().at("SFX/NotInTheBank"), 1);
    EXPECT_EQ(sound.PlayCounts().at("SFX/Missing"), 1);
    EXPECT_FALSE(sound.PlayCounts().contains("Error")); // counted by the path asked for
}

TEST(SoundSystem, WithoutAManifestNothingPlaysButPlaysAreCounted)
{
    SoundSystem& sound = SoundSystem::Instance();
    sound.SetSilent(true);
    const std::string printed = CaptureStdout([&] { sound.Start("no/such/folder/bank.xml"); });
    EXPECT_EQ(Lines(printed), 1) << printed;
    sound.Play("SFX/PlayerJump");
    sound.Play("Music/RaceMusic");
    EXPECT_EQ(sound.LiveEffectCount(), 0u);
    EXPECT_FALSE(sound.CurrentMusic());
    EXPECT_EQ(sound.PlayCounts().size(), 2u);
}

TEST(SoundSystem, VolumesAreClampedAndNaNIsIgnored)
{
    SoundSystem& sound = Started();
    sound.SetEffectsVolume(2.0f);
    sound.SetMusicVolume(-1.0f);
    sound.SetMasterVolume(0.3f);
    EXPECT_FLOAT_EQ(sound.GetEffectsVolume(), 1.0f);
    EXPECT_FLOAT_EQ(sound.GetMusicVolume(), 0.0f);
    sound.SetEffectsVolume(std::nanf(""));
    sound.SetMusicVolume(std::nanf(""));
    sound.SetMasterVolume(std::nanf(""));
    EXPECT_FLOAT_EQ(sound.GetEffectsVolume(), 1.0f);
    EXPECT_FLOAT_EQ(sound.GetMusicVolume(), 0.0f);
    EXPECT_FLOAT_EQ(sound.GetMasterVolume(), 0.3f);
}

TEST(SoundSystem, RegainingTheFocusLeavesEffectsAtFullVolume)
{
    SoundSystem& sound = Started();
    for (float before : {0.5f, 0.0f})
    {
        sound.SetEffectsVolume(before);
        WindowManager::Instance().SetFocus(false);
        sound.Update();
        EXPECT_FALSE(sound.IsFocused());
        EXPECT_FLOAT_EQ(sound.GetEffectsVolume(), 0.0f);
        WindowManager::Instance().SetFocus(true);
        sound.Update();
        EXPECT_TRUE(sound.IsFocused());
        EXPECT_FLOAT_EQ(sound.GetEffectsVolume(), 1.0f);
    }
}

TEST(SoundSystem, PauseQuartersTheMasterAndResumeRestoresIt)
{
    SoundSystem& sound = Started();
    bool paused = false;
    SoundSystem::SetPausedQuery([&paused] { return paused; });
    sound.SetMasterVolume(0.8f);
    paused = true;
    sound.Update();
    sound.Update(); // ducking is applied once, not once per frame
    EXPECT_TRUE(sound.IsDucked());
    EXPECT_FLOAT_EQ(sound.GetMasterVolume(), 0.2f);
    paused = false;
    sound.Update();
    EXPECT_FALSE(sound.IsDucked());
    EXPECT_FLOAT_EQ(sound.GetMasterVolume(), 0.8f);
    SoundSystem::SetPausedQuery(nullptr);
}

TEST(SoundSystem, AMasterVolumeSetWhilePausedIsKeptAfterTheResume)
{
    // Muting from the options of the pause menu must not be undone by leaving the pause.
    SoundSystem& sound = Started();
    bool paused = true;
    SoundSystem::SetPausedQuery([&paused] { return paused; });
    sound.Update();
    sound.SetMasterVolume(0.0f);
    EXPECT_FLOAT_EQ(sound.GetMasterVolume(), 0.0f);
    paused = false;
    sound.Update();
    EXPECT_FLOAT_EQ(sound.GetMasterVolume(), 0.0f);
    SoundSystem::SetPausedQuery(nullptr);
}

TEST(SoundSystem, TenThousandPlaysInOneFrameStayWithinTheCap)
{
    SoundSystem& sound = Started();
    for (int i = 0; i < 10000; ++i)
        sound.Play(i % 2 ? "SFX/Engine" : "SFX/NotInTheBank");
    EXPECT_EQ(sound.LiveEffectCount(), SoundSystem::kMaxEffects);
    EXPECT_EQ(sound.PlayCounts().at("SFX/Engine"), 5000);
    // The newest plays are the ones kept.
    EXPECT_EQ(sound.LiveEffects().back(), "SFX/Engine");
}

TEST(SoundSystem, CountedPathsAreCutAndBounded)
{
    SoundSystem& sound = Started();
    const std::string printed = CaptureStdout(
        [&]
        {
            for (size_t i = 0; i < SoundSystem::kMaxCountedPaths + 10; ++i)
                sound.Play("SFX/" + std::to_string(i) + std::string(200, 'x'));
        });
    EXPECT_EQ(Lines(printed), 1) << printed;
    EXPECT_EQ(sound.PlayCounts().size(), SoundSystem::kMaxCountedPaths);
    EXPECT_EQ(sound.PlayCounts().begin()->first.size(), SoundBank::kMaxPathLength);
}

TEST(SoundSystem, FinishedEffectsAreCleanedUpEverySixtyUpdates)
{
    SoundSystem& sound = Started();
    sound.Play("SFX/PlayerJump"); // over at once without a device
    sound.Play("SFX/Engine");     // loops until stopped
    for (int i = 0; i < SoundSystem::kCleanUpInterval; ++i)
        sound.Update();
    EXPECT_EQ(sound.LiveEffectCount(), 2u);
    sound.Update();
    EXPECT_EQ(sound.LiveEffects(), Only("SFX/Engine"));
}

TEST(SoundSystemDevice, NoAudioDeviceIsOneLineAndTheGameRunsSilent)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::string printed;
    SoundSystem& sound = Started(false, &printed);
    EXPECT_FALSE(sound.HasDevice());
    EXPECT_EQ(Lines(printed), 2) << printed; // the device, and the bank's missing file
    EXPECT_NE(printed.find("runs silent"), std::string::npos) << printed;
    sound.Play("Music/MenuMusic");
    EXPECT_EQ(sound.CurrentMusic(), "Music/MenuMusic");
}

TEST(SoundSystemDevice, PlaysThroughTheDummyDevice)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::string printed;
    SoundSystem& sound = Started(false, &printed);
    ASSERT_TRUE(sound.HasDevice()) << printed;
    // The undecodable file is found at start-up, beside the missing one.
    EXPECT_EQ(Lines(printed), 2) << printed;
    sound.Play("SFX/Broken");
    sound.Play("SFX/Engine");
    sound.Play("Music/MenuMusic");
    sound.Play("Music/RaceMusic"); // waits for the menu theme's fade, without blocking
    EXPECT_EQ(sound.LiveEffects(), (std::vector<std::string>{"Error", "SFX/Engine"}));
    EXPECT_EQ(sound.CurrentMusic(), "Music/RaceMusic");
    for (int i = 0; i < 10000; ++i)
        sound.Play("SFX/PlayerJump");
    EXPECT_EQ(sound.LiveEffectCount(), SoundSystem::kMaxEffects);
    sound.SetMasterVolume(0.5f);
    sound.PauseAll(true);
    sound.PauseAll(false);
    sound.StopAllEffects();
    EXPECT_EQ(sound.LiveEffectCount(), 0u);
    sound.Update();
    sound.Shutdown();
    EXPECT_FALSE(sound.HasDevice());
}
