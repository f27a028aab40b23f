// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/fileio.h"
#include "failingfilesystem.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace tessa;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::FailingFileSystem;
using test::SaveStep;

namespace {

const Bytes kOld{'o', 'l', 'd'};
const Bytes kOlder{'o', 'l', 'd', 'e', 'r'};
const Bytes kNew{'n', 'e', 'w', '!'};

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

TEST(ReplaceFile, WithoutHardLinksTheBackupIsACopy)
{
    test::TempFolder folder;
    const std::string path = folder.file("EANIM.QLM");
    test::writeBytes(path, kOld);
    test::writeBytes(path + ".bak", kOlder);

    test::FailingFileSystem noLinks(test::SaveStep::HardLink, std::errc::operation_not_supported);
    ASSERT_TRUE(replaceFile(path, kNew, Backup::Keep, noLinks));
    EXPECT_EQ(test::readBytes(path), kNew);
    EXPECT_EQ(test::readBytes(path + ".bak"), kOld);
    EXPECT_EQ(fs::hard_link_count(path + ".bak"), 1u);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}));
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
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no POSIX permission bits";
#endif
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
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links on Windows need rights a normal user lacks";
#endif
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
        SaveStep step;
        std::errc error;
        const char *name;
        const char *reason;
    } rows[] = {
            {SaveStep::Create, std::errc::permission_denied, "unwritable folder",
             "Permission denied"},
            {SaveStep::Create, std::errc::read_only_file_system, "read-only file system",
             "Read-only file system"},
            {SaveStep::Create, std::errc::too_many_files_open, "no file can be opened",
             "Too many open files"},
            {SaveStep::Write, std::errc::no_space_on_device, "disk full after half the data",
             "No space left on device"},
            {SaveStep::Write, std::errc::file_too_large, "file size limit", "File too large"},
            {SaveStep::Flush, std::errc::io_error, "flush to disk fails", "Input/output error"},
            {SaveStep::Close, std::errc::no_space_on_device, "close reports a late write error",
             "No space left on device"},
            {SaveStep::Backup, std::errc::operation_not_permitted, "backup cannot be made",
             "Operation not permitted"},
            {SaveStep::BackupRename, std::errc::permission_denied, "backup cannot take its name",
             "Permission denied"},
            {SaveStep::FinalRename, std::errc::permission_denied, "rename refused",
             "Permission denied"},
            {SaveStep::FinalRename, std::errc::device_or_resource_busy, "target busy",
             "Device or resource busy"},
    };
    for (const auto &row : rows) {
        test::TempFolder folder;
        const std::string path = folder.file("EANIM.QLM");
        test::writeBytes(path, kOld);
        test::writeBytes(path + ".bak", kOlder);

        FailingFileSystem failing(row.step, row.error);
        auto saved = replaceFile(path, kNew, Backup::Keep, failing);
        ASSERT_FALSE(saved) << row.name;
        EXPECT_EQ(saved.error().text(), "Could not save \"" + path + "\": " + row.reason + ".")
                << row.name;
        EXPECT_EQ(test::readBytes(path), kOld) << row.name;
        // Only the last step can have refreshed the backup, and then with the same old bytes.
        const Bytes backup = test::readBytes(path + ".bak");
        EXPECT_TRUE(backup == kOlder || (row.step == SaveStep::FinalRename && backup == kOld))
                << row.name;
        EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}))
                << row.name;
        ASSERT_FALSE(failing.createRequests.empty()) << row.name;
        EXPECT_EQ(failing.createRequests.front().parent_path(), folder.path())
                << row.name << ": the temporary file lies beside the target, on its file system";
    }
}

TEST(ReplaceFile, GivesUpWhenEveryTemporaryNameIsTaken)
{
    test::TempFolder folder;
    const std::string path = folder.file("EANIM.QLM");
    test::writeBytes(path, kOld);
    FailingFileSystem failing(SaveStep::Create, std::errc::file_exists);
    auto saved = replaceFile(path, kNew, Backup::Keep, failing);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().reason, "File exists");
    EXPECT_GT(failing.createRequests.size(), 1u) << "a taken name is retried with another";
    EXPECT_LE(failing.createRequests.size(), 100u) << "but not for ever";
    EXPECT_NE(failing.createRequests.front(), failing.createRequests.back());
    EXPECT_EQ(test::readBytes(path), kOld);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM"}));
}

TEST(ReplaceFile, ATargetThatIsAFolderIsRefusedBeforeAnythingIsWritten)
{
    test::TempFolder folder;
    const std::string path = folder.file("EANIM.QLM");
    std::filesystem::create_directory(path);
    FailingFileSystem counting(SaveStep::FinalRename, std::errc::permission_denied);
    auto saved = replaceFile(path, kNew, Backup::Keep, counting);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().reason, "Is a directory");
    EXPECT_TRUE(counting.createRequests.empty()) << "no temporary file was even tried";
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM"}));
    EXPECT_TRUE(fs::is_directory(path));
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

    // A bound on what its kind of file can hold: exactly that much is read, one byte more is not.
    EXPECT_TRUE(readWholeFile(path, big.size()));
    const auto tooLarge = readWholeFile(path, big.size() - 1);
    ASSERT_FALSE(tooLarge);
    EXPECT_EQ(tooLarge.error().reason,
              "It is larger than a file of its kind can be (at most " + std::to_string(big.size() - 1)
                      + " bytes)");
#ifndef _WIN32
    // A device that tells no size and never ends is read no further than the bound.
    EXPECT_FALSE(readWholeFile("/dev/zero", 1 << 20));
#endif
}
