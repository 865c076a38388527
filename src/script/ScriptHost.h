#pragma once

#include "script/ScriptState.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

class GameObject;
struct lua_State;

/// One engine function offered to scripts under a fixed global name.
struct ScriptFunction
{
    const char* name;
    int (*function)(lua_State*);
};

/// How a guarded call of a script function ended.
enum class ScriptCallResult
{
    Done,    ///< ran, failed or was missing: in all three cases the game goes on as before
    Stopped, ///< broke its instruction budget or memory ceiling: the state must be switched off
};

/// Owns the script function library, the list of script files under res/scripts/ and one
/// start-up state per file, and makes and calls the per-object Lua states.
class ScriptHost
{
  public:
    using FunctionTable = std::map<std::string, int (*)(lua_State*)>;

    /// An empty function table; RegisterFunctions fills it.
    ScriptHost();
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    /// Fills the function table with every library family, then LoadAllScripts.
    void RegisterFunctions();
    /// Fills the function table with every library family, without loading any script.
    void AddLibrary();
    /// Adds one family of functions to the table (a later name replaces an earlier one).
    void AddFunctions(std::span<const ScriptFunction> family);
    /// Replaces the start-up states by one per "*.lua" file of res/scripts/.
    void LoadAllScripts();
    /// A new state in which the library is registered and the file has run; null (with the
    /// message printed) when the file fails to load or run.
    std::unique_ptr<ScriptState> CreateState(const std::string& fileName);
    /// Calls the global function `name` with `object` as its one argument; a missing function
    /// does nothing, a failing call is said once per state, and the state's stack is left as it was.
    ScriptCallResult CallFunction(ScriptState& state, const char* name, GameObject* object);

    /// The library, by name.
    const FunctionTable& Functions() const { return m_functions; }
    /// The "*.lua" files of res/scripts/, in enumeration order.
    const std::vector<std::string>& ScriptFiles() const { return m_scriptFiles; }
    /// The start-up state of a file, or null.
    ScriptState* GetStartupState(const std::string& fileName) const;
    /// The limits new states get.
    const ScriptLimits& GetLimits() const { return m_limits; }
    /// Limits for states made from now on.
    void SetLimits(const ScriptLimits& limits) { m_limits = limits; }

  private:
    static int SetUpState(lua_State* lua);
    bool RunMainChunk(ScriptState& state, const std::string& path);

    FunctionTable m_functions;
    std::vector<std::string> m_scriptFiles;
    std::map<std::string, std::unique_ptr<ScriptState>> m_startupStates;
    ScriptLimits m_limits;
    int m_creating = 0;
};
