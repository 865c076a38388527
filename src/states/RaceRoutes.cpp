#include "states/RaceRoutes.h"

#include "math/Random.h"
#include "objects/Logic.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"

int RaceRoutes::PreparePlay()
{
    if (GameStateManager::Instance().CanCreate(GameStateId::kLevelSelect))
        return GameStateId::kLevelSelect;
    // Stand-in for the level select: the keyboard player against three computer racers.
    Logic& logic = Logic::Instance();
    logic.ResetPlayerChoices();
    logic.ChosenTrackIndex() = 0;
    logic.SetAllPlayersComputer();
    logic.SetPlayerIsComputer(0, false);
    return GameStateId::kLevel1;
}

int RaceRoutes::PrepareAutoplay()
{
    Logic& logic = Logic::Instance();
    logic.ChosenTrackIndex() = RandomInt(0, 1);
    logic.ResetPlayerChoices();
    logic.SetAllPlayersComputer();
    return GameStateId::kLevel1;
}
