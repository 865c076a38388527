#include "states/LevelSelectMenu.h"

#include "core/Engine.h"
#include "core/EngineGlobals.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "sound/SoundSystem.h"
#include "states/ElementLook.h"
#include "states/GameStateId.h"
#include "states/MenuDrawing.h"
#include "states/MenuList.h"
#include "states/SelectInput.h"
#include "states/ShowScene.h"

#include <cstdio>
#include <string>

namespace
{
/// The point of each player's quarter of the screen (screen coordinates, y up).
constexpr std::array<std::array<float, 2>, CharacterRoster::kPlayers> kQuarters{
    {{-0.5f, 0.3f}, {0.5f, 0.3f}, {-0.5f, -0.675f}, {0.5f, -0.675f}}};
constexpr std::array<const char*, CharacterRoster::kElements> kElementNames{"Fire", "Water", "Wind", "Earth"};
const Vector4 kStatusSize{30, 100, 0, 0};
const Vector4 kWhite{1, 1, 1, 1};
const Vector4 kHighlight{0, 1, 1, 1};
constexpr float kArrowW = 0.1f;
constexpr float kArrowH = 0.15f;

void PlaySound(const char* path)
{
    SoundSystem::Instance().Play(path);
}

int TrackCount()
{
    return static_cast<int>(displayTrackNames.size());
}
} // namespace

LevelSelectMenu::LevelSelectMenu()
{
    m_inputTimer.SetDuration(kInputSeconds);
    m_inputTimer.Resume();
}

void LevelSelectMenu::Enter()
{
    SetId(GameStateId::kLevelSelect);
    Logic& logic = Logic::Instance();
    logic.ResetPlayerChoices();
    logic.ChosenTrackIndex() = 0;
    for (ElementChoice& choice : logic.ElementChoices())
        choice.available = 1;
    MenuList::Instance().Clear();
    std::array<bool, CharacterRoster::kPlayers> joined{};
    for (int player = 0; player < CharacterRoster::kPlayers; ++player)
        joined[static_cast<size_t>(player)] = SelectInput::PadConnected(player);
    m_roster.Reset(joined);
    m_phase = Phase::Characters;
    m_levelChooser = m_trackCursor = 0;
    m_arrowFlash = -1;
    m_leaving = false;
    // The press that opened the screen must not also choose on it.
    m_inputConsumed = true;
    ShowScene::Load("cs");
    m_balls = ShowScene::Balls();
    m_shownElement.fill(-1);
    for (GameObject* ball : m_balls)
        ShowScene::SetShown(ball, false);
}

void LevelSelectMenu::Exit()
{
    m_balls.fill(nullptr);
    Factory::Instance().DestroyList(0);
}

void LevelSelectMenu::Update()
{
    if (m_leaving)
        return;
    if (m_inputConsumed)
    {
        m_inputTimer.Reset();
        m_inputConsumed = false;
    }
    m_inputTimer.Update(Engine::CurrentDeltaTime());
    if (m_phase == Phase::Characters)
        UpdateCharacters();
    else
        UpdateLevel();
}

bool LevelSelectMenu::TakeBack()
{
    if (!SelectInput::Back())
        return false;
    RequestNextState(GameStateId::kMainMenu);
    m_balls.fill(nullptr);
    Factory::Instance().DestroyList(0);
    PlaySound("SFX/MenuClick");
    m_leaving = true;
    return true;
}

void LevelSelectMenu::UpdateCharacters()
{
    DropPlayersWithoutPads();
    for (int player = 0; player < CharacterRoster::kPlayers && !m_roster.AllChosen(); ++player)
        UpdatePlayer(player);
    if (TakeBack())
    {
        DrawBackground();
        return;
    }
    if (m_roster.AllChosen())
    {
        StartLevelPhase();
        return;
    }
    DrawCharacters();
}

void LevelSelectMenu::DropPlayersWithoutPads()
{
    for (int player = 1; player < CharacterRoster::kPlayers; ++player)
        if (SelectInput::PadGone(player) && m_roster.Leave(player))
            std::printf("Player %d's controller is gone: the computer chooses for it\n", player + 1);
}

void LevelSelectMenu::UpdatePlayer(int player)
{
    const bool chooser = player == m_roster.GetChooser();
    if (chooser)
    {
        ShowScene::SetShown(m_balls[static_cast<size_t>(player)], true);
        const int step = InputReady() ? SelectInput::Step(player) : 0;
        if (step != 0 && m_roster.MoveCursor(step))
        {
            PlaySound("SFX/MenuMove");
            m_arrowFlash = step > 0 ? 0 : 1;
            ConsumeInput();
        }
        ShowLook(player);
    }
    if (!m_roster.IsJoined(player))
    {
        if (chooser)
            ChooseFor(player, true);
        else if (player > m_roster.GetChooser() && InputReady() && SelectInput::Start(player) &&
                 m_roster.Join(player))
            ConsumeInput();
        return;
    }
    if (chooser && InputReady() && SelectInput::Confirm(player))
    {
        ChooseFor(player, false);
        PlaySound("SFX/MenuClick");
        ConsumeInput();
    }
}

void LevelSelectMenu::ShowLook(int player)
{
    GameObject* ball = m_balls[static_cast<size_t>(player)];
    int& shown = m_shownElement[static_cast<size_t>(player)];
    if (!ball || shown == m_roster.GetCursor())
        return;
    shown = m_roster.GetCursor();
    ElementLook::Apply(*ball, shown);
}

void LevelSelectMenu::ChooseFor(int player, bool isComputer)
{
    const int element = m_roster.Choose();
    Logic& logic = Logic::Instance();
    std::vector<ElementChoice>& choices = logic.ElementChoices();
    if (element >= 0 && element < static_cast<int>(choices.size()))
        choices[static_cast<size_t>(element)].available = 0;
    logic.SetPlayerElement(player, element);
    logic.SetPlayerIsComputer(player, isComputer);
}

void LevelSelectMenu::StartLevelPhase()
{
    m_levelChooser = m_roster.LevelChooser();
    m_phase = Phase::Level;
    m_arrowFlash = -1;
    m_balls.fill(nullptr);
    Factory::Instance().DestroyList(0);
    DrawLevel();
}

void LevelSelectMenu::UpdateLevel()
{
    // A track picker whose pad is gone hands the choice to the keyboard.
    if (m_levelChooser != 0 && SelectInput::PadGone(m_levelChooser))
        m_levelChooser = 0;
    if (TakeBack())
    {
        DrawBackground();
        return;
    }
    if (InputReady())
    {
        if (const int step = SelectInput::Step(m_levelChooser))
            MoveTrackCursor(step);
        else if (SelectInput::Confirm(m_levelChooser))
        {
            Logic::Instance().ChosenTrackIndex() = m_trackCursor;
            RequestNextState(GameStateId::kLevel1);
            PlaySound("SFX/MenuClick");
            m_leaving = true;
        }
    }
    DrawLevel();
}

void LevelSelectMenu::MoveTrackCursor(int step)
{
    const int count = TrackCount();
    if (count > 0)
        m_trackCursor = ((m_trackCursor + step) % count + count) % count;
    m_arrowFlash = step > 0 ? 0 : 1;
    PlaySound("SFX/MenuMove");
    ConsumeInput();
}

void LevelSelectMenu::DrawArrows(float rightX, float leftX, float y) const
{
    const bool flashing = !m_inputTimer.IsFinished();
    const char* right = flashing && m_arrowFlash == 0 ? "cs_arrow_right" : "cs_arrow_right_grey";
    const char* left = flashing && m_arrowFlash == 1 ? "cs_arrow_left" : "cs_arrow_left_grey";
    MenuDrawing::Picture(right, rightX, y, kArrowW, kArrowH);
    MenuDrawing::Picture(left, leftX, y, kArrowW, kArrowH);
}

void LevelSelectMenu::DrawCharacters() const
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    for (int player = 0; player < CharacterRoster::kPlayers; ++player)
    {
        const float qx = kQuarters[static_cast<size_t>(player)][0];
        const float qy = kQuarters[static_cast<size_t>(player)][1];
        const bool chooser = player == m_roster.GetChooser();
        graphics.PrintToScreen("Player " + std::to_string(player + 1), qx, qy + 0.55f, {26, 40, 0, 0},
                               chooser ? kHighlight : kWhite);
        if (chooser)
        {
            DrawArrows((qx + 1.3f) / 2.0f, (qx + 0.7f) / 2.0f, (0.8f - qy) / 2.0f);
            graphics.PrintToScreen(kElementNames[static_cast<size_t>(m_roster.GetCursor())], qx, qy - 0.22f,
                                   {30, 45, 0, 0}, kHighlight);
        }
        else
            graphics.PrintToScreen(m_roster.Status(player), qx, qy + 0.2f, kStatusSize, kWhite);
    }
    DrawBackground();
}

void LevelSelectMenu::DrawLevel() const
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    MenuDrawing::Title("Level Select", 0.8f);
    graphics.PrintToScreen("Player " + std::to_string(m_levelChooser + 1) + " pick the level", 0.0f, 0.6f,
                           {30, 45, 0, 0}, kHighlight);
    auto real = realTrackNames.find(m_trackCursor);
    if (real != realTrackNames.end())
        MenuDrawing::Picture(real->second + "_preview", 0.5f, 0.52f, 0.45f, 0.45f);
    else
        graphics.PrintToScreen("?", 0.0f, -0.05f, {120, 180, 0, 0}, kWhite);
    const int count = TrackCount();
    if (m_trackCursor < count)
        graphics.PrintToScreen(displayTrackNames[static_cast<size_t>(m_trackCursor)], 0.0f, -0.62f,
                               {40, 60, 0, 0}, kWhite);
    DrawArrows(0.82f, 0.18f, 0.52f);
    DrawBackground();
}

void LevelSelectMenu::DrawBackground()
{
    if (MenuDrawing::HasPicture("cs_background"))
        GraphicsSystem::Instance().DrawHud(0.5f, 0.5f, 1.0f, 1.0f, "cs_background", {1, 1, 1, 1}, false,
                                           true);
}
