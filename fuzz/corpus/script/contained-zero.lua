tessa.open("/dev/zero") tessa.palette("/dev/zero") os.setlocale("C") table.move({}, 1, 1e15, 2) string.rep("", 1e18)
