// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project > Edit Externally and Edit > Preferences: a frame painted in another program (a small
// script here) comes back as one undoable step per save, to the same item wherever it went.
#include "editor/externaleditor.h"
#include "editorfixture.h"
#include "imageio/imagefile.h"
#include "imageio/palettematch.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace tessa::test {
namespace {

using Format = ToolPreferences::ImageFormat;

// The "image editor": paints the pixels listed in a strokes file ("x y index" a line) into the
// 8-bit BMP it is given, and saves it as most editors do, by writing a new file and renaming it
// over the old one. It notes each file it was given in the strokes file + ".log".
constexpr const char *kPaintScript = R"(import os, sys
strokes, image = sys.argv[1], sys.argv[2]
with open(strokes + '.log', 'a') as log:
    log.write(image + '\n')
data = bytearray(open(image, 'rb').read())
rows = int.from_bytes(data[10:14], 'little')
for line in open(strokes):
    x, y, index = map(int, line.split())
    data[rows + (199 - y) * 320 + x] = index
with open(image + '.part', 'wb') as part:
    part.write(data)
os.replace(image + '.part', image)
)";

int at(int x, int y)
{
    return y * kFrameWidth + x;
}

class ExternalEditTest : public EditorTest
{
protected:
    void SetUp() override
    {
        m_python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (m_python.isEmpty())
            GTEST_SKIP() << "python3 is needed to play the image editor";
        paths.editingFolder = path("editing");
        writeText(folder.file("paint.py"), kPaintScript);
    }

    QString paintCommand() const
    {
        return QStringLiteral("\"%1\" \"%2\" \"%3\" %f")
                .arg(m_python, path("paint.py"), path("strokes.txt"));
    }

    void setTools(const QString &command, Format format)
    {
        dialogs.answerPreferences(ToolPreferences{command, format, {}});
        window->mnuEditPreferences->trigger();
    }

    void strokes(const std::string &text) { writeText(folder.file("strokes.txt"), text); }

    // The working file the script was last given.
    QString workingFile() const
    {
        const QStringList given = QString::fromStdString(readText(folder.file("strokes.txt.log")))
                                          .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return given.isEmpty() ? QString() : given.last();
    }

    // The user paints and saves once more in the editor that is still open.
    void saveAgain()
    {
        EXPECT_EQ(
                QProcess::execute(m_python, {path("paint.py"), path("strokes.txt"), workingFile()}),
                0);
    }

    QUndoStack &history() { return window->document().undoStack(); }
    bool historyReaches(int count)
    {
        return QTest::qWaitFor([&] { return history().count() == count; }, 10000);
    }

    Bytes pixelsAt(int line) const
    {
        const PixelBuffer &pixels = window->items()[std::size_t(line)].Pixels;
        return Bytes(pixels.begin(), pixels.end());
    }
    QString note() const
    {
        return window->lblNote->isHidden() ? QString() : window->lblNote->text();
    }

    QString m_python;
};

TEST_F(ExternalEditTest, EverySaveComesBackAsOneStepToTheSameItem)
{
    start();
    setTools(paintCommand(), Format::Bmp);
    open(writeAnimation("ROUND.QLM", {makeImageItem(frameOf(1)), makePauseItem(5),
                                      makeImageItem(frameOf(2)), makeEndItem()}));
    select(3); // End: the image above it is the one handed out
    ASSERT_TRUE(window->mnuProjectEditExternally->isEnabled());

    strokes("5 5 9\n");
    window->mnuProjectEditExternally->trigger();
    ASSERT_TRUE(historyReaches(1));
    Bytes expected = frameOf(2);
    expected[at(5, 5)] = 9;
    EXPECT_EQ(pixelsAt(2), expected);
    EXPECT_EQ(pixelsAt(0), frameOf(1));
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Update Image");
    // Named after the line it was taken from, as Export names it.
    const QString name = QFileInfo(workingFile()).fileName();
    EXPECT_EQ(name, "ROUND-QLM-3.bmp");
    EXPECT_EQ(note(), "Updated the image on line 3 from ROUND-QLM-3.bmp.");

    // Saved again in the same editor: a step of its own.
    strokes("6 5 10\n");
    saveAgain();
    ASSERT_TRUE(historyReaches(2));
    expected[at(6, 5)] = 10;
    EXPECT_EQ(pixelsAt(2), expected);

    // A line added above moves the image down; the next save still finds it.
    select(1);
    dialogs.answerInput(QStringLiteral("7"));
    window->mnuProjectAdd[3]->trigger();
    ASSERT_EQ(lines(), QStringList({"Image", "Pause: 7", "Pause: 5", "Image", "End"}));
    strokes("7 5 11\n");
    saveAgain();
    ASSERT_TRUE(historyReaches(4));
    const Bytes twice = expected;
    expected[at(7, 5)] = 11;
    EXPECT_EQ(pixelsAt(3), expected);
    EXPECT_EQ(note(), "Updated the image on line 4 from ROUND-QLM-3.bmp.");

    window->mnuEditUndo->trigger();
    EXPECT_EQ(pixelsAt(3), twice) << "one save, one step";
    EXPECT_EQ(lines().size(), 5);
}

TEST_F(ExternalEditTest, AnImageSavedWhileAScriptRunsComesInAfterTheScriptsStep)
{
    start();
    setTools(paintCommand(), Format::Bmp);
    open(writeAnimation("ROUND.QLM", {makeImageItem(frameOf(1)), makePauseItem(5),
                                      makeImageItem(frameOf(2)), makeEndItem()}));
    select(2);
    strokes("5 5 9\n");
    window->mnuProjectEditExternally->trigger();
    ASSERT_TRUE(historyReaches(1));

    // The user saves in the paint program while the script waits for an answer: with and
    // without a command of the editor run by the script before.
    struct Branch
    {
        const char *script;
        int x; // where the paint program paints this time
    };
    const Branch branches[] = {
            {"tessa.ask('Go on?')\ntessa.document:insert(2, 'pause', 9)", 6},
            {"app.command.Copy()\ntessa.ask('Go on?')\ntessa.document:insert(2, 'pause', 8)", 7},
    };
    for (const Branch &branch : branches) {
        const int before = history().index();
        const QStringList linesBefore = lines();
        strokes(std::to_string(branch.x) + " 5 10\n");
        dialogs.onAsk = [this](const DialogCall &call) {
            if (call.kind != DialogCall::Kind::Input)
                return;
            saveAgain();
            QTest::qWait(4 * ExternalEditor::kSettleMs);
        };
        writeText(folder.file("waits.lua"), branch.script);
        dialogs.answerOpen(path("waits.lua"));
        dialogs.answerInput(QStringLiteral("yes"));
        window->mnuToolsRunScript->trigger();
        dialogs.onAsk = {};
        EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();

        ASSERT_TRUE(historyReaches(before + 2)) << branch.script;
        const int painted = lines().indexOf(QStringLiteral("Image"), 1);
        EXPECT_EQ(pixelsAt(painted)[std::size_t(at(branch.x, 5))], 10)
                << "the paint program's update survives: " << branch.script;
        EXPECT_EQ(lines().size(), linesBefore.size() + 1);
        EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Update Image");

        window->mnuEditUndo->trigger();
        EXPECT_NE(pixelsAt(painted)[std::size_t(at(branch.x, 5))], 10);
        EXPECT_EQ(window->mnuEditUndo->text(), "&Undo waits.lua");
        window->mnuEditUndo->trigger();
        EXPECT_EQ(lines(), linesBefore) << "the script's step taken back as one";
        window->mnuEditRedo->trigger();
        window->mnuEditRedo->trigger();
        EXPECT_EQ(pixelsAt(painted)[std::size_t(at(branch.x, 5))], 10);
        EXPECT_EQ(lines().size(), linesBefore.size() + 1);
    }
}

TEST_F(ExternalEditTest, ASaveForADeletedItemChangesNothingUntilUndoBringsItBack)
{
    start();
    setTools(paintCommand(), Format::Bmp);
    open(writeAnimation("GONE.QLM",
                        {makeImageItem(frameOf(1)), makeImageItem(frameOf(2)), makeEndItem()}));
    select(1);
    strokes("1 1 9\n");
    window->mnuProjectEditExternally->trigger();
    ASSERT_TRUE(historyReaches(1));

    select(1);
    window->mnuProjectDelete->trigger();
    saveAgain();
    ASSERT_TRUE(QTest::qWaitFor([&] { return note().contains("no longer"); }, 10000));
    EXPECT_EQ(note(), QFileInfo(workingFile()).fileName()
                              + " was saved, but its image is no longer in the animation.");
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(pixelsAt(0), frameOf(1));
    EXPECT_EQ(history().count(), 2);

    window->mnuEditUndo->trigger(); // the image is back, and still the one handed out
    strokes("2 1 9\n");
    saveAgain();
    ASSERT_TRUE(QTest::qWaitFor([&] { return history().index() == 2; }, 10000));
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Update Image");
    EXPECT_EQ(pixelsAt(1)[at(2, 1)], 9);
}

TEST_F(ExternalEditTest, ANewDocumentEndsTheWatchingAndTheFilesGoAtExit)
{
    start();
    setTools(paintCommand(), Format::Bmp);
    newDocument(1);
    strokes("1 1 9\n");
    window->mnuProjectEditExternally->trigger();
    ASSERT_TRUE(historyReaches(2)); // the first image, then the update
    const QString working = workingFile();
    ASSERT_TRUE(QFile::exists(working));

    open(writeAnimation("OTHER.QLM", {makeImageItem(frameOf(3)), makeEndItem()}));
    EXPECT_FALSE(QFile::exists(working));
    writeBytes(working.toStdString(), AddBMPHeader(kFrameWidth, kFrameHeight, frameOf(4),
                                                   paletteColorsFromData(builtInPalette(0))));
    QTest::qWait(4 * ExternalEditor::kSettleMs);
    EXPECT_EQ(history().count(), 0);
    EXPECT_EQ(pixelsAt(0), frameOf(3));

    select(0);
    window->mnuProjectEditExternally->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return workingFile() != working; }, 10000));
    window.reset();
    EXPECT_EQ(TempFolder::entriesOf(folder.path() / "editing"), std::vector<std::string>{});
}

TEST_F(ExternalEditTest, WithoutAnEditorTheSystemOpensTheFile)
{
    start();
    newDocument(6);
    window->mnuProjectEditExternally->trigger();
    ASSERT_EQ(dialogs.openedFiles.size(), 1);
    const QString working = dialogs.openedFiles[0];
    EXPECT_TRUE(working.endsWith(".png")) << "PNG unless BMP is chosen";
    auto image = loadImageFile(working);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(takeIndices(*image, paletteColorsFromData(builtInPalette(0))), frameOf(6));

    dialogs.defaultProgramFound = false;
    window->mnuProjectEditExternally->trigger();
    EXPECT_EQ(dialogs.messages(),
              QStringList{"No program is set to open PNG files.\r\nChoose an image editor in "
                          "Edit > Preferences."});
}

TEST_F(ExternalEditTest, ColoursOutsideThePaletteBringUpTheImportPreview)
{
    start();
    newDocument(1);
    window->mnuProjectEditExternally->trigger();
    const QString working = dialogs.openedFiles.value(0);
    QImage photo(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            photo.setPixel(x, y, qRgb(x * 255 / kFrameWidth, y * 255 / kFrameHeight, 90));
    ASSERT_TRUE(photo.save(working + ".part.png", "PNG"));
    dialogs.answerMatch(MatchOptions{});
    ASSERT_TRUE(QFile::remove(working) && QFile::rename(working + ".part.png", working));
    ASSERT_TRUE(historyReaches(2));
    ASSERT_EQ(dialogs.matchRequests.size(), 1u);
    EXPECT_EQ(dialogs.matchRequests[0].path, working);
    EXPECT_NE(pixelsAt(0), frameOf(1));
}

TEST_F(ExternalEditTest, PreferencesShowAndWriteTheToolsSection)
{
    start();
    EXPECT_EQ(window->mnuEditPreferences->text(), "Pr&eferences...");
    EXPECT_TRUE(window->mnuEditPreferences->isEnabled());
    EXPECT_EQ(window->mnuProjectEditExternally->text(), "Edit E&xternally");
    EXPECT_EQ(window->mnuProjectEditExternally->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));

    dialogs.answerPreferences(std::nullopt);
    window->mnuEditPreferences->trigger();
    dialogs.answerPreferences(ToolPreferences{}); // OK, nothing changed
    window->mnuEditPreferences->trigger();
    EXPECT_EQ(settingsText(), "") << "nothing is written that did not change";

    setTools("gimp %f", Format::Bmp);
    EXPECT_EQ(settingsText(), "[Tools]\r\nImageEditor=gimp %f\r\nImageFormat=bmp\r\n");
    dialogs.answerPreferences(ToolPreferences{"gimp %f", Format::Png, {}});
    window->mnuEditPreferences->trigger();
    EXPECT_EQ(settingsText(), "[Tools]\r\nImageEditor=gimp %f\r\nImageFormat=png\r\n");
    ASSERT_EQ(dialogs.preferencesShown.size(), 4u);
    EXPECT_EQ(dialogs.preferencesShown[3], (ToolPreferences{"gimp %f", Format::Bmp, {}}));
}

} // namespace
} // namespace tessa::test
