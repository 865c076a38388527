#include "states/PauseMenu.h"

#include "input/InputSystem.h"
#include "input/PadState.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "states/MenuList.h"

void PauseMenu::Enter()
{
    SetId(GameStateId::kPauseMenu);
    MenuList& menu = MenuList::Instance();
    menu.Clear();
    menu.Add(MenuAction::kResume, "Resume Game", 0.45f);
    menu.Add(MenuAction::kRestartLevel, "Restart Level", 0.25f);
    menu.Add(MenuAction::kMainMenu, "Main Menu", 0.05f);
    menu.Add(MenuAction::kHowToPlay, "How to Play", -0.15f);
    menu.Add(MenuAction::kOptions, "Options", -0.35f);
    menu.Add(MenuAction::kCredits, "Credits", -0.55f);
    menu.Add(MenuAction::kQuit, "Quit Game", -0.75f);
}

void PauseMenu::Exit()
{
    GameStateManager::Instance().SetPaused(false);
}

bool PauseMenu::TakeOwnInput()
{
    if (!InputSystem::Instance().IsButtonTriggeredByAny(PadButton::kStart))
        return false;
    GameStateManager::Instance().RequestPop();
    GameStateManager::Instance().SetPaused(false);
    return true;
}

void PauseMenu::DrawScreen()
{
    MenuDrawing::Darken(0.5f, false);
    MenuDrawing::Panel(0.5f, 0.58f, 0.75f, 0.85f);
    MenuDrawing::Title("PAUSE", 0.72f);
}
