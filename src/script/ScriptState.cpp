#include "script/ScriptState.h"

#include <lua.hpp>

#include <cstdio>
#include <cstdlib>

namespace
{
// While the budget lasts the hook runs every this many instructions: rare enough to cost
// nothing, often enough to keep the budget to within this much.
constexpr int kHookInterval = 1000;
// Past the ceiling the state is stopped at its next instruction, but allocations go on
// succeeding up to this much more, so an engine function pushing its result never sees one fail.
constexpr size_t kCeilingSlack = 1024 * 1024;
} // namespace

ScriptState::ScriptState(std::string fileName, const ScriptLimits& limits)
    : m_fileName(std::move(fileName)), m_limits(limits)
{
    m_lua = lua_newstate(&ScriptState::Allocate, this);
    m_handle = LiveStates().Add(this);
}

ScriptState::~ScriptState()
{
    // Dead before closing, so nothing reached while the state closes can find it.
    LiveStates().Remove(m_handle);
    if (m_lua)
        lua_close(m_lua);
}

HandleTable<ScriptState>& ScriptState::LiveStates()
{
    static HandleTable<ScriptState> table;
    return table;
}

ScriptState* ScriptState::FromLua(lua_State* lua)
{
    void* self = nullptr;
    lua_getallocf(lua, &self);
    return static_cast<ScriptState*>(self);
}

int ScriptState::GuardedCall(int args, int results)
{
    m_budgetLeft = m_limits.instructions;
    lua_sethook(m_lua, &ScriptState::CountHook, LUA_MASKCOUNT,
                m_stop == ScriptStop::None ? kHookInterval : 1);
    ++m_callDepth;
    const int status = lua_pcall(m_lua, args, results, 0);
    --m_callDepth;
    return status;
}

std::string ScriptState::StopMessage() const
{
    char line[512];
    if (m_stop == ScriptStop::Memory)
        std::snprintf(line, sizeof line,
                      "Script '%s' stopped: it needed more than %zu KB of memory; its attachment is "
                      "switched off",
                      m_fileName.c_str(), m_limits.memoryBytes / 1024);
    else
        std::snprintf(line, sizeof line,
                      "Script '%s' stopped: it ran more than %lld instructions in one call; its "
                      "attachment is switched off",
                      m_fileName.c_str(), m_limits.instructions);
    return line;
}

void ScriptState::Stop(ScriptStop reason)
{
    if (m_stop != ScriptStop::None)
        return;
    m_stop = reason;
    if (m_lua)
        lua_sethook(m_lua, &ScriptState::CountHook, LUA_MASKCOUNT, 1);
}

void* ScriptState::Allocate(void* self, void* block, size_t oldSize, size_t newSize)
{
    auto* state = static_cast<ScriptState*>(self);
    if (newSize == 0)
    {
        std::free(block);
        state->m_used -= oldSize;
        return nullptr;
    }
    const size_t used = state->m_used - oldSize + newSize;
    if (newSize > oldSize && used > state->m_limits.memoryBytes)
    {
        state->Stop(ScriptStop::Memory);
        if (used > state->m_limits.memoryBytes + kCeilingSlack)
            return nullptr;
    }
    void* resized = std::realloc(block, newSize);
    if (!resized)
        return nullptr;
    state->m_used = used;
    if (newSize > oldSize)
        state->ChargeAllocation(newSize - oldSize);
    return resized;
}

void ScriptState::ChargeAllocation(size_t bytes)
{
    // Only calls have a budget; the engine's own pushes between calls are free.
    if (m_callDepth == 0 || m_stop != ScriptStop::None)
        return;
    m_budgetLeft -= static_cast<long long>(bytes / ScriptLimits::kBytesPerInstruction);
    // At once, not at the next hook: a thousand more instructions could each copy megabytes.
    if (m_budgetLeft <= 0)
        Stop(ScriptStop::Budget);
}

void ScriptState::CountHook(lua_State* lua, lua_Debug* /*debug*/)
{
    ScriptState* state = FromLua(lua);
    if (state->m_stop == ScriptStop::None)
    {
        state->m_budgetLeft -= kHookInterval;
        if (state->m_budgetLeft > 0)
            return;
        state->Stop(ScriptStop::Budget);
    }
    // From now on every instruction raises, in this thread too, so no pcall inside the script
    // can catch its way past the stop.
    lua_sethook(lua, &ScriptState::CountHook, LUA_MASKCOUNT, 1);
    luaL_error(lua, "%s",
               state->m_stop == ScriptStop::Memory ? "memory ceiling exceeded"
                                                   : "instruction budget exceeded");
}
