// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolpreferences.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tessa {

class Dialogs;

// Edit > Preferences: the image editor that Project > Edit Externally starts (a command line,
// or a program chosen with Browse...) and the kind of file it is given. The caller stores what
// preferences() holds once the dialog is accepted.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    // `dialogs` answers Browse... and must outlive the dialog.
    PreferencesDialog(Dialogs &dialogs, const ToolPreferences &current, QWidget *owner = nullptr);

    ToolPreferences preferences() const;

    // Browse...: a chosen program becomes the command line, with the file as its argument.
    void browse();

    QLineEdit *txtImageEditor = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QComboBox *cboImageFormat = nullptr;
    QComboBox *cboLanguage = nullptr;

private:
    Dialogs &m_dialogs;
};

// The command line that starts `program` with the image file: the program quoted when its path
// holds blanks or quotes, then "%f".
QString commandLineFor(const QString &program);

} // namespace tessa
