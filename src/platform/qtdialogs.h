// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs.h"

#include <QCoreApplication>

namespace tessa {

// The dialogs as the user sees them, on Qt's file dialogs and message boxes.
class QtDialogs : public Dialogs
{
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)

public:
    QString ShowOpenDialog(QWidget *owner, const QString &filter, const QString &title,
                           const QString &initialFolder, const QString &initialFileName,
                           int &filterIndex) override;
    QStringList ShowOpenFilesDialog(QWidget *owner, const QString &filter, const QString &title,
                                    const QString &initialFolder, int &filterIndex) override;
    QString ShowSaveDialog(QWidget *owner, const QString &filter, const QString &title,
                           const QString &initialFolder, const QString &defaultExtension,
                           const QString &initialFileName, int &filterIndex) override;
    QString BrowseForFolder(const QString &initialFolder, QWidget *owner, const QString &title,
                            bool newStyle) override;
    Answer messageBox(QWidget *owner, const QString &text, const QString &title, Icon icon,
                      Buttons buttons) override;
    std::optional<QString> inputBox(QWidget *owner, const QString &prompt, const QString &title,
                                    const QString &defaultText) override;
    int chooseItem(QWidget *owner, const QString &title, const QString &label,
                   const QStringList &choices) override;
    std::optional<std::vector<std::uint8_t>> matchImage(QWidget *owner,
                                                        const ImportRequest &request) override;
    std::optional<MovieImportChoice> importMovie(QWidget *owner,
                                                 const MovieImportRequest &request) override;
    std::optional<ImportSoundChoice> importSound(QWidget *owner,
                                                 const ImportSoundRequest &request) override;
    void runModal(QDialog &dialog) override;
    void beep() override;
    std::unique_ptr<Progress> progress(QWidget *owner, const QString &text, const QString &title,
                                       int maximum) override;
    void openAddress(const QString &address) override;
    bool openFile(const QString &path) override;
    std::optional<ToolPreferences> editPreferences(QWidget *owner,
                                                   const ToolPreferences &current) override;
};

} // namespace tessa
