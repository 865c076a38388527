#include "gameplay/LifeComponent.h"

#include "core/TweakBar.h"
#include "gameplay/Spawner.h"
#include "objects/Factory.h"
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

std::unique_ptr<Component> LifeComponent::Clone() const
{
    auto copy = std::make_unique<LifeComponent>();
    copy->SetLifeTime(m_lifeTime);
    return copy;
}

void LifeComponent::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    float lifeTime = m_lifeTime;
    XmlFile::ReadValue(lifeTime, element ? element->FirstChildElement() : nullptr);
    SetLifeTime(lifeTime);
}

void LifeComponent::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    file.WriteValue(file.AddChildElement(parent, GetTypeName()), m_lifeTime, "lifeTime");
}

void LifeComponent::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    bar.AddVarCB(
        "lifeTime", TweakType::Float, [this](const void* v) { SetLifeTime(*static_cast<const float*>(v)); },
        [this](void* v) { *static_cast<float*>(v) = m_lifeTime; }, TweakBar::GroupDefinition(GetTypeName()));
}
