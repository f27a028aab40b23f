// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/fileio.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace tessa::test {

// A step of a save that a test makes fail.
// HardLink is no failure of the save: the file system has no hard links (FAT, network shares).
// CorruptWrite reports no error at all: one byte reaches the file changed, as failing memory, a
// faulty cable or disk would have it.
enum class SaveStep {
    Create,
    Write,
    Flush,
    Close,
    HardLink,
    Backup,
    BackupRename,
    FinalRename,
    CorruptWrite
};

// The real file system with one step of saving made to fail with `reason`, as a full disk, an
// unwritable or read-only folder, or a refused rename would; running as root, permission bits
// alone could not make any of these happen. A failing write first writes half of the bytes, as
// a disk that fills up does, and a failing close does close the file.
class FailingFileSystem : public FileSystem
{
public:
    FailingFileSystem(SaveStep failing, std::errc reason)
        : m_failing(failing)
        , m_reason(std::make_error_code(reason))
    {
    }

    // With SaveStep::CorruptWrite: the offset in the file of the byte that is changed.
    std::size_t corruptOffset = 0;

    // Every path createNew was asked for, whether or not it was created.
    std::vector<std::filesystem::path> createRequests;

    std::unique_ptr<OutputFile> createNew(const std::filesystem::path &path,
                                          std::error_code &error) override
    {
        createRequests.push_back(path);
        if (m_failing == SaveStep::Create) {
            error = m_reason;
            return nullptr;
        }
        auto file = FileSystem::createNew(path, error);
        return file ? std::make_unique<Output>(std::move(file), *this) : nullptr;
    }
    std::error_code hardLink(const std::filesystem::path &existing,
                             const std::filesystem::path &link) override
    {
        if (m_failing == SaveStep::HardLink)
            return m_reason;
        return FileSystem::hardLink(existing, link);
    }
    std::error_code linkOrCopy(const std::filesystem::path &existing,
                               const std::filesystem::path &copy) override
    {
        if (m_failing == SaveStep::Backup)
            return m_reason;
        return FileSystem::linkOrCopy(existing, copy);
    }
    std::error_code rename(const std::filesystem::path &from,
                           const std::filesystem::path &to) override
    {
        const bool toBackup = to.string().ends_with(".bak");
        if ((m_failing == SaveStep::BackupRename && toBackup)
            || (m_failing == SaveStep::FinalRename && !toBackup))
            return m_reason;
        return FileSystem::rename(from, to);
    }

private:
    class Output : public OutputFile
    {
    public:
        Output(std::unique_ptr<OutputFile> real, const FailingFileSystem &owner)
            : m_real(std::move(real))
            , m_owner(owner)
        {
        }
        std::error_code write(std::span<const std::uint8_t> bytes) override
        {
            const std::size_t at = m_owner.corruptOffset - m_written;
            m_written += bytes.size();
            if (m_owner.m_failing == SaveStep::CorruptWrite && at < bytes.size()) {
                std::vector<std::uint8_t> changed(bytes.begin(), bytes.end());
                changed[at] ^= 0x01;
                return m_real->write(changed);
            }
            if (m_owner.m_failing != SaveStep::Write)
                return m_real->write(bytes);
            m_real->write(bytes.first(bytes.size() / 2));
            return m_owner.m_reason;
        }
        std::error_code flushToDisk() override
        {
            return m_owner.m_failing == SaveStep::Flush ? m_owner.m_reason : m_real->flushToDisk();
        }
        std::error_code close() override
        {
            const std::error_code error = m_real->close();
            return m_owner.m_failing == SaveStep::Close ? m_owner.m_reason : error;
        }

    private:
        std::unique_ptr<OutputFile> m_real;
        const FailingFileSystem &m_owner;
        std::size_t m_written = 0;
    };

    SaveStep m_failing;
    std::error_code m_reason;
};

} // namespace tessa::test
