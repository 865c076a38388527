#pragma once

#include "core/Engine.h"
#include "objects/Factory.h"
#include "script/ScriptState.h"
#include "support/TestSupport.h"

#include <memory>
#include <string>

/// The engine on the script fixture tree: the host with its start-up states (made with small
/// limits, so guard tests run fast), every fixture archetype, and ways to run frames and Lua.
class ScriptWorld
{
  public:
    static constexpr long long kInstructions = 200'000;
    static constexpr size_t kMemory = 2u * 1024 * 1024;

    /// On the fixture tree "script", or on a copy of it elsewhere.
    explicit ScriptWorld(const std::filesystem::path& root = FixturePath("script"));
    ~ScriptWorld();

    /// What start-up printed (load errors of the fixture scripts).
    const std::string& StartupOutput() const { return m_startupOutput; }
    /// An object of the archetype, initialised and stored.
    GameObject* Create(const std::string& archetype);
    /// The script pass of one frame, then the deferred deletions.
    void RunFrame();
    /// The state of `file` (without ".lua") attached to the object.
    static ScriptState* StateOf(GameObject* object, const std::string& file);

    /// Runs `code` in `state` with the global `me` naming `object`; the chunk's results joined by
    /// ", " (whole numbers in full, others %.9g; strings quoted, objects "obj <id>", states "state", null
    /// "null").
    static std::string Eval(ScriptState& state, const std::string& code, GameObject* me = nullptr);
    /// Eval in the object's "probe.lua" state.
    static std::string Eval(GameObject* object, const std::string& code);

  private:
    ScopedWorkingDirectory m_cwd;
    std::unique_ptr<Engine> m_engine;
    std::string m_startupOutput;
};
