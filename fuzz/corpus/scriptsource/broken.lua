-- Does not compile.
function RunScript(me)
    x = = 1
end
