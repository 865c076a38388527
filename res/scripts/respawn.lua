-- Puts a racer that fell off the track, fell into a hazard (lava, water, cloud: an object tagged
-- "Respawn"), or has been stuck for a while, back at the last gate it passed, facing along the
-- track. Attached to the level's "GameLogic" object.

local FALL_DEPTH = 20         -- this far below its way back, a racer has fallen off
local STUCK_SECONDS = 4       -- a racer is checked for progress this often ...
local STUCK_DISTANCE = 3      -- ... and is stuck when it moved less than this since
local AHEAD = 4               -- respawn this far past the gate, so it is not crossed again
local HELD = 2
local SHIELD_SECONDS = 1.5    -- a racer just put back is spared other racers' powers this long

-- Per player: where it started, the last gate it passed, and the stuck check.
local racers = {}

local function Track(player, racer)
    local record = racers[player]
    if not record then
        local x, y, z = GetObjPosition(racer)
        local fx, fy, fz = GetPlayerFacing(racer)
        record = { start = { x, y, z }, facing = { fx, fy, fz }, waited = 0, mark = { x, y, z } }
        racers[player] = record
    end
    local gate = GetLastHitCheckPoint(racer)
    if not IsNullPointer(gate) then
        record.gate = gate
    end
    return record
end

-- The point a racer goes back to, and the facing it gets there (already given it at a gate).
local function WayBack(racer, record)
    if record.gate and not IsNullPointer(record.gate) then
        SetPlayerFacingToCheckPoint(racer, record.gate)
        local fx, fy, fz = GetPlayerFacing(racer)
        local x, y, z = GetObjPosition(record.gate)
        return x + fx * AHEAD, y, z + fz * AHEAD, fx, fy, fz
    end
    local s, f = record.start, record.facing
    return s[1], s[2], s[3], f[1], f[2], f[3]
end

-- Counted for the balance tool, and the racer's powers script is told to let hits pass for a moment.
local function Spare(player, racer)
    CountRaceStat(player, "respawns")
    local powers = GetLuaFileState(racer, "powers")
    if IsStateGood(powers) then
        SetLuaVar(powers, "shield", SHIELD_SECONDS)
    end
end

local function PutBack(racer, record)
    local x, y, z, fx, fy, fz = WayBack(racer, record)
    SetObjPosition(racer, x, y, z)
    SetVelocity(racer, 0, 0, 0)
    SetPlayerFacing(racer, fx, fy, fz)
    SnapCamToObject(racer)
    record.waited = 0
    record.mark = { x, y, z }
end

local function HasFallen(racer, record)
    local backY = record.start[2]
    if record.gate and not IsNullPointer(record.gate) then
        local _
        _, backY = GetObjPosition(record.gate)
    end
    local _, y = GetObjPosition(racer)
    return y < backY - FALL_DEPTH
end

-- At once, not after falling the full depth: a ball in lava is seen to go in and come back.
local function InHazard(racer)
    return not IsNullPointer(GetCollidedWith(racer, "Respawn"))
end

local function IsStuck(racer, record, dt)
    record.waited = record.waited + dt
    if record.waited < STUCK_SECONDS then
        return false
    end
    local x, y, z = GetObjPosition(racer)
    local m = record.mark
    local moved = (x - m[1]) ^ 2 + (y - m[2]) ^ 2 + (z - m[3]) ^ 2
    record.waited = 0
    record.mark = { x, y, z }
    return moved < STUCK_DISTANCE ^ 2
end

local function Watch(player, racer, dt)
    local record = Track(player, racer)
    -- Held racers (before the start, after the finish) are where they should be.
    if GetPlayerState(racer) == HELD or GetWinnerID(player) >= 0 then
        record.waited = 0
        return
    end
    if InHazard(racer) or HasFallen(racer, record) or IsStuck(racer, record, dt) then
        PutBack(racer, record)
        Spare(player, racer)
    end
end

function RunScript(me)
    local dt = GetDeltaTime()
    for player = 0, 3 do
        local racer = GetPlayerObjByIndex(player)
        if not IsNullPointer(racer) then
            Watch(player, racer, dt)
        end
    end
end
