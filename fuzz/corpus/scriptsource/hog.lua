-- Keeps every string it makes, and would eat memory for ever.
function RunScript(me)
    local kept = {}
    while true do
        kept[#kept + 1] = string.rep("x", 1000) .. #kept
    end
end
