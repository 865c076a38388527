#pragma once

/// The codes menu items carry; a code does the same in every screen.
namespace MenuAction
{
inline constexpr int kResume = 0;
inline constexpr int kPlay = 4;
inline constexpr int kTutorial = 5;
inline constexpr int kQuit = 6;
inline constexpr int kRestartLevel = 9;
inline constexpr int kMainMenu = 10;
inline constexpr int kYes = 11;
inline constexpr int kBack = 12;
inline constexpr int kCredits = 13;
inline constexpr int kHowToPlay = 14;
inline constexpr int kOptions = 15;
inline constexpr int kFullscreen = 16;
inline constexpr int kMuteAll = 22;
inline constexpr int kMuteMusic = 23;
inline constexpr int kAutoplay = 24;
} // namespace MenuAction
