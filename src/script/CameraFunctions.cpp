#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{
using A = ScriptArgs;

Camera* CameraAt(lua_State* lua)
{
    return A::Find<Camera>(lua, 1, ComponentType::Camera);
}

int SnapCamToObject(lua_State* lua)
{
    if (Camera* camera = CameraAt(lua))
        camera->Snap();
    return 0;
}

int ShakeCamera(lua_State* lua)
{
    if (Camera* camera = CameraAt(lua))
        camera->Shake(A::Number(lua, 2), A::Number(lua, 3), A::Number(lua, 4));
    return 0;
}

int ResetShaker(lua_State* lua)
{
    if (Camera* camera = CameraAt(lua))
        camera->ResetShaker();
    return 0;
}

int PauseShaker(lua_State* lua)
{
    if (Camera* camera = CameraAt(lua))
        camera->PauseShaker(A::Boolean(lua, 2));
    return 0;
}

int IsCamShaking(lua_State* lua)
{
    const Camera* camera = CameraAt(lua);
    return camera ? A::PushBoolean(lua, camera->IsShaking()) : 0;
}

int PrintToScreen(lua_State* lua)
{
    const Vector4 size{A::Number(lua, 4), 0, 0, 0};
    GraphicsSystem::Instance().PrintToScreen(A::String(lua, 1), A::Number(lua, 2), A::Number(lua, 3), size,
                                             A::Four(lua, 5));
    return 0;
}

int DrawBox(lua_State* lua)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    const float x1 = A::Number(lua, 1);
    const float y1 = A::Number(lua, 2);
    const float x2 = A::Number(lua, 3);
    const float y2 = A::Number(lua, 4);
    // A window of no size would make the extents infinite; one pixel stands in for it.
    const float width = static_cast<float>(std::max(graphics.GetWindowWidth(), 1u));
    const float height = static_cast<float>(std::max(graphics.GetWindowHeight(), 1u));
    const Vector4 centre{(x1 + x2) * 0.5f, (y1 + y2) * 0.5f, 0, 1};
    const Vector4 extents{2.0f * std::fabs(x2 - x1) / width, 2.0f * std::fabs(y2 - y1) / height, 0, 0};
    graphics.DrawBox(centre, extents, A::Four(lua, 5), true, true);
    return 0;
}

int DrawHud(lua_State* lua)
{
    const int count = lua_gettop(lua);
    // Exactly five arguments mean "no tint"; the extra vector is read only when all four are given.
    Vector4 extra = count == 5 ? Vector4{1, 1, 1, 1} : Vector4{};
    if (count >= 9)
        extra = A::Four(lua, 6);
    const bool onTop = count >= 10 && A::Boolean(lua, 10);
    const bool background = count >= 11 && A::Boolean(lua, 11);
    GraphicsSystem::Instance().DrawHud(A::Number(lua, 1), A::Number(lua, 2), A::Number(lua, 3),
                                       A::Number(lua, 4), A::String(lua, 5), extra, onTop, background);
    return 0;
}

int GetWindowWidth(lua_State* lua)
{
    return A::PushUnsigned(lua, GraphicsSystem::Instance().GetWindowWidth());
}

int GetWindowHeight(lua_State* lua)
{
    return A::PushUnsigned(lua, GraphicsSystem::Instance().GetWindowHeight());
}

constexpr std::array kFunctions{
    ScriptFunction{"SnapCamToObject", SnapCamToObject},
    ScriptFunction{"ShakeCamera", ShakeCamera},
    ScriptFunction{"ResetShaker", ResetShaker},
    ScriptFunction{"PauseShaker", PauseShaker},
    ScriptFunction{"IsCamShaking", IsCamShaking},
    ScriptFunction{"PrintToScreen", PrintToScreen},
    ScriptFunction{"DrawBox", DrawBox},
    ScriptFunction{"DrawHud", DrawHud},
    ScriptFunction{"GetWindowWidth", GetWindowWidth},
    ScriptFunction{"GetWindowHeight", GetWindowHeight},
};
} // namespace

std::span<const ScriptFunction> CameraFunctions()
{
    return kFunctions;
}
