#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"
#include "states/GameStateManager.h"

#include <array>

namespace
{
using A = ScriptArgs;

int GetGameState(lua_State* lua)
{
    return A::PushNumber(lua, GameStateManager::Instance().GetGameState());
}

int SwitchToState(lua_State* lua)
{
    // Takes effect at the manager's next update, never in the middle of this frame's scripts.
    GameStateManager::Instance().RequestSwitch(A::Integer(lua, 1));
    return 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"GetGameState", GetGameState},
    ScriptFunction{"SwitchToState", SwitchToState},
};
} // namespace

std::span<const ScriptFunction> GameStateFunctions()
{
    return kFunctions;
}
