-- Never returns.
function RunScript(me)
    while true do
    end
end
