#include "states/GameStateTable.h"

std::unique_ptr<GameState> CreateGameState(int /*id*/)
{
    // Screens join this table as they are built.
    return nullptr;
}
