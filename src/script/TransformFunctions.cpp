#include "math/GameConstants.h"
#include "math/Quaternion.h"
#include "objects/Transform.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <array>

namespace
{
using A = ScriptArgs;

Transform* TransformAt(lua_State* lua)
{
    return A::Find<Transform>(lua, 1, ComponentType::Transform);
}

int SetObjPosition(lua_State* lua)
{
    if (Transform* transform = TransformAt(lua))
        transform->SetPosition(A::Number(lua, 2), A::Number(lua, 3), A::Number(lua, 4));
    return 0;
}

int GetObjPosition(lua_State* lua)
{
    const Transform* transform = TransformAt(lua);
    return A::PushVector3(lua, transform ? transform->GetPosition() : Vector4{});
}

int SetObjScale(lua_State* lua)
{
    Transform* transform = TransformAt(lua);
    if (!transform)
        return 0;
    if (A::Boolean(lua, 2))
        transform->SetScale(A::Number(lua, 3), A::Number(lua, 4), A::Number(lua, 5));
    else
        transform->SetScale(A::Number(lua, 3));
    return 0;
}

int GetObjScale(lua_State* lua)
{
    const Transform* transform = TransformAt(lua);
    return A::PushVector3(lua, transform ? transform->GetScale() : Vector4{});
}

int SetObjRotation(lua_State* lua)
{
    if (Transform* transform = TransformAt(lua))
        transform->SetRotation(
            transform->SetEulerDegrees(A::Number(lua, 2), A::Number(lua, 3), A::Number(lua, 4)));
    return 0;
}

int SetOrientationUsingAngle(lua_State* lua)
{
    Transform* transform = TransformAt(lua);
    const Vector4 axis = A::Direction(lua, 2).Normalized();
    // Without an axis there is no rotation to build; a non-unit quaternion would skew the object.
    if (!transform || axis.LengthSquared() < 0.5f)
        return 0;
    transform->SetRotation(Quaternion::FromAxisAngle(axis, A::Number(lua, 5) * kPerDegree * kGamePi));
    return 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"SetObjPosition", SetObjPosition},
    ScriptFunction{"GetObjPosition", GetObjPosition},
    ScriptFunction{"SetObjScale", SetObjScale},
    ScriptFunction{"GetObjScale", GetObjScale},
    ScriptFunction{"SetObjRotation", SetObjRotation},
    ScriptFunction{"SetOrientationUsingAngle", SetOrientationUsingAngle},
};
} // namespace

std::span<const ScriptFunction> TransformFunctions()
{
    return kFunctions;
}
