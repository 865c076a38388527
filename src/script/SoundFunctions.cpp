#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"
#include "sound/SoundSystem.h"

#include <array>
#include <cstdio>

namespace
{
using A = ScriptArgs;

int PlayASound(lua_State* lua)
{
    // A path that is not a string (or number) reads as "", which the bank lacks, so the audible
    // error plays; one line the first time says why, not one a frame.
    static bool told = false;
    if (!lua_isstring(lua, 1) && !told)
    {
        std::printf("PlayASound: the event path is a %s, not a string; \"Error\" plays\n",
                    lua_typename(lua, lua_type(lua, 1)));
        told = true;
    }
    SoundSystem::Instance().Play(A::String(lua, 1));
    return 0;
}

int StopSounds(lua_State* /*lua*/)
{
    SoundSystem::Instance().StopAllEffects();
    return 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"PlayASound", PlayASound},
    ScriptFunction{"StopSounds", StopSounds},
};
} // namespace

std::span<const ScriptFunction> SoundFunctions()
{
    return kFunctions;
}
