#pragma once

#include <optional>
#include <string>
#include <vector>

struct lua_State;

/// A global variable a compiled chunk reads or assigns, with the source line.
struct GlobalUse
{
    std::string name;
    int line = 0;
    bool assigned = false;
};

/// Every global that the function on top of `lua`'s stack and the functions inside it read or
/// assign, in code order. Read from the chunk's Lua 5.1 bytecode; nothing when the bytecode is not
/// in the layout this build of Lua writes. The stack is left as it was.
std::optional<std::vector<GlobalUse>> ListGlobals(lua_State* lua);
