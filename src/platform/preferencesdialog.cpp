// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencesdialog.h"

#include "dialogs.h"
#include "language/uilanguage.h"
#include "windowplacement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tessa {

namespace {

constexpr int kCommandWidth = 320;

QString programFilter()
{
#ifdef Q_OS_WIN
    return PreferencesDialog::tr("Programs (*.exe)|*.exe|All Files (*.*)|*.*");
#else
    return PreferencesDialog::tr("All Files (*)|*");
#endif
}

} // namespace

QString commandLineFor(const QString &program)
{
    // QProcess::splitCommand reads a quote inside quotes as three quotes in a row.
    const bool plain =
            !program.isEmpty() && std::none_of(program.begin(), program.end(), [](QChar c) {
                return c.isSpace() || c == QLatin1Char('"');
            });
    QString quoted = program;
    if (!plain)
        quoted = QLatin1Char('"') + quoted.replace(QLatin1String("\""), QLatin1String("\"\"\""))
                 + QLatin1Char('"');
    return quoted + QLatin1String(" %f");
}

PreferencesDialog::PreferencesDialog(Dialogs &dialogs, const ToolPreferences &current,
                                     QWidget *owner)
    : QDialog(owner)
    , m_dialogs(dialogs)
{
    setWindowTitle(tr("Preferences"));

    txtImageEditor = new QLineEdit(current.imageEditor, this);
    txtImageEditor->setObjectName(QStringLiteral("txtImageEditor"));
    txtImageEditor->setPlaceholderText(tr("The system's default program"));
    cmdBrowse = new QPushButton(tr("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    connect(cmdBrowse, &QPushButton::clicked, this, &PreferencesDialog::browse);
    auto *editorRow = new QHBoxLayout;
    editorRow->addWidget(txtImageEditor);
    editorRow->addWidget(cmdBrowse);

    auto *hint = new QLabel(tr("%f stands for the image file. Leave it empty to open the file "
                               "in the system's default program for its type."),
                            this);
    hint->setWordWrap(true);

    cboImageFormat = new QComboBox(this);
    cboImageFormat->setObjectName(QStringLiteral("cboImageFormat"));
    // In the order of ToolPreferences::ImageFormat.
    cboImageFormat->addItems({tr("PNG (indexed, 256 colours)"), tr("BMP (8-bit)")});
    cboImageFormat->setCurrentIndex(int(current.imageFormat));

    auto *form = new QFormLayout;
    // Captions above their fields where the screen is narrow.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    auto *editorLabel = new QLabel(tr("Image &editor:"), this);
    editorLabel->setBuddy(txtImageEditor);
    form->addRow(editorLabel, editorRow);
    form->addRow(QString(), hint);
    auto *formatLabel = new QLabel(tr("Image &format:"), this);
    formatLabel->setBuddy(cboImageFormat);
    form->addRow(formatLabel, cboImageFormat);

    cboLanguage = new QComboBox(this);
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    for (const LanguageChoice &choice : languageChoices())
        cboLanguage->addItem(choice.name, choice.code);
    cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(current.language)));
    auto *languageLabel = new QLabel(tr("&Language:"), this);
    languageLabel->setBuddy(cboLanguage);
    form->addRow(languageLabel, cboLanguage);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // Room for a command line of some length, where the screen has it.
    const int roomForCommand = std::max(0, kCommandWidth - txtImageEditor->sizeHint().width());
    fitToScreen(*this, sizeHint().width() + roomForCommand);
    keepOnScreenWhenShown(*this);
}

ToolPreferences PreferencesDialog::preferences() const
{
    ToolPreferences chosen;
    chosen.imageEditor = txtImageEditor->text().trimmed();
    chosen.imageFormat = cboImageFormat->currentIndex() == int(ToolPreferences::ImageFormat::Bmp)
                                 ? ToolPreferences::ImageFormat::Bmp
                                 : ToolPreferences::ImageFormat::Png;
    chosen.language = cboLanguage->currentData().toString();
    return chosen;
}

void PreferencesDialog::browse()
{
    // Starts where the program named now lives, when it is named by its path.
    const QStringList words = QProcess::splitCommand(txtImageEditor->text());
    QString folder;
    QString name;
    if (!words.isEmpty() && QFileInfo(words.first()).isAbsolute()) {
        folder = QFileInfo(words.first()).absolutePath();
        name = QFileInfo(words.first()).fileName();
    }
    int filterIndex = 0;
    const QString program = m_dialogs.ShowOpenDialog(
            this, programFilter(), tr("Choose the Image Editor"), folder, name, filterIndex);
    if (!program.isEmpty())
        txtImageEditor->setText(commandLineFor(program));
}

} // namespace tessa
