// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What saving meets on Windows only: drive letters and backslashes, and a file that another
// program holds open, which Windows will not let anyone replace.
#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/paths.h"
#include "heldopen.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using namespace tessa;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kOld{1, 2, 3};
const Bytes kOlder{7, 7};
const Bytes kNew{4, 5, 6, 7};

} // namespace

TEST(WindowsFiles, DriveLettersAndEitherSeparatorWork)
{
    test::TempFolder folder;
    const std::string native = folder.path().string();
    ASSERT_GE(native.size(), 3u);
    ASSERT_EQ(native.substr(1, 2), ":\\") << "a temporary folder with a drive letter: " << native;

    // As typed in a command prompt, and as Qt and many tools hand paths back.
    std::string slashed = native;
    for (char &c : slashed)
        c = c == '\\' ? '/' : c;
    for (const std::string &path : {native + "\\EANIM.QLM", slashed + "/EANIM.QLM"}) {
        ASSERT_TRUE(replaceFile(path, kOld, Backup::Keep)) << path;
        ASSERT_TRUE(replaceFile(path, kNew, Backup::Keep)) << path;
        const auto back = readWholeFile(path);
        ASSERT_TRUE(back) << path;
        EXPECT_EQ(*back, kNew) << path;
        EXPECT_EQ(test::readBytes(folder.file("EANIM.QLM.bak")), kOld) << path;
        EXPECT_EQ(GetFileName(path), "EANIM.QLM");
        EXPECT_EQ(GetFolder(path), path.substr(0, path.size() - 10));
    }
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}));
}

TEST(WindowsFiles, SavingOverAFileOpenElsewhereIsRefusedAndSaysWhy)
{
    test::TempFolder folder;
    const std::string path = folder.file("EANIM.QLM");
    test::writeBytes(path, kOld);
    test::writeBytes(path + ".bak", kOlder);

    test::HeldOpen viewer(path);
    ASSERT_TRUE(viewer.isOpen());
    const auto refused = replaceFile(path, kNew, Backup::Keep);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().text(), "Could not save \"" + path
                                              + "\": It is open in another program; close it "
                                                "there and try again.");
    EXPECT_EQ(test::readBytes(path), kOld);
    EXPECT_EQ(test::readBytes(path + ".bak"), kOlder) << "the backup is untouched";
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}));

    viewer.release();
    ASSERT_TRUE(replaceFile(path, kNew, Backup::Keep));
    EXPECT_EQ(test::readBytes(path), kNew);
    EXPECT_EQ(test::readBytes(path + ".bak"), kOld);
}

TEST(WindowsFiles, ReadingAFileOpenElsewhereWorks)
{
    test::TempFolder folder;
    const std::string path = folder.file("EANIM.QLM");
    test::writeBytes(path, kOld);
    test::HeldOpen viewer(path);
    ASSERT_TRUE(viewer.isOpen());
    const auto bytes = readWholeFile(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, kOld);
}

TEST(WindowsFiles, NamesOutsideTheSystemCodePageWork)
{
    test::TempFolder folder;
    // UTF-8 in the program's strings, through its manifest.
    ASSERT_EQ(GetACP(), 65001u) << "the test program runs without its UTF-8 manifest";
    const std::string path = textFromPath(folder.path()) + "\\\u52d5\u753b-\u00e9.QLM";
    ASSERT_TRUE(replaceFile(path, kOld, Backup::Keep));
    ASSERT_TRUE(replaceFile(path, kNew, Backup::Keep));
    const auto back = readWholeFile(path);
    ASSERT_TRUE(back) << back.error().text();
    EXPECT_EQ(*back, kNew);
    // The names on the disk are the characters meant, not their bytes taken one by one.
    EXPECT_TRUE(std::filesystem::exists(folder.path() / L"\u52d5\u753b-\u00e9.QLM"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / L"\u52d5\u753b-\u00e9.QLM.bak"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}
