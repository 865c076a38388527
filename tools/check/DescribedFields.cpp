#include "check/DescribedFields.h"

#include "check/GameCreators.h"
#include "objects/ComponentDescriptions.h"
#include "objects/FieldSet.h"

namespace
{
std::vector<const FieldDescription*> RegisteredComponents()
{
    RegisterGameCreators();
    std::vector<const FieldDescription*> components;
    for (const auto& [type, fields] : ComponentDescriptions::All())
        components.push_back(fields);
    return components;
}
} // namespace

DescribedFields::DescribedFields() : DescribedFields(RegisteredComponents()) {}

DescribedFields::DescribedFields(const std::vector<const FieldDescription*>& components)
{
    for (const FieldDescription* component : components)
        AddGroup(component->ElementName(), *component);
}

bool DescribedFields::InFiles(const FieldInfo& info)
{
    return !info.panelOnly && (info.read != FieldRead::Never || info.written != FieldScope::Never);
}

std::optional<std::set<std::string>> DescribedFields::FieldsOf(const std::string& component) const
{
    const auto found = m_groups.find(component);
    if (found == m_groups.end())
        return std::nullopt;
    return found->second;
}

void DescribedFields::AddGroup(const std::string& key, const FieldDescription& fields)
{
    std::set<std::string> names;
    bool everyChildIsAnItem = false;
    for (const FieldInfo& info : fields.Describe())
    {
        if (!InFiles(info))
            continue;
        switch (info.read)
        {
        case FieldRead::EveryChild:
            everyChildIsAnItem = true;
            break;
        case FieldRead::ChildrenOf:
            // Every child of the container is an item whatever its name, so only the container
            // itself is a name to check.
            names.insert(info.container);
            break;
        case FieldRead::Nested:
        case FieldRead::Custom:
            // A custom hook without described parts reads the element as it likes.
            everyChildIsAnItem |= info.nested.empty();
            for (const FieldDescription* part : info.nested)
                AddPart(key, *part, names);
            break;
        default:
            names.insert(info.name);
        }
    }
    if (!everyChildIsAnItem)
        m_groups[key] = std::move(names);
}

void DescribedFields::AddPart(const std::string& key, const FieldDescription& part,
                              std::set<std::string>& names)
{
    names.insert(part.ElementName());
    AddGroup(key + "/" + part.ElementName(), part);
}
