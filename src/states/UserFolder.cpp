#include "states/UserFolder.h"

#include <cstdlib>

namespace
{
std::filesystem::path FromVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}
} // namespace

std::filesystem::path UserFolder::Config()
{
    return Find("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path UserFolder::Data()
{
    return Find("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path UserFolder::Find(const char* variable, const char* belowHome)
{
    std::filesystem::path base = FromVariable(variable);
    if (base.empty())
    {
        const std::filesystem::path home = FromVariable("HOME");
        if (home.empty())
            return {};
        base = home / belowHome;
    }
    return base / "vantora";
}
