#include "states/Tutorial.h"

#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "gameplay/RaceLineSystem.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "states/ElementLook.h"
#include "states/GameStateId.h"

void Tutorial::Enter()
{
    SetId(GameStateId::kTutorial);
    Logic::Instance().SetAllPlayersHuman();
    Factory& factory = Factory::Instance();
    factory.DestroyList(0);
    factory.LoadScene("tutorial");
    GraphicsSystem::Instance().SetSplitScreen(true);
    // The gates and race line drive the scripts' lap count and the respawn, as in a race.
    CheckPointSystem::Instance().StartRace();
    RaceLineSystem::Instance().Initialize();
    for (Component* component : Logic::Instance().Controllers())
    {
        auto* controller = static_cast<Controller*>(component);
        const int element = Logic::Instance().GetPlayerChoice(controller->GetPlayerIndex()).element;
        controller->SetElement(element);
        if (GameObject* ball = controller->GetOwner())
            ElementLook::Apply(*ball, element);
    }
}

void Tutorial::Update()
{
    m_pause.Update();
}

void Tutorial::Exit()
{
    Factory::Instance().DestroyList(0);
}
