string.find(string.rep("a", 400), ".-.-.-.-b")
