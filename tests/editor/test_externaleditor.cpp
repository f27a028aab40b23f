// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The working files of Edit Externally: how they are written, and which saves of another
// program are handed on (by rename, in place, still being written, after the watching ended).
#include "editor/externaleditor.h"
#include "editorfixture.h"
#include "imageio/imagefile.h"
#include "imageio/palettematch.h"
#include "testpalettes.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace tessa::test {
namespace {

using Format = ToolPreferences::ImageFormat;

Bytes pattern(std::uint8_t seed)
{
    Bytes frame(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        frame[std::size_t(i)] = std::uint8_t(seed + i % 251);
    return frame;
}

// The bytes of a file of another program that saved `frame` in `format`.
Bytes fileBytes(const Bytes &frame, Format format)
{
    return format == Format::Bmp ? AddBMPHeader(kFrameWidth, kFrameHeight, frame, mainPalette())
                                 : encodeIndexedPng(frame, mainPalette());
}

class ExternalEditorTest : public ::testing::Test
{
protected:
    QString workFolder() const { return QString::fromStdString(folder.file("editing")); }

    QString writeFrame(ItemId id, Format format = Format::Png, std::uint8_t seed = 1)
    {
        auto path = editor.writeFrame(id, QStringLiteral("INTRO-QLM-3"), pattern(seed),
                                      mainPalette(), format);
        EXPECT_TRUE(path.has_value());
        return path ? *path : QString();
    }

    // Saves by writing a new file beside the old one and renaming it over it.
    static void saveByRename(const QString &path, const Bytes &bytes)
    {
        const std::string temporary = path.toStdString() + ".part";
        writeBytes(temporary, bytes);
        std::filesystem::rename(temporary, path.toStdString());
    }

    // Whether a save is handed on within a few seconds.
    bool handedOn(QSignalSpy &spy, int count)
    {
        return QTest::qWaitFor([&] { return spy.count() >= count; }, 5000);
    }

    TempFolder folder;
    ExternalEditor editor{workFolder()};
};

TEST_F(ExternalEditorTest, WritesTheFrameAsAnIndexedImageInThePalette)
{
    for (const Format format : {Format::Png, Format::Bmp}) {
        const QString path = writeFrame(7, format, 3);
        EXPECT_TRUE(path.startsWith(editor.runFolder() + "/INTRO-QLM-3."));
        EXPECT_TRUE(path.endsWith(format == Format::Bmp ? ".bmp" : ".png"));
        auto image = loadImageFile(path);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(takeIndices(*image, mainPalette()), pattern(3)) << path.toStdString();
        // One file per item: the other format's file went.
        EXPECT_EQ(editor.files(), QStringList{path});
    }
}

TEST_F(ExternalEditorTest, TwoFramesAndTwoEditorsNeverShareAFile)
{
    ExternalEditor other{workFolder()};
    const auto elsewhere =
            other.writeFrame(1, "INTRO-QLM-3", pattern(1), mainPalette(), Format::Png);
    ASSERT_TRUE(elsewhere.has_value());
    // Two items of one editor from the same line name, at different times.
    const QStringList paths{writeFrame(1), writeFrame(2), *elsewhere};
    EXPECT_EQ(QSet<QString>(paths.begin(), paths.end()).size(), 3);
    EXPECT_EQ(QFileInfo(paths[0]).fileName(), "INTRO-QLM-3.png");
    EXPECT_EQ(QFileInfo(paths[1]).fileName(), "INTRO-QLM-3 (2).png");
    EXPECT_NE(editor.runFolder(), other.runFolder());
}

TEST_F(ExternalEditorTest, EverySaveIsHandedOnOnceWhateverWayItIsWritten)
{
    const QString path = writeFrame(4);
    QSignalSpy saved(&editor, &ExternalEditor::imageSaved);
    saveByRename(path, fileBytes(pattern(9), Format::Png));
    ASSERT_TRUE(handedOn(saved, 1));
    EXPECT_EQ(saved.at(0).at(0).value<ItemId>(), 4u);
    EXPECT_EQ(saved.at(0).at(1).toString(), path);
    // The watch survives the rename: the next save, this time in place, comes too.
    writeBytes(path.toStdString(), fileBytes(pattern(10), Format::Png));
    ASSERT_TRUE(handedOn(saved, 2));
    saveByRename(path, fileBytes(pattern(11), Format::Png));
    ASSERT_TRUE(handedOn(saved, 3));
    QTest::qWait(3 * ExternalEditor::kSettleMs);
    EXPECT_EQ(saved.count(), 3);
}

TEST_F(ExternalEditorTest, AFileStillBeingWrittenIsReadOnceWhole)
{
    // Both readers decode some of these beginnings; none is a saved image yet.
    const struct
    {
        Format format;
        std::size_t written;
    } cases[] = {{Format::Bmp, 20000},
                 {Format::Bmp, kBmpFrameFileSize - 1},
                 {Format::Png, 0},
                 {Format::Png, 100}};
    for (const auto &test : cases) {
        const Bytes whole = fileBytes(pattern(9), test.format);
        const std::size_t written = test.written ? test.written : whole.size() - 12;
        SCOPED_TRACE(std::to_string(written) + " of " + std::to_string(whole.size()));
        const QString path = writeFrame(4, test.format);
        QSignalSpy saved(&editor, &ExternalEditor::imageSaved);
        writeBytes(path.toStdString(), Bytes(whole.begin(), whole.begin() + written));
        QTest::qWait(5 * ExternalEditor::kSettleMs);
        EXPECT_EQ(saved.count(), 0) << "a half-written file was handed on";
        writeBytes(path.toStdString(), whole);
        EXPECT_TRUE(handedOn(saved, 1));
    }
}

TEST_F(ExternalEditorTest, StoppingRemovesTheFilesAndHearsNoMore)
{
    const QString first = writeFrame(1);
    const QString second = writeFrame(2, Format::Bmp);
    QSignalSpy saved(&editor, &ExternalEditor::imageSaved);
    editor.stopAll();
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_FALSE(QFile::exists(second));
    saveByRename(first, fileBytes(pattern(9), Format::Png));
    QTest::qWait(3 * ExternalEditor::kSettleMs);
    EXPECT_EQ(saved.count(), 0);
}

TEST_F(ExternalEditorTest, FoldersOfRunsThatEndedWithoutClosingAreRemoved)
{
    const std::filesystem::path root = folder.path() / "editing";
    std::filesystem::create_directories(root / "run-1-2-1");
    writeText((root / "run-1-2-1" / "a-1.png").string(), "left behind");
    std::filesystem::create_directories(root / "run-3-4-1");
    QLockFile running(QString::fromStdString((root / "run-3-4-1.lock").string()));
    ASSERT_TRUE(running.tryLock(0));

    QString run;
    {
        ExternalEditor later{workFolder()};
        ASSERT_TRUE(later.writeFrame(1, "", pattern(1), mainPalette(), Format::Png).has_value());
        run = later.runFolder();
        EXPECT_FALSE(std::filesystem::exists(root / "run-1-2-1"));
        EXPECT_TRUE(std::filesystem::exists(root / "run-3-4-1"));
        EXPECT_TRUE(QFile::exists(run + "/untitled.png"));
    }
    EXPECT_FALSE(QFile::exists(run)) << "the run's folder outlived it";
}

} // namespace
} // namespace tessa::test
