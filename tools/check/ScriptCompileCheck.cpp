#include "check/ScriptCompileCheck.h"

#include "check/ContentTree.h"
#include "check/LuaGlobals.h"
#include "check/NameSuggestion.h"
#include "check/ProblemReport.h"
#include "script/ScriptHost.h"
#include "script/ScriptSandbox.h"

#include <lua.hpp>

#include <map>
#include <memory>
#include <regex>

namespace
{
using LuaPointer = std::unique_ptr<lua_State, decltype(&lua_close)>;

int OpenSandbox(lua_State* lua)
{
    ScriptSandbox::Open(lua);
    return 0;
}

std::set<std::string> SandboxGlobals()
{
    std::set<std::string> names;
    LuaPointer lua(luaL_newstate(), &lua_close);
    if (!lua || lua_cpcall(lua.get(), &OpenSandbox, nullptr) != 0)
        return names;
    lua_pushnil(lua.get());
    while (lua_next(lua.get(), LUA_GLOBALSINDEX) != 0)
    {
        lua_pop(lua.get(), 1);
        if (lua_type(lua.get(), -1) == LUA_TSTRING)
            names.insert(lua_tostring(lua.get(), -1));
    }
    return names;
}
} // namespace

ScriptCompileCheck::ScriptCompileCheck() : m_startNames(SandboxGlobals())
{
    ScriptHost host;
    host.AddLibrary();
    for (const auto& [name, function] : host.Functions())
        m_engineFunctions.insert(name);
    m_startNames.insert(m_engineFunctions.begin(), m_engineFunctions.end());
}

void ScriptCompileCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const std::string& file : tree.Scripts())
        CheckFile(tree.ScriptPath(file), report);
}

void ScriptCompileCheck::CheckFile(const std::string& path, ProblemReport& report) const
{
    LuaPointer lua(luaL_newstate(), &lua_close);
    if (!lua)
        return;
    switch (ScriptSandbox::LoadFile(lua.get(), path))
    {
    case ChunkLoad::Precompiled:
        report.Problem(path, 0, "is precompiled Lua bytecode, which the game refuses; ship the .lua source");
        return;
    case ChunkLoad::Failed:
        ReportLoadError(path, lua_tostring(lua.get(), -1) ? lua_tostring(lua.get(), -1) : "", report);
        return;
    case ChunkLoad::Loaded:
        CheckGlobals(lua.get(), path, report);
        return;
    }
}

void ScriptCompileCheck::ReportLoadError(const std::string& path, const std::string& message,
                                         ProblemReport& report)
{
    // Lua puts "chunk:line: " in front, and shortens a long chunk name, so only the line is taken.
    std::smatch parts;
    static const std::regex kLocated(":([0-9]+): (.*)$");
    if (std::regex_search(message, parts, kLocated))
        report.Problem(path, std::stoi(parts[1].str()),
                       "does not compile: " + parts[2].str() +
                           "; the game reports it and never runs the script");
    else
        report.Problem(path, 0, "cannot be loaded: " + message);
}

void ScriptCompileCheck::CheckGlobals(lua_State* lua, const std::string& path, ProblemReport& report) const
{
    const std::optional<std::vector<GlobalUse>> uses = ListGlobals(lua);
    if (!uses)
        return;
    std::set<std::string> assigned;
    for (const GlobalUse& use : *uses)
        if (use.assigned)
            assigned.insert(use.name);
    if (!assigned.contains("RunScript"))
        report.Warning(path, 0,
                       "defines no function RunScript, so attached to an object it does nothing each frame");
    ReportUndefined(*uses, assigned, path, report);
}

void ScriptCompileCheck::ReportUndefined(const std::vector<GlobalUse>& uses,
                                         const std::set<std::string>& assigned, const std::string& path,
                                         ProblemReport& report) const
{
    // A warning, not a problem: another script can set this state's globals with SetLuaVar.
    const std::vector<std::string> engine(m_engineFunctions.begin(), m_engineFunctions.end());
    std::set<std::string> said;
    for (const GlobalUse& use : uses)
        if (!use.assigned && !m_startNames.contains(use.name) && !assigned.contains(use.name) &&
            said.insert(use.name).second)
            report.Warning(path, use.line,
                           "'" + use.name +
                               "' is neither an engine function nor set by this script; calling it stops "
                               "RunScript with an error" +
                               DidYouMean(use.name, engine));
}
