#include "states/MenuList.h"

#include "core/Engine.h"
#include "core/VirtualKey.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"
#include "input/PadState.h"
#include "objects/Factory.h"
#include "sound/SoundSystem.h"
#include "states/GameSettings.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "states/RaceRoutes.h"
#include "states/SoundVolumes.h"

#include <cmath>
#include <cstdio>

namespace
{
constexpr float kStickThreshold = 0.5f;
constexpr float kSilent = 0.0001f;
const Vector4 kHighlightColour{0, 1, 1, 1};
const Vector4 kHighlightGrowth{10, 10, 0, 0};
/// Window width at which text sizes are drawn as given (the text system's scale).
constexpr float kTextScaleWidth = 1184.0f;

bool AnyLeftStick(bool up)
{
    const InputSystem& input = InputSystem::Instance();
    for (int pad = 0; pad < InputSystem::kPadCount; ++pad)
    {
        const Gamepad* gamepad = input.GetGamepad(pad);
        if (!gamepad || !gamepad->IsConnected())
            continue;
        const float y = gamepad->GetStick(0).y;
        if (up ? y > kStickThreshold : y < -kStickThreshold)
            return true;
    }
    return false;
}

bool UpHeld()
{
    const InputSystem& input = InputSystem::Instance();
    return input.IsKeyDown(VirtualKey::kUp) || input.IsKeyDown(VirtualKey::Letter('W')) ||
           input.IsButtonDownByAny(PadButton::kDpadUp) || AnyLeftStick(true);
}

bool DownHeld()
{
    const InputSystem& input = InputSystem::Instance();
    return input.IsKeyDown(VirtualKey::kDown) || input.IsKeyDown(VirtualKey::Letter('S')) ||
           input.IsButtonDownByAny(PadButton::kDpadDown) || AnyLeftStick(false);
}

bool ConfirmTriggered()
{
    const InputSystem& input = InputSystem::Instance();
    return input.IsKeyTriggered(VirtualKey::kEnter) || input.IsButtonTriggeredByAny(PadButton::kA);
}

bool BackTriggered()
{
    const InputSystem& input = InputSystem::Instance();
    return input.IsKeyTriggered(VirtualKey::kEscape) || input.IsKeyTriggered(VirtualKey::kBackspace) ||
           input.IsButtonTriggeredByAny(PadButton::kB | PadButton::kBack);
}

/// Codes that ask "Are you sure?" before they act.
bool Asks(int action)
{
    return action == MenuAction::kQuit || action == MenuAction::kRestartLevel ||
           action == MenuAction::kMainMenu;
}
} // namespace

MenuList& MenuList::Instance()
{
    static MenuList instance;
    return instance;
}

MenuList::MenuList()
{
    Reset();
}

void MenuList::Reset()
{
    m_fade.SetDuration(kFadeSeconds);
    // Run out, so the first press moves the highlight at once.
    m_repeat.SetDuration(0.0f);
    m_fading = m_moved = false;
    m_pending = {};
    m_targetState = -1;
    Clear();
}

void MenuList::Clear()
{
    m_items.clear();
    m_selected = 0;
    ++m_generation;
}

void MenuList::Add(const MenuItem& item)
{
    m_items.push_back(item);
}

void MenuList::Add(int action, const std::string& text, float y)
{
    MenuItem item;
    item.action = action;
    item.text = text;
    item.y = y;
    Add(item);
}

bool MenuList::HasAction(int action) const
{
    for (const MenuItem& item : m_items)
        if (item.action == action)
            return true;
    return false;
}

bool MenuList::Update()
{
    return Update(Engine::CurrentDeltaTime());
}

bool MenuList::Update(float dt)
{
    // Everything pressed while the screen fades out is ignored.
    if (m_fading)
        return UpdateFade(dt);
    m_repeat.Update(dt);
    if (m_moved)
    {
        SoundSystem::Instance().Play("SFX/MenuMove");
        m_repeat.SetDuration(kRepeatSeconds);
        m_repeat.Resume();
        m_moved = false;
    }
    const unsigned generation = m_generation;
    if (m_repeat.IsFinished())
        MoveHighlight();
    FollowMouse();
    if (generation == m_generation && !m_fading && ConfirmTriggered())
        Confirm(m_selected);
    if (generation == m_generation && !m_fading && BackTriggered())
        Back();
    // An action that rebuilt the list leaves this screen; its new items are drawn from next frame.
    if (generation == m_generation)
        Draw();
    return true;
}

bool MenuList::UpdateFade(float dt)
{
    m_fade.Update(dt);
    if (!m_fade.IsFinished())
    {
        Draw();
        MenuDrawing::Darken(1.0f - m_fade.GetRemaining() / kFadeSeconds, true);
        return true;
    }
    m_fading = false;
    GameStateManager& states = GameStateManager::Instance();
    states.RequestSwitch(m_targetState);
    Factory::Instance().DestroyList(0);
    states.SetPaused(false);
    MenuDrawing::Darken(1.0f, true);
    return false;
}

void MenuList::MoveHighlight()
{
    const int count = static_cast<int>(m_items.size());
    if (count == 0)
        return;
    const bool up = UpHeld();
    const bool down = DownHeld();
    if (up == down)
        return;
    m_selected = up ? (m_selected + count - 1) % count : (m_selected + 1) % count;
    m_moved = true;
}

void MenuList::FollowMouse()
{
    const InputSystem& input = InputSystem::Instance();
    const bool moved = input.GetMouseDeltaX() != 0 || input.GetMouseDeltaY() != 0;
    const bool clicked = input.IsMouseTriggered(0);
    if (!moved && !clicked)
        return;
    const int under = ItemUnderMouse();
    if (under < 0)
        return;
    if (under != m_selected)
    {
        m_selected = under;
        m_moved = true;
    }
    if (clicked)
        Confirm(under);
}

int MenuList::ItemUnderMouse() const
{
    const GraphicsSystem& graphics = GraphicsSystem::Instance();
    const auto width = static_cast<float>(graphics.GetWindowWidth());
    const auto height = static_cast<float>(graphics.GetWindowHeight());
    const auto mouseX = static_cast<float>(InputSystem::Instance().GetMouseX());
    const auto mouseY = static_cast<float>(InputSystem::Instance().GetMouseY());
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        const MenuItem& item = m_items[i];
        const float font = (item.size.x + kHighlightGrowth.x) * width / kTextScaleWidth;
        // Glyphs of the display face average a little over half their size in width.
        const float halfWidth = 0.3f * font * static_cast<float>(item.text.size()) + font * 0.5f;
        const float halfHeight = 0.6f * font;
        const float centreX = width * (1.0f + item.x) * 0.5f;
        const float centreY = height * (1.0f - item.y) * 0.5f;
        if (std::fabs(mouseX - centreX) <= halfWidth && std::fabs(mouseY - centreY) <= halfHeight)
            return static_cast<int>(i);
    }
    return -1;
}

void MenuList::Confirm(int index)
{
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return;
    SoundSystem::Instance().Play("SFX/MenuClick");
    Perform(m_items[static_cast<size_t>(index)], false);
}

void MenuList::Back()
{
    for (const int action : {MenuAction::kResume, MenuAction::kBack})
        if (HasAction(action))
        {
            MenuItem item;
            item.action = action;
            Perform(item, false);
            return;
        }
}

void MenuList::Draw() const
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        const MenuItem& item = m_items[i];
        const bool selected = static_cast<int>(i) == m_selected;
        graphics.PrintToScreen(item.text, item.x, item.y, selected ? item.size + kHighlightGrowth : item.size,
                               selected ? kHighlightColour : item.colour);
    }
}

void MenuList::Perform(const MenuItem& item, bool confirmed)
{
    if (Asks(item.action) && !confirmed)
        return Ask(item);
    GameStateManager& states = GameStateManager::Instance();
    switch (item.action)
    {
    case MenuAction::kResume:
        states.RequestPop();
        states.SetPaused(false);
        return Clear();
    case MenuAction::kPlay:
        return StartFade(RaceRoutes::PreparePlay());
    case MenuAction::kTutorial:
        return StartFade(GameStateId::kTutorial);
    case MenuAction::kQuit:
        return states.SetRunning(false);
    case MenuAction::kRestartLevel:
        return StartFade(states.GetGameState());
    case MenuAction::kMainMenu:
        return StartFade(GameStateId::kMainMenu);
    case MenuAction::kYes:
        return Perform(m_pending, true);
    case MenuAction::kBack:
        return ReturnToScreenBelow();
    case MenuAction::kCredits:
        return states.RequestPush(GameStateId::kCredits);
    case MenuAction::kHowToPlay:
        return states.RequestPush(GameStateId::kHowToPlay);
    case MenuAction::kOptions:
        return states.RequestPush(GameStateId::kOptions);
    case MenuAction::kFullscreen:
        return ToggleFullscreen();
    case MenuAction::kMuteAll:
        return ToggleMuteAll();
    case MenuAction::kMuteMusic:
        return ToggleMuteMusic();
    case MenuAction::kAutoplay:
        return StartFade(RaceRoutes::PrepareAutoplay());
    default:
        std::printf("Menu item '%s' has the unknown action %d\n", item.text.c_str(), item.action);
    }
}

void MenuList::StartFade(int state)
{
    // A screen that is not part of the game would leave nothing to show after the fade.
    if (!GameStateManager::Instance().CanCreate(state))
    {
        std::printf("Menu: screen %d is not part of the game yet\n", state);
        return;
    }
    m_fading = true;
    m_fade.SetDuration(kFadeSeconds);
    m_fade.Resume();
    m_targetState = state;
}

void MenuList::Ask(const MenuItem& item)
{
    m_pending = item;
    GameStateManager::Instance().RequestPush(GameStateId::kAreYouSure);
}

void MenuList::ReturnToScreenBelow()
{
    GameStateManager& states = GameStateManager::Instance();
    GameState* below = states.GetStateBelowTop();
    states.RequestPop();
    // The pop waits for the manager's next update; the screen below gets its items back now, so
    // it never runs a frame with the overlay's items.
    if (below)
        below->Enter();
    else
        Clear();
}

void MenuList::Relabel(int action, const std::string& text)
{
    for (MenuItem& item : m_items)
        if (item.action == action)
            item.text = text;
}

void MenuList::ToggleFullscreen()
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.ToggleFullscreen();
    GameSettings::Instance().SetFullscreen(graphics.IsFullscreen());
    Relabel(MenuAction::kFullscreen, graphics.IsFullscreen() ? "Windowed" : "Fullscreen");
}

void MenuList::ToggleMuteAll()
{
    const float volume = std::fabs(SoundVolumes::GetEffects()) < kSilent ? 1.0f : 0.0f;
    SoundVolumes::SetEffects(volume);
    SoundVolumes::SetMusic(volume);
    Relabel(MenuAction::kMuteAll, volume > 0.0f ? "Mute all audio" : "UnMute all audio");
    Relabel(MenuAction::kMuteMusic, volume > 0.0f ? "Mute music only" : "Unmute music only");
}

void MenuList::ToggleMuteMusic()
{
    const float volume = std::fabs(SoundVolumes::GetMusic()) < kSilent ? 1.0f : 0.0f;
    SoundVolumes::SetMusic(volume);
    Relabel(MenuAction::kMuteMusic, volume > 0.0f ? "Mute music only" : "Unmute music only");
}
