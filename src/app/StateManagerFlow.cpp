#include "app/StateManagerFlow.h"

#include "input/ActionList.h"
#include "states/GameStateManager.h"

bool StateManagerFlow::IsRunning() const
{
    return GameStateManager::Instance().IsRunning();
}

bool StateManagerFlow::IsPaused() const
{
    return GameStateManager::Instance().IsPaused();
}

void StateManagerFlow::UpdateActionsWhilePaused()
{
    ActionList::Instance().UpdateActions();
}
