#include "gameplay/LifeComponent.h"

#include "core/TweakBar.h"
#include "gameplay/Spawner.h"
#include "objects/Factory.h"
#include "objects/FieldList.h"
#include "objects/Logic.h"

LifeComponent::LifeComponent() : Component(ComponentType::LifeComponent)
{
    SetLifeTime(m_lifeTime);
}

LifeComponent::~LifeComponent()
{
    if (m_registered)
        Logic::Instance().UnregisterLife(this);
}

void LifeComponent::SetLifeTime(float seconds)
{
    m_lifeTime = seconds;
    m_countdown.SetDuration(seconds);
    m_countdown.Resume();
}

void LifeComponent::Initialize()
{
    Logic::Instance().RegisterLife(this);
    m_registered = true;
}

bool LifeComponent::Update()
{
    m_countdown.Update();
    GameObject* owner = GetOwner();
    if (!owner || !(m_lifeTime > 0.0f) || !m_countdown.IsFinished() || owner->IsDead())
        return true;
    RequestDestruction();
    return true;
}

void LifeComponent::RequestDestruction()
{
    GameObject* owner = GetOwner();
    if (!owner)
        return;
    Factory& factory = Factory::Instance();
    if (GameObject* parent = factory.FindObject(static_cast<unsigned>(owner->GetSpawnerID())))
        if (auto* spawner = parent->Get<Spawner>(ComponentType::Spawner))
            spawner->ClearLastSpawned();
    factory.DestroyObject(owner->GetID());
}

const ComponentFields* LifeComponent::Fields() const
{
    static const ComponentFieldList<LifeComponent> fields = []
    {
        ComponentFieldList<LifeComponent> list(ComponentType::LifeComponent);
        const auto setLifeTime = [](LifeComponent& life, float seconds) { life.SetLifeTime(seconds); };
        list.Add("lifeTime", &LifeComponent::m_lifeTime)
            .ByPosition()
            .ReadWith(setLifeTime)
            .ApplyEvenWhenMissing()
            .CloneWith([](const LifeComponent& from, LifeComponent& to) { to.SetLifeTime(from.m_lifeTime); })
            .Panel("lifeTime")
            .PanelSetter(setLifeTime);
        return list;
    }();
    return &fields;
}
