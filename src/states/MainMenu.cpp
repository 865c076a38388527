#include "states/MainMenu.h"

#include "core/Engine.h"
#include "gameplay/CheckPointSystem.h"
#include "sound/SoundSystem.h"
#include "states/GameStateId.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "states/MenuList.h"

void MainMenu::Enter()
{
    SetId(GameStateId::kMainMenu);
    // Enter runs again when an overlay closes; only the items are rebuilt then.
    if (!m_entered)
    {
        m_entered = true;
        SoundSystem::Instance().Play("Music/MenuMusic");
        CheckPointSystem::Instance().ClearFinishPlaces();
        m_splash.StartUnlessShown();
    }
    MenuList& menu = MenuList::Instance();
    menu.Clear();
    menu.Add(MenuAction::kPlay, "Play", 0.4f);
    menu.Add(MenuAction::kTutorial, "Tutorial", 0.2f);
    menu.Add(MenuAction::kAutoplay, "Autoplay", 0.0f);
    menu.Add(MenuAction::kHowToPlay, "How to Play", -0.2f);
    menu.Add(MenuAction::kOptions, "Options", -0.4f);
    menu.Add(MenuAction::kCredits, "Credits", -0.6f);
    menu.Add(MenuAction::kQuit, "Quit Game", -0.8f);
}

bool MainMenu::TakeOwnInput()
{
    if (!m_splash.IsRunning())
        return false;
    m_splash.Update(Engine::CurrentDeltaTime());
    return true;
}

void MainMenu::DrawScreen()
{
    MenuDrawing::FullScreen("mainmenu");
    MenuDrawing::Picture("title", 0.5f, 0.105f, 0.56f, 0.19f);
    MenuDrawing::Text("VANTORA", 0.0f, 0.79f, 64.0f);
    MenuDrawing::Panel(0.5f, 0.6f, 0.75f, 0.8f);
}
