#include "states/ShowScene.h"

#include "gameplay/Controller.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/MeshRenderer.h"
#include "objects/Factory.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"
#include "particles/ParticleComponent.h"

#include <cstdio>

void ShowScene::Load(const std::string& name)
{
    Factory& factory = Factory::Instance();
    factory.DestroyList(0);
    factory.LoadScene(name);
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    GameObject* cameraObject = Logic::Instance().GetObjectByTag(ObjectTag::CameraObj);
    Component* camera = cameraObject ? cameraObject->GetComponent(ComponentType::Camera) : nullptr;
    if (!camera)
        std::printf("Scene '%s' has no camera object (tag CameraObj with a Camera); nothing is seen\n",
                    name.c_str());
    graphics.SetActiveCamera(static_cast<Camera*>(camera));
    graphics.SetSplitScreen(false);
}

std::array<GameObject*, 4> ShowScene::Balls()
{
    std::array<GameObject*, 4> balls{};
    for (Component* component : Logic::Instance().Controllers())
    {
        const int player = static_cast<Controller*>(component)->GetPlayerIndex();
        if (player >= 0 && player < static_cast<int>(balls.size()) && !balls[static_cast<size_t>(player)])
            balls[static_cast<size_t>(player)] = component->GetOwner();
    }
    return balls;
}

void ShowScene::SetShown(GameObject* ball, bool shown)
{
    if (!ball)
        return;
    if (auto* mesh = ball->Get<MeshRenderer>(ComponentType::MeshRenderer))
        mesh->SetVisible(shown);
    auto* particles = ball->Get<ParticleComponent>(ComponentType::ParticleComponent);
    if (particles && !shown)
        particles->SetAllEffectsActive(false);
}
