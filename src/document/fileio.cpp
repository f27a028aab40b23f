// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio.h"

#include "framestore.h"
#include "nativefile.h"

#include <cstdio>
#include <random>

namespace fs = std::filesystem;

namespace tessa {

namespace {

Unexpected<IoError> tooLarge(const std::string &path, std::uint64_t mostBytes)
{
    return Unexpected{IoError{IoError::Action::Read, path,
                              "It is larger than a file of its kind can be (at most "
                                      + std::to_string(mostBytes) + " bytes)"}};
}

class StdioOutputFile : public OutputFile
{
public:
    explicit StdioOutputFile(std::FILE *file)
        : m_file(file)
    {
    }
    ~StdioOutputFile() override
    {
        if (m_file)
            std::fclose(m_file);
    }

    std::error_code write(std::span<const std::uint8_t> bytes) override
    {
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
            return lastCError();
        return {};
    }

    std::error_code flushToDisk() override { return flushFileToDisk(m_file); }

    std::error_code close() override
    {
        std::FILE *file = std::exchange(m_file, nullptr);
        if (std::fclose(file) != 0)
            return lastCError();
        return {};
    }

private:
    std::FILE *m_file;
};

IoError saveError(const std::string &path, std::error_code error)
{
    return IoError{IoError::Action::Write, path, error.message()};
}

// Follows a chain of symbolic links to the file it ends at (which need not exist yet).
fs::path followLinks(fs::path path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            break;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// A name in `folder` that no file has yet, hidden and recognisably ours.
fs::path temporaryName(const fs::path &folder, const fs::path &fileName, const char *purpose)
{
    static std::mt19937_64 generator{std::random_device{}()};
    const auto suffix = std::to_string(generator() % 1000000000ULL);
    fs::path name = folder / ".";
    name += fileName.native();
    name += std::string(".") + purpose + "-" + suffix;
    return name;
}

// Writes `bytes` into a new temporary file in `folder`; its name goes to `created`.
std::error_code writeTemporary(FileSystem &fileSystem, const fs::path &folder,
                               const fs::path &fileName, std::span<const std::uint8_t> bytes,
                               fs::path &created)
{
    std::error_code error;
    std::unique_ptr<OutputFile> file;
    for (int attempt = 0; attempt < 8 && !file; ++attempt) {
        created = temporaryName(folder, fileName, "tmp");
        file = fileSystem.createNew(created, error);
        if (!file && error != std::errc::file_exists)
            return error;
    }
    if (!file)
        return error;
    if ((error = file->write(bytes)) || (error = file->flushToDisk()) || (error = file->close())) {
        file.reset();
        fileSystem.remove(created);
        return error;
    }
    return {};
}

} // namespace

std::string IoError::text() const
{
    const char *verb = action == Action::Read ? "Could not read \"" : "Could not save \"";
    return verb + path + "\": " + reason + ".";
}

FileSystem &FileSystem::real()
{
    static FileSystem instance;
    return instance;
}

std::unique_ptr<OutputFile> FileSystem::createNew(const fs::path &path, std::error_code &error)
{
    std::FILE *file = createNewFile(path, error);
    if (!file)
        return nullptr;
    return std::make_unique<StdioOutputFile>(file);
}

std::error_code FileSystem::hardLink(const fs::path &existing, const fs::path &link)
{
    std::error_code error;
    fs::create_hard_link(existing, link, error);
    return error;
}

std::error_code FileSystem::linkOrCopy(const fs::path &existing, const fs::path &copy)
{
    std::error_code error = hardLink(existing, copy);
    if (!error)
        return {};
    // FAT drives, network shares and some Windows volumes have no hard links: copy instead.
    auto bytes = readWholeFile(textFromPath(existing));
    if (!bytes)
        return std::make_error_code(std::errc::io_error);
    std::unique_ptr<OutputFile> file = createNew(copy, error);
    if (!file)
        return error;
    if ((error = file->write(*bytes)) || (error = file->flushToDisk()) || (error = file->close())) {
        file.reset();
        remove(copy);
    }
    return error;
}

std::error_code FileSystem::rename(const fs::path &from, const fs::path &to)
{
    return renameReplacing(from, to);
}

std::error_code FileSystem::checkReplaceable(const fs::path &path)
{
    return tessa::checkReplaceable(path);
}

std::error_code FileSystem::remove(const fs::path &path)
{
    std::error_code error;
    fs::remove(path, error);
    return error;
}

Expected<std::vector<std::uint8_t>, IoError> readWholeFile(const std::string &path,
                                                          std::uint64_t mostBytes)
{
    const auto fail = [&path](std::error_code error) {
        return Unexpected{IoError{IoError::Action::Read, path, error.message()}};
    };
    std::error_code error;
    const fs::path name = pathFromText(path);
    if (fs::is_directory(name, error))
        return fail(std::make_error_code(std::errc::is_a_directory));

    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(openForReading(name, error),
                                                          &std::fclose);
    if (!file)
        return fail(error);
    std::vector<std::uint8_t> bytes;
    // Read in blocks rather than trusting a size taken beforehand: the file may change, and
    // special files report no size at all.
    constexpr std::size_t kBlock = 1 << 20;
    const auto expected = fs::file_size(name, error);
    if (!error && expected > mostBytes)
        return tooLarge(path, mostBytes);
    if (!error && expected < (std::uintmax_t(1) << 40))
        bytes.reserve(static_cast<std::size_t>(expected) + 1);
    adviseHugePages(bytes.data(), bytes.capacity());
    std::size_t used = 0;
    for (;;) {
        const std::size_t want = bytes.capacity() > used ? bytes.capacity() - used : kBlock;
        bytes.resize(used + want);
        const std::size_t got = std::fread(bytes.data() + used, 1, want, file.get());
        used += got;
        if (used > mostBytes)
            return tooLarge(path, mostBytes);
        if (got < want) {
            if (std::ferror(file.get()))
                return fail(lastCError());
            break;
        }
    }
    bytes.resize(used);
    return bytes;
}

Expected<Done, IoError> replaceFile(const std::string &path, std::span<const std::uint8_t> bytes,
                                    Backup backup, FileSystem &fileSystem,
                                    const WrittenFileCheck &check)
{
    const fs::path target = followLinks(pathFromText(path));
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    const bool exists = fs::exists(status);
    if (exists && fs::is_directory(status))
        return Unexpected{saveError(path, std::make_error_code(std::errc::is_a_directory))};
    if (exists && !fs::is_regular_file(status))
        return Unexpected{IoError{IoError::Action::Write, path, "It is not a regular file"}};

    if (exists && (error = fileSystem.checkReplaceable(target)))
        return Unexpected{saveError(path, error)};

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const fs::path fileName = target.filename();
    fs::path temporary;
    if ((error = writeTemporary(fileSystem, folder, fileName, bytes, temporary)))
        return Unexpected{saveError(path, error)};

    // Before the backup, so that a file that is not right changes nothing at all.
    if (check) {
        if (std::optional<std::string> problem = check(temporary)) {
            fileSystem.remove(temporary);
            return Unexpected{IoError{IoError::Action::Write, path,
                                      *problem + "; the file was left as it was"}};
        }
    }

    // The new file keeps the old one's permissions.
    if (exists)
        fs::permissions(temporary, status.permissions(), error);

    if (exists && backup == Backup::Keep) {
        // The backup is made beside the old file and renamed into place, so that an older
        // ".bak" is replaced in one step and `path` itself is never missing.
        const fs::path backupCopy = temporaryName(folder, fileName, "bak");
        fs::path backupPath = target;
        backupPath += ".bak";
        if ((error = fileSystem.linkOrCopy(target, backupCopy))
            || (error = fileSystem.rename(backupCopy, backupPath))) {
            fileSystem.remove(backupCopy);
            fileSystem.remove(temporary);
            return Unexpected{saveError(path, error)};
        }
    }

    if ((error = fileSystem.rename(temporary, target))) {
        fileSystem.remove(temporary);
        return Unexpected{saveError(path, error)};
    }
    return Done{};
}

} // namespace tessa
