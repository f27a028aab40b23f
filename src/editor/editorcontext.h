// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"
#include "playback/soundoutput.h"

#include <QImage>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace tessa {

class AnimDocument;
class clsINI;
class CommandRegistry;
class Dialogs;
class LiveTexts;
class RememberedFolders;
struct Notice;
struct StudioPaths;

// What a feature of the editor reaches of the main window: the document, the user (through the
// dialogs, a box or a passing note), the settings, the registry its commands go into, and the few
// services of the window that features share. The window hands it to every feature it adds; it
// outlives them all.
class EditorContext : public QObject
{
    Q_OBJECT

public:
    // How openDocument() takes the items.
    enum class Opened {
        AsSaved,  // as read from the file named, with no unsaved changes
        AsUnsaved // as unsaved changes to the file named, or a new document when it is ""
    };

    virtual AnimDocument &document() = 0;
    virtual Dialogs &dialogs() = 0;
    virtual clsINI &settings() = 0;
    virtual RememberedFolders &folders() = 0;
    virtual const StudioPaths &paths() const = 0;
    virtual CommandRegistry &commands() = 0;
    // For texts a feature sets itself that follow a change of language.
    virtual LiveTexts &texts() = 0;
    // The main window, as the owner of dialogs and of a feature's windows.
    virtual QWidget *owner() = 0;
    // The palette the pictures are shown in.
    virtual const PaletteColors &paletteColors() const = 0;

    // The line selected in the list, -1 for none.
    virtual int selectedLine() const = 0;
    // Runs a change of the document (a command, an undo or a redo), then selects the line it
    // names and brings the menus up to date.
    virtual void changeDocument(const std::function<void()> &change) = 0;
    // Scrolls the list to `line`, leaving the selection alone.
    virtual void scrollToLine(int line) = 0;
    // How the picture shows image `index` from now on, instead of as it is.
    virtual void setPictureOf(std::function<QImage(int index)> picture) = 0;
    // Draws over the picture of image `index` once it is made (as setPictureOf says), each
    // layer in the order added: what only the view shows, such as the images around it.
    virtual void addPictureLayer(std::function<void(QImage &picture, int index)> layer) = 0;
    // Shows the picture of the selected line again, after the way it is drawn changed.
    virtual void showPictureAgain() = 0;
    // Shows the picture at `seconds` into the animation, within the selected line (where the
    // timeline's playhead was put): the picture layers are told this moment until another line
    // is shown.
    virtual void showMoment(double seconds) = 0;
    // That moment, when one was shown for the line shown.
    virtual std::optional<double> momentShown() const = 0;

    // A passing note over the foot of the picture.
    virtual void showNote(const QString &text) = 0;
    // The error, information or other box the core describes.
    virtual void showNotice(const Notice &notice) = 0;
    // The information box, titled with the program title.
    virtual void ShowInfo(const QString &text) = 0;

    // Asks about unsaved changes as closing does, saving on Yes; false when the user cancelled
    // or the save failed, so the document must stay.
    virtual bool mayDiscardChanges() = 0;
    // Makes `items` the document, as `how` says; the document replaced goes as it goes at Open
    // (its unsaved changes kept for recovery, and the user told).
    virtual void openDocument(ItemList items, const QString &fileName, Opened how) = 0;

    // How long a long task runs before its progress box shows, so that a short one shows none.
    virtual int progressDelayMilliseconds() const = 0;
    // A sound output for the editor's own sounds.
    virtual std::unique_ptr<SoundOutput> makeSoundOutput() = 0;
    // Files dropped on the window are offered to each `take` in the order added, with the
    // selected line, before the window opens them as an animation; `take` returns true when it
    // took them.
    virtual void addFileDrop(std::function<bool(const QStringList &paths, int line)> take) = 0;

signals:
    // The settings file is read (at start-up, before the first document state is shown).
    void settingsRead();
    // The list's selection is shown: line `line` (a valid line).
    void lineShown(int line);
    void paletteChanged();
    // The document is about to be replaced or closed (New, Open, a drop, recovered work).
    void documentAboutToBeReplaced();
    // The command that replaced it is done: what is to be said of the one replaced may be said.
    void documentReplaced();
    // The window closes with the document as it is, unsaved changes and all.
    void closing();
    // Image files dropped on line `line` of the list: they go before it.
    void imageFilesDropped(const QStringList &paths, int line);
};

} // namespace tessa
