while true do pcall(function() while true do end end) coroutine.wrap(function() string.rep("a", 300):find(".-.-.-.-b") end)() end
