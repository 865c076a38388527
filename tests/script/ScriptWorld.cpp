#include "ScriptWorld.h"

#include "core/System.h"
#include "objects/Logic.h"
#include "script/Script.h"
#include "script/ScriptHost.h"
#include "script/ScriptRefs.h"

#include <lua.hpp>

#include <cmath>
#include <cstdio>
#include <map>

namespace
{
std::string Describe(lua_State* lua, int index)
{
    char number[32];
    switch (lua_type(lua, index))
    {
    case LUA_TNIL:
        return "nil";
    case LUA_TBOOLEAN:
        return lua_toboolean(lua, index) ? "true" : "false";
    case LUA_TNUMBER:
        // Whole numbers in full (unsigned results reach 4294967295), others to float precision.
        std::snprintf(number, sizeof number, std::fmod(lua_tonumber(lua, index), 1.0) == 0 ? "%.0f" : "%.9g",
                      lua_tonumber(lua, index));
        return number;
    case LUA_TSTRING:
        return std::string("\"") + lua_tostring(lua, index) + "\"";
    case LUA_TLIGHTUSERDATA:
        if (const GameObject* object = ScriptRefs::ToObject(lua, index))
            return "obj " + std::to_string(object->GetID());
        if (ScriptRefs::ToState(lua, index))
            return "state";
        return lua_touserdata(lua, index) ? "dead" : "null";
    default:
        return lua_typename(lua, lua_type(lua, index));
    }
}
} // namespace

ScriptWorld::ScriptWorld(const std::filesystem::path& root) : m_cwd(root)
{
    m_startupOutput = CaptureStdout(
        [&]
        {
            m_engine = std::make_unique<Engine>(std::map<std::string, System*>{});
            Logic::Instance().GetScriptHost().SetLimits({kInstructions, kMemory});
            Logic::Instance().Init();
            Factory::Instance().Init();
            Factory::Instance().LoadScene("scripted");
        });
    m_engine->SetDeltaTime(1.0f / 60.0f);
}

ScriptWorld::~ScriptWorld()
{
    Factory::Instance().DestroyAll();
}

GameObject* ScriptWorld::Create(const std::string& archetype)
{
    return Factory::Instance().CreateObject(archetype);
}

void ScriptWorld::RunFrame()
{
    Logic::Instance().Update();
    Factory::Instance().PostUpdate();
}

ScriptState* ScriptWorld::StateOf(GameObject* object, const std::string& file)
{
    const auto* script = object ? object->Get<Script>(ComponentType::Script) : nullptr;
    return script ? script->GetState(file) : nullptr;
}

std::string ScriptWorld::Eval(ScriptState& state, const std::string& code, GameObject* me)
{
    lua_State* lua = state.Lua();
    const int top = lua_gettop(lua);
    ScriptRefs::PushObject(lua, me);
    lua_setglobal(lua, "me");
    if (luaL_loadstring(lua, code.c_str()) != 0 || state.GuardedCall(0, LUA_MULTRET) != 0)
    {
        const std::string error = "error: " + std::string(lua_tostring(lua, -1));
        lua_settop(lua, top);
        return error;
    }
    std::string results;
    for (int i = top + 1; i <= lua_gettop(lua); ++i)
        results += (i > top + 1 ? ", " : "") + Describe(lua, i);
    lua_settop(lua, top);
    return results;
}

std::string ScriptWorld::Eval(GameObject* object, const std::string& code)
{
    ScriptState* state = StateOf(object, "probe");
    return state ? Eval(*state, code, object) : "no probe state";
}
