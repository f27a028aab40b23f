setmetatable({}, {__gc = function() while true do end end}) collectgarbage()
