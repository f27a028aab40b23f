// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessanim diff and patch run as a modder and a player run them: files and folders, and the
// refusals, which must leave nothing behind.
#include "animbytes.h"
#include "document/animfile.h"
#include "patch/patchnotices.h"
#include "runtool.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tessa;
using namespace tessa::test;

namespace {

namespace fs = std::filesystem;

// A frame of `index` with one pixel of 200 at `mark`, so that frames of one colour differ.
Bytes markedFrame(std::uint8_t index, std::size_t mark = 0)
{
    Bytes frame(kFrameSize, index);
    frame[mark] = 200;
    return frame;
}

Bytes animationOf(const ItemList &items)
{
    auto bytes = writeAnimation(items);
    EXPECT_TRUE(bytes) << bytes.error().text;
    return bytes ? *bytes : Bytes{};
}

const ItemList kOriginal = {makeImageItem(markedFrame(1)), makePauseItem(30),
                            makeImageItem(markedFrame(2)), makeImageItem(markedFrame(3)),
                            makeEndItem()};

// The original with its second image repainted.
Bytes changedAnimation()
{
    ItemList items = kOriginal;
    items[2] = makeImageItem(markedFrame(2, 500));
    return animationOf(items);
}

// A scratch folder with the original and changed animations in `work/`, whose entries the
// refusal tests compare (the tool's output goes beside it).
struct PatchScene
{
    PatchScene()
    {
        fs::create_directory(folder.path() / "work");
        writeBytes(path("EANIM.QLM"), animationOf(kOriginal));
        writeBytes(path("CHANGED.QLM"), changedAnimation());
    }
    std::string path(const std::string &name) const { return folder.file("work/" + name); }
    std::vector<std::string> entries() const
    {
        return TempFolder::entriesOf(folder.path() / "work");
    }
    ToolRun run(const std::vector<std::string> &arguments) const
    {
        return runTool(folder, arguments);
    }

    TempFolder folder;
};

} // namespace

TEST(TessanimPatch, DiffThenPatchMakesTheChangedFile)
{
    PatchScene scene;
    const ToolRun diff = scene.run(
            {"diff", scene.path("EANIM.QLM"), scene.path("CHANGED.QLM"), scene.path("fan.tpatch")});
    ASSERT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(diff.out + diff.err, "");

    const ToolRun check =
            scene.run({"patch", "--check", scene.path("EANIM.QLM"), scene.path("fan.tpatch")});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "fan.tpatch applies to " + scene.path("EANIM.QLM") + ".\n");

    const ToolRun patch = scene.run(
            {"patch", scene.path("EANIM.QLM"), scene.path("fan.tpatch"), scene.path("OUT.QLM")});
    ASSERT_EQ(patch.status, 0) << patch.err;
    EXPECT_EQ(readBytes(scene.path("OUT.QLM")), changedAnimation());

    const ToolRun info = scene.run({"patch", "--info", scene.path("fan.tpatch")});
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out.substr(0, info.out.find("Base:")), "Patch format version 1, one file\n");
    EXPECT_NE(info.out.find("Items taken from the base: 3\nItems carried: 2\n"
                            "Trailing bytes carried: 0\n"),
              std::string::npos)
            << info.out;
}

// Two identical files: the patch, which changes nothing, is still written, for scripts that count
// on it, with a warning that says so; and it applies.
TEST(TessanimPatch, DiffOfIdenticalFilesWarnsThatThePatchChangesNothing)
{
    PatchScene scene;
    writeBytes(scene.path("COPY.QLM"), animationOf(kOriginal));
    const ToolRun diff = scene.run(
            {"diff", scene.path("EANIM.QLM"), scene.path("COPY.QLM"), scene.path("same.tpatch")});
    EXPECT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(diff.out, "");
    EXPECT_EQ(diff.err, "Warning: " + scene.path("EANIM.QLM") + " and " + scene.path("COPY.QLM")
                                + " are identical: the patch " + scene.path("same.tpatch")
                                + " changes nothing.\n");
    const ToolRun patch = scene.run(
            {"patch", scene.path("EANIM.QLM"), scene.path("same.tpatch"), scene.path("OUT.QLM")});
    ASSERT_EQ(patch.status, 0) << patch.err;
    EXPECT_EQ(readBytes(scene.path("OUT.QLM")), animationOf(kOriginal));
}

TEST(TessanimPatch, RefusalsWriteNothing)
{
    PatchScene scene;
    ASSERT_EQ(scene.run({"diff", scene.path("EANIM.QLM"), scene.path("CHANGED.QLM"),
                         scene.path("fan.tpatch")})
                      .status,
              0);
    const Bytes patch = readBytes(scene.path("fan.tpatch"));
    writeBytes(scene.path("cut.tpatch"), Bytes(patch.begin(), patch.end() - 10));
    Bytes otherVersion = patch;
    otherVersion[8] = 7;
    writeBytes(scene.path("v7.tpatch"), otherVersion);
    const std::vector<std::string> before = scene.entries();

    const struct
    {
        std::string original;
        std::string patch;
        std::string message;
    } kCases[] = {
            {"CHANGED.QLM", "fan.tpatch", "); CHANGED.QLM is not that file."},
            {"EANIM.QLM", "cut.tpatch",
             "The patch cut.tpatch is damaged or incomplete: its checksum does not match its "
             "contents (it was cut short or changed).\n"},
            {"EANIM.QLM", "v7.tpatch",
             "v7.tpatch is a patch of format version 7; this program applies version 1 only.\n"},
            {"EANIM.QLM", "EANIM.QLM", "EANIM.QLM is not an animation patch.\n"},
    };
    for (const auto &refused : kCases) {
        for (const bool check : {false, true}) {
            std::vector<std::string> arguments = {"patch", scene.path(refused.original),
                                                  scene.path(refused.patch)};
            if (check)
                arguments.insert(arguments.begin() + 1, "--check");
            else
                arguments.push_back(scene.path("OUT.QLM"));
            const ToolRun run = scene.run(arguments);
            EXPECT_EQ(run.status, 1) << refused.patch;
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(refused.message), std::string::npos) << run.err;
            EXPECT_EQ(scene.entries(), before) << "no OUT, no temporary file";
        }
    }
    const ToolRun wrongBase = scene.run(
            {"patch", scene.path("CHANGED.QLM"), scene.path("fan.tpatch"), scene.path("OUT.QLM")});
    const Bytes original = readBytes(scene.path("EANIM.QLM"));
    EXPECT_EQ(wrongBase.err, "This patch is for a file of " + withThousands(original.size())
                                     + " bytes (SHA-256 "
                                     + hexDigest(sha256(original)).substr(0, 12)
                                     + "...); CHANGED.QLM is not that file. It is the patched "
                                       "file already.\n");
}

TEST(TessanimPatch, FolderPatchCarriesChangedAndNewFilesOnly)
{
    PatchScene scene;
    const fs::path work = scene.folder.path() / "work";
    for (const char *name : {"original/sub", "changed/sub"})
        fs::create_directories(work / name);
    const Bytes unchanged = animationOf({makeImageItem(markedFrame(9)), makeEndItem()});
    for (const char *side : {"original", "changed"})
        writeBytes(scene.path(std::string(side) + "/INTRO.QLM"), unchanged);
    writeBytes(scene.path("original/sub/EANIM.QLM"), animationOf(kOriginal));
    writeBytes(scene.path("changed/sub/EANIM.QLM"), changedAnimation());
    writeBytes(scene.path("changed/NEW.QLM"), unchanged);

    ASSERT_EQ(scene.run({"diff", scene.path("original"), scene.path("changed"),
                         scene.path("fan.tpatch")})
                      .status,
              0);
    const ToolRun patch = scene.run(
            {"patch", scene.path("original"), scene.path("fan.tpatch"), scene.path("out")});
    ASSERT_EQ(patch.status, 0) << patch.err;
    EXPECT_EQ(TempFolder::entriesOf(work / "out"), (std::vector<std::string>{"NEW.QLM", "sub"}));
    EXPECT_EQ(readBytes(scene.path("out/NEW.QLM")), unchanged);
    EXPECT_EQ(readBytes(scene.path("out/sub/EANIM.QLM")), changedAnimation());

    // Patched in place, then once more: the second time the file is the patched one already.
    ASSERT_EQ(scene.run({"patch", scene.path("original"), scene.path("fan.tpatch"),
                         scene.path("original")})
                      .status,
              0);
    EXPECT_EQ(readBytes(scene.path("original/sub/EANIM.QLM")), changedAnimation());
    EXPECT_EQ(readBytes(scene.path("original/sub/EANIM.QLM.bak")), animationOf(kOriginal));
    const ToolRun again =
            scene.run({"patch", "--check", scene.path("original"), scene.path("fan.tpatch")});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("; sub/EANIM.QLM is not that file. It is the patched file already."),
              std::string::npos)
            << again.err;

    const ToolRun toFile = scene.run(
            {"patch", scene.path("EANIM.QLM"), scene.path("fan.tpatch"), scene.path("OUT.QLM")});
    EXPECT_EQ(toFile.err, "fan.tpatch is a patch of a folder: give the original folder and a "
                          "folder to write to.\n");
}

TEST(TessanimPatch, ArgumentsMustFitTheChoice)
{
    PatchScene scene;
    const std::vector<std::vector<std::string>> kMistakes = {
            {"patch", scene.path("EANIM.QLM"), scene.path("p")},
            {"patch", "--check", scene.path("EANIM.QLM")},
            {"patch", "--info", scene.path("p"), scene.path("q")},
            {"patch", "--info", "--check", scene.path("p")},
            {"diff", scene.path("EANIM.QLM"), scene.path("p")},
    };
    for (const auto &arguments : kMistakes)
        EXPECT_EQ(scene.run(arguments).status, 2) << arguments.size();
    const ToolRun mixed = scene.run(
            {"diff", scene.path("EANIM.QLM"), scene.folder.file("work"), scene.path("p")});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.err, "Give two animation files or two folders, not one of each.\n");
}
