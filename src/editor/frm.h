// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "commandregistry.h"
#include "document/animitem.h"
#include "document/notice.h"
#include "imaging/palette.h"
#include "playback/previewwindow.h"
#include "playback/soundoutput.h"
#include "recoverykeeper.h"
#include "rememberedfolders.h"
#include "settings/clsini.h"
#include "studiopaths.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMenu;
class QTimer;

namespace tessa {

class Dialogs;
class DetailsFeature;
class EditorContext;
class FileSystem;
class ItemDetailsPanel;
class ItemListView;
class LiveTexts;
class PlayFeature;
class RecoveryFeature;

// The main window: the one open animation, its list of items, the picture of the selected line,
// the commands of its own menus, and the place where the editor's other features are added
// (frm_features.cpp). It is a thin layer over the core library: it asks the user through
// `Dialogs`, calls the core, and shows what comes back.
//
// Unsaved changes have no flag of their own: File > Save is enabled exactly while there are any.
// Whether a document is open is likewise the enabled state of Save As, Export, Project and
// Palette, which come and go together.
class frm : public QMainWindow
{
    Q_OBJECT

public:
    // `dialogs` must outlive the window.
    frm(Dialogs &dialogs, StudioPaths paths, QWidget *parent = nullptr);
    ~frm() override;

    const ItemList &items() const { return m_document.items(); }
    const QString &fileName() const { return m_document.fileName(); }
    AnimDocument &document() { return m_document; }
    const PaletteColors &paletteColors() const { return m_paletteColors; }
    // Every menu command by name, as scripts reach them (app.command.NAME).
    const CommandRegistry &commands() const { return m_commands; }
    RecoveryKeeper &recovery();
    // The preview window once View > Play has opened it, else null.
    PreviewWindow *preview() const;
    // The Item Details panel once View > Item Details has shown it, else null.
    ItemDetailsPanel *details() const;

    // The file system that Save and Save As write through: FileSystem::real() unless a test
    // hands in one that fails on purpose. `fileSystem` must outlive the window.
    void setFileSystem(FileSystem &fileSystem) { m_fileSystem = &fileSystem; }

    // Controls and menu entries, named after their menu path.
    ItemListView *lst = nullptr;
    QLabel *pic = nullptr;
    // A passing remark over the foot of the picture, hidden while there is none.
    QLabel *lblNote = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QMenu *mnuFileExport = nullptr;
    QAction *mnuFileExportAnimation = nullptr;
    QAction *mnuFileExportFrame = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuProject = nullptr;
    std::array<QAction *, 5> mnuProjectAdd{};
    QAction *mnuProjectEdit = nullptr;
    QAction *mnuProjectDelete = nullptr;
    QMenu *mnuPalette = nullptr;
    std::array<QAction *, 3> mnuPaletteSel{};
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;
    // The entries the features add, as the registry holds them once they are in. A feature
    // added later adds none here: its entries are found by name, commands().action("Name").
    QAction *mnuFileRevert = nullptr;
    QAction *mnuFileRecover = nullptr;
    QAction *mnuFileExportMovie = nullptr;
    QAction *mnuFileExportPatch = nullptr;
    QAction *mnuFileApplyPatch = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;
    QAction *mnuEditDuplicate = nullptr;
    QAction *mnuEditMoveUp = nullptr;
    QAction *mnuEditMoveDown = nullptr;
    QAction *mnuEditPreferences = nullptr;
    QAction *mnuViewPlay = nullptr;
    QAction *mnuViewChanges = nullptr;
    QAction *mnuViewDetails = nullptr;
    QAction *mnuProjectImport = nullptr;
    QAction *mnuProjectImportMovie = nullptr;
    QAction *mnuProjectEditExternally = nullptr;
    QAction *mnuToolsRunScript = nullptr;
    QMenu *mnuToolsScripts = nullptr;
    QAction *mnuToolsOpenScriptsFolder = nullptr;

    // How long a long task (a movie import) runs before its progress box shows, so that a short
    // one shows none.
    int progressDelayMilliseconds = 400;
    // Where the editor's own sounds go (scrubbing, Import Sound's Play): the system's output,
    // or in tests one that records what it is given.
    std::function<std::unique_ptr<SoundOutput>()> makeSoundOutput = makeSystemSoundOutput;

public slots:
    // Opens `path` as File > Open does once a file is chosen (also for a file named on the
    // command line).
    void OpenAnim(const QString &path);
    // Files dropped on the window: offered to the features that take files (images and movies
    // are imported before the selected line); otherwise the first file is opened if it is an
    // animation, after the question about unsaved changes. A file that cannot be opened is
    // refused before the open document is touched.
    void dropFiles(const QStringList &paths);
    // Offers the work of a run that ended without closing, if any (at start-up).
    void offerRecovery();

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuFileExportAnimation_Click();
    void mnuFileExportFrame_Click();
    void mnuProjectAdd_Click(int Index);
    void mnuProjectEdit_Click();
    void mnuProjectDelete_Click();
    void mnuPaletteSel_Click(int Index);
    void mnuHelpAbout_Click();
    void lst_Click();
    void lst_DblClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // What the features reach of the window (frm_features.cpp).
    class Context;
    enum class SaveOutcome { Saved, Cancelled, Failed };

    void createControls();
    // The menus of the bar and the window's own commands, in the registry.
    void createMenus();
    // Every feature beside the window's own commands, each adding its commands as it is made.
    void addFeatures();
    void Form_Load();
    void LoadSettings();
    void Form_QueryUnload(int &Cancel);
    // Makes `items`, read from `path`, the document (the one replaced is kept if unsaved).
    void showLoaded(ItemList items, const QString &path);
    void ResetDocument();
    void UpdateItemMenus();
    void RefreshList();
    // Runs a change of the document (a command, an undo or a redo), then selects the line it
    // names and brings the menus up to date.
    void changeDocument(const std::function<void()> &change);
    // In place, or through the Save As dialog when never saved or when `choosingName`.
    SaveOutcome saveDocument(bool choosingName);
    SaveOutcome SaveAnim(const QString &path);
    void SelectPalette(int Index);

    // The information box. The window's other ways to tell the user, and to ask about unsaved
    // changes, are those of its context (m_context), which it shares with the features.
    void ShowInfo(const QString &text);

    // The texts that follow a change of language; made first, as the registry sets every menu's
    // text there.
    LiveTexts *m_texts = nullptr;
    Dialogs &m_dialogs;
    StudioPaths m_paths;
    FileSystem *m_fileSystem;

    AnimDocument m_document;
    bool m_selecting = false; // the selection is being set by code, not by the user
    PaletteColors m_paletteColors{};
    int LastBuiltInPalette = 0;
    // The custom palette's file name, "&" doubled; "" until one is loaded.
    QString m_customPaletteName;

    clsINI m_settings;
    RememberedFolders m_folders{m_settings};

    CommandRegistry m_commands;
    bool m_centred = false;
    QTimer *m_noteTimer = nullptr;

    // How the picture shows an image, when a feature has changed that.
    std::function<QImage(int index)> m_pictureOf;
    // The features that take files dropped on the window, in the order asked.
    std::vector<std::function<bool(const QStringList &, int)>> m_fileDrops;
    std::unique_ptr<EditorContext> m_context;
    // The features, after everything they may hold on to, so that they go first.
    std::vector<std::unique_ptr<QObject>> m_features;
    // The features the window's accessors above hand out from (owned by m_features).
    RecoveryFeature *m_recovery = nullptr;
    PlayFeature *m_play = nullptr;
    DetailsFeature *m_details = nullptr;
};

} // namespace tessa
