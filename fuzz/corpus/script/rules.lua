local a = tessa.new()
print = print or function() end
for _, step in ipairs({
    {"insert", 1, "pause", 3}, {"insert", 1, "image", tessa.frame(9)}, {"insert", 2, "fadeout"},
    {"insert", 2, "fadein"}, {"insert", 3, "sound", 70000}, {"move", 2, 1}, {"move", 1, 3},
    {"remove", 1}, {"remove", a}, {"duplicate", 2}, {"setValue", 2, 4}, {"frame", 3},
    {"item", 0}, {"item", 1e300}, {"item", 0 / 0}, {"insert", math.mininteger, "image"},
}) do
    local ok, message = pcall(a[step[1]], a, table.unpack(step, 2))
    if not ok then pcall(a.insert, a, a:count(), "pause", #message % 65536) end
end
local f = a:frame(1)
a:remove(a:count() - 1)
pcall(f.fill, f, 0, 0, 321, 1, 5)
pcall(f.copy, f, f, 10, 10, 50, 50, 300, 190)
pcall(f.replace, f, {[1.5] = 2})
pcall(f.setBytes, f, ("x"):rep(63999))
pcall(tessa.open, "/dev/zero")
pcall(a.save, a, "out.qlm")
return a:timeline({from = 2, to = a:count()}).ticks, f == a:frame(1), tostring(a)
