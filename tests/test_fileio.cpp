// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/fileio.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace tessa;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kOld{'o', 'l', 'd'};
const Bytes kOlder{'o', 'l', 'd', 'e', 'r'};
const Bytes kNew{'n', 'e', 'w', '!'};

// A step of a save that a test makes fail.
enum class Step { Create, Write, Flush, Close, Backup, BackupRename, FinalRename };

class OutputThatFails : public OutputFile
{
public:
    OutputThatFails(std::unique_ptr<OutputFile> real, Step failing)
        : m_real(std::move(real))
        , m_failing(failing)
    {
    }
    std::error_code write(std::span<const std::uint8_t> bytes) override
    {
        if (m_failing == Step::Write) {
            // A full disk takes part of the data, then refuses the rest.
            m_real->write(bytes.first(bytes.size() / 2));
            return std::make_error_code(std::errc::no_space_on_device);
        }
        return m_real->write(bytes);
    }
    std::error_code flushToDisk() override
    {
        return m_failing == Step::Flush ? std::make_error_code(std::errc::io_error)
                                        : m_real->flushToDisk();
    }
    std::error_code close() override
    {
        const std::error_code error = m_real->close();
        return m_failing == Step::Close ? std::make_error_code(std::errc::no_space_on_device)
                                        : error;
    }

private:
    std::unique_ptr<OutputFile> m_real;
    Step m_failing;
};

class FileSystemThatFails : public FileSystem
{
public:
    explicit FileSystemThatFails(Step failing)
        : m_failing(failing)
    {
    }

    std::unique_ptr<OutputFile> createNew(const fs::path &path, std::error_code &error) override
    {
        if (m_failing == Step::Create) {
            error = std::make_error_code(std::errc::permission_denied);
            return nullptr;
        }
        auto file = FileSystem::createNew(path, error);
        return file ? std::make_unique<OutputThatFails>(std::move(file), m_failing) : nullptr;
    }
    std::error_code linkOrCopy(const fs::path &existing, const fs::path &copy) override
    {
        if (m_failing == Step::Backup)
            return std::make_error_code(std::errc::operation_not_permitted);
        return FileSystem::linkOrCopy(existing, copy);
    }
    std::error_code rename(const fs::path &from, const fs::path &to) override
    {
        const bool toBackup = to.string().ends_with(".bak");
        if ((m_failing == Step::BackupRename && toBackup)
            || (m_failing == Step::FinalRename && !toBackup))
            return std::make_error_code(std::errc::permission_denied);
        return FileSystem::rename(from, to);
    }

private:
    Step m_failing;
};

} // namespace

TEST(ReplaceFile, CreatesANewFileWithoutBackup)
{
    test::TempFolder folder;
    const std::string path = folder.file("new.anim");
    ASSERT_TRUE(replaceFile(path, kNew, Backup::Keep));
    EXPECT_EQ(test::readBytes(path), kNew);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"new.anim"}));
}

TEST(ReplaceFile, BackupRules)
{
    test::TempFolder folder;
    const std::string path = folder.file("a.anim");
    test::writeBytes(path, kOld);
    test::writeBytes(path + ".bak", kOlder);

    ASSERT_TRUE(replaceFile(path, kNew, Backup::None));
    EXPECT_EQ(test::readBytes(path), kNew);
    EXPECT_EQ(test::readBytes(path + ".bak"), kOlder) << "no backup asked for";

    ASSERT_TRUE(replaceFile(path, kOld, Backup::Keep));
    EXPECT_EQ(test::readBytes(path), kOld);
    EXPECT_EQ(test::readBytes(path + ".bak"), kNew) << "the older backup is replaced";
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.anim", "a.anim.bak"}));
}

TEST(ReplaceFile, ALongerOldFileLeavesNothingBehind)
{
    test::TempFolder folder;
    const std::string path = folder.file("frame.bmp");
    test::writeBytes(path, Bytes(5000, 9));
    ASSERT_TRUE(replaceFile(path, kNew, Backup::None));
    EXPECT_EQ(test::readBytes(path), kNew);
}

TEST(ReplaceFile, KeepsThePermissionsOfTheFileItReplaces)
{
    test::TempFolder folder;
    const std::string path = folder.file("shared.anim");
    test::writeBytes(path, kOld);
    const auto wanted = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                        | fs::perms::group_write | fs::perms::others_read;
    fs::permissions(path, wanted);
    ASSERT_TRUE(replaceFile(path, kNew, Backup::Keep));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, wanted);
}

TEST(ReplaceFile, ThroughASymbolicLinkUpdatesItsTarget)
{
    test::TempFolder folder;
    fs::create_directory(folder.path() / "real");
    const std::string target = (folder.path() / "real" / "EANIM.QLM").string();
    const std::string link = folder.file("link.qlm");
    test::writeBytes(target, kOld);
    fs::create_symlink("real/EANIM.QLM", link);

    ASSERT_TRUE(replaceFile(link, kNew, Backup::Keep));
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(test::readBytes(target), kNew);
    EXPECT_EQ(test::readBytes(target + ".bak"), kOld);
}

TEST(ReplaceFile, RefusesAFolderAndLeavesItAlone)
{
    test::TempFolder folder;
    const std::string path = folder.file("folder.anim");
    fs::create_directory(path);
    test::writeBytes(path + "/inside", kOld);

    auto saved = replaceFile(path, kNew, Backup::Keep);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().path, path);
    EXPECT_EQ(saved.error().text(), "Could not save \"" + path + "\": Is a directory.");
    EXPECT_EQ(test::readBytes(path + "/inside"), kOld);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"folder.anim"}));
}

TEST(ReplaceFile, MissingFolderIsReported)
{
    test::TempFolder folder;
    const std::string path = folder.file("no/such/folder/x.anim");
    auto saved = replaceFile(path, kNew, Backup::Keep);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().reason, "No such file or directory");
}

TEST(ReplaceFile, AFailedStepLeavesOldFileAndBackupAndNoStrayFile)
{
    const struct
    {
        Step step;
        const char *name;
        const char *reason;
    } rows[] = {
            {Step::Create, "temporary file cannot be created", "Permission denied"},
            {Step::Write, "disk full while writing", "No space left on device"},
            {Step::Flush, "flush to disk fails", "Input/output error"},
            {Step::Close, "close reports a late write error", "No space left on device"},
            {Step::Backup, "backup cannot be made", "Operation not permitted"},
            {Step::BackupRename, "backup cannot take its name", "Permission denied"},
            {Step::FinalRename, "new file cannot take its name", "Permission denied"},
    };
    for (const auto &row : rows) {
        test::TempFolder folder;
        const std::string path = folder.file("EANIM.QLM");
        test::writeBytes(path, kOld);
        test::writeBytes(path + ".bak", kOlder);

        FileSystemThatFails failing(row.step);
        auto saved = replaceFile(path, kNew, Backup::Keep, failing);
        ASSERT_FALSE(saved) << row.name;
        EXPECT_EQ(saved.error().text(), "Could not save \"" + path + "\": " + row.reason + ".")
                << row.name;
        EXPECT_EQ(test::readBytes(path), kOld) << row.name;
        // Only the last step can have refreshed the backup, and then with the same old bytes.
        const Bytes backup = test::readBytes(path + ".bak");
        EXPECT_TRUE(backup == kOlder || (row.step == Step::FinalRename && backup == kOld))
                << row.name;
        EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}))
                << row.name;
    }
}

TEST(ReadWholeFile, ReadsEverythingAndReportsFailures)
{
    test::TempFolder folder;
    const std::string path = folder.file("big.bin");
    Bytes big(3 * 1024 * 1024 + 17);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i * 7);
    test::writeBytes(path, big);
    auto read = readWholeFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, big);

    test::writeBytes(folder.file("empty"), {});
    auto empty = readWholeFile(folder.file("empty"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());

    auto folderRead = readWholeFile(folder.path().string());
    ASSERT_FALSE(folderRead);
    EXPECT_EQ(folderRead.error().reason, "Is a directory");
    auto missing = readWholeFile(folder.file("missing"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().text(),
              "Could not read \"" + folder.file("missing") + "\": No such file or directory.");
}
