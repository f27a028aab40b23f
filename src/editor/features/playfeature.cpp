// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "playfeature.h"

#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/itemlistmodel.h"
#include "platform/toolwindowplace.h"
#include "playback/previewwindow.h"

#include <algorithm>

namespace tessa {

namespace {

constexpr const char *kPlaceSection = "Preview";

} // namespace

PlayFeature::PlayFeature(EditorContext &context)
    : m_context(context)
{
    context.commands().add({.name = QStringLiteral("Play"),
                            .menu = QStringLiteral("View"),
                            .place = 110,
                            .text = [] { return tr("&Play"); },
                            .shortcuts = {QKeySequence(Qt::Key_F5)},
                            .run = [this] { play(); },
                            .enabled = [this] { return mayPlay(); }});
    connect(&context, &EditorContext::lineShown, this, &PlayFeature::followSelection);
    connect(&context, &EditorContext::paletteChanged, this, [this] {
        if (m_preview)
            m_preview->setPaletteColors(m_context.paletteColors());
    });
}

PreviewWindow *PlayFeature::preview() const
{
    return m_preview;
}

bool PlayFeature::mayPlay() const
{
    // While a document with at least one item is open.
    const AnimDocument &document = m_context.document();
    return document.isOpen() && document.count() > 0;
}

void PlayFeature::play()
{
    // The shortcut reaches here even when the entry is off.
    if (!mayPlay())
        return;
    AnimDocument &document = m_context.document();
    auto *model = static_cast<ItemListModel *>(document.model());
    if (!m_preview) {
        m_preview =
                new PreviewWindow([&document]() -> const ItemList & { return document.items(); },
                                  m_context.settings(), m_context.dialogs(), m_context.owner());
        // Edits made while it plays are played as they are made.
        connect(&document, &AnimDocument::changed, m_preview, &PreviewWindow::itemsChanged);
        // The playing line is marked and kept in sight; the selection stays the user's.
        connect(m_preview, &PreviewWindow::playingLine, this, [this, model](int line) {
            model->setPlayingLine(line);
            m_context.scrollToLine(line);
        });
        connect(m_preview, &PreviewWindow::playbackEnded, model,
                [model] { model->setPlayingLine(-1); });
        // Another document (opened, new or closed) is not the one that was playing.
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            if (m_preview)
                m_preview->player().stop();
        });
        // Where the user put it last, else beside the window and clear of its menus, at a zoom
        // that leaves them clear where one does; on a screen too small to show the whole
        // picture, as tall as the screen allows.
        PreviewWindow *preview = m_preview;
        auto *place = new ToolWindowPlace(*preview, m_context.settings(), kPlaceSection,
                                          [preview] { return preview->showsWholePicture(); });
        preview->setClearOfMenusCheck(
                [place](const QSize &inside) { return place->fitsClearOfMenus(inside); });
    }
    m_preview->setPaletteColors(m_context.paletteColors());
    m_preview->playFrom(std::max(0, m_context.selectedLine()));
    m_preview->activateWindow();
}

void PlayFeature::followSelection(int line)
{
    // While the preview is paused, picking a line shows it there too; while it plays, the
    // list's selection is left to the user and the bold line shows where the preview is.
    if (!m_preview || !m_preview->isVisible() || m_preview->player().isPlaying() || line < 0)
        return;
    Player &player = m_preview->player();
    player.seek(player.timeline().startTick(line).value_or(player.timeline().durationTicks()));
}

} // namespace tessa
