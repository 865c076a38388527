#include "states/GameStateTable.h"

#include "states/GameStateId.h"
#include "states/Level1.h"

std::unique_ptr<GameState> CreateGameState(int id)
{
    // Screens join this table as they are built.
    switch (id)
    {
    case GameStateId::kLevel1:
        return std::make_unique<Level1>();
    default:
        return nullptr;
    }
}
