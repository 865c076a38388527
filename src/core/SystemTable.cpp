#include "core/SystemTable.h"

#include "core/Messaging.h"
#include "core/WindowManager.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/RaceLineSystem.h"
#include "graphics/GraphicsSystem.h"
#include "input/ActionList.h"
#include "input/InputSystem.h"
#include "input/XboxInputManager.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "states/GameStateManager.h"
#include "text/TextSystem.h"

const std::vector<std::pair<std::string, System*>>& AllSystems()
{
    static const std::vector<std::pair<std::string, System*>> table = {
        {"WindowManager", &WindowManager::Instance()},
        {"InputSystem", &InputSystem::Instance()},
        {"GraphicsSystem", &GraphicsSystem::Instance()},
        {"GameStateManager", &GameStateManager::Instance()},
        {"PhysicsSystem", &PhysicsSystem::Instance()},
        {"Messaging", &Messaging::Instance()},
        {"XboxInputManager", &XboxInputManager::Instance()},
        {"TextSystem", &TextSystem::Instance()},
        {"SoundSystem", &SoundSystem::Instance()},
        {"Factory", &Factory::Instance()},
        {"Logic", &Logic::Instance()},
        {"ActionList", &ActionList::Instance()},
        {"CheckPointSystem", &CheckPointSystem::Instance()},
        {"RaceLineSystem", &RaceLineSystem::Instance()},
    };
    return table;
}

std::map<std::string, System*> DefaultSystemsByName()
{
    std::map<std::string, System*> byName;
    for (const auto& [name, system] : AllSystems())
        byName.emplace(name, system);
    return byName;
}
