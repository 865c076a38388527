#include "states/Tutorial.h"

#include "objects/Factory.h"
#include "objects/Logic.h"
#include "states/GameStateId.h"
#include "states/Level1.h"

void Tutorial::Enter()
{
    SetId(GameStateId::kTutorial);
    Logic::Instance().SetAllPlayersHuman();
    Level1::LoadRaceScene("tutorial");
}

void Tutorial::Update()
{
    m_pause.Update();
}

void Tutorial::Exit()
{
    Factory::Instance().DestroyList(0);
}
