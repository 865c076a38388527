#pragma once

/// Game-state numbers as scripts and menus use them.
namespace GameStateId
{
inline constexpr int kNone = 0;
inline constexpr int kQuit = 1;
inline constexpr int kMainMenu = 3;
inline constexpr int kLevel1 = 4;
inline constexpr int kPauseMenu = 5;
inline constexpr int kAreYouSure = 6;
inline constexpr int kOptions = 7;
inline constexpr int kCredits = 8;
inline constexpr int kHowToPlay = 9;
inline constexpr int kLevelSelect = 10;
inline constexpr int kResultScreen = 11;
inline constexpr int kTutorial = 12;
inline constexpr int kPop = -1;
} // namespace GameStateId
