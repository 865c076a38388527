#include "particles/Decorator.h"

#include "core/TweakBar.h"
#include "gameplay/LifeComponent.h"
#include "math/GameConstants.h"
#include "math/Random.h"
#include "objects/FieldList.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

#include <algorithm>

namespace
{
constexpr const char* kScaleGroup = "ScaleDec";
constexpr const char* kLifeGroup = "LifeDec";
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

void LifeCompDecorator::Initialize(GameObject& owner)
{
    auto* life = owner.Get<LifeComponent>(ComponentType::LifeComponent);
    if (life && m_lifeMin >= kEpsilon && m_lifeMax >= kEpsilon)
        life->SetLifeTime(RandomRangeFine(m_lifeMin, m_lifeMax));
}

std::unique_ptr<Decorator> Decorator::Clone() const
{
    return Fields().Clone(*this);
}

void Decorator::Deserialize(const XmlElement* element)
{
    Fields().Read(*this, element);
}

void Decorator::Serialize(XmlFile& file, XmlElement* parent) const
{
    Fields().Write(*this, file, parent, false);
}

void Decorator::AddToTweakBar(TweakBar& bar)
{
    Fields().Show(*this, bar, false, "");
}

const FieldSet<Decorator>& ScaleDecorator::Fields() const
{
    static const FieldList<ScaleDecorator, Decorator> fields = []
    {
        FieldList<ScaleDecorator, Decorator> list("DT_Scale");
        list.Add("randSacle", &ScaleDecorator::m_randomScale).ByPosition().Panel("RandomScale");
        list.Add("scaleOverLife", &ScaleDecorator::m_scaleOverLife).ByPosition().Panel("ScaleOverLife");
        list.Add("scaleMin", &ScaleDecorator::m_scaleMin).ByPosition().Panel("ScaleMin");
        list.Add("scaleMax", &ScaleDecorator::m_scaleMax).ByPosition().Panel("ScaleMax");
        return list.Group(kScaleGroup).ElementValue(std::to_string(kKind));
    }();
    return fields;
}

const FieldSet<Decorator>& LifeCompDecorator::Fields() const
{
    static const FieldList<LifeCompDecorator, Decorator> fields = []
    {
        FieldList<LifeCompDecorator, Decorator> list("DT_Life");
        list.Add("lifeMin", &LifeCompDecorator::m_lifeMin).ByPosition().Panel("lifeMin");
        list.Add("lifeMax", &LifeCompDecorator::m_lifeMax).ByPosition().Panel("lifeMax");
        return list.Group(kLifeGroup).ElementValue(std::to_string(kKind));
    }();
    return fields;
}

void ScaleDecorator::RemoveFromTweakBar(TweakBar& bar)
{
    bar.RemoveGroup(kScaleGroup);
}

void LifeCompDecorator::RemoveFromTweakBar(TweakBar& bar)
{
    bar.RemoveGroup(kLifeGroup);
}
