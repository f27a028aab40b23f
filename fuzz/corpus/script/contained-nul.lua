local f = tessa.frame() f:save("x\0.bmp") tessa.open("a\0b") tessa.files(".\0") io.open("n\0", "w")
