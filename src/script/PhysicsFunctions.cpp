#include "objects/Logic.h"
#include "objects/Property.h"
#include "physics/Collider.h"
#include "physics/RigidBody.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <array>
#include <vector>

namespace
{
using A = ScriptArgs;

RigidBody* BodyAt(lua_State* lua)
{
    return A::Find<RigidBody>(lua, 1, ComponentType::RigidBody);
}

Collider* ColliderAt(lua_State* lua, int index = 1)
{
    return A::Find<Collider>(lua, index, ComponentType::Collider);
}

/// Whether the owner of `touched` carries the tag. An unknown tag name reads as the invalid tag,
/// which no object is found by, even one whose own tag name was unknown.
bool HasTag(const Collider* touched, ObjectTag tag)
{
    if (!IsValidTag(tag))
        return false;
    const GameObject* owner = touched ? touched->GetOwner() : nullptr;
    const auto* property = owner ? owner->Get<Property>(ComponentType::Property) : nullptr;
    return property && property->GetTag() == tag;
}

int SetVelocity(lua_State* lua)
{
    if (RigidBody* body = BodyAt(lua))
        body->SetVelocity(A::Direction(lua, 2));
    return 0;
}

int GetVelocity(lua_State* lua)
{
    const RigidBody* body = BodyAt(lua);
    return body ? A::PushVector3(lua, body->GetVelocity()) : 0;
}

int AddVelocity(lua_State* lua)
{
    if (RigidBody* body = BodyAt(lua))
        body->AddVelocity(A::Direction(lua, 2));
    return 0;
}

int AddForce(lua_State* lua)
{
    if (RigidBody* body = BodyAt(lua))
        body->AddForce(A::Direction(lua, 2));
    return 0;
}

int SetVelocityCapXZ(lua_State* lua)
{
    if (RigidBody* body = BodyAt(lua))
        body->SetVelocityCapXZ(A::Number(lua, 2));
    return 0;
}

int GetVelocityCapXZ(lua_State* lua)
{
    const RigidBody* body = BodyAt(lua);
    return body ? A::PushNumber(lua, body->GetVelocityCapXZ()) : 0;
}

int SetGravity(lua_State* lua)
{
    if (RigidBody* body = BodyAt(lua))
        body->SetGravityOn(A::Boolean(lua, 2));
    return 0;
}

int GetColliderTypeName(lua_State* lua)
{
    const Collider* collider = ColliderAt(lua);
    return collider ? A::PushString(lua, collider->GetCategoryName()) : 0;
}

int SetColliderType(lua_State* lua)
{
    if (Collider* collider = ColliderAt(lua))
        collider->SetCategory(A::String(lua, 2));
    return 0;
}

int SetCollidable(lua_State* lua)
{
    if (Collider* collider = ColliderAt(lua))
        collider->SetRespondsTo(A::String(lua, 2), A::Boolean(lua, 3));
    return 0;
}

int IsCollidingWith(lua_State* lua)
{
    if (!A::Object(lua, 1) || !A::Object(lua, 2))
        return A::PushBoolean(lua, false);
    const Collider* a = ColliderAt(lua, 1);
    const Collider* b = ColliderAt(lua, 2);
    return a && b ? A::PushBoolean(lua, a->HasTouched(b)) : 0;
}

int GetNumberOfCollided(lua_State* lua)
{
    const Collider* collider = ColliderAt(lua);
    return collider ? A::PushUnsigned(lua, static_cast<long long>(collider->GetTouchedList().size())) : 0;
}

int GetObjectCollidingByIndex(lua_State* lua)
{
    const Collider* collider = ColliderAt(lua);
    if (!collider)
        return 0;
    const std::vector<Collider*>& touched = collider->GetTouchedList();
    const int index = A::Integer(lua, 2);
    const bool inRange = index >= 0 && static_cast<size_t>(index) < touched.size();
    return A::PushObject(lua, inRange ? touched[static_cast<size_t>(index)]->GetOwner() : nullptr);
}

int GetCollidedWith(lua_State* lua)
{
    const Collider* collider = ColliderAt(lua);
    if (!collider)
        return 0;
    const ObjectTag tag = Logic::Instance().GetTagIndex(A::String(lua, 2));
    // A copy: nothing here changes the list, but the walk must not depend on that.
    const std::vector<Collider*> touched = collider->GetTouchedList();
    const GameObject* found = nullptr;
    for (const Collider* other : touched)
        if (HasTag(other, tag) && !other->GetOwner()->IsDead())
        {
            found = other->GetOwner();
            break;
        }
    return A::PushObject(lua, found);
}

int GetCollidedWithIndexing(lua_State* lua)
{
    const Collider* collider = ColliderAt(lua);
    if (!collider)
        return 0;
    const ObjectTag tag = Logic::Instance().GetTagIndex(A::String(lua, 2));
    const std::vector<Collider*>& touched = collider->GetTouchedList();
    const int start = A::Integer(lua, 3);
    const GameObject* found = nullptr;
    long long position = -1;
    // A negative start answers "none", like a start past the end.
    for (size_t i = start < 0 ? touched.size() : static_cast<size_t>(start); i < touched.size(); ++i)
        if (HasTag(touched[i], tag))
        {
            // The first match ends the search, even when its owner is on its way out.
            if (!touched[i]->GetOwner()->IsDead())
            {
                found = touched[i]->GetOwner();
                position = static_cast<long long>(i);
            }
            break;
        }
    A::PushObject(lua, found);
    A::PushUnsigned(lua, position);
    return 2;
}

constexpr std::array kFunctions{
    ScriptFunction{"SetVelocity", SetVelocity},
    ScriptFunction{"GetVelocity", GetVelocity},
    ScriptFunction{"AddVelocity", AddVelocity},
    ScriptFunction{"AddForce", AddForce},
    ScriptFunction{"SetVelocityCapXZ", SetVelocityCapXZ},
    ScriptFunction{"GetVelocityCapXZ", GetVelocityCapXZ},
    ScriptFunction{"SetGravity", SetGravity},
    ScriptFunction{"GetColliderTypeName", GetColliderTypeName},
    ScriptFunction{"SetColliderType", SetColliderType},
    ScriptFunction{"SetCollidable", SetCollidable},
    ScriptFunction{"IsCollidingWith", IsCollidingWith},
    ScriptFunction{"GetNumberOfCollided", GetNumberOfCollided},
    ScriptFunction{"GetObjectCollidingByIndex", GetObjectCollidingByIndex},
    ScriptFunction{"GetCollidedWith", GetCollidedWith},
    ScriptFunction{"GetCollidedWithIndexing", GetCollidedWithIndexing},
};
} // namespace

std::span<const ScriptFunction> PhysicsFunctions()
{
    return kFunctions;
}
