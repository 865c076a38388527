#include "core/SystemTable.h"

#include <optional>

namespace
{
std::function<SystemList()>& Builder()
{
    static std::function<SystemList()> builder;
    return builder;
}

std::optional<SystemList>& Table()
{
    static std::optional<SystemList> table;
    return table;
}
} // namespace

void SetSystemTableBuilder(std::function<SystemList()> builder)
{
    Builder() = std::move(builder);
    Table().reset();
}

const SystemList& AllSystems()
{
    static const SystemList none;
    std::optional<SystemList>& table = Table();
    if (!table && Builder())
        table = Builder()();
    return table ? *table : none;
}

std::map<std::string, System*> DefaultSystemsByName()
{
    std::map<std::string, System*> byName;
    for (const auto& [name, system] : AllSystems())
        byName.emplace(name, system);
    return byName;
}
