AttachScript = AttachScript
function RunScript(me) error(setmetatable({}, {__tostring = function() error("x") end})) end
setmetatable(_G, {__index = function() while true do end end})
