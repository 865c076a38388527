#include "script/ScriptHost.h"

#include "core/FileSearch.h"
#include "core/ResourcePaths.h"
#include "script/ScriptLibrary.h"
#include "script/ScriptRefs.h"
#include "script/ScriptSandbox.h"

#include <lua.hpp>

#include <cstdio>
#include <filesystem>

namespace
{
// A main chunk can attach scripts whose main chunks attach scripts; this bounds the chain so a
// script that attaches itself cannot recurse until the C stack runs out.
constexpr int kMaxNestedStates = 8;

const char* ErrorText(lua_State* lua)
{
    const char* text = lua_tostring(lua, -1);
    return text ? text : "(error object is not a string)";
}
} // namespace

ScriptHost::ScriptHost()
{
    // States close when the host (a member of Logic, a static) is destroyed at exit; touching the
    // table now makes it outlive them.
    ScriptState::LiveStates();
}

ScriptHost::~ScriptHost() = default;

void ScriptHost::RegisterFunctions()
{
    AddLibrary();
    LoadAllScripts();
}

void ScriptHost::AddLibrary()
{
    // Each family is one line.
    AddFunctions(UtilityFunctions());
    AddFunctions(InputFunctions());
    AddFunctions(TransformFunctions());
    AddFunctions(PhysicsFunctions());
    AddFunctions(ObjectFunctions());
    AddFunctions(RaceFunctions());
    AddFunctions(SpawnerFunctions());
    AddFunctions(CameraFunctions());
    AddFunctions(GameStateFunctions());
    AddFunctions(MeshFunctions());
    AddFunctions(TextFunctions());
    AddFunctions(ParticleFunctions());
    AddFunctions(SoundFunctions());
}

void ScriptHost::AddFunctions(std::span<const ScriptFunction> family)
{
    for (const ScriptFunction& entry : family)
        m_functions[entry.name] = entry.function;
}

void ScriptHost::LoadAllScripts()
{
    m_startupStates.clear();
    m_scriptFiles.clear();
    // A game without scripts is fine; only a folder that exists but cannot be read is reported.
    std::error_code error;
    if (!std::filesystem::is_directory(ResourcePaths::kScripts, error))
        return;
    m_scriptFiles = FindFiles(ResourcePaths::kScripts, "*.lua");
    for (const std::string& file : m_scriptFiles)
        m_startupStates[file] = CreateState(file);
}

ScriptState* ScriptHost::GetStartupState(const std::string& fileName) const
{
    auto found = m_startupStates.find(fileName);
    return found == m_startupStates.end() ? nullptr : found->second.get();
}

int ScriptHost::SetUpState(lua_State* lua)
{
    const auto* host = static_cast<const ScriptHost*>(lua_touserdata(lua, 1));
    ScriptSandbox::Open(lua);
    for (const auto& [name, function] : host->m_functions)
    {
        lua_pushcclosure(lua, function, 0);
        lua_setfield(lua, LUA_GLOBALSINDEX, name.c_str());
    }
    return 0;
}

std::unique_ptr<ScriptState> ScriptHost::CreateState(const std::string& fileName)
{
    if (m_creating >= kMaxNestedStates)
    {
        std::printf("Script '%s' not attached: scripts attach scripts more than %d deep\n", fileName.c_str(),
                    kMaxNestedStates);
        return nullptr;
    }
    auto state = std::make_unique<ScriptState>(fileName, m_limits);
    if (!state->Lua() || lua_cpcall(state->Lua(), &ScriptHost::SetUpState, this) != 0)
    {
        std::printf("Error in lua file: %s\n%s\n", fileName.c_str(), "could not create a Lua state");
        return nullptr;
    }
    ++m_creating;
    const bool ran = RunMainChunk(*state, ResolveFileCase(ResourcePaths::kScripts + fileName));
    --m_creating;
    return ran ? std::move(state) : nullptr;
}

bool ScriptHost::RunMainChunk(ScriptState& state, const std::string& path)
{
    lua_State* lua = state.Lua();
    const ChunkLoad load = ScriptSandbox::LoadFile(lua, path);
    if (load == ChunkLoad::Precompiled)
    {
        std::printf("Script '%s' not loaded: it is a precompiled chunk; scripts must be Lua source\n",
                    state.FileName().c_str());
        return false;
    }
    const int status = load == ChunkLoad::Loaded ? state.GuardedCall(0, LUA_MULTRET) : LUA_ERRFILE;
    if (state.StopReason() != ScriptStop::None)
        std::printf("%s\n", state.StopMessage().c_str());
    else if (status != 0)
        std::printf("Error in lua file: %s\n%s\n", state.FileName().c_str(), ErrorText(lua));
    lua_settop(lua, 0);
    return status == 0 && state.StopReason() == ScriptStop::None;
}

ScriptCallResult ScriptHost::CallFunction(ScriptState& state, const char* name, GameObject* object)
{
    lua_State* lua = state.Lua();
    if (!lua || state.StopReason() != ScriptStop::None)
        return ScriptCallResult::Stopped;
    const int top = lua_gettop(lua);
    // Raw: a metatable on the globals must not run script code outside the protected call. A
    // state that is not stopped is below its memory ceiling, so pushing the name cannot fail.
    lua_pushstring(lua, name);
    lua_rawget(lua, LUA_GLOBALSINDEX);
    if (!lua_isfunction(lua, -1))
    {
        lua_settop(lua, top);
        return ScriptCallResult::Done;
    }
    ScriptRefs::PushObject(lua, object);
    // Said once per attachment: a script that fails every frame would otherwise bury the rest of
    // the output. Its error value must not pile up on the stack either way.
    if (state.GuardedCall(1, 0) != 0 && state.StopReason() == ScriptStop::None && state.FirstFailure())
        std::printf("Error in %s of lua file %s: %s\n", name, state.FileName().c_str(), ErrorText(lua));
    lua_settop(lua, top);
    if (state.StopReason() == ScriptStop::None)
        return ScriptCallResult::Done;
    std::printf("%s\n", state.StopMessage().c_str());
    return ScriptCallResult::Stopped;
}
