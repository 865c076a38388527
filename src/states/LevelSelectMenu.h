#pragma once

#include "states/CharacterRoster.h"
#include "states/GameState.h"
#include "text/Timer.h"

#include <array>

class GameObject;

/// Character and level select: each player in turn picks an element ball (the computer picks
/// for players nobody joined for), then one player picks the track.
class LevelSelectMenu final : public GameState
{
  public:
    /// Seconds between two inputs the screen takes.
    static constexpr float kInputSeconds = 0.3f;

    LevelSelectMenu();
    /// Fresh choices, the joined players, and the select scene "cs".
    void Enter() override;
    void Update() override;
    /// Unloads the select scene.
    void Exit() override;

  private:
    enum class Phase
    {
        Characters,
        Level
    };

    void UpdateCharacters();
    void UpdatePlayer(int player);
    void ChooseFor(int player, bool isComputer);
    void DropPlayersWithoutPads();
    void StartLevelPhase();
    void UpdateLevel();
    void MoveTrackCursor(int step);
    bool TakeBack();
    bool InputReady() const { return m_inputTimer.IsFinished(); }
    void ConsumeInput() { m_inputConsumed = true; }
    void ShowLook(int player);

    void DrawCharacters() const;
    void DrawLevel() const;
    void DrawArrows(float rightX, float leftX, float y) const;
    static void DrawBackground();

    CharacterRoster m_roster;
    Phase m_phase = Phase::Characters;
    int m_levelChooser = 0;
    int m_trackCursor = 0;
    /// The arrow last pressed: 0 right, 1 left, -1 none.
    int m_arrowFlash = -1;
    bool m_inputConsumed = false;
    bool m_leaving = false;
    Timer m_inputTimer;
    std::array<GameObject*, CharacterRoster::kPlayers> m_balls{};
    /// The element each ball shows, so its look (and particles) change only when the cursor does.
    std::array<int, CharacterRoster::kPlayers> m_shownElement{};
};
