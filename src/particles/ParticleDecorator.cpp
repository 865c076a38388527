#include "particles/ParticleDecorator.h"

std::unique_ptr<ParticleDecorator> ParticleDecorator::Clone() const
{
    auto copy = Fields().Clone(*this);
    copy->SetType(m_type);
    return copy;
}

void ParticleDecorator::Deserialize(const XmlElement* element)
{
    Fields().Read(*this, element);
}

void ParticleDecorator::Serialize(XmlFile& file, XmlElement* parent) const
{
    Fields().Write(*this, file, parent, false);
}

void ParticleDecorator::AddToTweakBar(TweakBar& bar, const std::string& group)
{
    Fields().Show(*this, bar, false, group);
}
