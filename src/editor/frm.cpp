// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm.h"

#include "about/frmabout.h"
#include "busycursor.h"
#include "document/animfile.h"
#include "document/fileio.h"
#include "document/itemrules.h"
#include "document/paths.h"
#include "editorcontext.h"
#include "filters.h"
#include "itemlistmodel.h"
#include "itemlistview.h"
#include "language/livetexts.h"
#include "language/shownnotice.h"
#include "language/uilanguage.h"
#include "picturelabel.h"
#include "platform/dialogs.h"

#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

namespace tessa {

frm::frm(Dialogs &dialogs, StudioPaths paths, QWidget *parent)
    : QMainWindow(parent)
    , m_texts(new LiveTexts(this))
    , m_dialogs(dialogs)
    , m_paths(std::move(paths))
    , m_fileSystem(&FileSystem::real())
    , m_commands(*menuBar(), *m_texts)
{
    createControls();
    createMenus();
    addFeatures();
    m_commands.fillMenuBar();
    Form_Load();
}

frm::~frm() = default;

void frm::createControls()
{
    // A fixed layout: a minimize button, no maximize button, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);

    auto *client = new QWidget(this);
    client->setFixedSize(481, 218);
    lst = new ItemListView(client);
    lst->setObjectName(QStringLiteral("lst"));
    lst->setGeometry(8, 8, 137, 199);
    lst->setModel(m_document.model());
    lst->setSelectionModel(m_document.selection());
    pic = new PictureLabel(client);
    pic->setObjectName(QStringLiteral("pic"));
    pic->setGeometry(152, 8, 320, 200);
    // Laid over the picture's foot rather than beside it, so the window keeps its size and looks
    // the same while there is nothing to say (placed when shown: frm_features.cpp).
    lblNote = new QLabel(client);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setGeometry(152, 172, 320, 36);
    lblNote->setWordWrap(true);
    lblNote->setAutoFillBackground(true);
    lblNote->setFrameShape(QFrame::Box);
    lblNote->setBackgroundRole(QPalette::ToolTipBase);
    lblNote->setForegroundRole(QPalette::ToolTipText);
    lblNote->hide();
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    m_noteTimer->setInterval(8000);
    connect(m_noteTimer, &QTimer::timeout, lblNote, &QLabel::hide);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_document.selection(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_selecting)
            lst_Click();
    });
    connect(lst, &QListView::doubleClicked, this, &frm::lst_DblClick);
    connect(lst, &ItemListView::enterPressed, this, &frm::lst_DblClick);
    connect(lst, &ItemListView::deletePressed, this, [this] {
        if (mnuProjectDelete->isEnabled())
            mnuProjectDelete->trigger();
        else if (const std::string why = deleteRefusal(m_document.items(), lst->currentRow());
                 !why.empty())
            m_context->showNote(shownRefusal(why));
    });
    connect(lst, &ItemListView::imageFilesDropped, this,
            [this](const QStringList &paths, int line) {
                emit m_context->imageFilesDropped(paths, line);
            });

    // The caption names the document's file; it and the menus follow the document.
    const auto showCaption = [this] {
        QString suffix;
        if (!m_document.fileName().isEmpty())
            suffix = QLatin1String(": ")
                     + QString::fromStdString(GetFileName(m_document.fileName().toStdString()));
        else if (m_document.isUntitled())
            suffix = tr(": NEW");
        setWindowTitle(QLatin1String(kProgramTitle) + suffix);
    };
    connect(&m_document, &AnimDocument::stateChanged, this, [this, showCaption] {
        showCaption();
        m_commands.updateEnabled();
    });
    connect(&m_document, &AnimDocument::modifiedChanged, this,
            [this] { m_commands.updateEnabled(); });
    connect(&m_document, &AnimDocument::historyChanged, this,
            [this] { m_commands.updateEnabled(); });
    // The texts the window sets as the document changes, and the list's lines.
    m_texts->onChange([this, showCaption] {
        showCaption();
        lst->viewport()->update();
    });
}

void frm::Form_Load()
{
    m_settings.setSaveFailureHandler(
            [this](const Notice &notice) { m_context->showNotice(notice); });
    LoadSettings();
    emit m_context->settingsRead();
    ResetDocument();
    mnuPaletteSel_Click(0);
}

void frm::LoadSettings()
{
    // An unreadable settings file gives the defaults, like a missing one.
    m_settings.LoadINI(m_paths.settingsFile.toStdString());
    m_folders.read(m_paths.programFolder);
    applyLanguage(
            QString::fromStdString(m_settings.ReadString(kLanguageSection, kLanguageKey, "")));
}

void frm::ResetDocument()
{
    // No items, no name, nothing selected: the caption is the title alone, the document menus
    // and Save go off.
    {
        const QScopedValueRollback quiet(m_selecting, true);
        m_document.close();
    }
    pic->hide();
    UpdateItemMenus();
}

void frm::UpdateItemMenus()
{
    // The rules of every entry, the Project menu's among them, are in the registry.
    m_commands.updateEnabled();
}

void frm::RefreshList()
{
    // The list is a view of the document: it shows its lines already. What is left is the
    // selection of line 0 when there is none.
    if (lst->currentRow() >= 0 || lst->count() == 0)
        return;
    {
        const QScopedValueRollback quiet(m_selecting, true);
        lst->setCurrentRow(0);
    }
    lst_Click();
}

void frm::changeDocument(const std::function<void()> &change)
{
    {
        const QScopedValueRollback quiet(m_selecting, true);
        change();
    }
    // The line the change names is selected, and lst_Click runs once whether or not the
    // selection moved.
    {
        const QScopedValueRollback quiet(m_selecting, true);
        lst->setCurrentRow(m_document.lineToSelect());
    }
    lst_Click();
}

void frm::lst_Click()
{
    UpdateItemMenus();
    const int sel = lst->currentRow();
    if (sel < 0 || sel >= m_document.count()) {
        pic->hide();
        return;
    }
    emit m_context->lineShown(sel);
    // Every image holds its whole frame: showing one is a single picture build.
    m_context->showPictureAgain();
}

void frm::mnuFileNew_Click()
{
    // No question about unsaved changes: the current document is discarded at once (and kept
    // for File > Recover Discarded Animation), and the new one holds only "End" (selected)
    // until its first image is in.
    emit m_context->documentAboutToBeReplaced();
    {
        const QScopedValueRollback quiet(m_selecting, true);
        m_document.startUntitled();
    }
    RefreshList();
    mnuProjectAdd_Click(0);
    if (m_document.count() == 1) {
        ShowInfo(tr("You need to add an image to begin an animation.\r\nAborting..."));
        ResetDocument();
    } else {
        m_document.finishUntitled();
    }
    emit m_context->documentReplaced();
}

void frm::mnuFileOpen_Click()
{
    int filterIndex = 0;
    const QString path = m_dialogs.ShowOpenDialog(
            this, shownFilter(kAnimationFilter), tr("Select the animation file"),
            m_folders.folder(RememberedFolders::Folder::Animation), QString(), filterIndex);
    if (path.isEmpty())
        return;
    // Remembered before reading, so the folder is kept even when the file is refused.
    m_folders.remember(RememberedFolders::Folder::Animation,
                       QString::fromStdString(GetFolder(path.toStdString())));
    OpenAnim(path);
}

void frm::OpenAnim(const QString &path)
{
    emit m_context->documentAboutToBeReplaced();
    ResetDocument();
    auto loaded = loadAnimation(path.toStdString());
    if (!loaded)
        m_context->showNotice(loaded.error());
    else
        showLoaded(std::move(*loaded), path);
    emit m_context->documentReplaced();
}

void frm::showLoaded(ItemList items, const QString &path)
{
    emit m_context->documentAboutToBeReplaced();
    // Named, with the document menus on when there is at least one item, and no unsaved
    // changes.
    {
        const QScopedValueRollback quiet(m_selecting, true);
        m_document.load(std::move(items), path);
    }
    pic->hide();
    RefreshList();
    if (lst->count() == 0)
        UpdateItemMenus();
}

void frm::mnuFileSave_Click()
{
    saveDocument(false);
}

void frm::mnuFileSaveAs_Click()
{
    saveDocument(true);
}

frm::SaveOutcome frm::saveDocument(bool choosingName)
{
    if (!choosingName && !m_document.fileName().isEmpty())
        return SaveAnim(m_document.fileName());
    int filterIndex = 0;
    const QString path =
            m_dialogs.ShowSaveDialog(this, shownFilter(kAnimationFilter), tr("Save As..."),
                                     m_folders.folder(RememberedFolders::Folder::Animation),
                                     QString(), m_document.fileName(), filterIndex);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    m_folders.remember(RememberedFolders::Folder::Animation,
                       QString::fromStdString(GetFolder(path.toStdString())));
    return SaveAnim(path);
}

frm::SaveOutcome frm::SaveAnim(const QString &path)
{
    BusyCursor busy(this);
    auto saved = saveAnimation(path.toStdString(), m_document.items(), *m_fileSystem);
    busy.restore();
    if (!saved) {
        // The file and its backup are as they were; the document keeps its unsaved changes.
        m_context->showNotice(saved.error());
        return SaveOutcome::Failed;
    }
    // Caption named after the file, Save off.
    m_document.markSaved(path);
    m_dialogs.beep();
    return SaveOutcome::Saved;
}

void frm::mnuFileExit_Click()
{
    close();
}

void frm::closeEvent(QCloseEvent *event)
{
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (cancel != 0)
        event->ignore();
    else
        event->accept();
}

void frm::Form_QueryUnload(int &Cancel)
{
    if (!m_context->mayDiscardChanges()) {
        Cancel = 1;
        return;
    }
    emit m_context->closing();
}

void frm::mnuHelpAbout_Click()
{
    frmAbout about(m_dialogs, windowIcon(), this);
    m_dialogs.runModal(about);
}

void frm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
}

void frm::ShowInfo(const QString &text)
{
    m_dialogs.messageBox(this, text, QLatin1String(kProgramTitle), Dialogs::Icon::Information,
                         Dialogs::Buttons::Ok);
}

} // namespace tessa
