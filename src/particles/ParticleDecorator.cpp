#include "particles/ParticleDecorator.h"

#include "particles/ParticleDecoratorTable.h"

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
    // The name goes first, as in effect files: it is what selects the behaviour when read back.
    XmlElement* element = parent->LastChildElement();
    file.WriteValue(element, Name(), "name");
    element->InsertFirstChild(element->LastChildElement());
}

std::string ParticleDecorator::Name() const
{
    return ParticleDecoratorTable::NameOf(static_cast<int>(m_type));
}

void ParticleDecorator::AddToTweakBar(TweakBar& bar, const std::string& group)
{
    Fields().Show(*this, bar, false, group);
}
