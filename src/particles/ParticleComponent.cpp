#include "particles/ParticleComponent.h"

#include "core/Engine.h"
#include "core/TweakBar.h"
#include "objects/FieldList.h"
#include "particles/ParticleRenderer.h"

#include <cstdio>

ParticleComponent::ParticleComponent() : Component(ComponentType::ParticleComponent) {}

ParticleComponent::~ParticleComponent()
{
    // The renderer must never keep a component whose owner is gone.
    if (m_registered)
        ParticleRenderer::Instance().RemoveParticleComponent(this);
}

ParticleEmitter* ParticleComponent::FindEffect(const std::string& name) const
{
    for (const std::unique_ptr<ParticleEmitter>& effect : m_effects)
        if (effect->Name() == name)
            return effect.get();
    return nullptr;
}

bool ParticleComponent::LoadEffect(const std::string& name)
{
    if (FindEffect(name))
        return false;
    auto effect = std::make_unique<ParticleEmitter>(name);
    return effect->LoadFile() && AddEffect(std::move(effect));
}

bool ParticleComponent::AddEffect(std::unique_ptr<ParticleEmitter> effect)
{
    if (!effect || FindEffect(effect->Name()))
        return false;
    if (m_registered)
        effect->Initialize(*this, GetOwner());
    m_effects.push_back(std::move(effect));
    return true;
}

bool ParticleComponent::SetEffectActive(const std::string& name, bool active)
{
    ParticleEmitter* effect = FindEffect(name);
    if (effect)
        effect->SetActive(active);
    return effect != nullptr;
}

void ParticleComponent::SetAllEffectsActive(bool active)
{
    for (const std::unique_ptr<ParticleEmitter>& effect : m_effects)
        effect->SetActive(active);
}

bool ParticleComponent::SpawnEffectNow(const std::string& name)
{
    ParticleEmitter* effect = FindEffect(name);
    if (!effect)
        return false;
    effect->Clear();
    effect->Spawn(effect->MaxParticles());
    return true;
}

bool ParticleComponent::ChangeEffectColor(const std::string& name, const Vector4& start,
                                          const Vector4& middle, const Vector4& end)
{
    ParticleEmitter* effect = FindEffect(name);
    ParticleDecorator* colour = effect ? effect->FindDecorator(kColorBehaviourType) : nullptr;
    if (!colour)
        return false;
    // The colour behaviour takes its three colours through its own field reader, so no other
    // setter has to be kept in step with its field names.
    XmlFile scratch;
    XmlElement* element = scratch.CreateRoot("Decorator");
    scratch.WriteValue(element, start, "m_startColor");
    scratch.WriteValue(element, middle, "m_middleColor");
    scratch.WriteValue(element, end, "m_endColor");
    colour->Deserialize(element);
    return true;
}

void ParticleComponent::Initialize()
{
    for (const std::unique_ptr<ParticleEmitter>& effect : m_effects)
        effect->Initialize(*this, GetOwner());
    if (!m_registered)
        ParticleRenderer::Instance().AddParticleComponent(this);
    m_registered = true;
}

bool ParticleComponent::Update()
{
    if (m_effects.empty())
        return false;
    const float dt = Engine::CurrentDeltaTime();
    for (const std::unique_ptr<ParticleEmitter>& effect : m_effects)
        effect->Update(dt);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Files and the panel

const ComponentFields* ParticleComponent::Fields() const
{
    static const ComponentFieldList<ParticleComponent> fields = []
    {
        ComponentFieldList<ParticleComponent> list(ComponentType::ParticleComponent);
        list.AddCustom("effect", "string", "effect name")
            .ReadWith([](ParticleComponent& comp, const XmlElement* element) { comp.ReadEffects(element); })
            .WriteWith([](const ParticleComponent& comp, XmlFile& file, XmlElement* element, bool)
                       { comp.WriteEffects(file, element); })
            .CloneWith(
                [](const ParticleComponent& from, ParticleComponent& to)
                {
                    for (const std::unique_ptr<ParticleEmitter>& effect : from.m_effects)
                        if (to.LoadEffect(effect->Name()))
                            to.m_effects.back()->SetActive(effect->IsActive());
                })
            .TextWith(
                [](const ParticleComponent& comp)
                {
                    std::string text;
                    for (const std::unique_ptr<ParticleEmitter>& effect : comp.m_effects)
                        text.append(text.empty() ? "" : ", ")
                            .append(effect->Name())
                            .append(effect->IsActive() ? "" : " (inactive)");
                    return text;
                });
        return list;
    }();
    return &fields;
}

void ParticleComponent::ReadEffects(const XmlElement* element)
{
    for (const XmlElement* child = element ? element->FirstChildElement() : nullptr; child;
         child = child->NextSiblingElement())
    {
        std::string name;
        XmlFile::ReadValue(name, child);
        if (name.empty() || !LoadEffect(name))
            continue;
        if (const XmlElement* state = child->FirstChildElement())
        {
            bool active = m_effects.back()->IsActive();
            XmlFile::ReadValue(active, state);
            m_effects.back()->SetActive(active);
        }
    }
}

void ParticleComponent::WriteEffects(XmlFile& file, XmlElement* element) const
{
    for (const std::unique_ptr<ParticleEmitter>& effect : m_effects)
    {
        file.WriteValue(element, effect->Name(), "effect");
        file.WriteValue(element->LastChildElement(), effect->IsActive(), "activeState");
    }
}

void ParticleComponent::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    for (const std::unique_ptr<ParticleEmitter>& effect : m_effects)
        AddEffectToTweakBar(bar, *effect);
}

void ParticleComponent::AddEffectToTweakBar(TweakBar& bar, ParticleEmitter& effect) const
{
    const std::string group = std::string(GetTypeName()) + "/" + effect.Name();
    effect.AddToTweakBar(bar, group);
    for (const std::unique_ptr<ParticleDecorator>& decorator : effect.Decorators())
        decorator->AddToTweakBar(bar, group);
}
