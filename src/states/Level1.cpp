#include "states/Level1.h"

#include "core/EngineGlobals.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "gameplay/RaceLineSystem.h"
#include "graphics/GraphicsSystem.h"
#include "math/Random.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "states/ElementLook.h"
#include "states/GameStateId.h"
#include "states/RaceRecording.h"

std::string Level1::LevelNameFor(int trackIndex)
{
    const int count = static_cast<int>(displayTrackNames.size());
    if (count >= 2 && trackIndex == count - 1)
        trackIndex = RandomInt(0, count - 2);
    auto found = realTrackNames.find(trackIndex);
    return found == realTrackNames.end() ? "watertrack" : found->second;
}

void Level1::Enter()
{
    SetId(GameStateId::kLevel1);
    const std::string track = LevelNameFor(Logic::Instance().ChosenTrackIndex());
    // Seeded and recording before the scene loads: its scripts may already draw random numbers.
    RaceRecording::Instance().RaceStarts(track);
    LoadRaceScene(track);
}

void Level1::LoadRaceScene(const std::string& scene)
{
    Factory& factory = Factory::Instance();
    factory.DestroyList(0);
    factory.LoadScene(scene);
    GraphicsSystem::Instance().SetSplitScreen(true);
    // The gates and race line drive the scripts' lap count and the respawn.
    CheckPointSystem::Instance().StartRace();
    RaceLineSystem::Instance().Initialize();
    for (Component* component : Logic::Instance().Controllers())
    {
        auto* controller = static_cast<Controller*>(component);
        const int element = Logic::Instance().GetPlayerChoice(controller->GetPlayerIndex()).element;
        controller->SetElement(element);
        if (GameObject* ball = controller->GetOwner())
            ElementLook::Apply(*ball, element);
    }
}

void Level1::Update()
{
    m_pause.Update();
}

void Level1::Exit()
{
    RaceRecording::Instance().RaceEnds();
    Factory::Instance().DestroyList(0);
}
