// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptpaths.h"

#include "document/nativefile.h"

#ifdef _WIN32
#include <windows.h>

#include <cwctype>
#endif

namespace tessa {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32

// "\\?\C:\x" and "\\?\UNC\server\share\x" as "C:\x" and "\\server\share\x".
std::wstring withoutLongPrefix(const std::wstring &path)
{
    if (path.rfind(LR"(\\?\UNC\)", 0) == 0)
        return LR"(\\)" + path.substr(8);
    if (path.rfind(LR"(\\?\)", 0) == 0)
        return path.substr(4);
    return path;
}

// The part of a full path no link can stand in: "C:\" of a drive, "\\server\share\" of a network
// share; "" when it is neither (a device, say).
std::wstring rootOf(const std::wstring &path)
{
    if (path.size() >= 3 && iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\')
        return path.substr(0, 3);
    if (path.size() < 3 || path.rfind(LR"(\\)", 0) != 0 || path[2] == L'?' || path[2] == L'.')
        return {};
    const std::size_t server = path.find(L'\\', 2);
    if (server == std::wstring::npos || server == 2)
        return {};
    const std::size_t share = path.find(L'\\', server + 1);
    if (share == server + 1)
        return {};
    return share == std::wstring::npos ? path + L'\\' : path.substr(0, share + 1);
}

std::wstring fullPath(const std::wstring &text)
{
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(text.c_str(), static_cast<DWORD>(full.size()),
                                              full.data(), nullptr);
        if (length == 0)
            return {};
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

// The path `existing` (which exists) leads to, links and junctions followed; "" when it cannot
// be opened to find out.
std::wstring finalPath(const std::wstring &existing)
{
    HANDLE file =
            CreateFileW(existing.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= final.size()) {
        final.resize(length);
        length = GetFinalPathNameByHandleW(file, final.data(), length,
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    CloseHandle(file);
    if (length == 0 || length >= final.size())
        return {};
    final.resize(length);
    return withoutLongPrefix(final);
}

Expected<fs::path, std::string> resolve(const fs::path &wanted)
{
    const std::wstring &text = wanted.native();
    std::wstring full;
    if (text.rfind(LR"(\\?\)", 0) == 0) {
        // Windows takes such a path as it is spelt: "." and ".." would be names of their own.
        full = withoutLongPrefix(text);
        for (const fs::path &part : fs::path(full)) {
            if (part == L"." || part == L"..")
                return Unexpected{std::string("a path starting with \\\\?\\ may not hold . or ..")};
        }
    } else {
        full = fullPath(text);
    }
    // Devices ("CON" becomes "\\.\CON") and whatever else is no file on a drive or a share.
    const std::wstring root = rootOf(full);
    if (root.empty())
        return Unexpected{std::string("it names no file on a drive or a network share")};

    // The deepest part that exists is resolved by the system; the names below it are kept.
    fs::path existing(full);
    fs::path rest;
    while (existing.native().size() > root.size()
           && GetFileAttributesW(existing.c_str()) == INVALID_FILE_ATTRIBUTES) {
        rest = rest.empty() ? existing.filename() : existing.filename() / rest;
        existing = existing.parent_path();
    }
    // No link stands in a drive's or a share's root.
    if (existing.native().size() <= root.size())
        return rest.empty() ? fs::path(root) : fs::path(root) / rest;
    std::wstring resolved = finalPath(existing.native());
    if (resolved.empty()) {
        // A link whose target is gone: creating a file through it would create the target.
        const DWORD attributes = GetFileAttributesW(existing.c_str());
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
            return Unexpected{std::string("it is a link to a file that does not exist")};
        resolved = existing.native();
    }
    return rest.empty() ? fs::path(resolved) : fs::path(resolved) / rest;
}

bool sameName(const fs::path &a, const fs::path &b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

#else

constexpr int kMostLinks = 40;

// Walks `path` as the system does: each name in turn below what the names before it led to, a
// link replaced by where it leads before the next name is taken.
Expected<fs::path, std::string> resolve(fs::path path, int &links)
{
    std::error_code error;
    if (!path.is_absolute()) {
        const fs::path working = fs::current_path(error);
        if (error)
            return Unexpected{"the working folder cannot be found: " + error.message()};
        path = working / path;
    }
    fs::path reached = path.root_path();
    for (const fs::path &part : path.relative_path()) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            // What was reached holds no link, so its parent is the one the system takes.
            reached = reached.parent_path();
            continue;
        }
        const fs::path next = reached / part;
        if (!fs::is_symlink(fs::symlink_status(next, error))) {
            reached = next;
            continue;
        }
        if (++links > kMostLinks)
            return Unexpected{std::string("it leads through too many symbolic links")};
        const fs::path target = fs::read_symlink(next, error);
        if (error)
            return Unexpected{"the link \"" + textFromPath(next)
                              + "\" cannot be read: " + error.message()};
        auto followed = resolve(target.is_absolute() ? target : reached / target, links);
        if (!followed)
            return followed;
        reached = std::move(*followed);
    }
    return reached;
}

Expected<fs::path, std::string> resolve(const fs::path &path)
{
    int links = 0;
    return resolve(path, links);
}

bool sameName(const fs::path &a, const fs::path &b)
{
    return a == b;
}

#endif

} // namespace

Expected<fs::path, std::string> systemPath(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return Unexpected{std::string("the name holds a NUL character")};
    if (text.empty())
        return Unexpected{std::string("the name is empty")};
    return resolve(pathFromText(text));
}

bool isInFolder(const fs::path &path, const fs::path &folder)
{
    auto part = path.begin();
    for (const fs::path &name : folder) {
        if (name.empty())
            continue; // after a final separator
        if (part == path.end() || !sameName(*part, name))
            return false;
        ++part;
    }
    return true;
}

} // namespace tessa
