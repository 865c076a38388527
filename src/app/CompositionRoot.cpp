#include "app/CompositionRoot.h"

#include "app/GameComponents.h"
#include "app/LoadingContent.h"
#include "app/PhysicsDebugShapes.h"
#include "app/StateManagerFlow.h"
#include "app/TextDrawing.h"
#include "app/WindowRouter.h"
#include "core/Engine.h"
#include "core/Messaging.h"
#include "core/SystemTable.h"
#include "core/WindowManager.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/ParticleCue.h"
#include "gameplay/RaceLineSystem.h"
#include "gameplay/WorldHash.h"
#include "graphics/GraphicsSystem.h"
#include "input/ActionList.h"
#include "input/InputRecorder.h"
#include "input/InputSystem.h"
#include "input/XboxInputManager.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/XmlNameLists.h"
#include "particles/ParticleComponent.h"
#include "particles/ParticleRenderer.h"
#include "physics/PhysicsSystem.h"
#include "script/ScriptHost.h"
#include "sound/SoundSystem.h"
#include "states/GameSettings.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "text/TextSystem.h"

namespace
{
SystemList BuildSystemTable()
{
    // The order of this table is the order of first construction, as the game has always had it.
    return {
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
}

LogicLinks BuildLogicLinks()
{
    LogicLinks links;
    links.isKeyTriggered = [](int key) { return InputSystem::Instance().IsKeyTriggered(key); };
    links.toggleFullscreen = []
    {
        GraphicsSystem::Instance().ToggleFullscreen();
        GameSettings::Instance().SetFullscreen(GraphicsSystem::Instance().IsFullscreen());
    };
    links.makeScriptHost = [] { return std::make_shared<ScriptHost>(); };
    links.setUpScriptHost = [](ScriptHost& host) { host.RegisterFunctions(); };
    return links;
}

void PlayParticleCue(GameObject& object, const std::string& effect)
{
    auto* particles = object.Get<ParticleComponent>(ComponentType::ParticleComponent);
    if (!particles)
        return;
    particles->LoadEffect(effect);
    particles->SpawnEffectNow(effect);
}

bool TutorialIsShowing()
{
    return GameStateManager::Instance().GetGameState() == GameStateId::kTutorial;
}
} // namespace

void CompositionRoot::Compose()
{
    // Constructed here, before any system, so they are destroyed after every system at exit.
    static const GameComponents components;
    static StateManagerFlow flow;
    static LoadingContent loading;
    static WindowRouter router;
    static PhysicsDebugShapes shapes;
    static TextDrawing texts;
    static bool composed = false;
    if (composed)
        return;
    composed = true;

    SetSystemTableBuilder(BuildSystemTable);
    Factory::SetCatalog(&components);
    Logic::SetLinks(BuildLogicLinks());
    Engine::SetHooks({XmlNameLists::Read, &flow, &loading});
    WindowManager::SetListener(&router);
    PhysicsSystem::SetDebugDraw(&shapes);
    GraphicsSystem::SetScreenHidesHuds(TutorialIsShowing);
    GraphicsSystem::SetTextDrawer(&texts);
    GraphicsSystem::SetParticleDrawer(&ParticleRenderer::Instance());
    ParticleCue::SetPlayer(PlayParticleCue);
    SoundSystem::SetPausedQuery([] { return GameStateManager::Instance().IsPaused(); });
    InputRecorder::SetWorldHasher(WorldHash::Compute);
}
