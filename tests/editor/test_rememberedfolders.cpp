// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folders the dialogs start in: where each is written, and where a dialog that adds to the
// document starts while none was ever written.
#include "editor/rememberedfolders.h"
#include "settings/clsini.h"
#include "tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tessa;
using Folder = RememberedFolders::Folder;

TEST(RememberedFoldersTest, EachIsReadAndWrittenInItsOwnPlace)
{
    test::TempFolder folder;
    const std::string file = folder.file("tessarine-studio.ini");
    // The movie's folder is not one of "Paths", nor "Paths" one of the movie's.
    test::writeText(file, "[Paths]\r\nImportPath=C:\\Pictures\r\nMoviePath=C:\\Wrong\r\n"
                          "[Movie]\r\nExportPath=C:\\Wrong\r\n");
    clsINI settings;
    settings.LoadINI(file);
    RememberedFolders folders(settings);
    folders.read(QStringLiteral("C:\\Program"));
    EXPECT_EQ(folders.folder(Folder::Import), "C:\\Pictures");
    EXPECT_EQ(folders.folder(Folder::Animation), "C:\\Program");
    EXPECT_EQ(folders.folder(Folder::Export), "C:\\Program");
    EXPECT_EQ(folders.folder(Folder::Movie), "C:\\Program");

    folders.remember(Folder::Movie, QStringLiteral("/films"));
    folders.remember(Folder::Palette, QStringLiteral("/palettes"));
    EXPECT_EQ(folders.folder(Folder::Movie), QDir::toNativeSeparators("/films"));
    const std::string written = test::readText(file);
    EXPECT_NE(written.find("[Movie]\r\nExportPath=C:\\Wrong\r\nMoviePath="
                           + QDir::toNativeSeparators("/films").toStdString()),
              std::string::npos)
            << written;
    EXPECT_NE(written.find("PalettePath=" + QDir::toNativeSeparators("/palettes").toStdString()),
              std::string::npos)
            << written;
}

TEST(RememberedFoldersTest, ADialogThatAddsStartsInTheAnimationsFolderUntilOneIsRemembered)
{
    test::TempFolder folder;
    const QString documentFolder = QString::fromStdString(folder.file("animations"));
    QDir().mkpath(documentFolder);
    const QString document = documentFolder + QStringLiteral("/INTRO.ANI");
    const QString shownFolder = QDir::toNativeSeparators(documentFolder);
    const struct
    {
        const char *settings;
        Folder which;
        QString documentFile;
        QString starts;
    } rows[] = {
            {"", Folder::Import, document, shownFolder},
            {"", Folder::Import, QString(), "program"}, // a new document has no folder
            {"", Folder::Import, QStringLiteral("/no/such/folder/INTRO.ANI"), "program"},
            {"[Paths]\nImportPath=program\n", Folder::Import, document, "program"},
            // Remembered once, even as the program's folder itself: the user chose it.
            {"[Movie]\nMoviePath=program\n", Folder::Movie, document, "program"},
            {"[Paths]\nMoviePath=program\n", Folder::Movie, document, shownFolder},
    };
    for (const auto &row : rows) {
        clsINI settings;
        settings.loadText(row.settings);
        RememberedFolders folders(settings);
        folders.read(QStringLiteral("program"));
        EXPECT_EQ(folders.forAddition(row.which, row.documentFile), row.starts)
                << row.settings << " " << row.documentFile.toStdString();
    }
}
