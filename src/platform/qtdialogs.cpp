// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdialogs.h"

#include "filefilter.h"
#include "importimagedialog.h"
#include "preferencesdialog.h"
#include "windowplacement.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpacerItem>
#include <QUrl>

#include <algorithm>

namespace tessa {

namespace {

// Sets up a file dialog the way both the open and the save dialog start.
void prepare(QFileDialog &dialog, const QString &filter, const QString &initialFolder,
             const QString &initialFileName, int filterIndex)
{
    const QStringList filters = nameFiltersFromPipes(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.value(qMax(filterIndex, 1) - 1, filters.first()));
    if (!initialFolder.isEmpty())
        dialog.setDirectory(initialFolder);
    if (!initialFileName.isEmpty())
        dialog.selectFile(initialFileName);
}

// A chosen path as the system writes it (C:\Games\TESSA.QLM on Windows), so that messages and
// remembered folders show it that way.
QString systemPath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

int chosenFilterIndex(const QFileDialog &dialog)
{
    return int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
}

// The window system cuts a title longer than its box ("movi… e.lua"): the box is made wide enough
// for its title and the buttons of a title bar, as far as the screen allows.
void makeRoomForTitle(QMessageBox &box)
{
    // Title bars show their text larger and bolder than the box's own; the buttons beside it.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int wanted = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) * 5 / 4
                       + 4 * QFontMetrics(titleFont).height();
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int room = roomFor(box).width() - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(std::clamp(wanted, 1, std::max(1, room)), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    // Wider now, it may no longer fit where it would be centred over its owner.
    keepOnScreenWhenShown(box);
}

// Message-box text comes with Windows line ends; Qt wants plain line feeds.
QString withLineFeeds(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

QString QtDialogs::ShowOpenDialog(QWidget *owner, const QString &filter, const QString &title,
                                  const QString &initialFolder, const QString &initialFileName,
                                  int &filterIndex)
{
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, filter, initialFolder, initialFileName, filterIndex);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    filterIndex = chosenFilterIndex(dialog);
    return chosen ? systemPath(dialog.selectedFiles().first()) : QString();
}

QStringList QtDialogs::ShowOpenFilesDialog(QWidget *owner, const QString &filter,
                                           const QString &title, const QString &initialFolder,
                                           int &filterIndex)
{
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    prepare(dialog, filter, initialFolder, QString(), filterIndex);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    filterIndex = chosenFilterIndex(dialog);
    QStringList paths;
    if (chosen) {
        for (const QString &path : dialog.selectedFiles())
            paths << systemPath(path);
    }
    return paths;
}

QString QtDialogs::ShowSaveDialog(QWidget *owner, const QString &filter, const QString &title,
                                  const QString &initialFolder, const QString &defaultExtension,
                                  const QString &initialFileName, int &filterIndex)
{
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultExtension);
    prepare(dialog, filter, initialFolder, initialFileName, filterIndex);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            filterIndex = chosenFilterIndex(dialog);
            return QString();
        }
        filterIndex = chosenFilterIndex(dialog);
        const QString path = systemPath(dialog.selectedFiles().first());
        // Qt's dialog asks before replacing a file; asking before creating one is ours.
        if (QFileInfo::exists(path))
            return path;
        const QString question = tr("%1\nThis file does not exist.\nDo you want to create it?")
                                         .arg(QDir::toNativeSeparators(path));
        if (QMessageBox::question(&dialog, title, question) == QMessageBox::Yes)
            return path;
        dialog.selectFile(path);
    }
}

QString QtDialogs::BrowseForFolder(const QString &initialFolder, QWidget *owner,
                                   const QString &title, bool newStyle)
{
    QFileDialog dialog(owner, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Without the new style there is no way to make a folder from the dialog.
    dialog.setOption(QFileDialog::ReadOnly, !newStyle);
    if (!initialFolder.isEmpty())
        dialog.setDirectory(initialFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return systemPath(dialog.selectedFiles().first());
}

Dialogs::Answer QtDialogs::messageBox(QWidget *owner, const QString &text, const QString &title,
                                      Icon icon, Buttons buttons)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(withLineFeeds(text));
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    QPushButton *later = nullptr;
    if (buttons == Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == Buttons::YesNoLater) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        later = box.addButton(tr("&Later"), QMessageBox::RejectRole);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(later);
    } else if (buttons == Buttons::YesNo) {
        // Asked before work is thrown away: No unless the user says otherwise.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    makeRoomForTitle(box);
    const int result = box.exec();
    if (later && box.clickedButton() == later)
        return Answer::Later;
    switch (result) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::YesNoCancel  ? Answer::Cancel
               : buttons == Buttons::YesNoLater ? Answer::Later
               : buttons == Buttons::YesNo      ? Answer::No
                                                : Answer::Ok;
    }
}

std::optional<QString> QtDialogs::inputBox(QWidget *owner, const QString &prompt,
                                           const QString &title, const QString &defaultText)
{
    bool accepted = false;
    const QString text =
            QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

int QtDialogs::chooseItem(QWidget *owner, const QString &title, const QString &label,
                          const QStringList &choices)
{
    bool accepted = false;
    const QString chosen = QInputDialog::getItem(owner, title, label, choices, 0, false, &accepted);
    return accepted ? int(choices.indexOf(chosen)) : -1;
}

std::optional<std::vector<std::uint8_t>> QtDialogs::matchImage(QWidget *owner,
                                                               const ImportRequest &request)
{
    ImportImageDialog dialog(request, owner);
    if (dialog.exec() != QDialog::Accepted || !dialog.result())
        return std::nullopt;
    return dialog.result()->pixels;
}

std::optional<MovieImportChoice> QtDialogs::importMovie(QWidget *owner,
                                                        const MovieImportRequest &request)
{
    ImportMovieDialog dialog(request, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<ImportSoundChoice> QtDialogs::importSound(QWidget *owner,
                                                        const ImportSoundRequest &request)
{
    ImportSoundDialog dialog(request, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtDialogs::runModal(QDialog &dialog)
{
    dialog.exec();
}

void QtDialogs::beep()
{
    QApplication::beep();
}

void QtDialogs::openAddress(const QString &address)
{
    // The result is not checked: there is nothing sensible to do when no program takes it.
    QDesktopServices::openUrl(QUrl(address));
}

bool QtDialogs::openFile(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<ToolPreferences> QtDialogs::editPreferences(QWidget *owner,
                                                          const ToolPreferences &current)
{
    PreferencesDialog dialog(*this, current, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.preferences();
}

namespace {

class QtProgress : public Dialogs::Progress
{
public:
    QtProgress(QWidget *owner, const QString &text, const QString &title, int maximum)
        : m_dialog(owner)
    {
        // A long text wraps rather than widen the box past a small or scaled screen.
        auto *label = new QLabel(text);
        label->setWordWrap(true);
        label->setMaximumWidth(std::max(1, roomFor(m_dialog).width() * 3 / 4));
        m_dialog.setLabel(label);
        m_dialog.setCancelButtonText(QtDialogs::tr("Cancel"));
        m_dialog.setRange(0, maximum);
        m_dialog.setWindowTitle(title);
        keepOnScreenWhenShown(m_dialog);
        m_dialog.setWindowModality(Qt::WindowModal);
        // Short exports finish before a box would be worth showing.
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }
    // A modal progress dialog handles the user's events while its value is set.
    void setValue(int value) override { m_dialog.setValue(value); }
    bool wasCancelled() override { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
};

} // namespace

std::unique_ptr<Dialogs::Progress> QtDialogs::progress(QWidget *owner, const QString &text,
                                                       const QString &title, int maximum)
{
    return std::make_unique<QtProgress>(owner, text, title, maximum);
}

} // namespace tessa
