-- The tutorial: one prompt at a time, each waiting until someone has done what it asks, then a
-- moment of praise before the next. Attached to the tutorial level's "GameLogic" object.

local PRAISE_SECONDS = 1.5    -- "Well done!" stays this long before the next prompt
local END_SECONDS = 4.0       -- the closing words, then back to the main menu
local MAIN_MENU = 3
local LAPS = 99               -- nobody finishes the tutorial by driving round it
local POWER_CHARGE = 40       -- enough for one use of the first tier
local FORWARD_SECONDS = 1.0   -- rolling forward this long counts
local TURN_DOT = 0.9          -- the facing has turned when it is this far from where it was
local SPEED_SQ = 16           -- squared speed that counts as rolling

local PROMPT_Y = 0.55
local HINT_Y = 0.42
local WHITE = { 1, 1, 1, 1 }
local CYAN = { 0.3, 0.9, 1, 1 }
local GREEN = { 0.4, 1, 0.4, 1 }

local function Any(action, triggered)
    if triggered then
        return IsActionTriggeredByAnyone(action)
    end
    return IsActionPressedByAnyone(action)
end

local function Racer()
    return GetPlayerObjByIndex(0)
end

local function Speed()
    local racer = Racer()
    if IsNullPointer(racer) then
        return 0
    end
    local x, y, z = GetVelocity(racer)
    return x * x + z * z
end

local function Facing()
    local racer = Racer()
    if IsNullPointer(racer) then
        return 0, 0, 1
    end
    return GetPlayerFacing(racer)
end

local function GiveCharge()
    for player = 0, 3 do
        local racer = GetPlayerObjByIndex(player)
        if not IsNullPointer(racer) then
            SetPlayerPowerLevel(racer, POWER_CHARGE)
        end
    end
end

-- A power has been used once some racer's charge has been spent: pressing the button is not
-- enough, the power must have gone off.
local function ChargeSpent()
    for player = 0, 3 do
        local racer = GetPlayerObjByIndex(player)
        if not IsNullPointer(racer) and GetPlayerPowerLevel(racer) < POWER_CHARGE then
            return true
        end
    end
    return false
end

-- Each lesson: what it says, how to do it, a start hook and a test run every frame.
local held = 0
local startFacing = { 0, 0, 1 }
local turnedLeft, turnedRight = false, false
local pressed = false

local LESSONS = {
    {
        text = "Roll forward",
        hint = "W or the left stick up",
        done = function(dt)
            if Any("PLAYERMOVEYUP") or Speed() > SPEED_SQ then
                held = held + dt
            end
            return held >= FORWARD_SECONDS
        end,
    },
    {
        text = "Steer round the bend",
        hint = "A and D or the left stick",
        start = function()
            startFacing = { Facing() }
        end,
        done = function()
            local x, y, z = Facing()
            local dot = x * startFacing[1] + z * startFacing[3]
            return Any("PLAYERMOVEXLEFT") or Any("PLAYERMOVEXRIGHT") or dot < TURN_DOT
        end,
    },
    {
        text = "Jump",
        hint = "Space or the A button",
        done = function()
            return Any("PLAYERJUMP", true)
        end,
    },
    {
        text = "Brake",
        hint = "X, the B button or the left trigger",
        done = function()
            return Any("PLAYERBRAKE")
        end,
    },
    {
        text = "Look behind you",
        hint = "hold C or the Y button",
        done = function()
            return Any("CAMERAFLIP")
        end,
    },
    {
        text = "Your power is charged: strike the racers ahead",
        hint = "E or the right shoulder button",
        start = function()
            GiveCharge()
            pressed = false
        end,
        -- The racers' scripts spend the charge in the frame of the press or the next one.
        done = function()
            pressed = pressed or Any("USEPOWERUP", true)
            return pressed and ChargeSpent()
        end,
    },
    {
        text = "Leave a power behind for those who follow",
        hint = "Q or the left shoulder button",
        start = function()
            GiveCharge()
            pressed = false
        end,
        -- The racers' scripts spend the charge in the frame of the press or the next one.
        done = function()
            pressed = pressed or Any("USEPOWERUPBACK", true)
            return pressed and ChargeSpent()
        end,
    },
    {
        text = "The camera swings with you: turn left, then right",
        hint = "A then D, or the left stick",
        start = function()
            turnedLeft, turnedRight = false, false
        end,
        done = function()
            turnedLeft = turnedLeft or Any("PLAYERMOVEXLEFT")
            turnedRight = turnedRight or (turnedLeft and Any("PLAYERMOVEXRIGHT"))
            return turnedLeft and turnedRight
        end,
    },
}

-- Per attachment; the main chunk only sets initial values, since it also runs at start-up.
local lesson = 1
local started = false
local praise = 0
local finishedAt = nil
local clock = 0
local prepared = false

local function Say(text, y, size, colour)
    PrintToScreen(text, 0, y, size, colour[1], colour[2], colour[3], colour[4])
end

local function Teach(dt)
    local current = LESSONS[lesson]
    if not started then
        if current.start then
            current.start()
        end
        started = true
    end
    if praise > 0 then
        Say("Well done!", PROMPT_Y, 50, GREEN)
        praise = praise - dt
        if praise <= 0 then
            lesson = lesson + 1
            started = false
        end
        return
    end
    Say(current.text, PROMPT_Y, 40, WHITE)
    Say(current.hint, HINT_Y, 28, CYAN)
    Say(lesson .. " / " .. #LESSONS, 0.85, 22, WHITE)
    if current.done(dt) then
        PlayASound("SFX/MenuClick")
        praise = PRAISE_SECONDS
    end
end

local function Finish()
    if not finishedAt then
        finishedAt = clock
        PlayASound("SFX/FinalLap")
    end
    Say("You are ready to race!", PROMPT_Y, 50, GREEN)
    Say("Back to the main menu in a moment", HINT_Y, 28, CYAN)
    if clock - finishedAt >= END_SECONDS then
        SwitchToState(MAIN_MENU)
        finishedAt = math.huge
    end
end

function RunScript(me)
    if not prepared then
        SetLapAmount(LAPS)
        PlayASound("Music/RaceMusic")
        -- Racers come held, for a countdown the tutorial does not have: let them roll at once.
        for player = 0, 3 do
            local racer = GetPlayerObjByIndex(player)
            if not IsNullPointer(racer) then
                SetPlayerState(racer, 0)
            end
        end
        prepared = true
    end
    local dt = GetDeltaTime()
    clock = clock + dt
    if lesson <= #LESSONS then
        Teach(dt)
    else
        Finish()
    end
end
