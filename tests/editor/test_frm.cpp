// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, New, Open, Save, Save As and closing.
#include "editorfixture.h"
#include "imageio/imagefile.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

using namespace tessa;
using namespace tessa::test;

namespace {

const QString kTitle = QStringLiteral("Tessarine Animation Studio");
const QString kAnimationFilter =
        QStringLiteral("Animation Files (*ANIM*.*)|*ANIM*.*|All Files (*.*)|*.*");

} // namespace

TEST_F(EditorTest, StartsWithNoDocument)
{
    frm &w = start();
    EXPECT_EQ(w.windowTitle(), kTitle);
    EXPECT_EQ(w.lst->count(), 0);
    EXPECT_TRUE(w.pic->isHidden());
    EXPECT_FALSE(saveEnabled());
    EXPECT_TRUE(documentMenusDisabled());
    EXPECT_TRUE(w.mnuFileNew->isEnabled());
    EXPECT_TRUE(w.mnuFileOpen->isEnabled());
    for (QAction *add : w.mnuProjectAdd)
        EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(w.mnuProjectEdit->isEnabled());
    EXPECT_FALSE(w.mnuProjectDelete->isEnabled());
    EXPECT_TRUE(w.mnuPaletteSel[0]->isChecked());
    EXPECT_FALSE(w.mnuPaletteSel[1]->isChecked());
    EXPECT_FALSE(w.mnuPaletteSel[2]->isChecked());
    EXPECT_EQ(w.mnuPaletteSel[2]->text(), "&Custom: ");
    EXPECT_EQ(w.paletteColors()[0], 0u) << "black";
    EXPECT_EQ(w.centralWidget()->size(), QSize(481, 218));
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(std::filesystem::exists(paths.settingsFile.toStdString()))
            << "nothing is written at start-up";
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(EditorTest, MenuCaptionsAndShortcuts)
{
    frm &w = start();
    const struct
    {
        QAction *action;
        const char *caption;
        QKeySequence shortcut;
    } rows[] = {
            {w.mnuFileNew, "&New Animation", QKeySequence(Qt::CTRL | Qt::Key_N)},
            {w.mnuFileOpen, "&Open Animation", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {w.mnuFileSave, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {w.mnuFileSaveAs, "Save &As...", {}},
            {w.mnuFileExportAnimation, "&Animation", {}},
            {w.mnuFileExportFrame, "&Frame", {}},
            {w.mnuFileExit, "E&xit", {}},
            {w.mnuProjectAdd[0], "Add &Image", QKeySequence(Qt::SHIFT | Qt::Key_F5)},
            {w.mnuProjectAdd[1], "Add &Fade In", QKeySequence(Qt::SHIFT | Qt::Key_F6)},
            {w.mnuProjectAdd[2], "Add F&ade Out", QKeySequence(Qt::SHIFT | Qt::Key_F7)},
            {w.mnuProjectAdd[3], "Add &Pause", QKeySequence(Qt::SHIFT | Qt::Key_F8)},
            {w.mnuProjectAdd[4], "Add &Sound", QKeySequence(Qt::SHIFT | Qt::Key_F9)},
            {w.mnuProjectEdit, "&Edit", QKeySequence(Qt::CTRL | Qt::Key_E)},
            {w.mnuProjectDelete, "&Delete Item", QKeySequence(Qt::CTRL | Qt::Key_X)},
            {w.mnuPaletteSel[0], "&Main Tessarine", QKeySequence(Qt::SHIFT | Qt::Key_F1)},
            {w.mnuPaletteSel[1], "&Extra Orvalis (EANIM.QLM)",
             QKeySequence(Qt::SHIFT | Qt::Key_F2)},
            {w.mnuPaletteSel[2], "&Custom: ", QKeySequence(Qt::SHIFT | Qt::Key_F3)},
            {w.mnuHelpAbout, "&About", {}},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.action->text(), row.caption);
        EXPECT_EQ(row.action->shortcut(), row.shortcut) << row.caption;
    }
    EXPECT_EQ(w.mnuFile->title(), "&File");
    EXPECT_EQ(w.mnuFileExport->title(), "&Export");
    EXPECT_EQ(w.mnuProject->title(), "&Project");
    EXPECT_EQ(w.mnuPalette->title(), "P&alette");
    EXPECT_EQ(w.mnuHelp->title(), "&Help");
}

TEST_F(EditorTest, EveryMenuGivesEachEntryAnAccessKeyOfItsOwn)
{
    // Two entries of one menu with the same access key make the key only move between them.
    frm &w = start();
    std::vector<QMenu *> menus;
    for (QAction *top : w.menuBar()->actions())
        if (top->menu())
            menus.push_back(top->menu());
    ASSERT_GE(menus.size(), 6u);
    for (std::size_t m = 0; m < menus.size(); ++m) {
        // Tools > Scripts lists file names, numbered as far as digits go.
        if (menus[m] == w.mnuToolsScripts)
            continue;
        QMap<QChar, QString> taken;
        for (QAction *action : menus[m]->actions()) {
            if (action->isSeparator())
                continue;
            if (action->menu())
                menus.push_back(action->menu());
            const QString caption = action->text();
            const qsizetype amp = caption.indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << caption.toStdString() << " has no access key";
            const QChar key = caption.at(amp + 1).toLower();
            EXPECT_FALSE(taken.contains(key))
                    << caption.toStdString() << " and " << taken.value(key).toStdString() << " in "
                    << menus[m]->title().toStdString();
            taken.insert(key, caption);
        }
    }
}

TEST_F(EditorTest, NewWithoutAnImageAbortsAndDropsTheOldDocument)
{
    start();
    open(writeAnimation("OLDANIM.QLM", {makeImageItem(frameOf(2)), makeEndItem()}));
    ASSERT_EQ(lines(), QStringList({"Image", "End"}));

    dialogs.answerOpen(QString()); // the image dialog is cancelled
    window->mnuFileNew->trigger();

    const auto opens = dialogs.callsOf(Kind::Open);
    EXPECT_EQ(opens.back().title, "Select screen image");
    EXPECT_EQ(opens.back().filter, "BitMap Files (*.bmp)|*.bmp|All Files (*.*)|*.*");
    const auto boxes = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "You need to add an image to begin an animation.\r\nAborting...");
    EXPECT_EQ(boxes[0].title, kTitle);
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Information);
    EXPECT_EQ(window->windowTitle(), kTitle);
    EXPECT_EQ(window->lst->count(), 0);
    EXPECT_TRUE(documentMenusDisabled());
    EXPECT_FALSE(saveEnabled());
    EXPECT_TRUE(window->pic->isHidden());
}

TEST_F(EditorTest, NewWithAnImageStartsAnUnsavedDocument)
{
    start();
    newDocument(3);
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(window->windowTitle(), kTitle + ": NEW");
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(documentMenusEnabled());
    EXPECT_EQ(window->items()[0].Pixels, frameOf(3));
    EXPECT_FALSE(window->pic->isHidden()) << "End shows the image above it";

    dialogs.answerSave(QString());
    window->mnuFileSave->trigger();
    const auto saves = dialogs.callsOf(Kind::Save);
    ASSERT_EQ(saves.size(), 1u) << "a never-saved document goes to Save As";
    EXPECT_EQ(saves[0].title, "Save As...");
    EXPECT_EQ(saves[0].filter, kAnimationFilter);
    EXPECT_EQ(saves[0].initialName, "");
    EXPECT_EQ(saves[0].defaultExtension, "");
    EXPECT_EQ(saves[0].initialFolder, paths.programFolder);
    EXPECT_TRUE(saveEnabled()) << "cancelled: still unsaved";
}

TEST_F(EditorTest, SaveAsThenSaveWritesTheFileAndKeepsABackup)
{
    start();
    newDocument(3);
    const QString target = path("MYANIM.QLM");
    dialogs.answerSave(target);
    window->mnuFileSaveAs->trigger();

    const ItemList expected{makeImageItem(frameOf(3)), makeEndItem()};
    EXPECT_EQ(test::readBytes(target.toStdString()), *tessa::writeAnimation(expected));
    EXPECT_EQ(window->windowTitle(), kTitle + ": MYANIM.QLM");
    EXPECT_EQ(window->fileName(), target);
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_NE(settingsText().find("AnimationPath=" + folder.path().string() + "\r\n"),
              std::string::npos);

    dialogs.answerInput(QStringLiteral("7"));
    window->mnuProjectAdd[4]->trigger();
    EXPECT_TRUE(saveEnabled());
    window->mnuFileSave->trigger(); // no dialog: straight to the file
    EXPECT_EQ(test::readBytes(target.toStdString() + ".bak"), *tessa::writeAnimation(expected));
    auto reread = loadAnimation(target.toStdString());
    ASSERT_TRUE(reread);
    EXPECT_EQ(listLine((*reread)[1]), "Play sound: 7");
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(EditorTest, SaveAsToAnotherNameMovesTheDocumentThere)
{
    start();
    open(writeAnimation("FIRSTANIM.QLM", {makeImageItem(frameOf(1)), makeEndItem()}));
    dialogs.answerSave(path("SECONDANIM.QLM"));
    window->mnuFileSaveAs->trigger();
    EXPECT_EQ(dialogs.callsOf(Kind::Save)[0].initialName, path("FIRSTANIM.QLM"));
    EXPECT_EQ(window->windowTitle(), kTitle + ": SECONDANIM.QLM");
    EXPECT_EQ(window->fileName(), path("SECONDANIM.QLM"));
}

TEST_F(EditorTest, AFailedSaveReportsPathAndReasonAndKeepsTheChanges)
{
    start();
    newDocument();
    const QString blocked = path("BLOCKEDANIM.QLM");
    std::filesystem::create_directory(blocked.toStdString());
    dialogs.answerSave(blocked);
    window->mnuFileSaveAs->trigger();

    const auto boxes = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Could not save \"" + blocked + "\": Is a directory.");
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(window->windowTitle(), kTitle + ": NEW");
    EXPECT_EQ(window->fileName(), "");
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor) << "no hourglass left behind";
}

TEST_F(EditorTest, OpenShowsTheFirstFrameAndAskedNothingAboutChanges)
{
    start();
    newDocument(); // unsaved changes: Open does not ask
    const QString file = writeAnimation(
            "EANIM.QLM", {makeImageItem(frameOf(4)), makePauseItem(30), makeEndItem()});
    open(file);

    const auto opens = dialogs.callsOf(Kind::Open);
    EXPECT_EQ(opens.back().title, "Select the animation file");
    EXPECT_EQ(opens.back().filter, kAnimationFilter);
    EXPECT_EQ(opens.back().initialFolder, paths.programFolder);
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 30", "End"}));
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(window->windowTitle(), kTitle + ": EANIM.QLM");
    EXPECT_FALSE(saveEnabled());
    EXPECT_TRUE(documentMenusEnabled());
    EXPECT_TRUE(window->mnuFileExportFrame->isEnabled());
    EXPECT_FALSE(window->pic->isHidden());
    EXPECT_TRUE(dialogs.callsOf(Kind::Message).empty());
}

TEST_F(EditorTest, OpenCancelledKeepsTheDocument)
{
    start();
    newDocument();
    dialogs.answerOpen(QString());
    window->mnuFileOpen->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_TRUE(saveEnabled());
    EXPECT_FALSE(std::filesystem::exists(paths.settingsFile.toStdString())
                 && settingsText().find("AnimationPath") != std::string::npos);
}

TEST_F(EditorTest, OpenOfABrokenFileShowsTheErrorAndLeavesNoDocument)
{
    start();
    open(writeAnimation("GOODANIM.QLM", {makeImageItem(frameOf(1)), makeEndItem()}));
    test::writeBytes(folder.file("BADANIM.QLM"), Bytes{'F', 'I', 1, 0, 0, 0, 0, 0, 0, 0});
    open(path("BADANIM.QLM"));

    const auto boxes = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "Error: 9001\r\nDescription: Invalid file type.\r\nLocation: OpenAnim");
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(window->lst->count(), 0);
    EXPECT_EQ(window->windowTitle(), kTitle);
    EXPECT_EQ(window->fileName(), "");
    EXPECT_TRUE(documentMenusDisabled());
    EXPECT_TRUE(window->pic->isHidden());
    EXPECT_NE(settingsText().find("AnimationPath=" + folder.path().string()), std::string::npos)
            << "the folder is remembered even though the file was refused";
}

TEST_F(EditorTest, OpenOfAnEmptyFileNamesItButOpensNothing)
{
    start();
    test::writeBytes(folder.file("EMPTYANIM.QLM"), {});
    open(path("EMPTYANIM.QLM"));
    EXPECT_TRUE(dialogs.callsOf(Kind::Message).empty());
    EXPECT_EQ(window->windowTitle(), kTitle + ": EMPTYANIM.QLM");
    EXPECT_EQ(window->fileName(), path("EMPTYANIM.QLM"));
    EXPECT_EQ(window->lst->count(), 0);
    EXPECT_TRUE(documentMenusDisabled());
    EXPECT_FALSE(saveEnabled());
}

TEST_F(EditorTest, ClosingAsksOnlyWithUnsavedChanges)
{
    start();
    open(writeAnimation("CLEANANIM.QLM", {makeImageItem(frameOf(1)), makeEndItem()}));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.callsOf(Kind::Message).empty());
}

TEST_F(EditorTest, ClosingWithChangesAnsweredCancelNoYes)
{
    start();
    newDocument();

    dialogs.answerMessage(Dialogs::Answer::Cancel);
    EXPECT_FALSE(window->close());
    const auto boxes = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "You have not saved your changes.  Save them now?");
    EXPECT_EQ(boxes[0].title, "Save Confirmation");
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_TRUE(saveEnabled()) << "the document stays as it was";

    // Yes on a never-saved document asks for a name; cancelling that still closes.
    dialogs.answerMessage(Dialogs::Answer::Yes);
    dialogs.answerSave(QString());
    EXPECT_TRUE(window->close());

    start();
    newDocument();
    dialogs.answerMessage(Dialogs::Answer::No);
    window->mnuFileExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(EditorTest, ClosingWithYesStaysOpenWhenTheSaveFails)
{
    start();
    newDocument();
    const QString blocked = path("BLOCKEDANIM.QLM");
    std::filesystem::create_directory(blocked.toStdString());
    dialogs.answerMessage(Dialogs::Answer::Yes);
    dialogs.answerSave(blocked);
    EXPECT_FALSE(window->close()) << "the changes would be lost";
    EXPECT_TRUE(dialogs.messages().back().startsWith("Could not save"));
    EXPECT_TRUE(saveEnabled());
}

TEST_F(EditorTest, ClosingWithYesSavesANamedDocument)
{
    start();
    const QString file =
            writeAnimation("NAMEDANIM.QLM", {makeImageItem(frameOf(1)), makeEndItem()});
    open(file);
    select(1);
    window->mnuProjectAdd[1]->trigger(); // a fade in before End
    dialogs.answerMessage(Dialogs::Answer::Yes);
    EXPECT_TRUE(window->close());
    auto saved = loadAnimation(file.toStdString());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->size(), 3u);
}

TEST_F(EditorTest, RememberedFoldersAreWrittenAtOnceAndReadAtStartUp)
{
    start();
    std::filesystem::create_directories(folder.path() / "anims");
    const QString file = QString::fromStdString(folder.file("anims/DEMOANIM.QLM"));
    test::writeBytes(file.toStdString(), *tessa::writeAnimation({makeImageItem(frameOf(1))}));
    open(file);
    EXPECT_EQ(settingsText(), "[Paths]\r\nAnimationPath=" + folder.file("anims") + "\r\n");

    window.reset();
    test::writeText(
            paths.settingsFile.toStdString(),
            "[Paths]\r\nAnimationPath=/a\r\nExportPath=/e\r\nImportPath=/i\r\nPalettePath=/p\r\n");
    start();
    dialogs.answerOpen(QString());
    window->mnuFileOpen->trigger();
    dialogs.answerOpen(QString());
    window->mnuFileNew->trigger();
    const auto opens = dialogs.callsOf(Kind::Open);
    EXPECT_EQ(opens[opens.size() - 2].initialFolder, "/a");
    EXPECT_EQ(opens.back().initialFolder, "/i");
}

TEST_F(EditorTest, AFileDroppedOnTheWindowOpens)
{
    start();
    const QString file = writeAnimation("DROPANIM.QLM", {makeImageItem(frameOf(9)), makeEndItem()});
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: the application delivers drops only while a real drag runs.
    static_cast<QObject *>(window.get())->event(&drop);
    QCoreApplication::processEvents(); // opened once the drop is over
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(window->windowTitle(), kTitle + ": DROPANIM.QLM");
    EXPECT_FALSE(saveEnabled());
}

// A drop is not File > Open: it never costs unsaved work.
TEST_F(EditorTest, DroppedFilesAreImportedOrOpenedWithoutLosingChanges)
{
    start();
    open(writeAnimation("DROPANIM.QLM", {makeImageItem(frameOf(9)), makeEndItem()}));
    select(1);
    window->mnuProjectAdd[1]->trigger(); // a fade in before End: unsaved
    const QStringList changed = {"Image", "Fade in", "End"};
    ASSERT_EQ(lines(), changed);

    // Neither an animation nor an image: refused, the document untouched.
    test::writeText(folder.file("notes.txt"), "not an animation");
    window->dropFiles({path("notes.txt")});
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("Error: 9001"))
            << dialogs.messages()[0].toStdString();
    EXPECT_EQ(lines(), changed);
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(window->windowTitle(), kTitle + ": DROPANIM.QLM");

    // An image anywhere on the window: imported before the selected line, as Import Image does.
    QImage png = frameImage(frameOf(4), window->paletteColors());
    ASSERT_TRUE(png.save(path("four.png")));
    window->dropFiles({path("four.png")});
    EXPECT_EQ(lines(), QStringList({"Image", "Fade in", "Image", "End"}));
    EXPECT_EQ(window->items()[2].Pixels, frameOf(4));

    // An animation asks as closing does; Cancel keeps everything.
    const QString other =
            writeAnimation("OTHERANIM.QLM", {makeImageItem(frameOf(3)), makeEndItem()});
    dialogs.answerMessage(Dialogs::Answer::Cancel);
    window->dropFiles({other});
    const auto asked = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text, "You have not saved your changes.  Save them now?");
    EXPECT_EQ(asked[1].title, "Save Confirmation");
    EXPECT_EQ(asked[1].buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_EQ(lines().size(), 4);
    EXPECT_TRUE(saveEnabled());

    // Yes saves, then opens the file dropped.
    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->dropFiles({other});
    EXPECT_EQ(window->windowTitle(), kTitle + ": OTHERANIM.QLM");
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_FALSE(saveEnabled());
    auto saved = loadAnimation(folder.file("DROPANIM.QLM"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->size(), 4u) << "the changes were saved first";
    EXPECT_TRUE(dialogs.allAnswered());
}

// Qt's X11 and Wayland windows append the application's display name to every title that does
// not already end with it, whenever one has been set: the caption must reach the window manager
// as it stands, "Tessarine Animation Studio: EANIM.QLM" and not "... — Tessarine Animation Studio".
TEST_F(EditorTest, TheWindowManagerIsGivenTheCaptionAlone)
{
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName())
            << "a display name is set, and would be appended to \": NEW\" captions";
    EXPECT_EQ(QGuiApplication::applicationName(), "tessarine-studio");
}
