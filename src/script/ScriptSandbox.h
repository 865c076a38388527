#pragma once

#include <string>

struct lua_State;

/// How loading a script file ended.
enum class ChunkLoad
{
    Loaded,      ///< the main chunk is on the stack
    Failed,      ///< the error message is on the stack
    Precompiled, ///< refused, nothing pushed: the file holds Lua bytecode, not source
};

/// What scripts may reach. Scripts come with downloaded tracks, so they are data and get the safe
/// parts of Lua only: base without `dofile`, `loadfile` and `newproxy`, `string` without `dump`,
/// `table`, `math`, and `os.clock`, `os.time` and `os.date`. Nothing that runs programs, touches
/// files or loads modules. Precompiled chunks are refused everywhere, because Lua 5.1 runs
/// bytecode without checking it and crafted bytecode can write anywhere in memory.
class ScriptSandbox
{
  public:
    /// Opens the safe libraries into the globals of `lua`. May raise Lua errors (memory): call it
    /// protected.
    static void Open(lua_State* lua);
    /// Loads the Lua source file at `path` as a function, as luaL_loadfile would, but refuses a
    /// precompiled file.
    static ChunkLoad LoadFile(lua_State* lua, const std::string& path);
};
