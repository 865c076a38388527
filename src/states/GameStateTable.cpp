#include "states/GameStateTable.h"

#include "states/AreYouSure.h"
#include "states/Credits.h"
#include "states/GameStateId.h"
#include "states/HowToPlay.h"
#include "states/Level1.h"
#include "states/LevelSelectMenu.h"
#include "states/MainMenu.h"
#include "states/Options.h"
#include "states/PauseMenu.h"
#include "states/ResultScreen.h"
#include "states/Tutorial.h"

std::unique_ptr<GameState> CreateGameState(int id)
{
    // Screens join this table as they are built.
    switch (id)
    {
    case GameStateId::kMainMenu:
        return std::make_unique<MainMenu>();
    case GameStateId::kLevel1:
        return std::make_unique<Level1>();
    case GameStateId::kPauseMenu:
        return std::make_unique<PauseMenu>();
    case GameStateId::kAreYouSure:
        return std::make_unique<AreYouSure>();
    case GameStateId::kOptions:
        return std::make_unique<Options>();
    case GameStateId::kCredits:
        return std::make_unique<Credits>();
    case GameStateId::kHowToPlay:
        return std::make_unique<HowToPlay>();
    case GameStateId::kLevelSelect:
        return std::make_unique<LevelSelectMenu>();
    case GameStateId::kResultScreen:
        return std::make_unique<ResultScreen>();
    case GameStateId::kTutorial:
        return std::make_unique<Tutorial>();
    default:
        return nullptr;
    }
}
