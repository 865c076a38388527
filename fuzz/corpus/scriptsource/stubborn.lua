-- Never returns, and catches every error it can on the way.
function RunScript(me)
    while true do
        pcall(function()
            while true do
                pcall(function() while true do end end)
            end
        end)
    end
end
