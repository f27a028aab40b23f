// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm.h"

#include "about/frmabout.h"
#include "busycursor.h"
#include "document/animfile.h"
#include "document/itemrules.h"
#include "document/paths.h"
#include "filters.h"
#include "itemlistmodel.h"
#include "itemlistview.h"
#include "language/livetexts.h"
#include "language/shownnotice.h"
#include "language/uilanguage.h"
#include "picturelabel.h"
#include "platform/dialogs.h"
#include "recoverykeeper.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace tessa {

namespace {

constexpr const char *kSettingsSection = "Paths";
// Where the picture and the note laid over its foot stand in the window.
constexpr int kPictureLeft = 152;
constexpr int kPictureTop = 8;
constexpr int kPictureHeight = 200;
constexpr int kNoteWidth = 320;
constexpr int kNoteHeight = 36;
// The movie export's folder has a section of its own, beside the four folders of "Paths".
constexpr const char *kMovieSection = "Movie";

QString fromCore(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string toCore(const QString &text)
{
    return text.toStdString();
}

Dialogs::Icon dialogIcon(Notice::Icon icon)
{
    switch (icon) {
    case Notice::Icon::Information:
        return Dialogs::Icon::Information;
    case Notice::Icon::Critical:
        return Dialogs::Icon::Critical;
    case Notice::Icon::None:
        break;
    }
    return Dialogs::Icon::None;
}

} // namespace

frm::frm(Dialogs &dialogs, StudioPaths paths, QWidget *parent)
    : QMainWindow(parent)
    , m_texts(new LiveTexts(this))
    , m_dialogs(dialogs)
    , m_paths(std::move(paths))
    , m_fileSystem(&FileSystem::real())
    , m_recoveryStore(std::make_unique<RecoveryStore>(m_paths.recoveryFolder))
    , m_recovery(std::make_unique<RecoveryKeeper>(m_document, *m_recoveryStore))
{
    createControls();
    createMenus();
    registerCommands();
    connectDocument();
    createExternalEditing();
    // The texts the window sets as the document changes, and the list's lines.
    m_texts->onChange([this] {
        showDocumentState();
        showHistory();
        lst->viewport()->update();
    });
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
    // Laid over the picture rather than beside it, so the window keeps its size and looks the
    // same while there is nothing to say.
    lblNote = new QLabel(client);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setGeometry(kPictureLeft, kPictureTop + kPictureHeight - kNoteHeight, kNoteWidth,
                         kNoteHeight);
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
            showNote(shownRefusal(why));
    });
    connect(lst, &ItemListView::imageFilesDropped, this,
            [this](const QStringList &paths, int line) { importImages(paths, line); });
}

void frm::connectDocument()
{
    connect(&m_document, &AnimDocument::stateChanged, this, &frm::showDocumentState);
    connect(&m_document, &AnimDocument::modifiedChanged, this, [this] {
        mnuFileSave->setEnabled(m_document.isModified());
        mnuFileRevert->setEnabled(m_document.isModified() && !m_document.fileName().isEmpty());
    });
    connect(&m_document, &AnimDocument::historyChanged, this, &frm::showHistory);
    auto *model = static_cast<ItemListModel *>(m_document.model());
    connect(model, &ItemListModel::moveRequested, this, &frm::moveDragged);
}

void frm::showDocumentState()
{
    if (!m_document.fileName().isEmpty())
        setCaption(QLatin1String(": ") + fromCore(GetFileName(toCore(m_document.fileName()))));
    else if (m_document.isUntitled())
        setCaption(tr(": NEW"));
    else
        setCaption(QString());
    setDocumentMenusEnabled(m_document.isOpen());
    UpdateViewMenu();
}

void frm::changeDocument(const std::function<void()> &change)
{
    {
        const QScopedValueRollback quiet(m_selecting, true);
        change();
    }
    selectLine(m_document.lineToSelect());
}

void frm::createMenus()
{
    mnuFile = m_texts->set(menuBar()->addMenu(QString()), [] { return tr("&File"); });
    mnuFileNew = m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileNew_Click),
                              [] { return tr("&New Animation"); });
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileOpen_Click),
                               [] { return tr("&Open Animation"); });
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileSave_Click),
                               [] { return tr("&Save"); });
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileSaveAs_Click),
                                 [] { return tr("Save &As..."); });
    mnuFileRevert = m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileRevert_Click),
                                 [] { return tr("Re&vert"); });
    mnuFileRecover = m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileRecover_Click),
                                  [] { return tr("&Recover Discarded Animation..."); });
    mnuFile->addSeparator();
    mnuFileExport = m_texts->set(mnuFile->addMenu(QString()), [] { return tr("&Export"); });
    mnuFileExportAnimation = m_texts->set(
            mnuFileExport->addAction(QString(), this, &frm::mnuFileExportAnimation_Click),
            [] { return tr("&Animation"); });
    mnuFileExportFrame =
            m_texts->set(mnuFileExport->addAction(QString(), this, &frm::mnuFileExportFrame_Click),
                         [] { return tr("&Frame"); });
    mnuFileExportMovie =
            m_texts->set(mnuFileExport->addAction(QString(), this, &frm::mnuFileExportMovie_Click),
                         [] { return tr("&Movie..."); });
    mnuFileExportPatch =
            m_texts->set(mnuFileExport->addAction(QString(), this, &frm::mnuFileExportPatch_Click),
                         [] { return tr("&Patch..."); });
    mnuFileApplyPatch =
            m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileApplyPatch_Click),
                         [] { return tr("Apply &Patch..."); });
    mnuFile->addSeparator();
    mnuFileExit = m_texts->set(mnuFile->addAction(QString(), this, &frm::mnuFileExit_Click),
                               [] { return tr("E&xit"); });

    createEditMenu();
    createViewMenu();

    mnuProject = m_texts->set(menuBar()->addMenu(QString()), [] { return tr("&Project"); });
    const char *addCaptions[] = {QT_TR_NOOP("Add &Image"), QT_TR_NOOP("Add &Fade In"),
                                 QT_TR_NOOP("Add F&ade Out"), QT_TR_NOOP("Add &Pause"),
                                 QT_TR_NOOP("Add &Sound")};
    const Qt::Key addKeys[] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9};
    for (int i = 0; i < 5; ++i) {
        mnuProjectAdd[i] = m_texts->set(
                mnuProject->addAction(QString(), this, [this, i] { mnuProjectAdd_Click(i); }),
                [caption = addCaptions[i]] { return tr(caption); });
        mnuProjectAdd[i]->setShortcut(QKeySequence(Qt::SHIFT | addKeys[i]));
    }
    mnuProjectImport =
            m_texts->set(mnuProject->addAction(QString(), this, &frm::mnuProjectImport_Click),
                         [] { return tr("I&mport Image..."); });
    mnuProjectImport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuProjectImportMovie =
            m_texts->set(mnuProject->addAction(QString(), this, &frm::mnuProjectImportMovie_Click),
                         [] { return tr("Import Mo&vie..."); });
    mnuProject->addSeparator();
    mnuProjectEdit =
            m_texts->set(mnuProject->addAction(QString(), this, &frm::mnuProjectEdit_Click),
                         [] { return tr("&Edit", "Project menu: the selected item"); });
    mnuProjectEdit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuProjectEditExternally = m_texts->set(
            mnuProject->addAction(QString(), this, &frm::mnuProjectEditExternally_Click),
            [] { return tr("Edit E&xternally"); });
    mnuProjectEditExternally->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    mnuProject->addSeparator();
    mnuProjectDelete =
            m_texts->set(mnuProject->addAction(QString(), this, &frm::mnuProjectDelete_Click),
                         [] { return tr("&Delete Item"); });
    mnuProjectDelete->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::Key_Delete)});

    mnuPalette = m_texts->set(menuBar()->addMenu(QString()), [] { return tr("P&alette"); });
    const char *paletteCaptions[] = {QT_TR_NOOP("&Main Tessarine"),
                                     QT_TR_NOOP("&Extra Orvalis (EANIM.QLM)")};
    const Qt::Key paletteKeys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
    for (int i = 0; i < 3; ++i) {
        // Like the menu they sit in, whose state Qt honours for their shortcuts too, the
        // entries work only while a document is open.
        mnuPaletteSel[i] = m_texts->set(
                mnuPalette->addAction(QString(), this, [this, i] { mnuPaletteSel_Click(i); }),
                [this, caption = i < 2 ? paletteCaptions[i] : nullptr] {
                    return caption ? tr(caption) : customPaletteCaption();
                });
        mnuPaletteSel[i]->setCheckable(true);
        mnuPaletteSel[i]->setShortcut(QKeySequence(Qt::SHIFT | paletteKeys[i]));
    }

    createToolsMenu();

    mnuHelp = m_texts->set(menuBar()->addMenu(QString()), [] { return tr("&Help"); });
    mnuHelpAbout = m_texts->set(mnuHelp->addAction(QString(), this, &frm::mnuHelpAbout_Click),
                                [] { return tr("&About"); });

    mnuFileExport->menuAction()->setEnabled(false);
    mnuProject->menuAction()->setEnabled(false);
    mnuToolsRunScript->setEnabled(false);
    mnuToolsScripts->menuAction()->setEnabled(false);
    mnuPalette->menuAction()->setEnabled(false);
}

void frm::Form_Load()
{
    m_settings.setSaveFailureHandler([this](const Notice &notice) { showNotice(notice); });
    LoadSettings();
    restoreViewChoices();
    ResetDocument();
    mnuPaletteSel_Click(0);
}

void frm::LoadSettings()
{
    // An unreadable settings file gives the defaults, like a missing one.
    m_settings.LoadINI(toCore(m_paths.settingsFile));
    const std::string programFolder = toCore(m_paths.programFolder);
    const auto read = [&](const char *key) {
        return fromCore(m_settings.ReadString(kSettingsSection, key, programFolder));
    };
    AnimationPath = read("AnimationPath");
    ExportPath = read("ExportPath");
    ImportPath = read("ImportPath");
    PalettePath = read("PalettePath");
    MoviePath = fromCore(m_settings.ReadString(kMovieSection, "MoviePath", programFolder));
    applyLanguage(fromCore(m_settings.ReadString(kLanguageSection, kLanguageKey, "")));
}

void frm::rememberFolder(QString &variable, const char *key, const QString &folder)
{
    // As the system writes paths: C:\Games\Tessarine on Windows.
    variable = QDir::toNativeSeparators(folder);
    m_settings.WriteValue(&variable == &MoviePath ? kMovieSection : kSettingsSection, key,
                          toCore(variable));
}

QString frm::additionFolder(const QString &remembered, const char *key) const
{
    // A character no settings file holds: the key was never written.
    static const std::string kNotThere(1, '\0');
    const char *section = &remembered == &MoviePath ? kMovieSection : kSettingsSection;
    if (m_settings.ReadString(section, key, kNotThere) != kNotThere)
        return remembered;
    const QString documentFolder = QFileInfo(m_document.fileName()).absolutePath();
    if (!m_document.fileName().isEmpty() && QFileInfo(documentFolder).isDir())
        return QDir::toNativeSeparators(documentFolder);
    return remembered;
}

void frm::setCaption(const QString &suffix)
{
    setWindowTitle(QLatin1String(kProgramTitle) + suffix);
}

void frm::setDocumentMenusEnabled(bool enabled)
{
    mnuFileExport->menuAction()->setEnabled(enabled);
    mnuProject->menuAction()->setEnabled(enabled);
    mnuPalette->menuAction()->setEnabled(enabled);
    mnuToolsRunScript->setEnabled(enabled);
    mnuToolsScripts->menuAction()->setEnabled(enabled);
    mnuFileSaveAs->setEnabled(enabled);
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
    const OfferedCommands offered = offeredAt(m_document.items(), lst->currentRow());
    for (std::size_t i = 0; i < mnuProjectAdd.size(); ++i)
        mnuProjectAdd[i]->setEnabled(offered.add[i]);
    // Import Image adds images, so it is offered where Add Image is.
    mnuProjectImport->setEnabled(offered.add[0]);
    mnuProjectImportMovie->setEnabled(offered.add[0]);
    mnuProjectEdit->setEnabled(offered.edit);
    mnuProjectEditExternally->setEnabled(externalEditLine() >= 0);
    mnuProjectDelete->setEnabled(offered.remove);
    UpdateEditMenu();
    UpdateViewMenu();
}

void frm::RefreshList()
{
    // The list is a view of the document: it shows its lines already. What is left is the
    // selection of line 0 when there is none.
    if (lst->currentRow() < 0 && lst->count() > 0)
        selectLine(0);
}

void frm::selectLine(int line)
{
    {
        const QScopedValueRollback quiet(m_selecting, true);
        lst->setCurrentRow(line);
    }
    lst_Click();
}

void frm::lst_Click()
{
    UpdateItemMenus();
    const int sel = lst->currentRow();
    if (sel < 0 || sel >= m_document.count()) {
        pic->hide();
        mnuFileExportFrame->setEnabled(false);
        return;
    }
    const bool image = m_document.item(sel).isImage();
    mnuFileExportFrame->setEnabled(image);
    followSelectionInPreview(sel);
    showFrameOf(image ? sel : FindPreviousImage(m_document.items(), sel));
}

void frm::showFrameOf(int index)
{
    if (index < 0) {
        pic->hide();
        return;
    }
    // Every image holds its whole frame: showing one is a single picture build.
    pic->setPixmap(QPixmap::fromImage(pictureOf(index)));
    pic->show();
}

void frm::mnuFileNew_Click()
{
    // No question about unsaved changes: the current document is discarded at once (and kept
    // for File > Recover Discarded Animation), and the new one holds only "End" (selected)
    // until its first image is in.
    keepReplacedChanges();
    {
        const QScopedValueRollback quiet(m_selecting, true);
        m_document.startUntitled();
    }
    RefreshList();
    if (!addItem(0)) {
        ShowInfo(tr("You need to add an image to begin an animation.\r\nAborting..."));
        ResetDocument();
        reportReplacedChanges();
        return;
    }
    m_document.finishUntitled();
    reportReplacedChanges();
}

void frm::mnuFileOpen_Click()
{
    int filterIndex = 0;
    const QString path =
            m_dialogs.ShowOpenDialog(this, tr(kAnimationFilter), tr("Select the animation file"),
                                     AnimationPath, QString(), filterIndex);
    if (path.isEmpty())
        return;
    // Remembered before reading, so the folder is kept even when the file is refused.
    rememberFolder(AnimationPath, "AnimationPath", fromCore(GetFolder(toCore(path))));
    OpenAnim(path);
}

void frm::OpenAnim(const QString &path)
{
    keepReplacedChanges();
    ResetDocument();
    auto loaded = loadAnimation(toCore(path));
    if (!loaded)
        showNotice(loaded.error());
    else
        showLoaded(std::move(*loaded), path);
    reportReplacedChanges();
}

void frm::showLoaded(ItemList items, const QString &path)
{
    keepReplacedChanges();
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
    saveDocument();
}

void frm::mnuFileSaveAs_Click()
{
    saveDocumentAs();
}

frm::SaveOutcome frm::saveDocument()
{
    return m_document.fileName().isEmpty() ? saveDocumentAs() : SaveAnim(m_document.fileName());
}

frm::SaveOutcome frm::saveDocumentAs()
{
    int filterIndex = 0;
    const QString path =
            m_dialogs.ShowSaveDialog(this, tr(kAnimationFilter), tr("Save As..."), AnimationPath,
                                     QString(), m_document.fileName(), filterIndex);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    rememberFolder(AnimationPath, "AnimationPath", fromCore(GetFolder(toCore(path))));
    return SaveAnim(path);
}

frm::SaveOutcome frm::SaveAnim(const QString &path)
{
    BusyCursor busy(this);
    auto saved = saveAnimation(toCore(path), m_document.items(), *m_fileSystem);
    busy.restore();
    if (!saved) {
        // The file and its backup are as they were; the document keeps its unsaved changes.
        showNotice(saved.error());
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
    if (!mayDiscardChanges()) {
        Cancel = 1;
        return;
    }
    // Changes closed away unsaved are kept for a while all the same.
    m_recovery->keepIfDiscarded();
}

bool frm::mayDiscardChanges()
{
    if (!mnuFileSave->isEnabled())
        return true;
    const auto answer = m_dialogs.messageBox(
            this, tr("You have not saved your changes.  Save them now?"), tr("Save Confirmation"),
            Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel);
    if (answer == Dialogs::Answer::Cancel)
        return false;
    // Going on after a save that failed would throw the changes away unasked; a save the user
    // cancelled in the dialog goes on all the same.
    return answer != Dialogs::Answer::Yes || saveDocument() != SaveOutcome::Failed;
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

void frm::showNotice(const Notice &notice)
{
    m_dialogs.messageBox(this, shownText(notice), shownTitle(notice), dialogIcon(notice.icon),
                         Dialogs::Buttons::Ok);
}

void frm::showNote(const QString &text)
{
    lblNote->setText(text);
    // Two lines at the foot of the picture; a longer note (a long path, another language) grows
    // upwards over the picture rather than be cut off.
    const int height = std::clamp(lblNote->heightForWidth(kNoteWidth), kNoteHeight, kPictureHeight);
    lblNote->setGeometry(kPictureLeft, kPictureTop + kPictureHeight - height, kNoteWidth, height);
    lblNote->show();
    lblNote->raise();
    m_noteTimer->start();
}

void frm::ShowInfo(const QString &text)
{
    m_dialogs.messageBox(this, text, QLatin1String(kProgramTitle), Dialogs::Icon::Information,
                         Dialogs::Buttons::Ok);
}

} // namespace tessa
