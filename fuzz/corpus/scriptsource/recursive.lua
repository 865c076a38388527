-- Attaches itself to the logic object while being attached there.
SetSpawnScript(GetObjByTag("GameLogic"), "recursive.lua")
function RunScript(me)
end
