// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripting/scriptfilerules.h"
#include "scripting/scriptpaths.h"

#include "../tempfolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tessa {
namespace {

namespace fs = std::filesystem;

TEST(ScriptPathsTest, NamesThatReachNoOrdinaryFileAreRefused)
{
    const std::string withNul("folder/x.txt\0/../../elsewhere", 30);
    EXPECT_EQ(systemPath(withNul).error(), "the name holds a NUL character");
    EXPECT_FALSE(systemPath(""));
#ifdef _WIN32
    for (const char *device : {"CON", R"(C:\Mods\NUL)", R"(\\.\PhysicalDrive0)",
                               R"(\\?\GLOBALROOT\Device\Harddisk0)", R"(\\?\C:\a\..\b)"})
        EXPECT_FALSE(systemPath(device)) << device;
#endif
}

#ifdef _WIN32
TEST(ScriptPathsTest, WindowsSpellingsComeToOneForm)
{
    struct Row
    {
        const char *given;
        const char *reached;
    };
    const Row rows[] = {
            {R"(C:\Mods\Intro\..\Other\x.qlm)", R"(C:\Mods\Other\x.qlm)"},
            {R"(C:/Mods/./Intro/x.qlm)", R"(C:\Mods\Intro\x.qlm)"},
            {R"(\\?\C:\Mods\x.qlm)", R"(C:\Mods\x.qlm)"},
            {R"(\\?\UNC\server\share\x.qlm)", R"(\\server\share\x.qlm)"},
            {R"(\\server\share\a\..\x.qlm)", R"(\\server\share\x.qlm)"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(shownPath(*systemPath(row.given)), row.reached) << row.given;
    EXPECT_TRUE(isInFolder(*systemPath(R"(C:\MODS\intro\X.QLM)"), *systemPath(R"(c:\mods)")));
}
#else
// A folder with links in it, as a script shared in an archive may bring them.
struct LinkedFolder
{
    test::TempFolder temp;
    fs::path root = fs::canonical(temp.path());
    fs::path scripts = root / "scripts";
    fs::path elsewhere = root / "elsewhere";

    LinkedFolder()
    {
        fs::create_directories(scripts);
        fs::create_directories(elsewhere / "deep");
        fs::create_directory_symlink(elsewhere / "deep", scripts / "link");
        fs::create_symlink(elsewhere / "new.txt", scripts / "dangling");
        fs::create_symlink("link", scripts / "second");
        fs::create_symlink("loop", scripts / "loop");
    }
};

TEST(ScriptPathsTest, LinksAreFollowedBeforeTheNamesAfterThem)
{
    const LinkedFolder folder;
    struct Row
    {
        const char *given; // below the scripts folder
        fs::path reached;
    };
    const Row rows[] = {
            {"a/../b.txt", folder.scripts / "b.txt"},
            {"./x/./y.txt", folder.scripts / "x/y.txt"},
            // The ".." after a link is the parent of where the link leads.
            {"link/../x.txt", folder.elsewhere / "x.txt"},
            {"second/../../x.txt", folder.root / "x.txt"},
            // Creating a file through a link that leads nowhere creates its target.
            {"dangling", folder.elsewhere / "new.txt"},
            {"link/new/../../y.txt", folder.elsewhere / "y.txt"},
    };
    for (const Row &row : rows) {
        const auto reached = systemPath((folder.scripts / row.given).string());
        ASSERT_TRUE(reached) << row.given << ": " << reached.error();
        EXPECT_EQ(*reached, row.reached) << row.given;
    }
    EXPECT_EQ(systemPath((folder.scripts / "loop/x").string()).error(),
              "it leads through too many symbolic links");
}
#endif

TEST(ScriptPathsTest, AFolderHoldsWhatLiesBelowIt)
{
    const fs::path root = fs::current_path().root_path();
    struct Row
    {
        fs::path path;
        fs::path folder;
        bool inside;
    };
    const Row rows[] = {
            {root / "a/b/c.txt", root / "a", true},  {root / "a/b", root / "a/b", true},
            {root / "a/b", root / "a/b/", true},     {root / "a/bc", root / "a/b", false},
            {root / "a", root / "a/b", false},       {root / "x", root, true},
            {root / "a/b.txt", root / "a/b", false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(isInFolder(row.path, row.folder), row.inside) << row.path << " in " << row.folder;
}

TEST(ScriptFileRulesTest, AFileOutsideIsAskedAboutOncePerFolder)
{
    const test::TempFolder temp;
    const fs::path root = fs::canonical(temp.path());
    fs::create_directories(root / "script");
    fs::create_directories(root / "allowed/below");
    fs::create_directories(root / "refused");
    std::vector<std::string> questions;
    std::vector<std::string> allowedFolders;
    ScriptFileRules rules({(root / "script").string()}, allowedFolders,
                          [&](const std::string &path, const std::string &, FileAccess) {
                              questions.push_back(path);
                              return path.find("allowed") != std::string::npos;
                          });

    // Its own folder: no question, and the path to open is the resolved one.
    EXPECT_EQ(*rules.check((root / "script/x/../a.txt").string(), FileAccess::Write),
              (root / "script" / "a.txt").string());
    EXPECT_TRUE(questions.empty());

    // Yes: the folder and below, from then on without asking.
    EXPECT_TRUE(rules.check((root / "allowed/a.txt").string(), FileAccess::Read));
    EXPECT_TRUE(rules.check((root / "allowed/below/b.txt").string(), FileAccess::Write));
    EXPECT_EQ(allowedFolders, std::vector<std::string>{(root / "allowed").string()});
    // No: refused, and not asked again for that folder.
    const auto refused = rules.check((root / "refused/a.txt").string(), FileAccess::Write);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("not allowed to reach"), std::string::npos);
    EXPECT_FALSE(rules.check((root / "refused/b.txt").string(), FileAccess::Read));
    EXPECT_EQ(questions.size(), 2u);

    // Nobody to ask: refused.
    std::vector<std::string> none;
    ScriptFileRules alone({(root / "script").string()}, none, {});
    EXPECT_FALSE(alone.check((root / "allowed/a.txt").string(), FileAccess::Read));
}

} // namespace
} // namespace tessa
