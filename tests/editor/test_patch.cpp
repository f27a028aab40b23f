// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export > Patch and File > Apply Patch.
#include "editorfixture.h"

#include "patch/patchmaker.h"
#include "patch/patchnotices.h"
#include "patch/patchwriter.h"

#include <QLabel>
#include <QLocale>

using namespace tessa;
using namespace tessa::test;

namespace {

const ItemList kOriginal = {makeImageItem(frameOf(1)), makePauseItem(30), makeImageItem(frameOf(2)),
                            makeEndItem()};

ItemList changedItems()
{
    ItemList items = kOriginal;
    Bytes repainted = frameOf(2);
    repainted[100] = 9;
    items[2] = makeImageItem(repainted);
    return items;
}

class PatchTest : public EditorTest
{
protected:
    // The modder's work: the original, and the changed animation open and saved.
    void openChanged()
    {
        original = writeAnimation("EANIM.QLM", kOriginal);
        changed = writeAnimation("FAN.QLM", changedItems());
        start();
        open(changed);
    }

    void exportPatch()
    {
        dialogs.answerOpen(original);
        dialogs.answerSave(path("fan.tpatch"));
        window->mnuFileExportPatch->trigger();
    }

    void applyPatch(const QString &to)
    {
        dialogs.answerOpen(path("fan.tpatch"));
        dialogs.answerOpen(to);
        window->mnuFileApplyPatch->trigger();
    }

    QString original;
    QString changed;
};

} // namespace

TEST_F(PatchTest, ExportedPatchAppliedOpensTheChangedAnimationAsANewDocument)
{
    openChanged();
    exportPatch();
    const auto saves = dialogs.callsOf(Kind::Save);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].title, "Export Patch");
    EXPECT_EQ(saves[0].initialName, "FAN-QLM.tpatch");
    EXPECT_EQ(saves[0].defaultExtension, "tpatch");
    EXPECT_EQ(dialogs.callsOf(Kind::Open).back().title, "Select the original animation file");
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(std::filesystem::exists(folder.file("fan.tpatch")));

    // A player without FAN.QLM.
    std::filesystem::remove(folder.file("FAN.QLM"));
    applyPatch(original);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();
    EXPECT_TRUE(sameContent(window->items(), changedItems()));
    EXPECT_EQ(window->fileName(), QString());
    EXPECT_TRUE(saveEnabled()) << "a new, unsaved document";
    EXPECT_EQ(window->windowTitle(), "Tessarine Animation Studio: NEW");
}

TEST_F(PatchTest, APatchForAnotherFileIsRefusedWithTheToolsMessage)
{
    openChanged();
    exportPatch();
    const ItemList before = window->items();
    applyPatch(changed);
    const Bytes base = test::readBytes(original.toStdString());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].toStdString(),
              "This patch is for a file of " + withThousands(base.size()) + " bytes (SHA-256 "
                      + hexDigest(sha256(base)).substr(0, 12)
                      + "...); FAN.QLM is not that file. It is the patched file already.");
    EXPECT_EQ(window->fileName(), changed) << "the document stays";
    EXPECT_FALSE(saveEnabled());
}

TEST_F(PatchTest, UnsavedChangesMustBeSavedBeforeAPatchIsMade)
{
    openChanged();
    select(1);
    window->mnuProjectDelete->trigger();
    ASSERT_TRUE(saveEnabled());
    window->mnuFileExportPatch->trigger();
    EXPECT_EQ(dialogs.messages(),
              QStringList{"Save the animation first: a patch is made from the file as saved."});
    EXPECT_TRUE(dialogs.callsOf(Kind::Open).size() == 1u) << "only the Open of openChanged";
    EXPECT_FALSE(std::filesystem::exists(folder.file("fan.tpatch")));
}

TEST_F(PatchTest, APatchIsCheckedBeforeTheOriginalIsAskedFor)
{
    openChanged();
    exportPatch();
    const auto size = std::filesystem::file_size(folder.file("fan.tpatch"));
    EXPECT_EQ(window->lblNote->text(), "Wrote the patch " + path("fan.tpatch") + " ("
                                               + QLocale().toString(qulonglong(size)) + " bytes).");

    // A folder patch, and a file that is no patch: refused at once, no original asked for.
    const Bytes base = test::readBytes(original.toStdString());
    const Bytes made = test::readBytes(changed.toStdString());
    auto file = makeFilePatch(base, made, "EANIM.QLM");
    ASSERT_TRUE(file);
    file->name = "EANIM.QLM";
    Patch forFolder;
    forFolder.forFolder = true;
    forFolder.files.push_back(*file);
    test::writeBytes(folder.file("folder.tpatch"), writePatch(forFolder));
    test::writeText(folder.file("notes.tpatch"), "not a patch at all");
    const std::size_t opened = dialogs.callsOf(Kind::Open).size();
    for (const char *name : {"folder.tpatch", "notes.tpatch"}) {
        dialogs.answerOpen(path(name));
        window->mnuFileApplyPatch->trigger();
    }
    EXPECT_EQ(dialogs.callsOf(Kind::Open).size(), opened + 2) << "the two patches, no original";
    EXPECT_EQ(dialogs.messages(),
              QStringList({"folder.tpatch is a patch of a folder: apply it to the original folder "
                           "with tessanim patch ORIGINAL_DIR PATCH OUT_DIR.",
                           QString::fromStdString(notAPatchNotice("notes.tpatch").text)}));
    EXPECT_EQ(window->fileName(), changed);
}

TEST_F(PatchTest, UnsavedChangesAreAskedAboutBeforeAPatchReplacesThem)
{
    openChanged();
    exportPatch();
    select(1);
    window->mnuProjectDelete->trigger();
    const ItemList edited = window->items();

    dialogs.answerOpen(path("fan.tpatch"));
    dialogs.answerOpen(original);
    dialogs.answerMessage(Dialogs::Answer::Cancel);
    window->mnuFileApplyPatch->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{"You have not saved your changes.  Save them now?"});
    EXPECT_TRUE(sameContent(window->items(), edited)) << "cancelled: the document stays";

    dialogs.answerOpen(path("fan.tpatch"));
    dialogs.answerOpen(original);
    dialogs.answerMessage(Dialogs::Answer::No);
    window->mnuFileApplyPatch->trigger();
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(sameContent(window->items(), changedItems()));
}

TEST_F(PatchTest, ItsDialogsStartInTheAnimationsFolderUntilOneIsRemembered)
{
    // The program's folder is where the defaults point; the animation lies elsewhere.
    openChanged();
    exportPatch();
    const QString animationFolder = path("");
    const auto saves = dialogs.callsOf(Kind::Save);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(QDir(saves[0].initialFolder), QDir(animationFolder));
    EXPECT_NE(QDir(saves[0].initialFolder), QDir(paths.programFolder));

    // Remembered now (the patch's folder), and used.
    std::filesystem::create_directories(folder.path() / "patches");
    dialogs.answerOpen(original);
    dialogs.answerSave(path("patches/again.tpatch"));
    window->mnuFileExportPatch->trigger();
    EXPECT_EQ(QDir(dialogs.callsOf(Kind::Save).back().initialFolder), QDir(animationFolder));
    dialogs.answerOpen(QString());
    window->mnuFileApplyPatch->trigger();
    EXPECT_EQ(QDir(dialogs.callsOf(Kind::Open).back().initialFolder), QDir(path("patches")));
}
