// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>

namespace tessa::test {

// What a shell command prints on its standard output; "" when it cannot be started.
inline std::string commandOutput(const std::string &command)
{
    std::string text;
    if (std::FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, got);
        pclose(pipe);
    }
    return text;
}

} // namespace tessa::test
