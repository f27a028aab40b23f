// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nativefile.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tessa {

std::error_code lastCError()
{
    return std::error_code(errno, std::generic_category());
}

#ifdef _WIN32

namespace {

// Windows error codes with their messages: the C++ library's own category does not know them,
// and the system's words for a file held open elsewhere do not say what to do.
class WindowsErrorCategory : public std::error_category
{
public:
    const char *name() const noexcept override { return "windows"; }

    std::string message(int code) const override
    {
        switch (code) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return "It is open in another program; close it there and try again";
        default:
            break;
        }
        char *buffer = nullptr;
        const DWORD length = FormatMessageA(
                FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                        | FORMAT_MESSAGE_IGNORE_INSERTS,
                nullptr, DWORD(code), 0, reinterpret_cast<char *>(&buffer), 0, nullptr);
        std::string text = length && buffer ? std::string(buffer, length)
                                            : "Windows error " + std::to_string(code);
        LocalFree(buffer);
        // The caller adds its own full stop.
        while (!text.empty()
               && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'
                   || text.back() == ' '))
            text.pop_back();
        return text;
    }

    std::error_condition default_error_condition(int code) const noexcept override
    {
        switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::errc::no_such_file_or_directory;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::errc::file_exists;
        case ERROR_ACCESS_DENIED:
            return std::errc::permission_denied;
        default:
            return std::error_condition(code, *this);
        }
    }
};

const std::error_category &windowsCategory()
{
    static const WindowsErrorCategory category;
    return category;
}

std::error_code lastWindowsError()
{
    return std::error_code(int(GetLastError()), windowsCategory());
}

} // namespace

fs::path pathFromText(std::string_view text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return fs::path(std::move(wide));
}

std::string textFromPath(const fs::path &path)
{
    const std::wstring &wide = path.native();
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(std::size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), text.data(), length, nullptr,
                            nullptr);
    return text;
}

std::FILE *openForReading(const fs::path &path, std::error_code &error)
{
    std::FILE *file = _wfopen(path.c_str(), L"rb");
    error = file ? std::error_code() : lastCError();
    return file;
}

std::FILE *createNewFile(const fs::path &path, std::error_code &error)
{
    // The C runtime's fopen has no "x" mode here; _O_EXCL is the same promise.
    const int descriptor =
            _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (descriptor < 0) {
        error = lastCError();
        return nullptr;
    }
    std::FILE *file = _fdopen(descriptor, "wb");
    if (!file) {
        error = lastCError();
        _close(descriptor);
        return nullptr;
    }
    error.clear();
    return file;
}

std::error_code flushFileToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return lastCError();
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle))
        return lastWindowsError();
    return {};
}

std::error_code renameReplacing(const fs::path &from, const fs::path &to)
{
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastWindowsError();
    return {};
}

std::error_code checkReplaceable(const fs::path &path)
{
    // Replacing needs the right to delete; a program that opened the file without sharing that
    // right (as most do) makes this open fail with a sharing violation.
    const HANDLE handle = CreateFileW(path.c_str(), DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const std::error_code error = lastWindowsError();
        // A file that is gone or out of reach is reported by the steps that need it.
        return error.value() == ERROR_SHARING_VIOLATION || error.value() == ERROR_LOCK_VIOLATION
                       ? error
                       : std::error_code();
    }
    CloseHandle(handle);
    return {};
}

#else

fs::path pathFromText(std::string_view text)
{
    return fs::path(text);
}

std::string textFromPath(const fs::path &path)
{
    return path.string();
}

std::FILE *openForReading(const fs::path &path, std::error_code &error)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    error = file ? std::error_code() : lastCError();
    return file;
}

std::FILE *createNewFile(const fs::path &path, std::error_code &error)
{
    // "x": fail when the file exists, so a temporary name never clobbers anything.
    std::FILE *file = std::fopen(path.c_str(), "wbx");
    error = file ? std::error_code() : lastCError();
    return file;
}

std::error_code flushFileToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0)
        return lastCError();
    return {};
}

std::error_code renameReplacing(const fs::path &from, const fs::path &to)
{
    std::error_code error;
    fs::rename(from, to, error);
    return error;
}

std::error_code checkReplaceable(const fs::path &)
{
    return {};
}

#endif

} // namespace tessa
