#include "states/ResultScreen.h"

#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "input/InputSystem.h"
#include "input/PadState.h"
#include "input/VirtualKeyMap.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "sound/SoundSystem.h"
#include "states/ElementLook.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "states/ShowScene.h"

void ResultScreen::Enter()
{
    SetId(GameStateId::kResultScreen);
    ShowScene::Load("rs");
    // The race's places outlast its racers; the podium's balls stand in for them, so scripts asking
    // who came where get these.
    CheckPointSystem::Instance().CollectRacers();
    for (GameObject* ball : ShowScene::Balls())
    {
        if (!ball)
            continue;
        auto* controller = ball->Get<Controller>(ComponentType::Controller);
        const int element = Logic::Instance().GetPlayerChoice(controller->GetPlayerIndex()).element;
        controller->SetElement(element);
        ElementLook::Apply(*ball, element);
    }
    SoundSystem::Instance().Play("Music/WinScreen");
}

void ResultScreen::Update()
{
    if (!GameStateManager::Instance().IsTop(GetId()))
        return;
    const InputSystem& input = InputSystem::Instance();
    if (input.IsKeyTriggered(VirtualKey::Letter('R')))
        Enter();
    // The scene's script normally leads back to the menu; without it (a missing scene or
    // script) Back still does.
    else if (input.IsKeyTriggered(VirtualKey::kEscape) || input.IsKeyTriggered(VirtualKey::kBackspace) ||
             input.IsButtonTriggeredByAny(PadButton::kBack | PadButton::kB))
        RequestNextState(GameStateId::kMainMenu);
}

void ResultScreen::Exit()
{
    Factory::Instance().DestroyList(0);
}
