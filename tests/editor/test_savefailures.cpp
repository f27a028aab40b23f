// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving when one step of it fails, or the file it wrote reads back wrong: the window names the
// file and the reason, and nothing is lost. The old file and its backup stay as they were, no
// temporary file is left, and the document keeps its unsaved changes, which a later save still
// writes.
#include "editorfixture.h"
#include "failingfilesystem.h"

using namespace tessa;
using namespace tessa::test;

namespace {

const QString kTitle = QStringLiteral("Tessarine Animation Studio");

struct FailingStep
{
    SaveStep step;
    std::errc error;
    const char *name;
    const char *reason;
};

const FailingStep kFailingSteps[] = {
        {SaveStep::Create, std::errc::permission_denied, "unwritable folder", "Permission denied"},
        {SaveStep::Create, std::errc::read_only_file_system, "read-only file system",
         "Read-only file system"},
        {SaveStep::Create, std::errc::file_exists, "every temporary name is taken", "File exists"},
        {SaveStep::Write, std::errc::no_space_on_device, "disk full while writing",
         "No space left on device"},
        {SaveStep::Flush, std::errc::io_error, "flush to disk fails", "Input/output error"},
        {SaveStep::Close, std::errc::no_space_on_device, "close fails", "No space left on device"},
        {SaveStep::Backup, std::errc::operation_not_permitted, "backup cannot be made",
         "Operation not permitted"},
        {SaveStep::BackupRename, std::errc::permission_denied, "backup cannot take its name",
         "Permission denied"},
        {SaveStep::FinalRename, std::errc::permission_denied, "rename refused",
         "Permission denied"},
        // The pause's amount (30) arrives as 31: the file read back is not the document.
        {SaveStep::CorruptWrite, std::errc{}, "one byte reaches the file changed",
         "Read back after writing, item 2 differs from the animation; the file was left as it "
         "was"},
};

// Where the saved file holds the amount of the pause: after the image (a header, the background
// byte and the end chunk) and the pause's header.
constexpr std::size_t kPauseAmountOffset = 17 + 10;

const ItemList kSavedItems{makeImageItem(frameOf(4)), makeEndItem()};
const Bytes kOlderBackup{'o', 'l', 'd', 'e', 'r'};

} // namespace

class SaveFailureTest : public EditorTest
{
protected:
    // A fresh window on a saved document with a backup, then one unsaved change: a pause.
    void openAndChange(const std::string &name)
    {
        std::filesystem::create_directories(folder.path() / "docs");
        file = writeAnimation("docs/" + name, kSavedItems);
        oldBytes = readBytes(file.toStdString());
        writeBytes(file.toStdString() + ".bak", kOlderBackup);
        start();
        open(file);
        select(1);
        dialogs.answerInput(QStringLiteral("30"));
        window->mnuProjectAdd[3]->trigger();
        ASSERT_TRUE(saveEnabled());
    }

    std::vector<std::string> documentFolder() const
    {
        return TempFolder::entriesOf(folder.path() / "docs");
    }

    QString file;
    Bytes oldBytes;
};

TEST_F(SaveFailureTest, EachFailingStepIsReportedAndLosesNothing)
{
    for (const FailingStep &row : kFailingSteps) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(folder.path() / "docs");
        openAndChange("EANIM.QLM");
        FailingFileSystem failing(row.step, row.error);
        failing.corruptOffset = kPauseAmountOffset;
        window->setFileSystem(failing);
        const std::size_t boxesBefore = dialogs.callsOf(Kind::Message).size();
        const int beepsBefore = dialogs.beeps;

        window->mnuFileSave->trigger();

        const auto boxes = dialogs.callsOf(Kind::Message);
        ASSERT_EQ(boxes.size(), boxesBefore + 1);
        EXPECT_EQ(boxes.back().text,
                  "Could not save \"" + file + "\": " + QString::fromLatin1(row.reason) + ".");
        EXPECT_EQ(boxes.back().title, "Error");
        EXPECT_EQ(boxes.back().icon, Dialogs::Icon::Critical);
        EXPECT_EQ(dialogs.beeps, beepsBefore) << "no beep: nothing was saved";

        EXPECT_TRUE(saveEnabled()) << "the changes are still unsaved";
        EXPECT_EQ(window->windowTitle(), kTitle + ": EANIM.QLM");
        EXPECT_EQ(window->fileName(), file);
        EXPECT_EQ(lines(), QStringList({"Image", "Pause: 30", "End"}));
        EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor) << "no hourglass left behind";

        EXPECT_EQ(readBytes(file.toStdString()), oldBytes) << "the old file is untouched";
        // Only the very last step comes after the backup was refreshed, with the same old bytes.
        const Bytes backup = readBytes(file.toStdString() + ".bak");
        EXPECT_TRUE(backup == kOlderBackup
                    || (row.step == SaveStep::FinalRename && backup == oldBytes));
        EXPECT_EQ(documentFolder(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}))
                << "no temporary file is left";

        // Once the file system works again, the kept changes are saved.
        window->setFileSystem(FileSystem::real());
        window->mnuFileSave->trigger();
        EXPECT_FALSE(saveEnabled());
        EXPECT_EQ(dialogs.beeps, beepsBefore + 1);
        auto saved = loadAnimation(file.toStdString());
        ASSERT_TRUE(saved);
        EXPECT_EQ(listLine((*saved)[1]), "Pause: 30");
        EXPECT_EQ(readBytes(file.toStdString() + ".bak"), oldBytes);
    }
}

TEST_F(SaveFailureTest, AFailedSaveAsKeepsTheDocumentWhereItWas)
{
    openAndChange("FIRSTANIM.QLM");
    const std::string other = folder.file("docs/OTHERANIM.QLM");
    writeBytes(other, kOlderBackup);
    FailingFileSystem failing(SaveStep::FinalRename, std::errc::permission_denied);
    window->setFileSystem(failing);

    dialogs.answerSave(QString::fromStdString(other));
    window->mnuFileSaveAs->trigger();

    EXPECT_EQ(dialogs.messages().back(),
              "Could not save \"" + QString::fromStdString(other) + "\": Permission denied.");
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(window->fileName(), file) << "the document still belongs to its old file";
    EXPECT_EQ(window->windowTitle(), kTitle + ": FIRSTANIM.QLM");
    EXPECT_EQ(readBytes(other), kOlderBackup);
    EXPECT_EQ(readBytes(file.toStdString()), oldBytes);
    // The backup of the other file was refreshed with its own old bytes; nothing else is new.
    EXPECT_EQ(readBytes(other + ".bak"), kOlderBackup);
    EXPECT_EQ(documentFolder(), (std::vector<std::string>{"FIRSTANIM.QLM", "FIRSTANIM.QLM.bak",
                                                          "OTHERANIM.QLM", "OTHERANIM.QLM.bak"}));
}

TEST_F(SaveFailureTest, AFileReplacedByAFolderIsReportedAndLeftAlone)
{
    openAndChange("EANIM.QLM");
    std::filesystem::remove(file.toStdString());
    std::filesystem::create_directory(file.toStdString());

    window->mnuFileSave->trigger();

    EXPECT_EQ(dialogs.messages().back(), "Could not save \"" + file + "\": Is a directory.");
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(window->fileName(), file);
    EXPECT_TRUE(std::filesystem::is_directory(file.toStdString()));
    EXPECT_EQ(readBytes(file.toStdString() + ".bak"), kOlderBackup);
    EXPECT_EQ(documentFolder(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}));
}
