-- Counts the frames it ran; every attachment keeps its own count.
count = 0
print("counter.lua main chunk")
function RunScript(me)
    count = count + 1
end
