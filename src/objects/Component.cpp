#include "objects/Component.h"

#include "objects/FieldSet.h"

std::unique_ptr<Component> Component::Clone() const
{
    const ComponentFields* fields = Fields();
    return fields ? fields->Clone(*this) : std::make_unique<Component>();
}

void Component::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    if (const ComponentFields* fields = Fields())
        fields->Read(*this, element);
}

void Component::Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const
{
    if (const ComponentFields* fields = Fields())
        fields->Write(*this, file, parent, instanceOnly);
}

void Component::AddToTweakBar(TweakBar& bar, bool instanceOnly)
{
    if (const ComponentFields* fields = Fields())
        fields->Show(*this, bar, instanceOnly, GetTypeName());
}
