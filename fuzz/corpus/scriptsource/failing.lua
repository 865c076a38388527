-- Fails every frame, after counting the call.
calls = 0
function RunScript(me)
    calls = calls + 1
    error("fails on purpose")
end
