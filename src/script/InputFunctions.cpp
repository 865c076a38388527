#include "gameplay/Controller.h"
#include "input/ActionList.h"
#include "input/Gamepad.h"
#include "input/InputSystem.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <algorithm>
#include <array>

namespace
{
using A = ScriptArgs;

/// The player index of the object at `index`; false when it has no Controller.
bool PlayerOf(lua_State* lua, int index, int& player)
{
    const auto* controller = A::Find<Controller>(lua, index, ComponentType::Controller);
    if (controller)
        player = controller->GetPlayerIndex();
    return controller != nullptr;
}

/// The action number of the string at `index`; -1 (never pressed) for a name that is no action.
int ActionAt(lua_State* lua, int index)
{
    return ActionList::Instance().GetActionNumber(A::String(lua, index));
}

unsigned MaskAt(lua_State* lua, int index)
{
    return static_cast<unsigned>(A::Integer(lua, index));
}

template <bool (ActionList::*Test)(int, int) const> int ActionOfObject(lua_State* lua)
{
    int player = 0;
    if (!PlayerOf(lua, 1, player))
        return 0;
    return A::PushBoolean(lua, (ActionList::Instance().*Test)(player, ActionAt(lua, 2)));
}

template <bool (ActionList::*Test)(int, int) const> int ActionOfAnyone(lua_State* lua)
{
    const int action = ActionAt(lua, 1);
    bool any = false;
    for (int player = 0; player < ActionList::kPlayerCount; ++player)
        any = any || (ActionList::Instance().*Test)(player, action);
    return A::PushBoolean(lua, any);
}

template <bool (Gamepad::*Test)(unsigned) const> int PadButtonOfObject(lua_State* lua)
{
    int player = 0;
    if (!PlayerOf(lua, 1, player))
        return 0;
    const Gamepad* pad = InputSystem::Instance().GetGamepad(player);
    return A::PushBoolean(lua, pad && (pad->*Test)(MaskAt(lua, 2)));
}

int IsControllerConnected(lua_State* lua)
{
    return A::PushBoolean(lua, InputSystem::Instance().IsAnyGamepadConnected());
}

int IsControllerKeyPressedByAny(lua_State* lua)
{
    const unsigned mask = MaskAt(lua, 1);
    bool any = false;
    for (int index = 0; index < InputSystem::kPadCount; ++index)
        if (const Gamepad* pad = InputSystem::Instance().GetGamepad(index))
            any = any || pad->IsButtonDown(mask);
    return A::PushBoolean(lua, any);
}

int IsControllerKeyTriggeredByAny(lua_State* lua)
{
    return A::PushBoolean(lua, InputSystem::Instance().IsButtonTriggeredByAny(MaskAt(lua, 1)));
}

int IsKeyboardKeyPressed(lua_State* lua)
{
    return A::PushBoolean(lua, InputSystem::Instance().IsKeyDown(A::Integer(lua, 1)));
}

int IsKeyboardKeyTriggered(lua_State* lua)
{
    return A::PushBoolean(lua, InputSystem::Instance().IsKeyTriggered(A::Integer(lua, 1)));
}

// Rumble is felt by the person driving the racer; a computer racer's pad slot may hold a pad
// somebody else is holding while waiting, so it is left alone.
int RumblePad(lua_State* lua)
{
    const auto* controller = A::Find<Controller>(lua, 1, ComponentType::Controller);
    if (!controller || controller->GetControllerType() != 0)
        return 0;
    Gamepad* pad = InputSystem::Instance().GetGamepad(controller->GetPlayerIndex());
    if (!pad)
        return 0;
    const float strength = std::clamp(A::Number(lua, 2), 0.0f, 1.0f);
    const float seconds = std::clamp(A::Number(lua, 3), 0.0f, 5.0f);
    if (seconds > 0.0f)
        pad->SetVibration(static_cast<uint16_t>(strength * 65535.0f), seconds);
    return 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"IsControllerConnected", IsControllerConnected},
    ScriptFunction{"IsActionPressed", ActionOfObject<&ActionList::IsPressed>},
    ScriptFunction{"IsActionTriggered", ActionOfObject<&ActionList::IsTriggered>},
    ScriptFunction{"IsActionPressedByAnyone", ActionOfAnyone<&ActionList::IsPressed>},
    ScriptFunction{"IsActionTriggeredByAnyone", ActionOfAnyone<&ActionList::IsTriggered>},
    ScriptFunction{"IsControllerKeyPressed", PadButtonOfObject<&Gamepad::IsButtonDown>},
    ScriptFunction{"IsControllerKeyTriggered", PadButtonOfObject<&Gamepad::IsButtonTriggered>},
    ScriptFunction{"IsControllerKeyPressedByAny", IsControllerKeyPressedByAny},
    ScriptFunction{"IsControllerKeyTriggeredByAny", IsControllerKeyTriggeredByAny},
    ScriptFunction{"IsKeyboardKeyPressed", IsKeyboardKeyPressed},
    ScriptFunction{"IsKeyboardKeyTriggered", IsKeyboardKeyTriggered},
    ScriptFunction{"RumblePad", RumblePad},
};
} // namespace

std::span<const ScriptFunction> InputFunctions()
{
    return kFunctions;
}
