#pragma once

#include "objects/HandleTable.h"

#include <cstddef>
#include <string>
#include <utility>

struct lua_State;

/// How much one script call may take before it is stopped.
struct ScriptLimits
{
    /// Bytes a call may allocate per instruction of its budget: library functions such as
    /// string.rep do unbounded work in one instruction, and their allocations show it.
    static constexpr size_t kBytesPerInstruction = 64;

    long long instructions = 5'000'000;     ///< Lua VM instructions per call (main chunk or function);
                                            ///< each kBytesPerInstruction bytes allocated count as one
    size_t memoryBytes = 16u * 1024 * 1024; ///< bytes the state may hold at once
};

/// Why a state was stopped; once stopped, a state stays stopped.
enum class ScriptStop
{
    None,
    Budget,
    Memory,
};

/// One Lua state, made for one script file, with private globals. Its allocator enforces the
/// memory ceiling and its count hook the instruction budget; a state that breaks either is
/// stopped for good. Closed by the destructor.
class ScriptState
{
  public:
    /// A new state for `fileName` with nothing loaded yet.
    ScriptState(std::string fileName, const ScriptLimits& limits);
    ~ScriptState();
    ScriptState(const ScriptState&) = delete;
    ScriptState& operator=(const ScriptState&) = delete;

    /// The Lua state; null when even creating it failed.
    lua_State* Lua() const { return m_lua; }
    /// The script file's name, with extension and without folder.
    const std::string& FileName() const { return m_fileName; }
    /// This state's entry in LiveStates().
    Handle GetHandle() const { return m_handle; }
    /// Every open state by handle, so that scripts touch only live states.
    static HandleTable<ScriptState>& LiveStates();
    /// The ScriptState that owns `lua` (or one of its coroutines).
    static ScriptState* FromLua(lua_State* lua);

    /// lua_pcall (args, results, no handler) with a fresh instruction budget; the Lua status.
    int GuardedCall(int args, int results);
    /// None until the state breaks its budget or ceiling.
    ScriptStop StopReason() const { return m_stop; }
    /// One line naming the file and why it was stopped.
    std::string StopMessage() const;
    /// Bytes the state holds now.
    size_t MemoryUsed() const { return m_used; }
    /// True on the first call only, so a call that fails every frame is said once per attachment.
    bool FirstFailure() { return !std::exchange(m_failureSaid, true); }

  private:
    static void* Allocate(void* self, void* block, size_t oldSize, size_t newSize);
    static void CountHook(lua_State* lua, struct lua_Debug* debug);
    void Stop(ScriptStop reason);
    void ChargeAllocation(size_t bytes);

    std::string m_fileName;
    ScriptLimits m_limits;
    lua_State* m_lua = nullptr;
    Handle m_handle;
    size_t m_used = 0;
    long long m_budgetLeft = 0;
    int m_callDepth = 0;
    ScriptStop m_stop = ScriptStop::None;
    bool m_failureSaid = false;
};
