// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the editor's features are added, and what they reach of the window (its context). A
// feature is a class of its own under features/; adding one is the one line in addFeatures().
#include "frm.h"

#include "editorcontext.h"
#include "features/detailsfeature.h"
#include "features/editfeature.h"
#include "features/externaleditingfeature.h"
#include "features/imageimportfeature.h"
#include "features/movieexportfeature.h"
#include "features/movieimportfeature.h"
#include "features/onionskinfeature.h"
#include "features/patchfeature.h"
#include "features/playfeature.h"
#include "features/preferencesfeature.h"
#include "features/recoveryfeature.h"
#include "features/referencefeature.h"
#include "features/scriptsfeature.h"
#include "features/soundimportfeature.h"
#include "features/timelinefeature.h"
#include "itemlistview.h"
#include "language/shownnotice.h"
#include "picture.h"
#include "platform/dialogs.h"

#include <QLabel>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace tessa {

namespace {

// The note's least height: two lines at the foot of the picture.
constexpr int kNoteHeight = 36;

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

// Makes a feature, which registers its commands as it is made; the window keeps it.
template<typename Feature>
Feature *add(std::vector<std::unique_ptr<QObject>> &features, EditorContext &context)
{
    auto feature = std::make_unique<Feature>(context);
    Feature *added = feature.get();
    features.push_back(std::move(feature));
    return added;
}

} // namespace

class frm::Context final : public EditorContext
{
public:
    explicit Context(frm &window)
        : m_window(window)
    {
        // A line shown from the list is shown from its start.
        connect(this, &EditorContext::lineShown, this, [this] { m_moment.reset(); });
    }

    AnimDocument &document() override { return m_window.m_document; }
    Dialogs &dialogs() override { return m_window.m_dialogs; }
    clsINI &settings() override { return m_window.m_settings; }
    RememberedFolders &folders() override { return m_window.m_folders; }
    const StudioPaths &paths() const override { return m_window.m_paths; }
    CommandRegistry &commands() override { return m_window.m_commands; }
    LiveTexts &texts() override { return *m_window.m_texts; }
    QWidget *owner() override { return &m_window; }
    const PaletteColors &paletteColors() const override { return m_window.m_paletteColors; }
    int selectedLine() const override { return m_window.lst->currentRow(); }
    int progressDelayMilliseconds() const override { return m_window.progressDelayMilliseconds; }
    std::unique_ptr<SoundOutput> makeSoundOutput() override { return m_window.makeSoundOutput(); }
    void ShowInfo(const QString &text) override { m_window.ShowInfo(text); }

    void changeDocument(const std::function<void()> &change) override
    {
        m_window.changeDocument(change);
    }

    void scrollToLine(int line) override
    {
        m_window.lst->scrollTo(m_window.m_document.model()->index(line, 0),
                               QAbstractItemView::EnsureVisible);
    }

    void setPictureOf(std::function<QImage(int index)> picture) override
    {
        m_window.m_pictureOf = std::move(picture);
    }

    void addPictureLayer(std::function<void(QImage &picture, int index)> layer) override
    {
        m_layers.push_back(std::move(layer));
    }

    void showPictureAgain() override
    {
        const AnimDocument &document = m_window.m_document;
        const int sel = m_window.lst->currentRow();
        int index = -1;
        if (sel >= 0 && sel < document.count())
            index = document.item(sel).isImage() ? sel : FindPreviousImage(document.items(), sel);
        if (index < 0) {
            m_window.pic->hide();
            return;
        }
        QImage picture = m_window.m_pictureOf ? m_window.m_pictureOf(index)
                                              : CreatePicture(kFrameWidth, kFrameHeight,
                                                              document.item(index).Pixels,
                                                              m_window.m_paletteColors);
        for (const auto &layer : m_layers)
            layer(picture, index);
        m_window.pic->setPixmap(QPixmap::fromImage(picture));
        m_window.pic->show();
    }

    void showNote(const QString &text) override
    {
        QLabel &note = *m_window.lblNote;
        const QRect picture = m_window.pic->geometry();
        note.setText(text);
        // Two lines at the foot of the picture; a longer note (a long path, another language)
        // grows upwards over the picture rather than be cut off.
        const int height =
                std::clamp(note.heightForWidth(picture.width()), kNoteHeight, picture.height());
        note.setGeometry(picture.left(), picture.bottom() + 1 - height, picture.width(), height);
        note.show();
        note.raise();
        m_window.m_noteTimer->start();
    }

    void showNotice(const Notice &notice) override
    {
        m_window.m_dialogs.messageBox(&m_window, shownText(notice), shownTitle(notice),
                                      dialogIcon(notice.icon), Dialogs::Buttons::Ok);
    }

    bool mayDiscardChanges() override
    {
        if (!m_window.mnuFileSave->isEnabled())
            return true;
        const auto answer = m_window.m_dialogs.messageBox(
                &m_window, frm::tr("You have not saved your changes.  Save them now?"),
                frm::tr("Save Confirmation"), Dialogs::Icon::Question,
                Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Answer::Cancel)
            return false;
        // Going on after a save that failed would throw the changes away unasked; a save the
        // user cancelled in the dialog goes on all the same.
        return answer != Dialogs::Answer::Yes
               || m_window.saveDocument(false) != SaveOutcome::Failed;
    }

    void openDocument(ItemList items, const QString &fileName, Opened how) override
    {
        if (how == Opened::AsSaved) {
            m_window.showLoaded(std::move(items), fileName);
        } else {
            emit documentAboutToBeReplaced();
            m_window.ResetDocument();
            {
                const QScopedValueRollback quiet(m_window.m_selecting, true);
                m_window.m_document.loadRecovered(std::move(items), fileName);
            }
            m_window.RefreshList();
        }
        emit documentReplaced();
    }

    void addFileDrop(std::function<bool(const QStringList &paths, int line)> take) override
    {
        m_window.m_fileDrops.push_back(std::move(take));
    }

    void showMoment(double seconds) override
    {
        m_moment = seconds;
        showPictureAgain();
    }
    std::optional<double> momentShown() const override { return m_moment; }

private:
    frm &m_window;
    std::vector<std::function<void(QImage &, int)>> m_layers;
    std::optional<double> m_moment;
};

void frm::addFeatures()
{
    m_context = std::make_unique<Context>(*this);
    EditorContext &context = *m_context;
    // Files dropped on the window are offered to the features in this order.
    m_recovery = add<RecoveryFeature>(m_features, context);
    add<EditFeature>(m_features, context);
    add<PreferencesFeature>(m_features, context);
    m_play = add<PlayFeature>(m_features, context);
    m_details = add<DetailsFeature>(m_features, context);
    add<TimelineFeature>(m_features, context);
    add<OnionSkinFeature>(m_features, context);
    add<ReferenceFeature>(m_features, context);
    add<ImageImportFeature>(m_features, context);
    add<MovieImportFeature>(m_features, context);
    add<SoundImportFeature>(m_features, context);
    add<ExternalEditingFeature>(m_features, context);
    add<MovieExportFeature>(m_features, context);
    add<PatchFeature>(m_features, context);
    add<ScriptsFeature>(m_features, context);

    // The entries of the features that the window has kept names for since they were its own.
    const std::pair<QAction **, const char *> named[] = {
            {&mnuFileRevert, "Revert"},
            {&mnuFileRecover, "RecoverDiscarded"},
            {&mnuFileExportMovie, "ExportMovie"},
            {&mnuFileExportPatch, "ExportPatch"},
            {&mnuFileApplyPatch, "ApplyPatch"},
            {&mnuEditUndo, "Undo"},
            {&mnuEditRedo, "Redo"},
            {&mnuEditCopy, "Copy"},
            {&mnuEditPaste, "Paste"},
            {&mnuEditDuplicate, "Duplicate"},
            {&mnuEditMoveUp, "MoveUp"},
            {&mnuEditMoveDown, "MoveDown"},
            {&mnuEditPreferences, "Preferences"},
            {&mnuViewPlay, "Play"},
            {&mnuViewChanges, "Changes"},
            {&mnuViewDetails, "ItemDetails"},
            {&mnuProjectImport, "ImportImage"},
            {&mnuProjectImportMovie, "ImportMovie"},
            {&mnuProjectEditExternally, "EditExternally"},
            {&mnuToolsRunScript, "RunScript"},
            {&mnuToolsOpenScriptsFolder, "OpenScriptsFolder"},
    };
    for (const auto &[member, name] : named)
        *member = m_commands.action(QString::fromLatin1(name));
    mnuToolsScripts = m_commands.menu(QStringLiteral("Tools/Scripts"));
}

RecoveryKeeper &frm::recovery()
{
    return m_recovery->keeper();
}

void frm::offerRecovery()
{
    m_recovery->offerRecovery();
}

PreviewWindow *frm::preview() const
{
    return m_play->preview();
}

ItemDetailsPanel *frm::details() const
{
    return m_details->details();
}

} // namespace tessa
