#include "objects/Property.h"

#include "core/TweakBar.h"
#include "objects/FieldList.h"
#include "objects/Logic.h"

namespace
{
std::vector<std::string> TagNames()
{
    std::vector<std::string> names;
    for (int tag = 0; tag < kObjectTagCount; ++tag)
        names.emplace_back(ObjectTagName(static_cast<ObjectTag>(tag)));
    return names;
}
} // namespace

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

const ComponentFields* Property::Fields() const
{
    static const ComponentFieldList<Property> fields = []
    {
        ComponentFieldList<Property> list(ComponentType::Property);
        // An unknown name gives the invalid tag, which is never indexed.
        list.AddNamed(
                "Tag", &Property::m_tag, "ObjectTag name",
                [](ObjectTag tag) { return std::string(ObjectTagName(tag)); },
                [](ObjectTag& tag, const std::string& name) { tag = Logic::Instance().GetTagIndex(name); },
                TagNames)
            .ByPosition()
            .Written(FieldScope::ArchetypeOnly)
            .Panel("Tag")
            .ShownWhen(FieldScope::ArchetypeOnly);
        return list.OmitWhenInstance();
    }();
    return &fields;
}
