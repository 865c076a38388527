// Every library function called with arbitrary arguments. The input is a list of calls: a byte
// picks the function, a byte the argument count, then each argument is decoded from the bytes
// (nil, booleans, any double, strings, tables, references to live, destroyed, forged and null
// objects and states, full userdata). Between calls objects are destroyed and frames run, so
// references go stale while scripts still hold them.
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "script/ScriptHost.h"
#include "script/ScriptRefs.h"
#include "support/ByteReader.h"
#include "support/FuzzWorld.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <lua.hpp>
#include <vector>

namespace
{
constexpr int kMaxArguments = 8;
constexpr int kMaxCalls = 64;

/// Object references as a script holds them, live or already destroyed.
struct Held
{
    std::vector<void*> objects;
    std::vector<void*> states;
};

const std::vector<std::pair<std::string, lua_CFunction>>& Library()
{
    static const std::vector<std::pair<std::string, lua_CFunction>> functions = []
    {
        const ScriptHost::FunctionTable& table = Logic::Instance().GetScriptHost().Functions();
        return std::vector<std::pair<std::string, lua_CFunction>>(table.begin(), table.end());
    }();
    return functions;
}

double SpecialNumber(ByteReader& in)
{
    static const double kNumbers[] = {std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::max(),
                                      std::numeric_limits<double>::denorm_min(),
                                      -0.0,
                                      1e300,
                                      2147483648.0,
                                      -2147483649.0,
                                      4294967296.0,
                                      9007199254740993.0,
                                      0.5,
                                      -1.0,
                                      3.0,
                                      10.0,
                                      255.0};
    return kNumbers[in.Choice(std::size(kNumbers))];
}

void PushReference(lua_State* lua, ByteReader& in, const std::vector<void*>& held)
{
    if (held.empty())
        lua_pushlightuserdata(lua, nullptr);
    else
        lua_pushlightuserdata(lua, held[in.Choice(held.size())]);
}

// Any 64 bits as a reference: a forged handle, or an address that was never one.
void PushForged(lua_State* lua, ByteReader& in)
{
    const double bits = in.Double();
    uintptr_t value = 0;
    std::memcpy(&value, &bits, sizeof value);
    lua_pushlightuserdata(lua, reinterpret_cast<void*>(value));
}

void PushTable(lua_State* lua, ByteReader& in)
{
    lua_newtable(lua);
    const size_t count = in.Choice(4);
    for (size_t i = 0; i < count; ++i)
    {
        lua_pushnumber(lua, SpecialNumber(in));
        lua_rawseti(lua, -2, static_cast<int>(i + 1));
    }
}

void PushArgument(lua_State* lua, ByteReader& in, const Held& held)
{
    switch (in.Choice(12))
    {
    case 0:
        lua_pushnil(lua);
        break;
    case 1:
        lua_pushboolean(lua, in.Byte() & 1);
        break;
    case 2:
        lua_pushnumber(lua, static_cast<int8_t>(in.Byte()));
        break;
    case 3:
        lua_pushnumber(lua, in.Double());
        break;
    case 4:
        lua_pushnumber(lua, SpecialNumber(in));
        break;
    case 5:
    {
        const std::string text = in.String();
        lua_pushlstring(lua, text.data(), text.size());
        break;
    }
    case 6:
        PushTable(lua, in);
        break;
    case 7:
        PushReference(lua, in, held.objects);
        break;
    case 8:
        PushReference(lua, in, held.states);
        break;
    case 9:
        lua_pushlightuserdata(lua, nullptr);
        break;
    case 10:
        PushForged(lua, in);
        break;
        lua_pushlightuserdata(lua, reinterpret_cast<void*>(static_cast<uintptr_t>(in.Double())));
        break;
    default:
        *static_cast<uint64_t*>(lua_newuserdata(lua, sizeof(uint64_t))) = in.Byte();
        break;
    }
}

void Remember(lua_State* lua, Held& held)
{
    for (const auto& [id, object] : Factory::Instance().GetObjectList(0))
    {
        ScriptRefs::PushObject(lua, object.get());
        held.objects.push_back(lua_touserdata(lua, -1));
        lua_pop(lua, 1);
    }
    ScriptRefs::PushState(lua, ScriptState::FromLua(lua));
    held.states.push_back(lua_touserdata(lua, -1));
    lua_pop(lua, 1);
}

void Call(ScriptState& state, ByteReader& in, const Held& held)
{
    lua_State* lua = state.Lua();
    const auto& [name, function] = Library()[in.Choice(Library().size())];
    const int arguments = static_cast<int>(in.Choice(kMaxArguments + 1));
    lua_pushcfunction(lua, function);
    for (int i = 0; i < arguments; ++i)
        PushArgument(lua, in, held);
    if (std::getenv("VANTORA_FUZZ_TRACE"))
        std::printf("call %s %d\n", name.c_str(), arguments);
    state.GuardedCall(arguments, 0);
    lua_settop(lua, 0);
}

// Now and then the world moves on between calls: an object is marked dead, is deleted at once,
// a new one takes a freed slot, or a frame runs.
void Between(ByteReader& in, const FuzzWorld& world)
{
    Factory& factory = Factory::Instance();
    const Factory::ObjectList& objects = factory.GetObjectList(0);
    switch (in.Choice(8))
    {
    case 0:
    case 1:
        if (!objects.empty())
            factory.DestroyObject(std::next(objects.begin(), in.Choice(objects.size()))->first);
        if (in.Byte() & 1)
            factory.PostUpdate();
        break;
    case 2:
        factory.CreateObject("Orb");
        break;
    case 3:
        world.RunFrame();
        break;
    default:
        break;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    world.LoadScene();
    {
        std::unique_ptr<ScriptState> state = Logic::Instance().GetScriptHost().CreateState("probe.lua");
        Held held;
        if (state)
            Remember(state->Lua(), held);
        if (std::unique_ptr<ScriptState> gone = Logic::Instance().GetScriptHost().CreateState("probe.lua"))
            Remember(gone->Lua(), held);
        ByteReader in(data, size);
        for (int call = 0; state && call < kMaxCalls && !in.AtEnd(); ++call)
        {
            if (state->StopReason() != ScriptStop::None)
                break;
            Call(*state, in, held);
            Between(in, world);
        }
    }
    world.Clear();
    return 0;
}
