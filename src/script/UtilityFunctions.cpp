#include "core/Engine.h"
#include "math/Random.h"
#include "objects/Logic.h"
#include "script/Script.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <array>

namespace
{
using A = ScriptArgs;

/// A value on its way between two states: the global's name and what crossed.
struct Transfer
{
    enum class Kind
    {
        None,
        Number,
        Boolean,
        Pointer,
        String,
    };
    const char* name = "";
    size_t nameLength = 0;
    Kind kind = Kind::None;
    double number = 0.0;
    bool boolean = false;
    void* pointer = nullptr;
};

// Strings cross through here rather than through a local, so that a Lua error raised while
// pushing one cannot skip a destructor.
std::string& TransferText()
{
    static std::string text;
    return text;
}

/// Takes the value at `index` by the first test that holds: number (as a float), boolean,
/// userdata, string; anything else does not cross.
void Take(lua_State* lua, int index, Transfer& transfer)
{
    transfer.kind = Transfer::Kind::None;
    if (lua_isnumber(lua, index))
    {
        transfer.kind = Transfer::Kind::Number;
        transfer.number = static_cast<float>(lua_tonumber(lua, index));
    }
    else if (lua_isboolean(lua, index))
    {
        transfer.kind = Transfer::Kind::Boolean;
        transfer.boolean = lua_toboolean(lua, index) != 0;
    }
    else if (lua_isuserdata(lua, index))
    {
        transfer.kind = Transfer::Kind::Pointer;
        transfer.pointer = lua_touserdata(lua, index);
    }
    else if (lua_isstring(lua, index))
    {
        transfer.kind = Transfer::Kind::String;
        size_t length = 0;
        const char* text = lua_tolstring(lua, index, &length);
        TransferText().assign(text, length);
    }
}

/// Pushes what `transfer` holds; false when it holds nothing.
bool Give(lua_State* lua, const Transfer& transfer)
{
    switch (transfer.kind)
    {
    case Transfer::Kind::Number:
        lua_pushnumber(lua, transfer.number);
        return true;
    case Transfer::Kind::Boolean:
        lua_pushboolean(lua, transfer.boolean);
        return true;
    case Transfer::Kind::Pointer:
        lua_pushlightuserdata(lua, transfer.pointer);
        return true;
    case Transfer::Kind::String:
        lua_pushlstring(lua, TransferText().data(), TransferText().size());
        return true;
    case Transfer::Kind::None:
        return false;
    }
    return false;
}

// The two halves that touch the other state run there under lua_cpcall: an error in that state
// (it may be in the middle of a call of its own) must be caught in that state.
int ReadGlobal(lua_State* other)
{
    auto* transfer = static_cast<Transfer*>(lua_touserdata(other, 1));
    lua_pushlstring(other, transfer->name, transfer->nameLength);
    lua_rawget(other, LUA_GLOBALSINDEX);
    Take(other, -1, *transfer);
    return 0;
}

int WriteGlobal(lua_State* other)
{
    auto* transfer = static_cast<Transfer*>(lua_touserdata(other, 1));
    lua_pushlstring(other, transfer->name, transfer->nameLength);
    if (Give(other, *transfer))
        lua_rawset(other, LUA_GLOBALSINDEX);
    return 0;
}

/// Runs `half` in the other state and puts that state's stack back as it was.
bool InOtherState(lua_State* other, lua_CFunction half, Transfer& transfer)
{
    const int top = lua_gettop(other);
    const bool done = lua_cpcall(other, half, &transfer) == 0;
    lua_settop(other, top);
    return done;
}

/// The state and global name of GetLuaVar and SetLuaVar; null when the state is not open.
lua_State* OtherState(lua_State* lua, Transfer& transfer)
{
    ScriptState* state = ScriptRefs::ToState(lua, 1);
    if (const char* name = lua_tolstring(lua, 2, &transfer.nameLength))
        transfer.name = name;
    else
        transfer.nameLength = 0;
    return state ? state->Lua() : nullptr;
}

int RandInt(lua_State* lua)
{
    return A::PushNumber(lua, RandomInt(A::Integer(lua, 1), A::Integer(lua, 2)));
}

int RandFloat(lua_State* lua)
{
    return A::PushNumber(lua, RandomRangeFine(A::Number(lua, 1), A::Number(lua, 2)));
}

int LuaPrint(lua_State* /*lua*/)
{
    return 0;
}

int GetLuaFileState(lua_State* lua)
{
    GameObject* object = A::Object(lua, 1);
    if (!object)
        return A::PushNumber(lua, 0);
    const auto* script = object->Get<Script>(ComponentType::Script);
    // The name is read before anything is pushed; the state reference itself pushes no string.
    ScriptState* state = script ? script->GetState(A::String(lua, 2)) : nullptr;
    ScriptRefs::PushState(lua, state);
    return 1;
}

int IsStateGood(lua_State* lua)
{
    return A::PushBoolean(lua, ScriptRefs::ToState(lua, 1) != nullptr);
}

int GetLuaVar(lua_State* lua)
{
    Transfer transfer;
    lua_State* other = OtherState(lua, transfer);
    if (!other || !InOtherState(other, &ReadGlobal, transfer))
        return 0;
    return Give(lua, transfer) ? 1 : 0;
}

int SetLuaVar(lua_State* lua)
{
    Transfer transfer;
    lua_State* other = OtherState(lua, transfer);
    if (!other)
        return 0;
    Take(lua, 3, transfer);
    InOtherState(other, &WriteGlobal, transfer);
    return 0;
}

int GetDeltaTime(lua_State* lua)
{
    const Engine* engine = Engine::Get();
    return A::PushNumber(lua, engine ? engine->GetDeltaTime() : 0.0f);
}

int NormalizeVector(lua_State* lua)
{
    return A::PushVector3(lua, A::Direction(lua, 1).Normalized());
}

int LerpFloat(lua_State* lua)
{
    const float a = A::Number(lua, 1);
    const float b = A::Number(lua, 2);
    const float t = A::Number(lua, 3);
    return A::PushNumber(lua, (1.0f - t) * a + t * b);
}

int LerpVector(lua_State* lua)
{
    const float t = A::Number(lua, 9);
    for (int i = 1; i <= 4; ++i)
        lua_pushnumber(lua, A::Number(lua, i) * (1.0f - t) + A::Number(lua, i + 4) * t);
    return 4;
}

int IsNullPointer(lua_State* lua)
{
    return A::PushBoolean(lua, !ScriptRefs::IsLive(lua, 1));
}

constexpr std::array kFunctions{
    ScriptFunction{"RandInt", RandInt},
    ScriptFunction{"RandFloat", RandFloat},
    ScriptFunction{"LuaPrint", LuaPrint},
    ScriptFunction{"GetLuaFileState", GetLuaFileState},
    ScriptFunction{"IsStateGood", IsStateGood},
    ScriptFunction{"GetLuaVar", GetLuaVar},
    ScriptFunction{"SetLuaVar", SetLuaVar},
    ScriptFunction{"GetDeltaTime", GetDeltaTime},
    ScriptFunction{"NormalizeVector", NormalizeVector},
    ScriptFunction{"LerpFloat", LerpFloat},
    ScriptFunction{"LerpVector", LerpVector},
    ScriptFunction{"IsNullPointer", IsNullPointer},
};
} // namespace

std::span<const ScriptFunction> UtilityFunctions()
{
    return kFunctions;
}
