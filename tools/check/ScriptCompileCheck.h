#pragma once

#include "check/Check.h"

#include <set>
#include <string>
#include <vector>

struct lua_State;
struct GlobalUse;

/// Scripts that do not compile (loaded as the game loads them, never run), and in those that do,
/// globals that nothing defines (a misspelt engine function stops RunScript with an error) and a
/// missing RunScript.
class ScriptCompileCheck final : public Check
{
  public:
    /// Learns the names every script state starts with: the engine's functions and the sandbox.
    ScriptCompileCheck();
    const char* Name() const override { return "scripts"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    void CheckFile(const std::string& path, ProblemReport& report) const;
    static void ReportLoadError(const std::string& path, const std::string& message, ProblemReport& report);
    void CheckGlobals(lua_State* lua, const std::string& path, ProblemReport& report) const;
    void ReportUndefined(const std::vector<GlobalUse>& uses, const std::set<std::string>& assigned,
                         const std::string& path, ProblemReport& report) const;

    std::set<std::string> m_startNames;
    std::set<std::string> m_engineFunctions;
};
