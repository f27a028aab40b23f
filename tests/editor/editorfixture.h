// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animfile.h"
#include "editor/frm.h"
#include "imaging/bmp.h"
#include "imaging/palette.h"
#include "scripteddialogs.h"
#include "tempfolder.h"

#include "editor/itemlistview.h"
#include <QAction>
#include <QDir>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tessa::test {

using Bytes = std::vector<std::uint8_t>;
using Kind = DialogCall::Kind;

inline Bytes frameOf(std::uint8_t index)
{
    return Bytes(kFrameSize, index);
}

// A window with its own program folder and settings file in a fresh temporary folder.
class EditorTest : public ::testing::Test
{
protected:
    EditorTest()
    {
        std::filesystem::create_directories(folder.path() / "program");
        paths.programFolder = QString::fromStdString(folder.file("program"));
        paths.settingsFile = QString::fromStdString(folder.file("program/tessarine-studio.ini"));
    }

    frm &start()
    {
        window = std::make_unique<frm>(dialogs, paths);
        return *window;
    }

    // As the editor shows paths: with the system's separators.
    QString path(const std::string &name) const
    {
        return QDir::toNativeSeparators(QString::fromStdString(folder.file(name)));
    }

    QString writeBmp(const std::string &name, const Bytes &frame)
    {
        test::writeBytes(folder.file(name), AddBMPHeader(kFrameWidth, kFrameHeight, frame,
                                                         paletteColorsFromData(builtInPalette(0))));
        return path(name);
    }

    QString writeAnimation(const std::string &name, const ItemList &items)
    {
        auto bytes = tessa::writeAnimation(items);
        EXPECT_TRUE(bytes.has_value());
        test::writeBytes(folder.file(name), *bytes);
        return path(name);
    }

    void open(const QString &file)
    {
        dialogs.answerOpen(file);
        window->mnuFileOpen->trigger();
    }

    // A new document holding one image of `index`, "End" selected.
    void newDocument(std::uint8_t index = 1)
    {
        dialogs.answerOpen(writeBmp("new-" + std::to_string(index) + ".bmp", frameOf(index)));
        window->mnuFileNew->trigger();
    }

    QStringList lines() const
    {
        QStringList texts;
        for (int i = 0; i < window->lst->count(); ++i)
            texts << window->lst->lineText(i);
        return texts;
    }

    int selected() const { return window->lst->currentRow(); }
    void select(int line) { window->lst->setCurrentRow(line); }

    bool saveEnabled() const { return window->mnuFileSave->isEnabled(); }
    bool documentMenusEnabled() const
    {
        return window->mnuFileSaveAs->isEnabled()
               && window->mnuFileExport->menuAction()->isEnabled()
               && window->mnuProject->menuAction()->isEnabled()
               && window->mnuPalette->menuAction()->isEnabled()
               && window->mnuToolsRunScript->isEnabled()
               && window->mnuToolsScripts->menuAction()->isEnabled();
    }
    bool documentMenusDisabled() const
    {
        return !window->mnuFileSaveAs->isEnabled()
               && !window->mnuFileExport->menuAction()->isEnabled()
               && !window->mnuProject->menuAction()->isEnabled()
               && !window->mnuPalette->menuAction()->isEnabled()
               && !window->mnuToolsRunScript->isEnabled()
               && !window->mnuToolsScripts->menuAction()->isEnabled();
    }

    std::string settingsText() const { return test::readText(paths.settingsFile.toStdString()); }

    TempFolder folder;
    StudioPaths paths;
    ScriptedDialogs dialogs;
    std::unique_ptr<frm> window; // after `dialogs`: it is destroyed first
};

} // namespace tessa::test
