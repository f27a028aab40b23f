// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tempfolder.h"

#include <cstdlib>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tessa::test {

// What one run of the built tessanim did.
struct ToolRun
{
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string &word)
{
#ifdef _WIN32
    return "\"" + word + "\"";
#else
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

// Runs `program` with `arguments` through the shell, its output caught in files of `scratch`.
inline ToolRun runProgram(const std::string &program, const TempFolder &scratch,
                          const std::vector<std::string> &arguments)
{
    const std::string outPath = scratch.file("tool-stdout");
    const std::string errPath = scratch.file("tool-stderr");
    std::string command = shellQuoted(program);
    for (const std::string &argument : arguments)
        command += " " + shellQuoted(argument);
    command += " >" + shellQuoted(outPath) + " 2>" + shellQuoted(errPath);
#ifdef _WIN32
    command = "\"" + command + "\"";
#endif
    const int raw = std::system(command.c_str());
    ToolRun run;
#ifdef _WIN32
    run.status = raw;
#else
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    run.out = readText(outPath);
    run.err = readText(errPath);
#ifdef _WIN32
    // Text written to a Windows console or file ends its lines in CR LF.
    for (std::string *text : {&run.out, &run.err})
        for (auto at = text->find("\r\n"); at != std::string::npos; at = text->find("\r\n", at))
            text->erase(at, 1);
#endif
    return run;
}

// Runs the built tessanim.
inline ToolRun runTool(const TempFolder &scratch, const std::vector<std::string> &arguments)
{
    return runProgram(TESSANIM_PATH, scratch, arguments);
}

} // namespace tessa::test
