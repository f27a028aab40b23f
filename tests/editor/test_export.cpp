// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export > Animation and Frame.
#include "editorfixture.h"

using namespace tessa;
using namespace tessa::test;

namespace {

const QString kBitmapFilter = QStringLiteral("BitMap Files (*.bmp)|*.bmp|All Files (*.*)|*.*");

} // namespace

TEST_F(EditorTest, ExportAnimationWritesEveryImageUnderItsPosition)
{
    start();
    open(writeAnimation("EANIM.QLM",
                        {makeImageItem(frameOf(1)), makeFadeInItem(), makeImageItem(frameOf(2)),
                         makePauseItem(4), makeFadeOutItem(), makeEndItem()}));
    std::filesystem::create_directory(folder.path() / "out");
    // A longer file of the same name must not leave a tail behind.
    test::writeBytes(folder.file("out/EANIM-QLM-3.bmp"), Bytes(100000, 7));
    dialogs.answerFolder(path("out"));
    window->mnuFileExportAnimation->trigger();

    const auto folders = dialogs.callsOf(Kind::Folder);
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_EQ(folders[0].title, "Export Animation Frames");
    EXPECT_EQ(folders[0].initialFolder, paths.programFolder);
    EXPECT_EQ(test::TempFolder::entriesOf(folder.path() / "out"),
              (std::vector<std::string>{"EANIM-QLM-1.bmp", "EANIM-QLM-3.bmp"}));
    const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    EXPECT_EQ(test::readBytes(folder.file("out/EANIM-QLM-1.bmp")),
              AddBMPHeader(320, 200, frameOf(1), colors));
    EXPECT_EQ(test::readBytes(folder.file("out/EANIM-QLM-3.bmp")),
              AddBMPHeader(320, 200, frameOf(2), colors));
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_NE(settingsText().find("ExportPath=" + folder.file("out") + "\r\n"), std::string::npos);
    EXPECT_FALSE(saveEnabled()) << "exporting changes nothing in the document";
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(EditorTest, ExportAnimationCancelledChangesNothing)
{
    start();
    open(writeAnimation("EANIM.QLM", {makeImageItem(frameOf(1)), makeEndItem()}));
    dialogs.answerFolder(QString());
    window->mnuFileExportAnimation->trigger();
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_EQ(settingsText().find("ExportPath"), std::string::npos);
}

TEST_F(EditorTest, ExportAnimationStopsAtAWriteFailure)
{
    start();
    open(writeAnimation("EANIM.QLM", {makeImageItem(frameOf(1)), makeImageItem(frameOf(2))}));
    std::filesystem::create_directories(folder.path() / "out" / "EANIM-QLM-1.bmp");
    dialogs.answerFolder(path("out"));
    window->mnuFileExportAnimation->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(
            dialogs.messages()[0].startsWith("Could not save \"" + path("out/EANIM-QLM-1.bmp")));
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "out" / "EANIM-QLM-2.bmp"));
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor) << "no hourglass left on";
}

TEST_F(EditorTest, ExportFrameProposesTheNameAndUsesTheCurrentPalette)
{
    start();
    open(writeAnimation("intro.anim.bin",
                        {makeImageItem(frameOf(3)), makeImageItem(frameOf(4)), makeEndItem()}));
    select(1);
    window->mnuPaletteSel[1]->trigger();
    std::filesystem::create_directory(folder.path() / "frames");
    dialogs.answerSave(path("frames/chosen.bmp"));
    window->mnuFileExportFrame->trigger();

    const auto saves = dialogs.callsOf(Kind::Save);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].title, "Export Frame");
    EXPECT_EQ(saves[0].filter, kBitmapFilter);
    EXPECT_EQ(saves[0].initialName, "intro-anim-bin-2.bmp");
    EXPECT_EQ(saves[0].defaultExtension, "bmp");
    EXPECT_EQ(test::readBytes(folder.file("frames/chosen.bmp")),
              AddBMPHeader(320, 200, frameOf(4), paletteColorsFromData(builtInPalette(1))));
    EXPECT_NE(settingsText().find("ExportPath=" + folder.file("frames") + "\r\n"),
              std::string::npos);
    EXPECT_EQ(dialogs.beeps, 0) << "no beep for a single frame";
}

TEST_F(EditorTest, ExportFrameIsOfferedOnlyOnImages)
{
    start();
    newDocument();
    EXPECT_FALSE(window->mnuFileExportFrame->isEnabled()) << "End is selected";
    select(0);
    EXPECT_TRUE(window->mnuFileExportFrame->isEnabled());
    dialogs.answerSave(QString());
    window->mnuFileExportFrame->trigger();
    EXPECT_EQ(dialogs.callsOf(Kind::Save)[0].initialName, "-1.bmp") << "never saved: no base name";
}
