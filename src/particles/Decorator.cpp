#include "particles/Decorator.h"

#include "core/TweakBar.h"
#include "gameplay/LifeComponent.h"
#include "math/GameConstants.h"
#include "math/Random.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

#include <algorithm>

namespace
{
constexpr const char* kScaleGroup = "ScaleDec";
constexpr const char* kLifeGroup = "LifeDec";

// Reads the element's children in order into the given fields, stopping where they run out.
template <typename... Fields> void ReadByPosition(const XmlElement* element, Fields&... fields)
{
    const XmlElement* child = element ? element->FirstChildElement() : nullptr;
    auto readOne = [&child](auto& field)
    {
        if (!child)
            return;
        XmlFile::ReadValue(field, child);
        child = child->NextSiblingElement();
    };
    (readOne(fields), ...);
}

XmlElement* AddKindElement(XmlFile& file, XmlElement* parent, const char* name, int kind)
{
    XmlElement* element = file.AddChildElement(parent, name);
    element->SetAttribute("value", kind);
    return element;
}
} // namespace

void ScaleDecorator::Initialize(GameObject& owner)
{
    auto* transform = owner.Get<Transform>(ComponentType::Transform);
    if (m_randomScale && transform)
        transform->SetScale(RandomRangeFine(m_scaleMin, m_scaleMax));
}

void ScaleDecorator::Update(GameObject& owner)
{
    auto* transform = owner.Get<Transform>(ComponentType::Transform);
    auto* life = owner.Get<LifeComponent>(ComponentType::LifeComponent);
    if (!m_scaleOverLife || !transform || !life)
        return;
    const float total = life->GetLifeTime();
    // A life of zero (or an endless one) would divide by zero: treat it as not yet begun.
    if (!(total > kEpsilon))
        return;
    const float t = std::clamp((total - life->GetTimeLeft()) / total, 0.0f, 1.0f);
    transform->SetScale((1.0f - t) * m_scaleMin + m_scaleMax * t);
}

void ScaleDecorator::Deserialize(const XmlElement* element)
{
    ReadByPosition(element, m_randomScale, m_scaleOverLife, m_scaleMin, m_scaleMax);
}

void ScaleDecorator::Serialize(XmlFile& file, XmlElement* parent) const
{
    XmlElement* element = AddKindElement(file, parent, "DT_Scale", Kind());
    file.WriteValue(element, m_randomScale, "randSacle");
    file.WriteValue(element, m_scaleOverLife, "scaleOverLife");
    file.WriteValue(element, m_scaleMin, "scaleMin");
    file.WriteValue(element, m_scaleMax, "scaleMax");
}

void ScaleDecorator::AddToTweakBar(TweakBar& bar)
{
    const std::string group = TweakBar::GroupDefinition(kScaleGroup);
    bar.AddVarRW("RandomScale", TweakType::Bool, &m_randomScale, group);
    bar.AddVarRW("ScaleOverLife", TweakType::Bool, &m_scaleOverLife, group);
    bar.AddVarRW("ScaleMin", TweakType::Float, &m_scaleMin, group);
    bar.AddVarRW("ScaleMax", TweakType::Float, &m_scaleMax, group);
}

void ScaleDecorator::RemoveFromTweakBar(TweakBar& bar)
{
    bar.RemoveGroup(kScaleGroup);
}

void LifeCompDecorator::Initialize(GameObject& owner)
{
    auto* life = owner.Get<LifeComponent>(ComponentType::LifeComponent);
    if (life && m_lifeMin >= kEpsilon && m_lifeMax >= kEpsilon)
        life->SetLifeTime(RandomRangeFine(m_lifeMin, m_lifeMax));
}

void LifeCompDecorator::Deserialize(const XmlElement* element)
{
    ReadByPosition(element, m_lifeMin, m_lifeMax);
}

void LifeCompDecorator::Serialize(XmlFile& file, XmlElement* parent) const
{
    XmlElement* element = AddKindElement(file, parent, "DT_Life", Kind());
    file.WriteValue(element, m_lifeMin, "lifeMin");
    file.WriteValue(element, m_lifeMax, "lifeMax");
}

void LifeCompDecorator::AddToTweakBar(TweakBar& bar)
{
    const std::string group = TweakBar::GroupDefinition(kLifeGroup);
    bar.AddVarRW("lifeMin", TweakType::Float, &m_lifeMin, group);
    bar.AddVarRW("lifeMax", TweakType::Float, &m_lifeMax, group);
}

void LifeCompDecorator::RemoveFromTweakBar(TweakBar& bar)
{
    bar.RemoveGroup(kLifeGroup);
}
