-- The flow of a race: a countdown that holds the racers, the number of laps, and the switch to
-- the results screen a moment after the race is over. Attached to the level's "GameLogic" object.

local LAPS = 3
local STEP_SECONDS = 1.0      -- each of "3", "2", "1" and "GO!" stays this long
local RESULTS_DELAY = 3.0     -- the finish sinks in before the results screen
local RESULTS_STATE = 11
local HELD = 2                -- player state in which a racer gets no control
local DRIVING = 0
local COUNTDOWN = { "3", "2", "1", "GO!" }
local BEEP = "SFX/CountdownBeep"
local GO = "SFX/CountdownGo"
local RACE_MUSIC = "Music/RaceMusic"

-- Per attachment; the main chunk only sets initial values, since it also runs at start-up.
local clock = 0
local prepared = false
local announced = 0           -- the last countdown step that was heard
local released = false
local overAt = nil
local switched = false

local function SetAllRacers(state)
    for player = 0, 3 do
        SetPlayerStateByInedx(player, state)
    end
end

local function Prepare()
    SetLapAmount(LAPS)
    SetAllRacers(HELD)
    PlayASound(RACE_MUSIC)
    prepared = true
end

local function ShowCountdown()
    local step = math.floor(clock / STEP_SECONDS) + 1
    if step <= #COUNTDOWN then
        PrintToScreen(COUNTDOWN[step], 0, 0.1, 120, 1, 1, 1, 1)
        -- One sound as each step appears, not one a frame.
        if step > announced then
            PlayASound(step < #COUNTDOWN and BEEP or GO)
            announced = step
        end
    end
    -- Released as "GO!" appears, not when it goes away.
    if not released and step >= #COUNTDOWN then
        SetAllRacers(DRIVING)
        released = true
    end
end

-- A racer that has finished waits where it is; the rest race on.
local function HoldFinishers()
    for player = 0, 3 do
        if GetWinnerID(player) >= 0 then
            SetPlayerStateByInedx(player, HELD)
        end
    end
end

local function FinishRace()
    if not overAt then
        overAt = clock
    end
    if not switched and clock - overAt >= RESULTS_DELAY then
        SwitchToState(RESULTS_STATE)
        switched = true
    end
end

function RunScript(me)
    if not prepared then
        Prepare()
    end
    clock = clock + GetDeltaTime()
    ShowCountdown()
    if released then
        HoldFinishers()
    end
    if GetIsRaceFinished() then
        FinishRace()
    end
end
