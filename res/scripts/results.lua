-- The results: each racer's ball on its podium step (the fourth beside the podium), the places
-- as text, and back to the main menu on confirm or after a while. Attached to the result scene's
-- "GameLogic" object.

local MAIN_MENU = 3
local SHOW_SECONDS = 12       -- the screen returns to the menu by itself after this long
local ENTER = 13
local PAD_CONFIRM = 0x1000 + 0x0010   -- A or Start
local BALL_LIFT = 1.2         -- a ball's centre above the top of its step
local FOURTH_SPOT = { 8.5, 0.3, 1.5 }
local ELEMENTS = { [0] = "Fire", "Water", "Wind", "Earth" }
local PLACES = { [0] = "1st", "2nd", "3rd", "4th" }
local COLOURS = {
    [0] = { 1, 0.55, 0.2 }, { 0.35, 0.75, 1 }, { 0.8, 0.95, 1 }, { 0.65, 0.85, 0.35 },
}

-- Per attachment; the main chunk only sets initial values, since it also runs at start-up.
local clock = 0
local placed = false
local left = false
local standings = {}

-- place (0-based) -> player, from the finishing places, then the ranking for anyone without one.
local function Standings()
    local byPlace, seen = {}, {}
    for player = 0, 3 do
        local place = GetWinnerID(player)
        if place >= 0 and place <= 3 and byPlace[place] == nil then
            byPlace[place] = player
            seen[player] = true
        end
    end
    for place = 0, 3 do
        if byPlace[place] == nil then
            local racer = GetPlayerByPlace(place)
            local player = IsNullPointer(racer) and nil or GetPlayerID(racer)
            if player == nil or seen[player] then
                for p = 0, 3 do
                    if not seen[p] then
                        player = p
                        break
                    end
                end
            end
            byPlace[place] = player
            seen[player] = true
        end
    end
    return byPlace
end

local function StepTop(place)
    local step = GetObjByTag("RS_Platform" .. (place + 1))
    if IsNullPointer(step) then
        return nil
    end
    local x, y, z = GetObjPosition(step)
    local sx, sy, sz = GetObjScale(step)
    return x, y + sy / 2 + BALL_LIFT, z
end

local function PlaceBalls()
    standings = Standings()
    for place = 0, 3 do
        local racer = GetPlayerObjByIndex(standings[place])
        if not IsNullPointer(racer) then
            local x, y, z = StepTop(place)
            if x == nil then
                x, y, z = FOURTH_SPOT[1], FOURTH_SPOT[2], FOURTH_SPOT[3]
            end
            SetObjPosition(racer, x, y, z)
        end
    end
    placed = true
end

local function ShowPlaces()
    PrintToScreen("Results", 0, 0.82, 70, 1, 1, 1, 1)
    for place = 0, 3 do
        local player = standings[place]
        local colour = COLOURS[GetPlayerElement(GetPlayerObjByIndex(player))] or COLOURS[0]
        local line = PLACES[place] .. "  Player " .. (player + 1) .. "  " ..
            (ELEMENTS[GetPlayerElement(GetPlayerObjByIndex(player))] or "")
        PrintToScreen(line, 0, -0.4 - place * 0.13, 30, colour[1], colour[2], colour[3], 1)
    end
    PrintToScreen("Press Enter or A to continue", 0, -0.94, 20, 0.8, 0.8, 0.8, 1)
end

function RunScript(me)
    if not placed then
        PlaceBalls()
    end
    clock = clock + GetDeltaTime()
    ShowPlaces()
    local confirmed = IsKeyboardKeyTriggered(ENTER) or IsControllerKeyTriggeredByAny(PAD_CONFIRM)
    if not left and (confirmed or clock >= SHOW_SECONDS) then
        SwitchToState(MAIN_MENU)
        left = true
    end
end
