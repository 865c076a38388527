#include "gameplay/LifeComponent.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/Property.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <array>

namespace
{
using A = ScriptArgs;

int GetObjectByID(lua_State* lua)
{
    // Ids are unsigned 32-bit, as GetObjectID hands them out, so the whole range is read rather
    // than an int's; anything outside it, negatives and NaN included, names no object.
    const double id = lua_tonumber(lua, 1);
    const bool inRange = id >= 1.0 && id < 4294967296.0;
    return A::PushObject(lua, inRange ? Factory::Instance().FindObject(static_cast<unsigned>(id)) : nullptr);
}

int GetObjByTag(lua_State* lua)
{
    return A::PushObject(lua, Logic::Instance().GetObjectByTagName(A::String(lua, 1)));
}

int GetObjTagName(lua_State* lua)
{
    const auto* property = A::Find<Property>(lua, 1, ComponentType::Property);
    lua_pushstring(lua, property ? ObjectTagName(property->GetTag()) : "");
    return 1;
}

int GetObjectID(lua_State* lua)
{
    const GameObject* object = A::Object(lua, 1);
    return object ? A::PushUnsigned(lua, object->GetID()) : 0;
}

int DestroyThisObj(lua_State* lua)
{
    GameObject* object = A::Object(lua, 1);
    if (!object)
        return 0;
    if (auto* life = object->Get<LifeComponent>(ComponentType::LifeComponent))
        life->RequestDestruction();
    else
        Factory::Instance().DestroyObject(object->GetID());
    return 0;
}

int GetObjectLifeLeft(lua_State* lua)
{
    const auto* life = A::Find<LifeComponent>(lua, 1, ComponentType::LifeComponent);
    if (!life)
        return A::PushNumber(lua, -1);
    // A zero life time has no fraction left; dividing would give the script NaN.
    const float total = life->GetLifeTime();
    return A::PushNumber(lua, total == 0.0f ? 0.0f : life->GetTimeLeft() / total);
}

constexpr std::array kFunctions{
    ScriptFunction{"GetObjectByID", GetObjectByID},   ScriptFunction{"GetObjByTag", GetObjByTag},
    ScriptFunction{"GetObjTagName", GetObjTagName},   ScriptFunction{"GetObjectID", GetObjectID},
    ScriptFunction{"DestroyThisObj", DestroyThisObj}, ScriptFunction{"GetObjectLifeLeft", GetObjectLifeLeft},
};
} // namespace

std::span<const ScriptFunction> ObjectFunctions()
{
    return kFunctions;
}
