// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tempfolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX // std::min and std::max stay usable after windows.h
#endif
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace tessa::test {

// What one run of the built tessanim did. A program that could not be started has status -1
// and the reason in `err`.
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

#ifdef _WIN32

// The program is started directly, not through std::system: that starts cmd.exe, and returns -1
// with no reason whenever cmd.exe cannot be started, as happens now and then under Wine on a
// busy machine.
namespace windows {

inline std::wstring wide(const std::string &utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), length);
    return text;
}

inline std::string narrow(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

// "The system cannot find the file specified. (error 2)"
inline std::string systemMessage(DWORD error)
{
    wchar_t *buffer = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                           | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::string text = buffer ? narrow(buffer) : std::string();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text + " (error " + std::to_string(error) + ")";
}

// A word of a command line as the C runtime's parser gives it back to the program: quoted when
// it holds a blank or a quote, a quote inside escaped with a backslash, and backslashes doubled
// only where they come before a quote.
inline std::wstring commandLineWord(const std::wstring &word)
{
    if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return word;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted.push_back(c);
        backslashes = 0;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

class Handle
{
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE)
        : m_handle(handle)
    {
    }
    ~Handle() { close(); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    void close()
    {
        if (valid())
            CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

// A file the program inherits as its standard output or error, or "NUL" to read from.
inline HANDLE inheritedFile(const std::string &path, bool forWriting)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(wide(path).c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Runs `program` with its output going to `outPath` and `errPath`, and waits for it.
inline ToolRun run(const std::string &program, const std::string &outPath,
                   const std::string &errPath, const std::vector<std::string> &arguments)
{
    ToolRun result;
    Handle in(inheritedFile("NUL", false));
    Handle out(inheritedFile(outPath, true));
    Handle err(inheritedFile(errPath, true));
    if (!in.valid() || !out.valid() || !err.valid()) {
        result.err = "Could not open the files for the output of " + program + ": "
                     + systemMessage(GetLastError());
        return result;
    }
    std::wstring application = wide(program);
    for (wchar_t &c : application)
        c = c == L'/' ? L'\\' : c;
    std::wstring commandLine = commandLineWord(application);
    for (const std::string &argument : arguments)
        commandLine += L" " + commandLineWord(wide(argument));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION started{};
    // Detached from any console: its output goes to the files, and a test run from a program
    // without a console would otherwise open a console window for every run.
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        DETACHED_PROCESS, nullptr, nullptr, &startup, &started)) {
        result.err = "Could not start " + program + ": " + systemMessage(GetLastError());
        return result;
    }
    const Handle process(started.hProcess);
    const Handle thread(started.hThread);
    // The program has its own copies: ours go now, so that the files are complete to read.
    for (Handle *ours : {&in, &out, &err})
        ours->close();
    DWORD code = 0;
    if (WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0
        || !GetExitCodeProcess(process.get(), &code)) {
        result.err = "Could not wait for " + program + ": " + systemMessage(GetLastError());
        return result;
    }
    result.status = int(code);
    result.out = readText(outPath);
    result.err = readText(errPath);
    // Text written to a Windows console or file ends its lines in CR LF.
    for (std::string *text : {&result.out, &result.err})
        for (auto at = text->find("\r\n"); at != std::string::npos; at = text->find("\r\n", at))
            text->erase(at, 1);
    return result;
}

} // namespace windows

#endif

// Runs `program` with `arguments`, its output caught in files of `scratch`.
inline ToolRun runProgram(const std::string &program, const TempFolder &scratch,
                          const std::vector<std::string> &arguments)
{
    const std::string outPath = scratch.file("tool-stdout");
    const std::string errPath = scratch.file("tool-stderr");
#ifdef _WIN32
    return windows::run(program, outPath, errPath, arguments);
#else
    std::string command = shellQuoted(program);
    for (const std::string &argument : arguments)
        command += " " + shellQuoted(argument);
    command += " >" + shellQuoted(outPath) + " 2>" + shellQuoted(errPath);
    const int raw = std::system(command.c_str());
    ToolRun run;
    if (raw == -1) {
        run.err = "Could not start the shell for " + program + ": " + std::strerror(errno);
        return run;
    }
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readText(outPath);
    run.err = readText(errPath);
    return run;
#endif
}

// Runs the built tessanim.
inline ToolRun runTool(const TempFolder &scratch, const std::vector<std::string> &arguments)
{
    return runProgram(TESSANIM_PATH, scratch, arguments);
}

} // namespace tessa::test
