// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imageio/imageimport.h"
#include "importmoviedialog.h"
#include "importsounddialog.h"
#include "toolpreferences.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QDialog;
class QWidget;

namespace tessa {

// Everything through which the program talks to the user modally: file and folder dialogs,
// message boxes, the input box, the beep, and handing an address to the system. The window uses
// nothing else, so tests can answer every question without a screen.
class Dialogs
{
public:
    enum class Icon { None, Information, Critical, Question, Exclamation };
    enum class Buttons { Ok, YesNoCancel, YesNoLater, YesNo };
    enum class Answer { Ok, Yes, No, Cancel, Later };

    // A long operation's progress as the user sees it, with a way to stop it; it closes when the
    // object is destroyed.
    class Progress
    {
    public:
        virtual ~Progress() = default;
        // 0 to the maximum given when it was opened.
        virtual void setValue(int value) = 0;
        virtual bool wasCancelled() = 0;
    };

    virtual ~Dialogs() = default;

    // Filters are "description|pattern|description|pattern...". `filterIndex` is 1-based on the
    // way in (0 picks the first pair) and the pair chosen last on the way out. The result is the
    // chosen file's full path, or "" when the user cancelled. The open dialog accepts existing
    // files only.
    virtual QString ShowOpenDialog(QWidget *owner, const QString &filter, const QString &title,
                                   const QString &initialFolder, const QString &initialFileName,
                                   int &filterIndex) = 0;

    // The same open dialog with any number of files chosen: their full paths in the order the
    // dialog gives them, or none when the user cancelled.
    virtual QStringList ShowOpenFilesDialog(QWidget *owner, const QString &filter,
                                            const QString &title, const QString &initialFolder,
                                            int &filterIndex) = 0;

    // The save dialog asks before it replaces an existing file and before it creates a new one;
    // `defaultExtension` (may be empty) is added to a name typed without one.
    virtual QString ShowSaveDialog(QWidget *owner, const QString &filter, const QString &title,
                                   const QString &initialFolder, const QString &defaultExtension,
                                   const QString &initialFileName, int &filterIndex) = 0;

    // The chosen folder's path, or "" when the user cancelled.
    virtual QString BrowseForFolder(const QString &initialFolder, QWidget *owner,
                                    const QString &title, bool newStyle) = 0;

    virtual Answer messageBox(QWidget *owner, const QString &text, const QString &title, Icon icon,
                              Buttons buttons) = 0;

    // The typed text, or nothing when the user cancelled.
    virtual std::optional<QString> inputBox(QWidget *owner, const QString &prompt,
                                            const QString &title, const QString &defaultText) = 0;

    // Lets the user pick one of `choices` (shown one a line, the first preselected); its index,
    // or -1 when the user cancelled.
    virtual int chooseItem(QWidget *owner, const QString &title, const QString &label,
                           const QStringList &choices) = 0;
    // The Import Image preview for `request`: the 64000 indices the user accepted, or nothing
    // when they cancelled.
    virtual std::optional<std::vector<std::uint8_t>> matchImage(QWidget *owner,
                                                                const ImportRequest &request) = 0;

    // The Import Movie dialog for `request`: what the user chose, or nothing when they
    // cancelled.
    virtual std::optional<MovieImportChoice> importMovie(QWidget *owner,
                                                         const MovieImportRequest &request) = 0;

    // The Import Sound dialog for `request`: what the user chose, or nothing when they
    // cancelled.
    virtual std::optional<ImportSoundChoice> importSound(QWidget *owner,
                                                         const ImportSoundRequest &request) = 0;
    // Runs a dialog of the program's own (the About box) modally.
    virtual void runModal(QDialog &dialog) = 0;

    virtual void beep() = 0;

    // A modal progress box with a Cancel button, from 0 to `maximum`.
    virtual std::unique_ptr<Progress> progress(QWidget *owner, const QString &text,
                                               const QString &title, int maximum) = 0;

    // Opens a web or "mailto:" address with the system's default program.
    virtual void openAddress(const QString &address) = 0;

    // Opens the local file `path` with the system's default program for its type, without
    // waiting for it; false when no program took it.
    virtual bool openFile(const QString &path) = 0;

    // Edit > Preferences showing `current`: the settings the user accepted, or nothing when
    // they cancelled.
    virtual std::optional<ToolPreferences> editPreferences(QWidget *owner,
                                                           const ToolPreferences &current) = 0;
};

} // namespace tessa
