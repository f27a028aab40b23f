// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "playfeature.h"

#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/itemlistmodel.h"
#include "platform/windowplacement.h"
#include "playback/previewwindow.h"
#include "settings/clsini.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <string>

namespace tessa {

namespace {

constexpr const char *kPreviewSection = "Preview";
constexpr const char *kLeftKey = "Left";
constexpr const char *kTopKey = "Top";
// A drag moves a window many times a second: its place is written once it has come to rest.
constexpr int kRestMilliseconds = 500;

std::optional<int> numberIn(const std::string &text)
{
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        return used == text.size() ? std::optional<int>(value) : std::nullopt;
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

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
        placePreview();
        m_preview->installEventFilter(this);
    }
    m_preview->setPaletteColors(m_context.paletteColors());
    m_preview->playFrom(std::max(0, m_context.selectedLine()));
    m_preview->activateWindow();
}

void PlayFeature::placePreview()
{
    const QScopedValueRollback placing(m_placing, true);
    const clsINI &settings = m_context.settings();
    const auto left = numberIn(settings.ReadString(kPreviewSection, kLeftKey, ""));
    const auto top = numberIn(settings.ReadString(kPreviewSection, kTopKey, ""));
    if (left && top) {
        // Where the user put it, brought back onto the screen should that have changed.
        // As Qt places a window: the corner of its frame.
        m_preview->move(*left, *top);
        m_preview->setAttribute(Qt::WA_Moved);
        keepOnScreen(*m_preview);
    } else if (QWidget *window = m_context.owner();
               window && window->isVisible() && m_preview->showsWholePicture()) {
        // Beside the main window, never over its menus; on a screen too small to show the
        // whole picture, it keeps all the height the screen has.
        placeBesideWindow(*m_preview, *window);
    }
    m_placedAt = m_preview->pos();
}

bool PlayFeature::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_preview && event->type() == QEvent::Move && !m_placing
        && m_preview->isVisible()) {
        if (!m_placeWriter) {
            m_placeWriter = new QTimer(this);
            m_placeWriter->setSingleShot(true);
            m_placeWriter->setInterval(kRestMilliseconds);
            connect(m_placeWriter, &QTimer::timeout, this, &PlayFeature::rememberPlace);
        }
        m_placeWriter->start();
    }
    return QObject::eventFilter(watched, event);
}

void PlayFeature::rememberPlace()
{
    if (!m_preview)
        return;
    const QPoint corner = m_preview->pos();
    // Where the program put it is no choice of the user's (the window system reports it too).
    if (corner == m_placedAt)
        return;
    clsINI &settings = m_context.settings();
    const std::string left = std::to_string(corner.x());
    const std::string top = std::to_string(corner.y());
    // Written only when it changed, so that showing the window again writes nothing.
    if (settings.ReadString(kPreviewSection, kLeftKey, "") != left)
        settings.WriteValue(kPreviewSection, kLeftKey, left);
    if (settings.ReadString(kPreviewSection, kTopKey, "") != top)
        settings.WriteValue(kPreviewSection, kTopKey, top);
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
