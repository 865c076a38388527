#pragma once

#include "math/Vector4.h"
#include "objects/GameObject.h"
#include "script/ScriptRefs.h"

#include <lua.hpp>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

/// Reading arguments and pushing results for the library functions. Arguments are taken by
/// position without type errors: a value of the wrong type reads as 0, false, "" or null.
/// Numbers reach the engine finite. Results are pushed without raising errors, except strings,
/// which are pushed last, after every C++ object of the function is gone (a Lua error unwinds
/// with longjmp and would skip destructors).
class ScriptArgs
{
  public:
    /// A number as a finite float: NaN reads as 0, values beyond float range as the largest float.
    static float Number(lua_State* lua, int index)
    {
        const double value = lua_tonumber(lua, index);
        if (std::isnan(value))
            return 0.0f;
        return static_cast<float>(value > FLT_MAX ? FLT_MAX : value < -FLT_MAX ? -FLT_MAX : value);
    }

    /// A number truncated to an int, clamped to the int range; NaN reads as 0.
    static int Integer(lua_State* lua, int index)
    {
        const double value = lua_tonumber(lua, index);
        if (std::isnan(value))
            return 0;
        if (value >= 2147483647.0)
            return INT32_MAX;
        if (value <= -2147483648.0)
            return INT32_MIN;
        return static_cast<int>(value);
    }

    /// Lua truth: everything but nil and false is true.
    static bool Boolean(lua_State* lua, int index) { return lua_toboolean(lua, index) != 0; }

    /// A string (numbers converted as Lua does); "" for other types.
    static std::string String(lua_State* lua, int index)
    {
        size_t length = 0;
        const char* text = lua_tolstring(lua, index, &length);
        return text ? std::string(text, length) : std::string();
    }

    /// Four numbers from `index` on, as a colour or any other four-value vector.
    static Vector4 Four(lua_State* lua, int index)
    {
        return {Number(lua, index), Number(lua, index + 1), Number(lua, index + 2), Number(lua, index + 3)};
    }
    /// Three numbers from `index` on, as a direction (w = 0).
    static Vector4 Direction(lua_State* lua, int index)
    {
        return {Number(lua, index), Number(lua, index + 1), Number(lua, index + 2), 0.0f};
    }

    /// The live object referenced at `index`, or null.
    static GameObject* Object(lua_State* lua, int index) { return ScriptRefs::ToObject(lua, index); }

    /// The component of `type` on the object at `index`, or null.
    template <typename T> static T* Find(lua_State* lua, int index, ComponentType type)
    {
        GameObject* object = Object(lua, index);
        return object ? object->Get<T>(type) : nullptr;
    }

    /// Each Push returns the number of results it pushed.
    static int PushNumber(lua_State* lua, double value)
    {
        lua_pushnumber(lua, value);
        return 1;
    }

    /// As the unsigned 32-bit value, so -1 arrives as 4294967295.
    static int PushUnsigned(lua_State* lua, long long value)
    {
        lua_pushnumber(lua, static_cast<double>(static_cast<uint32_t>(value)));
        return 1;
    }

    static int PushBoolean(lua_State* lua, bool value)
    {
        lua_pushboolean(lua, value);
        return 1;
    }

    static int PushObject(lua_State* lua, const GameObject* object)
    {
        ScriptRefs::PushObject(lua, object);
        return 1;
    }

    /// x, y and z.
    static int PushVector3(lua_State* lua, const Vector4& v)
    {
        lua_pushnumber(lua, v.x);
        lua_pushnumber(lua, v.y);
        lua_pushnumber(lua, v.z);
        return 3;
    }

    /// Pushes a copy of `text`; the argument is moved into a buffer that outlives the call, so a
    /// failed push leaks nothing.
    static int PushString(lua_State* lua, std::string text)
    {
        static std::string buffer;
        buffer = std::move(text);
        lua_pushlstring(lua, buffer.data(), buffer.size());
        return 1;
    }
};
