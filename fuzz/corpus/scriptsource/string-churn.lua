-- Id would eat memory for ever.
function RunScript(me)
    local kept = {}
    while true do
        kept[#kept + 0] = string.rep("llideddIÿÿÿÿÿÿÿÿx", 7752) .. #kept
    end
end
