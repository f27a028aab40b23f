// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "commandregistry.h"
#include "document/animitem.h"
#include "document/notice.h"
#include "imaging/palette.h"
#include "playback/previewwindow.h"
#include "recoverykeeper.h"
#include "settings/clsini.h"
#include "studiopaths.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QFileSystemWatcher;
class QLabel;
class QMenu;
class QTimer;

namespace tessa {

struct EncodeOptions;
struct MovieImportChoice;

class Dialogs;
class ExternalEditor;
class ItemDetailsPanel;
class ItemListView;
class LiveTexts;
class RecoveryStore;

// The main window: the one open animation, its list of items, the picture of the selected line,
// and every command. It is a thin layer over the core library: it asks the user through
// `Dialogs`, calls the core, and shows what comes back.
//
// Unsaved changes have no flag of their own: File > Save is enabled exactly while there are any
// (and Revert while there are any to a document that has a file).
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
    RecoveryKeeper &recovery() { return *m_recovery; }
    const QString &fileName() const { return m_document.fileName(); }
    AnimDocument &document() { return m_document; }
    // Every menu command by name, as scripts reach them (app.command.NAME).
    const CommandRegistry &commands() const { return m_commands; }
    const PaletteColors &paletteColors() const { return m_paletteColors; }
    // The preview window once View > Play has opened it, else null.
    PreviewWindow *preview() const { return m_preview; }
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
    QAction *mnuFileRevert = nullptr;
    QAction *mnuFileRecover = nullptr;
    QMenu *mnuFileExport = nullptr;
    QAction *mnuFileExportAnimation = nullptr;
    QAction *mnuFileExportFrame = nullptr;
    QAction *mnuFileExportMovie = nullptr;
    QAction *mnuFileExportPatch = nullptr;
    QAction *mnuFileApplyPatch = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;
    QAction *mnuEditDuplicate = nullptr;
    QAction *mnuEditMoveUp = nullptr;
    QAction *mnuEditMoveDown = nullptr;
    QAction *mnuEditPreferences = nullptr;
    QMenu *mnuView = nullptr;
    QAction *mnuViewPlay = nullptr;
    QAction *mnuViewChanges = nullptr;
    QAction *mnuViewDetails = nullptr;
    QMenu *mnuProject = nullptr;
    std::array<QAction *, 5> mnuProjectAdd{};
    QAction *mnuProjectImport = nullptr;
    QAction *mnuProjectImportMovie = nullptr;
    // How long a movie import runs before its progress box shows, so that a short one shows none.
    int progressDelayMilliseconds = 400;
    QAction *mnuProjectEdit = nullptr;
    QAction *mnuProjectEditExternally = nullptr;
    QAction *mnuProjectDelete = nullptr;
    QMenu *mnuPalette = nullptr;
    std::array<QAction *, 3> mnuPaletteSel{};
    QMenu *mnuTools = nullptr;
    QAction *mnuToolsRunScript = nullptr;
    // The .lua files of the scripts folder, then the examples that come with the program.
    QMenu *mnuToolsScripts = nullptr;
    QAction *mnuToolsOpenScriptsFolder = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;

public slots:
    // Opens `path` as File > Open does once a file is chosen (also for a file named on the
    // command line).
    void OpenAnim(const QString &path);
    // Files dropped on the window: image files are imported before the selected line, as
    // Import Image does; otherwise the first file is opened if it is an animation, after the
    // question about unsaved changes. A file that cannot be opened is refused before the open
    // document is touched.
    void dropFiles(const QStringList &paths);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    // Reopens the document's file, its unsaved changes kept as a discarded document.
    void mnuFileRevert_Click();
    void mnuFileRecover_Click();
    // Offers the work of a run that ended without closing, if any (at start-up).
    void offerRecovery();
    void mnuFileExit_Click();
    void mnuFileExportAnimation_Click();
    void mnuFileExportFrame_Click();
    void mnuFileExportMovie_Click();
    // A patch from a chosen original file to the document's file as saved.
    void mnuFileExportPatch_Click();
    // What a chosen patch makes of a chosen original, as a new unsaved document.
    void mnuFileApplyPatch_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditDuplicate_Click();
    void mnuEditMoveUp_Click();
    void mnuEditMoveDown_Click();
    void mnuEditPreferences_Click();
    void mnuProjectAdd_Click(int Index);
    void mnuProjectImport_Click();
    // Imports `paths` as Import Image does, before `line`; false when nothing was inserted.
    bool importImages(const QStringList &paths, int line);
    void mnuProjectImportMovie_Click();
    // Asks how to take the movie at `path` (a file, or a folder of numbered pictures) and puts
    // its images and pauses before `line` as one step; false when nothing was inserted.
    bool importMovie(const QString &path, int line);
    void mnuProjectEdit_Click();
    // Hands the image of the selected line (or the nearest one above) to the image editor.
    void mnuProjectEditExternally_Click();
    void mnuProjectDelete_Click();
    void mnuViewPlay_Click();
    void mnuViewChanges_Click();
    void mnuViewDetails_Click();
    void mnuPaletteSel_Click(int Index);
    void mnuToolsRunScript_Click();
    // Runs the script `path` on the document (Run Script once a file is chosen, an entry of
    // Tools > Scripts).
    void runScript(const QString &path);
    // Shows the scripts folder in the system's file manager, made first if need be.
    void mnuToolsOpenScriptsFolder_Click();
    void mnuHelpAbout_Click();
    void lst_Click();
    void lst_DblClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // A number typed into an input box.
    struct TypedNumber
    {
        std::int16_t stored;
        QString text; // as typed, in its shortest form: "2.5" while 2 is stored
    };

    void createControls();
    void createMenus();
    void createEditMenu();
    void createViewMenu();
    // Edit Externally's watching of the files it hands out.
    void createExternalEditing();
    void createToolsMenu();
    // Names every menu command in m_commands, once the menus are made.
    void registerCommands();
    // Tools > Scripts as the scripts folder and the examples folder hold it now.
    void listScripts();
    // The image line Edit Externally takes: the selected one, or the nearest image above; -1.
    int externalEditLine() const;
    // The working file of item `id` was saved by the image editor: the item takes its frame.
    void externalImageSaved(ItemId id, const QString &path);
    // View > Play works while a document with at least one item is open.
    void UpdateViewMenu();
    // A paused preview shows the line selected in the list.
    void followSelectionInPreview(int line);
    void connectDocument();
    void Form_Load();
    void LoadSettings();
    void Form_QueryUnload(int &Cancel);
    // Asks about unsaved changes as closing does, saving on Yes; false when the user cancelled
    // or the save failed, so the document must stay.
    bool mayDiscardChanges();
    // Makes `items`, read from `path`, the document (the one replaced is kept if unsaved).
    void showLoaded(ItemList items, const QString &path);
    void openRecovered(const ItemList &items, const QString &fileName);
    void ResetDocument();
    void UpdateItemMenus();
    void RefreshList();
    void setCaption(const QString &suffix);
    // The caption, Save and the document menus as the document's state says.
    void showDocumentState();
    void showHistory();
    void UpdateEditMenu();
    // Runs a change of the document (a command, an undo or a redo), then selects the line it
    // names and brings the menus up to date.
    void changeDocument(const std::function<void()> &change);
    // Adds the item for Add entry `Index` before the selected line; false when the command
    // ended without adding anything.
    bool addItem(int Index);
    void moveSelected(int to, const QString &commandName);
    void moveDragged(int from, int before);
    // The item on the clipboard, if it is one this program put there.
    std::optional<AnimItem> clipboardItem() const;
    // Reads the clipboard again after it changed: selection changes only look at the result.
    void clipboardChanged();
    void showFrameOf(int index);
    // The picture of image `index`: as it is, or with View > Changes what the file stores of it.
    QImage pictureOf(int index) const;
    // View > Changes and View > Item Details as the settings remember them.
    void restoreViewChoices();
    void showDetails(bool shown);
    // Selects `line` and runs lst_Click once, whether or not the selection moved.
    void selectLine(int line);
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome saveDocument(); // in place, or through Save As when never saved
    SaveOutcome saveDocumentAs();
    SaveOutcome SaveAnim(const QString &path);
    void SelectPalette(int Index);
    void setDocumentMenusEnabled(bool enabled);
    void rememberFolder(QString &variable, const char *key, const QString &folder);
    // Where a dialog of File > Export > Movie, Export > Patch, Apply Patch or Import Image
    // starts: the folder remembered under `key` for `remembered`, or while none was, the open
    // animation's folder rather than the program's.
    QString additionFolder(const QString &remembered, const char *key) const;
    // Keeps the unsaved changes of a document about to be replaced, to be reported by
    // reportReplacedChanges once the replacing command is done.
    void keepReplacedChanges();
    // Tells the user that the changes replaced were kept and how to bring them back, or why
    // they could not be.
    void reportReplacedChanges();

    // The indices of a chosen BMP; `colorsDiffer` tells whether its colour table is another.
    std::optional<std::vector<std::uint8_t>> chooseImage(bool &colorsDiffer);
    // The frame of one file for Import Image: its indices when they can be taken exactly, else
    // the preview's answer. Nothing when the user cancelled or the file was refused.
    // The movie encoded as `choice` says, with a progress box that can stop it; nothing (and
    // the reason shown) when it was refused or stopped.
    std::optional<ItemList> encodeWithProgress(const QString &path, const MovieImportChoice &choice,
                                               const EncodeOptions &options);
    // Whether a dropped file is a movie by its name.
    static bool isMovieFile(const QString &path);
    std::optional<std::vector<std::uint8_t>> importFrame(const QString &path,
                                                         const std::vector<std::uint8_t> &previous);
    // Shows `text` in lblNote for a while.
    void showNote(const QString &text);
    // Asks for a number from `lowest` to `highest`, which `promptPattern` shows as %1 and %2.
    // The custom palette entry's caption, naming the file loaded.
    QString customPaletteCaption() const;
    std::optional<TypedNumber> readNumber(const QString &promptPattern, const QString &title,
                                          const QString &defaultText, int lowest, int highest);
    // Writes the BMP file of an image item in the current palette; the failure, if any.
    std::optional<Notice> exportImage(const QString &path, const AnimItem &item) const;

    // The error box, the information box and the other boxes the core describes.
    void showNotice(const Notice &notice);
    void ShowInfo(const QString &text);

    // The texts that follow a change of language; made first, as every menu sets its text there.
    LiveTexts *m_texts = nullptr;
    Dialogs &m_dialogs;
    StudioPaths m_paths;
    FileSystem *m_fileSystem;

    AnimDocument m_document;
    std::unique_ptr<RecoveryStore> m_recoveryStore;
    std::unique_ptr<RecoveryKeeper> m_recovery; // after the two it watches: it goes first
    bool m_selecting = false; // the selection is being set by code, not by the user
    std::optional<std::string> m_clipboardCode; // of the item on the clipboard, if any
    PaletteColors m_paletteColors{};
    int LastBuiltInPalette = 0;
    // The custom palette's file name, "&" doubled; "" until one is loaded.
    QString m_customPaletteName;

    clsINI m_settings;
    QString AnimationPath;
    QString ExportPath;
    QString ImportPath;
    QString PalettePath;
    QString MoviePath;

    QPointer<PreviewWindow> m_preview;    // a child of the window, made on first use
    QPointer<ItemDetailsPanel> m_details; // likewise
    ExternalEditor *m_external = nullptr; // a child of the window

    CommandRegistry m_commands;
    // The folders the user let each script (by path) reach, for as long as the editor runs.
    std::map<QString, QStringList> m_scriptFolders;
    QFileSystemWatcher *m_scriptsWatcher = nullptr; // a child of the window

    std::optional<RecoveryKeeper::Kept> m_replacedChanges; // kept, not reported yet
    bool m_centred = false;
    QTimer *m_noteTimer = nullptr;
};

} // namespace tessa
