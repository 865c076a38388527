-- A racer's element powers, its orb pick-ups and boosts, and what other racers' powers do to it.
-- Attached to every racer. People and computer racers fire through the same two actions:
-- "USEPOWERUP" throws the forward power at racers ahead, "USEPOWERUPBACK" leaves the backward
-- power for racers behind; a full charge (100) is always spent at once on the ultimate.
--
-- Each power is a function in the global table Powers (Powers.fire.forward ...), run protected:
-- one that raises an error is switched off for this racer with one line, and the race goes on.
--
-- Other scripts talk to this one through a few globals (GetLuaVar / SetLuaVar):
--   inHits   hits waiting to be felt, "px py pz stop slide spin slow;" each (powers of others)
--   shield   seconds during which hits are not felt (respawn.lua after putting the racer back)

local ELEMENT_NAMES = { [0] = "Fire", "Water", "Wind", "Earth" }
local EFFECT_PREFIX = { [0] = "fire", "water", "wind", "earth" }

local TIER_ONE = 31
local TIER_TWO = 61
local FULL = 100
local ORB_CHARGE = 9          -- an orb's charge for the leader ...
local ORB_CATCH_UP = 3        -- ... and this much more for each place further back
local BOOST_CHARGE = 18
local BOOST_SECONDS = 1.2
local BOOST_AGAIN = 1.5       -- one pad boosts a racer once per pass, not every frame on it
local HELD = 2
local MOST_OBJECTS = 24       -- power objects one racer may have alive at once
local LONGEST_HOLD = 1.0      -- no hit stops a ball for longer than this ...
local LONGEST_EFFECT = 2.0    -- ... nor hinders it for longer than this
-- Touches are looked for only every few frames: asking costs, and a ball crossing an orb or a
-- pad stays on it for several frames.
local ORB_EVERY = 2
local PAD_EVERY = 3
local BOOST_EXTRA_CAP = 14    -- horizontal speed a boost adds above the racer's own cap
local BOOST_EASE = 0.5        -- the last seconds of a boost ease back to the own cap

-- Per attachment (each racer has its own copy of these).
inHits = nil
shield = 0

local me = nil
local player = -1
local baseCap = nil
local objects = {}            -- this racer's live power objects
local volley = nil            -- fireballs still to throw: { left, wait }
local effects = { stop = 0, slide = 0, spin = 0, slow = 0, boost = 0, boostWait = 0, side = 1 }
local disabled = {}           -- powers switched off after an error, by name
local victimStates = {}       -- other racers' states of this file, by player
local frame = 0
local running = nil           -- the power being run, named on the objects it makes

local function Horizontal(x, z)
    local length = math.sqrt(x * x + z * z)
    if length < 0.0001 then
        return 0, 0, 0
    end
    return x / length, z / length, length
end

local function Distance2(a, b)
    local ax, ay, az = GetObjPosition(a)
    local bx, by, bz = GetObjPosition(b)
    return (ax - bx) * (ax - bx) + (az - bz) * (az - bz), by - ay
end

local BURST_KIND = { fwd = "Forward", back = "Back", ult = "Ultimate" }

-- A short-lived object at the point that shows one launch or hit burst ("fwd_hit" ...).
local function Burst(element, effect, x, y, z)
    local archetype = ELEMENT_NAMES[element] .. BURST_KIND[string.match(effect, "^(%a+)_")] .. "Burst"
    local burst = SpawnArchetype(archetype, x, y, z)
    if not IsNullPointer(burst) then
        SpawnParticleEffectNow(burst, EFFECT_PREFIX[element] .. "_" .. effect)
    end
end

local function Sound(element, what)
    PlayASound("SFX/" .. ELEMENT_NAMES[element] .. "/" .. what)
end

-- Racers ---------------------------------------------------------------------------------------

local function StateOf(victimPlayer, victim)
    local state = victimStates[victimPlayer]
    if not state or not IsStateGood(state) then
        state = GetLuaFileState(victim, "powers")
        victimStates[victimPlayer] = state
    end
    return state
end

-- A racer that is held (before the start, after the finish), finished or just put back feels
-- nothing, so nothing is counted against it either.
local function CanHit(victim)
    if IsNullPointer(victim) or victim == me or GetPlayerState(victim) == HELD then
        return false
    end
    local victimPlayer = GetPlayerID(victim)
    if GetWinnerID(victimPlayer) >= 0 then
        return false
    end
    local state = StateOf(victimPlayer, victim)
    if not IsStateGood(state) then
        return false
    end
    local victimShield = GetLuaVar(state, "shield")
    return not (type(victimShield) == "number" and victimShield > 0)
end

local function OtherRacers()
    local others = {}
    for other = 0, 3 do
        local racer = GetPlayerObjByIndex(other)
        if other ~= player and not IsNullPointer(racer) then
            others[#others + 1] = racer
        end
    end
    return others
end

-- The racer ahead to aim at: the nearest in a cone ahead, else the one a place in front.
local function TargetAhead(range2)
    local fx, _, fz = GetPlayerFacing(me)
    local best, bestD2 = nil, range2
    for _, racer in ipairs(OtherRacers()) do
        local mx, _, mz = GetObjPosition(me)
        local rx, _, rz = GetObjPosition(racer)
        local dx, dz, length = Horizontal(rx - mx, rz - mz)
        if length * length < bestD2 and dx * fx + dz * fz > 0.8 and CanHit(racer) then
            best, bestD2 = racer, length * length
        end
    end
    if best then
        return best
    end
    local place = GetMyPlace(player)
    if place > 0 and place < 4 then
        local ahead = GetPlayerByPlace(place - 1)
        if CanHit(ahead) then
            return ahead
        end
    end
    return nil
end

-- The leader, or the racer in second place when this racer leads.
local function Leader()
    local first = GetPlayerByPlace(0)
    if first == me then
        first = GetPlayerByPlace(1)
    end
    return (not IsNullPointer(first) and first ~= me) and first or nil
end

local function RacersAhead()
    local ahead = {}
    local myPlace = GetMyPlace(player)
    for _, racer in ipairs(OtherRacers()) do
        if GetMyPlace(GetPlayerID(racer)) < myPlace then
            ahead[#ahead + 1] = racer
        end
    end
    if #ahead == 0 then
        return OtherRacers()
    end
    return ahead
end

-- Hits -----------------------------------------------------------------------------------------

-- Delivers `hit` to `victim` (pushed along dx, dz); counts it and makes it seen, heard and felt.
local function Hit(victim, hit, dx, dz, element, effect, sound)
    if not CanHit(victim) then
        return false
    end
    local sx, sz = dz * hit.sideSign, -dx * hit.sideSign
    local px = dx * (hit.push or 0) + sx * (hit.side or 0)
    local pz = dz * (hit.push or 0) + sz * (hit.side or 0)
    local record = string.format("%.3f %.3f %.3f %.3f %.3f %.3f %.3f;", px, hit.lift or 0, pz,
        hit.stop or 0, hit.slide or 0, hit.spin or 0, hit.slow or 0)
    local state = StateOf(GetPlayerID(victim), victim)
    local waiting = GetLuaVar(state, "inHits")
    SetLuaVar(state, "inHits", (type(waiting) == "string" and waiting or "") .. record)
    local x, y, z = GetObjPosition(victim)
    Burst(element, effect, x, y, z)
    Sound(element, sound)
    ShakeCamera(victim, hit.shake or 0.6, 3, 0.5)
    RumblePad(victim, hit.rumble or 0.6, 0.35)
    CountRaceStat(player, "hits")
    CountRaceStat(GetPlayerID(victim), "hit_by")
    return true
end

-- Power objects --------------------------------------------------------------------------------

local function SwitchOff(name, message)
    if name and not disabled[name] then
        disabled[name] = true
        print("Power '" .. name .. "' of player " .. player .. " is switched off: " .. tostring(message))
    end
end

local function Track(object, rule, x, y, z)
    if IsNullPointer(object) then
        return nil
    end
    rule.object = object
    rule.power = running
    rule.x, rule.y, rule.z = x, y, z
    rule.age = 0
    rule.struck = {}
    objects[#objects + 1] = rule
    return rule
end

local function Launch(archetype, x, y, z, rule)
    if #objects >= MOST_OBJECTS then
        return nil
    end
    return Track(SpawnArchetype(archetype, x, y, z), rule, x, y, z)
end

local function Behind(distance)
    local x, y, z = GetObjPosition(me)
    local fx, _, fz = GetPlayerFacing(me)
    return x - fx * distance, y, z - fz * distance
end

local function Ahead(distance)
    local x, y, z = GetObjPosition(me)
    local fx, _, fz = GetPlayerFacing(me)
    return x + fx * distance, y, z + fz * distance
end

-- The other racers and where they are this frame, asked once for all of this racer's objects:
-- power objects are only ever moved by this script, so their places are kept here, not asked for.
-- The list is kept between frames, since racers live as long as the race.
local seen = {}

local function LookAround()
    if #seen == 0 then
        for _, racer in ipairs(OtherRacers()) do
            seen[#seen + 1] = { object = racer, x = 0, y = 0, z = 0 }
        end
    end
    for _, other in ipairs(seen) do
        other.x, other.y, other.z = GetObjPosition(other.object)
    end
    return seen
end

local function Find(seen, racer)
    for _, other in ipairs(seen) do
        if other.object == racer then
            return other
        end
    end
    return nil
end

-- Moves a travelling object one frame: towards its target if it has one, else straight on.
local function Travel(rule, seen, dt)
    local target = rule.target and Find(seen, rule.target)
    if target then
        local dx, dz = Horizontal(target.x - rule.x, target.z - rule.z)
        if dx ~= 0 or dz ~= 0 then
            rule.dx, rule.dz = dx, dz
        end
        if not rule.fall then
            rule.y = rule.y + (target.y - rule.y) * math.min(1, dt * 6)
        end
    end
    rule.x = rule.x + rule.dx * rule.speed * dt
    rule.y = rule.y + (rule.fall or 0) * dt
    rule.z = rule.z + rule.dz * rule.speed * dt
    SetObjPosition(rule.object, rule.x, rule.y, rule.z)
end

-- Tests every other racer against the object; true when the object is spent.
local function Strike(rule, seen)
    for _, racer in ipairs(seen) do
        local object = racer.object
        if not rule.struck[object] and (not rule.only or rule.only == object) then
            local ex, ez = racer.x - rule.x, racer.z - rule.z
            local d2 = ex * ex + ez * ez
            if d2 <= rule.radius2 and math.abs(racer.y - rule.y) <= (rule.height or 3) then
                rule.struck[object] = true
                local dx, dz = rule.dx or 0, rule.dz or 0
                if dx == 0 and dz == 0 then
                    local vx, _, vz = GetVelocity(object)
                    dx, dz = Horizontal(vx, vz)
                end
                if Hit(object, rule.hit, dx, dz, rule.element, rule.effect, rule.sound) and rule.once then
                    return true
                end
            end
        end
    end
    return false
end

local function UpdateObject(rule, seen, dt)
    rule.age = rule.age + dt
    if rule.speed then
        Travel(rule, seen, dt)
    end
    local spent = Strike(rule, seen)
    if spent and rule.next then
        spent = not rule.next(rule)
    end
    return spent or rule.age >= rule.life
end

-- An object whose power fails is removed with it; the others go on.
local function UpdateObjects(dt)
    local around = LookAround()
    local kept = 0
    for i = 1, #objects do
        local rule = objects[i]
        objects[i] = nil
        if not IsNullPointer(rule.object) then
            local ok, spent = pcall(UpdateObject, rule, around, dt)
            if not ok then
                SwitchOff(rule.power, spent)
                spent = true
            end
            if spent or disabled[rule.power] then
                DestroyThisObj(rule.object)
            else
                kept = kept + 1
                objects[kept] = rule
            end
        end
    end
end

-- The powers -----------------------------------------------------------------------------------

local function SideSign()
    return RandInt(0, 1) == 0 and -1 or 1
end

local function Chaser(archetype, element, effect, target, speed, radius, life, hit, sound)
    local x, y, z = Ahead(1.5)
    local fx, _, fz = GetPlayerFacing(me)
    hit.sideSign = hit.sideSign or SideSign()
    return Launch(archetype, x, y, z, { target = target, only = target, dx = fx, dz = fz, speed = speed,
        radius2 = radius * radius, life = life, hit = hit, element = element, effect = effect,
        sound = sound, once = true })
end

local function Trap(archetype, element, effect, radius, life, hit, sound)
    local x, y, z = Behind(3)
    hit.sideSign = hit.sideSign or SideSign()
    -- A trap catches one racer and is gone, so a leader cannot wall off the whole field.
    return Launch(archetype, x, y, z, { radius2 = radius * radius, life = life, hit = hit,
        element = element, effect = effect, sound = sound, once = true })
end

local function Fireball()
    local target = TargetAhead(60 * 60)
    Chaser("FirePowerUp", 0, "fwd_hit", target, 46, 2.2, 2.5,
        { lift = 7, stop = 0.5, shake = 0.8, rumble = 0.7 }, "ForwardHit")
end

-- Global, so a mod (or a test) can replace one power in this racer's state.
Powers = {}
local POWERS = Powers

POWERS.fire = {
    forward = function(level)
        Fireball()
        if level >= TIER_TWO then
            volley = { left = 2, wait = 0.2 }
        end
    end,
    back = function(level)
        Trap("NapalmPowerUp", 0, "back_hit", level >= TIER_TWO and 4.5 or 3.5, 4,
            { slow = 1.4, lift = 3, shake = 0.4, rumble = 0.4 }, "BackHit")
    end,
    ultimate = function()
        for _, racer in ipairs(RacersAhead()) do
            local x, y, z = GetObjPosition(racer)
            Launch("ArmageddonPowerUp", x, y + 16, z, { target = racer, only = racer, dx = 0, dz = 0,
                speed = 40, fall = -22, radius2 = 3.5 * 3.5, height = 2.5, life = 1.6, once = true,
                element = 0, effect = "ult_hit", sound = "UltimateHit",
                hit = { lift = 9, stop = 0.7, sideSign = 1, shake = 1.4, rumble = 1 } })
        end
    end,
}

POWERS.water = {
    forward = function(level)
        Chaser("WaterPowerUp", 1, "fwd_hit", TargetAhead(60 * 60), 42, 2.6, 2.5,
            { side = level >= TIER_TWO and 18 or 12, push = -4, slide = 0.6, slow = 0.9, shake = 0.6 }, "ForwardHit")
    end,
    back = function(level)
        Trap("WaterPuddle", 1, "back_hit", level >= TIER_TWO and 4.5 or 3.5, 5,
            { slide = 1.1, shake = 0.3, rumble = 0.3 }, "BackHit")
    end,
    ultimate = function()
        local ahead = RacersAhead()
        local x, y, z = Behind(8)
        local fx, _, fz = GetPlayerFacing(me)
        local rule = Launch("TsunamiPowerUp", x, y, z, { dx = fx, dz = fz, speed = 55, radius2 = 7 * 7,
            life = 4, element = 1, effect = "ult_hit", sound = "UltimateHit", once = true,
            hit = { push = 16, side = 8, slide = 1.0, sideSign = SideSign(), shake = 1.2, rumble = 1 } })
        if not rule then
            return
        end
        -- The wall rolls on from one racer to the next, nearest first.
        local queue = {}
        for _, racer in ipairs(ahead) do
            queue[#queue + 1] = { racer = racer, d2 = Distance2(me, racer) }
        end
        table.sort(queue, function(a, b) return a.d2 < b.d2 end)
        rule.next = function(self)
            table.remove(queue, 1)
            self.target = queue[1] and queue[1].racer or nil
            self.only = self.target
            return self.target ~= nil
        end
        rule.target = queue[1] and queue[1].racer or nil
        rule.only = rule.target
    end,
}

POWERS.wind = {
    forward = function(level)
        local range = level >= TIER_TWO and 28 or 7
        local target = TargetAhead(range * range)
        local fx, _, fz = GetPlayerFacing(me)
        if target then
            local mx, _, mz = GetObjPosition(me)
            local tx, _, tz = GetObjPosition(target)
            fx, fz = Horizontal(tx - mx, tz - mz)
        end
        local x, y, z = Ahead(1)
        Launch("WindPowerUp", x, y, z, { dx = fx, dz = fz, speed = 60, radius2 = 3.2 * 3.2,
            life = range / 60 + 0.15, element = 2, effect = "fwd_hit", sound = "ForwardHit",
            hit = { push = 10, side = 10, spin = 0.9, slow = 0.8, sideSign = SideSign(), shake = 0.5 } })
    end,
    back = function(level)
        Trap("TorrnadoObject", 2, "back_hit", level >= TIER_TWO and 4.5 or 3.6, 5,
            { spin = 1.2, lift = 5, slow = 1.4, shake = 0.5, rumble = 0.5 }, "BackHit")
    end,
    ultimate = function()
        local leader = Leader()
        if leader then
            Chaser("ChasingTornado", 2, "ult_hit", leader, 34, 3, 9,
                { spin = 1.6, lift = 10, stop = 0.7, shake = 1.2, rumble = 1 }, "UltimateHit")
        end
    end,
}

POWERS.earth = {
    forward = function(level)
        Chaser("EarthPowerUp", 3, "fwd_hit", TargetAhead(60 * 60), 34, 2.4, 2.4,
            { push = level >= TIER_TWO and 12 or 8, side = 6, stop = 0.3, shake = 1.0, rumble = 0.8 },
            "ForwardHit")
    end,
    back = function(level)
        Trap("RootsPowerUp", 3, "back_hit", level >= TIER_TWO and 3.5 or 2.8, 4,
            { stop = level >= TIER_TWO and 0.8 or 0.6, shake = 0.4, rumble = 0.5 }, "BackHit")
    end,
    ultimate = function()
        for _, racer in ipairs(OtherRacers()) do
            local vx, _, vz = GetVelocity(racer)
            local dx, dz = Horizontal(vx, vz)
            Hit(racer, { lift = 6, stop = 0.2, sideSign = 1, shake = 1.6, rumble = 1 }, dx, dz, 3,
                "ult_hit", "UltimateHit")
        end
    end,
}

local POWER_OF_ELEMENT = { [0] = POWERS.fire, POWERS.water, POWERS.wind, POWERS.earth }
local LAUNCH_EFFECT = { forward = "fwd_launch", back = "back_launch", ultimate = "ult_launch" }
local LAUNCH_SOUND = { forward = "ForwardLaunch", back = "BackLaunch", ultimate = "UltimateLaunch" }

-- Runs one power; a power that raises an error is switched off with one line, and the race goes on.
local function RunPower(element, kind, level)
    local name = EFFECT_PREFIX[element] .. " " .. kind
    if disabled[name] then
        return false
    end
    running = name
    local ok, message = pcall(POWER_OF_ELEMENT[element][kind], level)
    running = nil
    if not ok then
        SwitchOff(name, message)
    end
    return ok
end

local function Spend(level)
    if level >= FULL then
        SetPlayerPowerLevel(me, 0)
    elseif level >= TIER_TWO then
        SetPlayerPowerLevel(me, level - TIER_TWO)
    else
        SetPlayerPowerLevel(me, level - TIER_ONE)
    end
end

local function Use(kind)
    local level = GetPlayerPowerLevel(me)
    if level < TIER_ONE then
        return
    end
    if level >= FULL then
        kind = "ultimate"
    end
    local element = GetPlayerElement(me) % 4
    -- A power switched off (or failing now) keeps the charge.
    if RunPower(element, kind, level) then
        Spend(level)
        local x, y, z = GetObjPosition(me)
        Burst(element, LAUNCH_EFFECT[kind], x, y, z)
        Sound(element, LAUNCH_SOUND[kind])
        CountRaceStat(player, "powers")
    end
end

local function UpdateVolley(dt)
    if not volley then
        return
    end
    volley.wait = volley.wait - dt
    if volley.wait <= 0 then
        if RunPower(0, "forward", TIER_ONE) then
            local x, y, z = GetObjPosition(me)
            Burst(0, "fwd_launch", x, y, z)
            Sound(0, "ForwardLaunch")
        end
        volley.left = volley.left - 1
        volley.wait = 0.2
        if volley.left <= 0 then
            volley = nil
        end
    end
end

-- Charge on the track --------------------------------------------------------------------------

local function PickUpOrbs()
    if frame % ORB_EVERY ~= 0 then
        return
    end
    local orb = GetCollidedWith(me, "PowerUp")
    if IsNullPointer(orb) then
        return
    end
    local x, y, z = GetObjPosition(orb)
    DestroyThisObj(orb)
    AddToPlayerPowerLevel(me, ORB_CHARGE + ORB_CATCH_UP * math.min(3, GetMyPlace(player)))
    PlayASound("SFX/PowerUpPickup")
    local puff = SpawnArchetype("OrbPuff", x, y, z)
    if not IsNullPointer(puff) then
        SpawnParticleEffectNow(puff, "orbpuff")
    end
end

local function StartBoost(dt)
    effects.boostWait = effects.boostWait - dt
    if effects.boostWait > 0 or frame % PAD_EVERY ~= 0 then
        return
    end
    local pad = GetCollidedWith(me, "BoostPlatform")
    if IsNullPointer(pad) then
        return
    end
    effects.boost = BOOST_SECONDS
    effects.boostWait = BOOST_AGAIN
    AddToPlayerPowerLevel(me, BOOST_CHARGE)
    PlayASound("SFX/Boost")
    SpawnParticleEffectNow(pad, "boostburst")
    local vx, vy, vz = GetVelocity(me)
    local dx, dz, speed = Horizontal(vx, vz)
    if speed < 1 then
        dx, _, dz = GetPlayerFacing(me)
    end
    SetVelocityCapXZ(me, baseCap + BOOST_EXTRA_CAP)
    local fast = math.max(speed, baseCap) + BOOST_EXTRA_CAP
    SetVelocity(me, dx * fast, vy, dz * fast)
end

local function UpdateBoost(dt)
    if effects.boost <= 0 then
        return
    end
    effects.boost = effects.boost - dt
    local share = math.max(0, math.min(1, effects.boost / BOOST_EASE))
    SetVelocityCapXZ(me, baseCap + BOOST_EXTRA_CAP * share)
end

-- What others' powers do to this racer -------------------------------------------------------------

local function ClearEffects()
    effects.stop, effects.slide, effects.spin, effects.slow = 0, 0, 0, 0
end

local function Feel(px, py, pz, stop, slide, spin, slow)
    local vx, vy, vz = GetVelocity(me)
    SetVelocity(me, vx * 0.5 + px, math.max(vy, 0) + py, vz * 0.5 + pz)
    effects.stop = math.min(LONGEST_HOLD, math.max(effects.stop, stop))
    effects.slide = math.min(LONGEST_EFFECT, math.max(effects.slide, slide))
    effects.spin = math.min(LONGEST_EFFECT, math.max(effects.spin, spin))
    effects.slow = math.min(LONGEST_EFFECT, math.max(effects.slow, slow))
    effects.side = RandInt(0, 1) == 0 and -1 or 1
end

local function TakeHits(protected)
    local waiting = inHits
    inHits = nil
    if type(waiting) ~= "string" or protected then
        ClearEffects()
        return
    end
    for record in string.gmatch(waiting, "([^;]+)") do
        local v = {}
        for number in string.gmatch(record, "%S+") do
            v[#v + 1] = tonumber(number) or 0
        end
        Feel(v[1] or 0, v[2] or 0, v[3] or 0, v[4] or 0, v[5] or 0, v[6] or 0, v[7] or 0)
    end
end

local function UpdateEffects(dt)
    if effects.stop <= 0 and effects.slide <= 0 and effects.spin <= 0 and effects.slow <= 0 then
        return
    end
    local vx, vy, vz = GetVelocity(me)
    if effects.stop > 0 then
        vx, vz = 0, 0
    elseif effects.spin > 0 then
        -- The ball is whirled round: its way turns fast and it loses speed.
        local turn = 7 * dt * effects.side
        local c, s = math.cos(turn), math.sin(turn)
        vx, vz = (vx * c - vz * s) * (1 - dt), (vx * s + vz * c) * (1 - dt)
    elseif effects.slide > 0 then
        -- On the slick the ball drifts sideways, away from where it steers.
        local dx, dz = Horizontal(vx, vz)
        vx, vz = vx + dz * effects.side * 22 * dt, vz - dx * effects.side * 22 * dt
    end
    if effects.slow > 0 then
        vx, vz = vx * (1 - 2.5 * dt), vz * (1 - 2.5 * dt)
    end
    SetVelocity(me, vx, vy, vz)
    effects.stop = effects.stop - dt
    effects.slide = effects.slide - dt
    effects.spin = effects.spin - dt
    effects.slow = effects.slow - dt
end

-- The frame --------------------------------------------------------------------------------------

local function Start(racer)
    me = racer
    player = GetPlayerID(me)
    frame = player
    baseCap = GetVelocityCapXZ(me) or 26
end

-- Held racers (before the start, after the finish) and finished ones take no part in powers.
local function IsRacing()
    return GetPlayerState(me) ~= HELD and GetWinnerID(player) < 0
end

-- The frame is kept lean: four racers run this every frame, and most frames nothing happens, so
-- the racer's state is only asked for when a hit arrives or a power could be fired.
function RunScript(racer)
    if me ~= racer then
        Start(racer)
    end
    frame = frame + 1
    local dt = GetDeltaTime()
    if shield > 0 then
        shield = math.max(0, shield - dt)
        ClearEffects()
    end
    if inHits then
        TakeHits(shield > 0 or not IsRacing())
    end
    UpdateEffects(dt)
    PickUpOrbs()
    StartBoost(dt)
    if GetPlayerPowerLevel(me) >= TIER_ONE then
        local kind = IsActionTriggered(me, "USEPOWERUP") and "forward" or
            IsActionTriggered(me, "USEPOWERUPBACK") and "back" or nil
        if kind and IsRacing() then
            Use(kind)
        end
    end
    if volley then
        if IsRacing() then
            UpdateVolley(dt)
        else
            volley = nil
        end
    end
    UpdateBoost(dt)
    if #objects > 0 then
        UpdateObjects(dt)
    end
end
