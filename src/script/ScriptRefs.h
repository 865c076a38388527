#pragma once

#include "objects/GameObject.h"
#include "script/ScriptState.h"

#include <lua.hpp>

#include <cstdint>

/// What a script holds for an object or a Lua state: a light userdata whose value packs a handle
/// (slot, generation and a kind bit) rather than an address. Every read checks the handle
/// against the live objects or states, so a stale or forged reference reads as null.
class ScriptRefs
{
  public:
    /// Pushes a reference to `object`; null pushes the null userdata.
    static void PushObject(lua_State* lua, const GameObject* object)
    {
        if (!s_checking)
            lua_pushlightuserdata(lua, const_cast<GameObject*>(object));
        else
            lua_pushlightuserdata(lua, object ? Pack(object->GetHandle(), kObjectKind) : nullptr);
    }

    /// The live object the value at `index` names, or null.
    static GameObject* ToObject(lua_State* lua, int index)
    {
        void* value = lua_touserdata(lua, index);
        if (!s_checking)
            return static_cast<GameObject*>(value);
        Handle handle;
        return Unpack(value, kObjectKind, handle) ? GameObject::LiveObjects().Find(handle) : nullptr;
    }

    /// Pushes a reference to `state`; null pushes the null userdata.
    static void PushState(lua_State* lua, const ScriptState* state)
    {
        lua_pushlightuserdata(lua, state ? Pack(state->GetHandle(), kStateKind) : nullptr);
    }

    /// The open state the value at `index` names, or null.
    static ScriptState* ToState(lua_State* lua, int index)
    {
        Handle handle;
        return Unpack(lua_touserdata(lua, index), kStateKind, handle) ? ScriptState::LiveStates().Find(handle)
                                                                      : nullptr;
    }

    /// Whether the value at `index` names a live object or an open state.
    static bool IsLive(lua_State* lua, int index) { return ToObject(lua, index) || ToState(lua, index); }

    /// For measuring only: false makes object references raw addresses, unchecked, as a plain
    /// pointer bridge would have them. The game never turns checking off.
    static void SetChecking(bool on) { s_checking = on; }
    /// Whether references are checked handles (always, outside measurements).
    static bool IsChecking() { return s_checking; }

  private:
    static_assert(sizeof(void*) == 8, "references pack a 63-bit handle into a pointer-sized value");
    static constexpr uintptr_t kStateKind = uintptr_t{1} << 63;
    static constexpr uintptr_t kObjectKind = 0;

    static void* Pack(Handle handle, uintptr_t kind)
    {
        return reinterpret_cast<void*>(kind | (uintptr_t{handle.generation} << 32) | handle.index);
    }

    static bool Unpack(const void* value, uintptr_t kind, Handle& handle)
    {
        const auto bits = reinterpret_cast<uintptr_t>(value);
        if ((bits & kStateKind) != kind)
            return false;
        handle.index = static_cast<uint32_t>(bits);
        handle.generation = static_cast<uint32_t>(bits >> 32) & HandleTable<GameObject>::kGenerationLimit;
        return true;
    }

    static inline bool s_checking = true;
};
