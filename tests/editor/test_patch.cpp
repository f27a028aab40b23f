// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export > Patch and File > Apply Patch.
#include "editorfixture.h"

#include "patch/patchnotices.h"

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
