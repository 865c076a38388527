#include "core/TweakBar.h"

std::string TweakEntry::Group() const
{
    const std::string key = "group=";
    const size_t at = definition.find(key);
    if (at == std::string::npos)
        return {};
    size_t begin = at + key.size();
    if (begin < definition.size() && definition[begin] == '\'')
    {
        const size_t end = definition.find('\'', begin + 1);
        return definition.substr(begin + 1, end == std::string::npos ? std::string::npos : end - begin - 1);
    }
    const size_t end = definition.find(' ', begin);
    return definition.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

void TweakBar::AddVarRW(const std::string& name, TweakType type, void* data, const std::string& definition)
{
    m_entries.push_back({TweakAccess::ReadWrite, name, definition, type, data, {}, {}, {}, {}});
}

void TweakBar::AddVarRO(const std::string& name, TweakType type, const void* data,
                        const std::string& definition)
{
    // The panel never writes through a read-only entry.
    m_entries.push_back(
        {TweakAccess::ReadOnly, name, definition, type, const_cast<void*>(data), {}, {}, {}, {}});
}

void TweakBar::AddVarCB(const std::string& name, TweakType type, std::function<void(const void*)> setter,
                        std::function<void(void*)> getter, const std::string& definition)
{
    m_entries.push_back({TweakAccess::Callback,
                         name,
                         definition,
                         type,
                         nullptr,
                         std::move(getter),
                         std::move(setter),
                         {},
                         {}});
}

void TweakBar::AddEnum(const std::string& name, int* data, std::vector<std::string> names,
                       const std::string& definition)
{
    m_entries.push_back(
        {TweakAccess::ReadWrite, name, definition, TweakType::Enum, data, {}, {}, {}, std::move(names)});
}

void TweakBar::AddButton(const std::string& name, std::function<void()> onClick,
                         const std::string& definition)
{
    m_entries.push_back(
        {TweakAccess::Button, name, definition, TweakType::Bool, nullptr, {}, {}, std::move(onClick), {}});
}

void TweakBar::AddSeparator(const std::string& name, const std::string& definition)
{
    m_entries.push_back({TweakAccess::Separator, name, definition, TweakType::Bool, nullptr, {}, {}, {}, {}});
}

void TweakBar::RemoveGroup(const std::string& group)
{
    for (TweakEntry& entry : m_entries)
        if (entry.Group() == group)
            entry.removed = true;
}

void TweakBar::KeepUntilClear(std::shared_ptr<void> object)
{
    m_kept.push_back(std::move(object));
}

const TweakEntry* TweakBar::Find(const std::string& name) const
{
    for (const TweakEntry& entry : m_entries)
        if (entry.name == name && !entry.removed)
            return &entry;
    return nullptr;
}

void TweakBar::Clear()
{
    // Entries first: their callbacks may point into what is kept.
    m_entries.clear();
    m_kept.clear();
}
