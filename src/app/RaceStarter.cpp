#include "app/RaceStarter.h"

#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "objects/Logic.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"

void RaceStarter::BeforeFrame(long long frame)
{
    GameStateManager& states = GameStateManager::Instance();
    if (states.GetGameState() != GameStateId::kLevel1)
        return;
    CheckPointSystem& race = CheckPointSystem::Instance();
    if (m_raceFrame < 0)
    {
        m_raceFrame = frame;
        race.SetLapAmount(kLaps);
    }
    if (m_releaseFrame < 0 && frame - m_raceFrame >= kStartFrames)
    {
        m_releaseFrame = frame;
        for (Component* controller : Logic::Instance().Controllers())
            static_cast<Controller*>(controller)->SetPlayerState(0);
    }
    if (m_overFrame < 0 && race.IsRaceOver())
        m_overFrame = frame;
    if (m_overFrame >= 0 && frame - m_overFrame == kFinishFrames)
        states.RequestPush(GameStateId::kQuit);
}
