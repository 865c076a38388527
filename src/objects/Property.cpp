#include "objects/Property.h"

#include "core/TweakBar.h"
#include "objects/Logic.h"

Property::~Property()
{
    if (m_registered)
        Logic::Instance().UnregisterTagged(this);
}

void Property::Initialize()
{
    Logic::Instance().RegisterTagged(this);
    m_registered = true;
}

std::unique_ptr<Component> Property::Clone() const
{
    auto copy = std::make_unique<Property>();
    copy->m_tag = m_tag;
    return copy;
}

void Property::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    const XmlElement* field = element ? element->FirstChildElement() : nullptr;
    if (!field)
        return;
    std::string name;
    XmlFile::ReadValue(name, field);
    m_tag = Logic::Instance().GetTagIndex(name);
}

void Property::Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const
{
    if (instanceOnly)
        return;
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, std::string(ObjectTagName(m_tag)), "Tag");
}

void Property::AddToTweakBar(TweakBar& bar, bool instanceOnly)
{
    if (instanceOnly)
        return;
    std::vector<std::string> names;
    for (int tag = 0; tag < kObjectTagCount; ++tag)
        names.emplace_back(ObjectTagName(static_cast<ObjectTag>(tag)));
    bar.AddEnum("Tag", reinterpret_cast<int*>(&m_tag), std::move(names), TweakBar::GroupDefinition(GetTypeName()));
}
