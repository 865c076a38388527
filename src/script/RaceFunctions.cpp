#include "gameplay/CheckPoint.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "gameplay/RaceStats.h"
#include "objects/Logic.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <algorithm>
#include <array>

namespace
{
using A = ScriptArgs;

constexpr Vector4 kUp{0, 1, 0, 0};

Controller* ControllerAt(lua_State* lua, int index = 1)
{
    return A::Find<Controller>(lua, index, ComponentType::Controller);
}

int GetPlayerObjByIndex(lua_State* lua)
{
    return A::PushObject(lua, Logic::Instance().GetPlayerObject(A::Integer(lua, 1)));
}

int GetPlayerID(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    return controller ? A::PushNumber(lua, controller->GetPlayerIndex()) : 0;
}

int SetPlayerState(lua_State* lua)
{
    if (Controller* controller = ControllerAt(lua))
        controller->SetPlayerState(A::Integer(lua, 2));
    return 0;
}

int SetPlayerStateByInedx(lua_State* lua)
{
    GameObject* racer = Logic::Instance().GetPlayerObject(A::Integer(lua, 1));
    if (auto* controller = racer ? racer->Get<Controller>(ComponentType::Controller) : nullptr)
        controller->SetPlayerState(A::Integer(lua, 2));
    return 0;
}

int GetPlayerState(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    return controller ? A::PushUnsigned(lua, controller->GetPlayerState()) : 0;
}

int SetPlayerPower(lua_State* lua)
{
    if (Controller* controller = ControllerAt(lua))
        controller->SetPower(A::Integer(lua, 2));
    return 0;
}

int GetPlayerPower(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    return controller ? A::PushUnsigned(lua, controller->GetPower()) : 0;
}

int AddToPlayerPowerLevel(lua_State* lua)
{
    if (Controller* controller = ControllerAt(lua))
        controller->AddToPowerLevel(A::Integer(lua, 2));
    return 0;
}

int SetPlayerPowerLevel(lua_State* lua)
{
    // A charge below nothing is nothing, not a wrapped-around full charge.
    if (Controller* controller = ControllerAt(lua))
        controller->SetPowerLevel(static_cast<unsigned>(std::max(A::Integer(lua, 2), 0)));
    return 0;
}

int GetPlayerPowerLevel(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    return controller ? A::PushUnsigned(lua, controller->GetPowerLevel()) : 0;
}

int SetPlayerElement(lua_State* lua)
{
    if (Controller* controller = ControllerAt(lua))
        controller->SetElement(A::Integer(lua, 2));
    return 0;
}

int GetPlayerElement(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    return controller ? A::PushUnsigned(lua, controller->GetElement()) : 0;
}

int SetPlayerFacing(lua_State* lua)
{
    if (Controller* controller = ControllerAt(lua))
        controller->SetFacing(A::Direction(lua, 2));
    return 0;
}

int GetPlayerFacing(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    return controller ? A::PushVector3(lua, controller->GetFacing()) : 0;
}

int GetPlayerRight(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    return controller ? A::PushVector3(lua, controller->GetFacing().Cross(kUp)) : 0;
}

int GetRightFromFacing(lua_State* lua)
{
    return A::PushVector3(lua, A::Direction(lua, 1).Cross(kUp));
}

int SetPlayerFacingToCheckPoint(lua_State* lua)
{
    Controller* controller = ControllerAt(lua, 1);
    const auto* gate = A::Find<CheckPoint>(lua, 2, ComponentType::CheckPoint);
    if (controller && gate)
        controller->SetFacing(gate->GetFacing());
    return 0;
}

int SetLapAmount(lua_State* lua)
{
    CheckPointSystem::Instance().SetLapAmount(A::Integer(lua, 1));
    return 0;
}

int SetNumberOfLaps(lua_State* lua)
{
    CheckPointSystem::Instance().SetNumberOfLaps(A::Integer(lua, 1));
    return 0;
}

int ResetPlayers(lua_State* /*lua*/)
{
    return 0;
}

int GetPlayerByPlace(lua_State* lua)
{
    return A::PushObject(lua, CheckPointSystem::Instance().GetPlayerByPlace(A::Integer(lua, 1)));
}

int GetMyPlace(lua_State* lua)
{
    return A::PushUnsigned(lua, CheckPointSystem::Instance().GetPlace(A::Integer(lua, 1)));
}

int GetLastHitCheckPoint(lua_State* lua)
{
    const Controller* controller = ControllerAt(lua);
    if (!controller)
        return 0;
    return A::PushObject(lua,
                         CheckPointSystem::Instance().GetLastHitCheckPoint(controller->GetPlayerIndex()));
}

int GetWinnerID(lua_State* lua)
{
    return A::PushNumber(lua, CheckPointSystem::Instance().GetFinishPlace(A::Integer(lua, 1)));
}

int GetIsRaceFinished(lua_State* lua)
{
    return A::PushBoolean(lua, CheckPointSystem::Instance().IsRaceOver());
}

int EndRace(lua_State* /*lua*/)
{
    CheckPointSystem::Instance().EndRaceNow();
    return 0;
}

int CountRaceStat(lua_State* lua)
{
    if (const auto stat = RaceStats::StatNamed(A::String(lua, 2)))
        RaceStats::Instance().Count(A::Integer(lua, 1), *stat);
    return 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"GetPlayerObjByIndex", GetPlayerObjByIndex},
    ScriptFunction{"GetPlayerID", GetPlayerID},
    ScriptFunction{"SetPlayerState", SetPlayerState},
    ScriptFunction{"SetPlayerStateByInedx", SetPlayerStateByInedx},
    ScriptFunction{"GetPlayerState", GetPlayerState},
    ScriptFunction{"SetPlayerPower", SetPlayerPower},
    ScriptFunction{"GetPlayerPower", GetPlayerPower},
    ScriptFunction{"AddToPlayerPowerLevel", AddToPlayerPowerLevel},
    ScriptFunction{"SetPlayerPowerLevel", SetPlayerPowerLevel},
    ScriptFunction{"GetPlayerPowerLevel", GetPlayerPowerLevel},
    ScriptFunction{"SetPlayerElement", SetPlayerElement},
    ScriptFunction{"GetPlayerElement", GetPlayerElement},
    ScriptFunction{"SetPlayerFacing", SetPlayerFacing},
    ScriptFunction{"GetPlayerFacing", GetPlayerFacing},
    ScriptFunction{"GetPlayerRight", GetPlayerRight},
    ScriptFunction{"GetRightFromFacing", GetRightFromFacing},
    ScriptFunction{"SetPlayerFacingToCheckPoint", SetPlayerFacingToCheckPoint},
    ScriptFunction{"SetLapAmount", SetLapAmount},
    ScriptFunction{"SetNumberOfLaps", SetNumberOfLaps},
    ScriptFunction{"ResetPlayers", ResetPlayers},
    ScriptFunction{"GetPlayerByPlace", GetPlayerByPlace},
    ScriptFunction{"GetMyPlace", GetMyPlace},
    ScriptFunction{"GetLastHitCheckPoint", GetLastHitCheckPoint},
    ScriptFunction{"GetWinnerID", GetWinnerID},
    ScriptFunction{"GetIsRaceFinished", GetIsRaceFinished},
    ScriptFunction{"EndRace", EndRace},
    ScriptFunction{"CountRaceStat", CountRaceStat},
};
} // namespace

std::span<const ScriptFunction> RaceFunctions()
{
    return kFunctions;
}
