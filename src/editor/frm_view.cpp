// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu: the animation played in a window of its own, beside the list it follows.
#include "frm.h"

#include "itemlistmodel.h"
#include "itemlistview.h"
#include "language/livetexts.h"
#include "playback/previewwindow.h"

#include <QMenuBar>

namespace tessa {

void frm::createViewMenu()
{
    mnuView = m_texts->set(menuBar()->addMenu(QString()), [] { return tr("&View"); });
    mnuViewPlay = m_texts->set(mnuView->addAction(QString(), this, &frm::mnuViewPlay_Click),
                               [] { return tr("&Play"); });
    mnuViewPlay->setShortcut(QKeySequence(Qt::Key_F5));
    mnuViewPlay->setEnabled(false);
    // Viewing choices, remembered in the settings (frm_details.cpp).
    mnuViewChanges = m_texts->set(mnuView->addAction(QString(), this, &frm::mnuViewChanges_Click),
                                  [] { return tr("&Changes"); });
    mnuViewChanges->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    mnuViewChanges->setCheckable(true);
    mnuViewDetails = m_texts->set(mnuView->addAction(QString(), this, &frm::mnuViewDetails_Click),
                                  [] { return tr("Item &Details"); });
    mnuViewDetails->setCheckable(true);
}

void frm::UpdateViewMenu()
{
    mnuViewPlay->setEnabled(m_document.isOpen() && m_document.count() > 0);
}

void frm::mnuViewPlay_Click()
{
    // The shortcut reaches here even when the entry is off.
    if (!mnuViewPlay->isEnabled())
        return;
    auto *model = static_cast<ItemListModel *>(m_document.model());
    if (!m_preview) {
        m_preview = new PreviewWindow([this]() -> const ItemList & { return m_document.items(); },
                                      m_settings, m_dialogs, this);
        // Edits made while it plays are played as they are made.
        connect(&m_document, &AnimDocument::changed, m_preview, &PreviewWindow::itemsChanged);
        // The playing line is marked and kept in sight; the selection stays the user's.
        connect(m_preview, &PreviewWindow::playingLine, model, [this, model](int line) {
            model->setPlayingLine(line);
            lst->scrollTo(model->index(line), QAbstractItemView::EnsureVisible);
        });
        connect(m_preview, &PreviewWindow::playbackEnded, model,
                [model] { model->setPlayingLine(-1); });
        // Another document (opened, new or closed) is not the one that was playing.
        connect(model, &QAbstractItemModel::modelReset, m_preview,
                [this] { m_preview->player().stop(); });
    }
    m_preview->setPaletteColors(m_paletteColors);
    m_preview->playFrom(std::max(0, lst->currentRow()));
    m_preview->activateWindow();
}

void frm::followSelectionInPreview(int line)
{
    // While the preview is paused, picking a line shows it there too; while it plays, the
    // list's selection is left to the user and the bold line shows where the preview is.
    if (!m_preview || !m_preview->isVisible() || m_preview->player().isPlaying() || line < 0)
        return;
    Player &player = m_preview->player();
    player.seek(player.timeline().startTick(line).value_or(player.timeline().durationTicks()));
}

} // namespace tessa
