#include "core/FileSearch.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool MatchFrom(const char* name, const char* pattern)
{
    for (; *pattern; ++pattern)
    {
        if (*pattern == '*')
        {
            for (const char* rest = name;; ++rest)
            {
                if (MatchFrom(rest, pattern + 1))
                    return true;
                if (!*rest)
                    return false;
            }
        }
        if (!*name || (*pattern != '?' && Lower(*pattern) != Lower(*name)))
            return false;
        ++name;
    }
    return !*name;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}
} // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern)
{
    return MatchFrom(name.c_str(), pattern.c_str());
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), error);
    if (error)
    {
        std::printf("FindFirstFile failed (%d)\n", error.value());
        return names;
    }
    for (const fs::directory_entry& entry : it)
    {
        std::error_code statusError;
        if (entry.is_directory(statusError))
            continue;
        std::string name = entry.path().filename().string();
        if (MatchesPattern(name, pattern))
            names.push_back(std::move(name));
    }
    return names;
}

SplitPathResult SplitPath(const std::string& path)
{
    SplitPathResult result;
    result.path.reserve(path.size());
    for (char c : path)
        result.path.push_back(c == '\\' ? '/' : Lower(c));

    const size_t slash = result.path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = result.path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        dot = result.path.size();

    result.folder = result.path.substr(0, nameStart);
    result.stem = result.path.substr(nameStart, dot - nameStart);
    result.extension = result.path.substr(dot);
    return result;
}

void ReplaceWithStems(std::vector<std::string>& names)
{
    for (std::string& name : names)
        name = SplitPath(name).stem;
}

std::string ResolveFileCase(const std::string& path)
{
    std::error_code error;
    if (fs::exists(path, error))
        return path;
    const fs::path wanted(path);
    const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    const std::string fileName = wanted.filename().string();
    fs::directory_iterator it(folder, error);
    if (error)
        return path;
    for (const fs::directory_entry& entry : it)
    {
        if (EqualIgnoringCase(entry.path().filename().string(), fileName))
            return (wanted.has_parent_path() ? folder / entry.path().filename() : entry.path().filename())
                .string();
    }
    return path;
}
