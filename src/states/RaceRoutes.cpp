#include "states/RaceRoutes.h"

#include "math/Random.h"
#include "objects/Logic.h"
#include "states/GameStateId.h"

int RaceRoutes::PreparePlay()
{
    return GameStateId::kLevelSelect;
}

int RaceRoutes::PrepareAutoplay()
{
    Logic& logic = Logic::Instance();
    logic.ChosenTrackIndex() = RandomInt(0, 1);
    logic.ResetPlayerChoices();
    logic.SetAllPlayersComputer();
    return GameStateId::kLevel1;
}
