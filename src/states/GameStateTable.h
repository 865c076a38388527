#pragma once

#include "states/GameState.h"

#include <memory>

/// The screen for a game-state id; null for ids that create nothing (including ones whose
/// screen is not part of the game yet).
std::unique_ptr<GameState> CreateGameState(int id);
