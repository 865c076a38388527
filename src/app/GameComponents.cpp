#include "app/GameComponents.h"

#include "gameplay/CheckPoint.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "gameplay/Ground.h"
#include "gameplay/Hud.h"
#include "gameplay/Label.h"
#include "gameplay/LifeComponent.h"
#include "gameplay/RaceLineSystem.h"
#include "gameplay/RaceNode.h"
#include "gameplay/Spawner.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Light.h"
#include "graphics/MeshRenderer.h"
#include "objects/Factory.h"
#include "objects/Property.h"
#include "objects/Transform.h"
#include "particles/DecoratorComp.h"
#include "particles/ParticleComponent.h"
#include "physics/Collider.h"
#include "physics/PhysicsSystem.h"
#include "physics/RigidBody.h"
#include "physics/Spin.h"
#include "script/Script.h"
#include "sound/SoundSystem.h"
#include "text/TextComponent.h"
#include "text/TextSystem.h"

void GameComponents::ConstructDrivers() const
{
    GraphicsSystem::Instance();
    PhysicsSystem::Instance();
    TextSystem::Instance();
    SoundSystem::Instance();
    CheckPointSystem::Instance();
    RaceLineSystem::Instance();
}

void GameComponents::RegisterCreators(Factory& factory) const
{
    RegisterObjectComponents(factory);
    RegisterPhysicsComponents(factory);
    RegisterGraphicsComponents(factory);
    RegisterGameplayComponents(factory);
    RegisterParticleComponents(factory);
    RegisterScriptComponents(factory);
}

void GameComponents::RegisterObjectComponents(Factory& factory)
{
    factory.RegisterComponent<Transform>(ComponentType::Transform);
    factory.RegisterComponent<Property>(ComponentType::Property);
}

void GameComponents::RegisterPhysicsComponents(Factory& factory)
{
    factory.RegisterComponent<RigidBody>(ComponentType::RigidBody);
    factory.RegisterComponent<Collider>(ComponentType::Collider);
    factory.RegisterComponent<Spin>(ComponentType::Spin);
}

void GameComponents::RegisterGraphicsComponents(Factory& factory)
{
    factory.RegisterComponent<MeshRenderer>(ComponentType::MeshRenderer);
    factory.RegisterComponent<Camera>(ComponentType::Camera);
    factory.RegisterComponent<Light>(ComponentType::Light);
    factory.RegisterComponent<TextComponent>(ComponentType::TextComponent);
}

void GameComponents::RegisterGameplayComponents(Factory& factory)
{
    factory.RegisterComponent<Ground>(ComponentType::Ground);
    factory.RegisterComponent<Spawner>(ComponentType::Spawner);
    factory.RegisterComponent<LifeComponent>(ComponentType::LifeComponent);
    factory.RegisterComponent<CheckPoint>(ComponentType::CheckPoint);
    factory.RegisterComponent<Hud>(ComponentType::Hud);
    factory.RegisterComponent<Label>(ComponentType::Label);
    factory.RegisterComponent<Controller>(ComponentType::Controller);
    factory.RegisterComponent<RaceNode>(ComponentType::RaceNode);
}

void GameComponents::RegisterParticleComponents(Factory& factory)
{
    factory.RegisterComponent<DecoratorComp>(ComponentType::DecoratorComp);
    factory.RegisterComponent<ParticleComponent>(ComponentType::ParticleComponent);
}

void GameComponents::RegisterScriptComponents(Factory& factory)
{
    factory.RegisterComponent<Script>(ComponentType::Script);
}
