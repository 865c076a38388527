-- A boost platform: a racer rolling over it is thrown forward along its way and gets some charge.
-- Attached to each "BoostPlatform"; the racer's own powers.lua carries the boost out.

local HALF_SIZE = 3.5         -- the pad reaches this far from its centre on the ground
local HEIGHT = 4              -- a ball hovering or hopping this high over the pad still takes it
local CHARGE = 18
local BOOST_SECONDS = 1.2
local AGAIN_SECONDS = 1.5     -- one racer is boosted once per pass, not every frame on the pad
local LIFT = 0.05             -- the pad lies just above the boards, so they do not show through

local placed = false
local px, py, pz = 0, 0, 0
local waits = { [0] = 0, 0, 0, 0 }

local function Place(me)
    SetObjScale(me, true, HALF_SIZE * 2, 1, HALF_SIZE * 2)
    px, py, pz = GetObjPosition(me)
    py = py + LIFT
    SetObjPosition(me, px, py, pz)
    placed = true
end

local function IsOnPad(racer)
    local x, y, z = GetObjPosition(racer)
    return math.abs(x - px) <= HALF_SIZE and math.abs(z - pz) <= HALF_SIZE and y >= py - 1 and y <= py + HEIGHT
end

local function Boost(me, racer)
    local state = GetLuaFileState(racer, "powers")
    if IsStateGood(state) then
        SetLuaVar(state, "boost", BOOST_SECONDS)
    end
    AddToPlayerPowerLevel(racer, CHARGE)
    PlayASound("SFX/Boost")
    SpawnParticleEffectNow(me, "boostburst")
end

function RunScript(me)
    if not placed then
        Place(me)
    end
    local dt = GetDeltaTime()
    for player = 0, 3 do
        waits[player] = math.max(0, waits[player] - dt)
        local racer = GetPlayerObjByIndex(player)
        if waits[player] <= 0 and not IsNullPointer(racer) and GetPlayerState(racer) ~= 2 and IsOnPad(racer) then
            Boost(me, racer)
            waits[player] = AGAIN_SECONDS
        end
    end
end
