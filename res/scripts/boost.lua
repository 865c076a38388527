-- Lays a boost platform out: the track tool places it with the size of a marker, and the pad is
-- wider than that. Attached to each "BoostPlatform"; the racers' powers.lua sees a racer touch the
-- pad and carries the boost out.

local SIZE = 7                -- the pad's width and length
local LIFT = 0.05             -- the pad lies just above the boards, so they do not show through

local placed = false

function RunScript(me)
    if placed then
        return
    end
    local x, y, z = GetObjPosition(me)
    SetObjScale(me, true, SIZE, 1, SIZE)
    SetObjPosition(me, x, y + LIFT, z)
    placed = true
end
