// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timelinefeature.h"

#include "document/soundname.h"
#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/timelineview.h"
#include "editor/timelinewindow.h"
#include "playback/soundcueplayer.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"
#include "viewsection.h"

#include <QAction>
#include <QDir>
#include <QItemSelectionModel>

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

constexpr const char *kTimelineKey = "Timeline";
constexpr const char *kPlaceKey = "TimelinePlace";
// How often the preview's timing and the sound files are looked at while the timeline shows.
constexpr int kSettingsWatchMilliseconds = 1000;
// The sound heard under the playhead while it is dragged: a moment of it, at most so often.
constexpr double kScrubSoundSeconds = 0.08;
constexpr int kScrubSoundMilliseconds = 60;

QString placeText(const QRect &frame)
{
    return QStringLiteral("%1,%2,%3,%4")
            .arg(frame.x())
            .arg(frame.y())
            .arg(frame.width())
            .arg(frame.height());
}

QRect placeOf(const std::string &text)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char(','));
    if (parts.size() != 4)
        return {};
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    return {values[0], values[1], values[2], values[3]};
}

} // namespace

TimelineFeature::TimelineFeature(EditorContext &context)
    : m_context(context)
{
    CommandRegistry &commands = context.commands();
    m_shown = commands.add({.name = QStringLiteral("Timeline"),
                            .menu = QStringLiteral("View"),
                            .place = 140,
                            .text = [] { return tr("&Timeline"); },
                            .run = [this] { showTimeline(m_shown->isChecked()); },
                            .checkable = true});
    const struct
    {
        const char *name;
        const char *text;
        int ticks;
        QKeySequence key;
    } nudges[] = {
            {"LaterByATick", QT_TR_NOOP("Later by a &Tick"), 1,
             QKeySequence(Qt::ALT | Qt::Key_Right)},
            {"EarlierByATick", QT_TR_NOOP("Earlier by a Tic&k"), -1,
             QKeySequence(Qt::ALT | Qt::Key_Left)},
            {"LaterByTenTicks", QT_TR_NOOP("Later by Te&n Ticks"), 10,
             QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Right)},
            {"EarlierByTenTicks", QT_TR_NOOP("Earlier by Ten T&icks"), -10,
             QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Left)},
    };
    int place = 410;
    for (const auto &step : nudges) {
        commands.add({.name = QString::fromLatin1(step.name),
                      .menu = QStringLiteral("Edit"),
                      .place = place,
                      .text = [text = step.text] { return tr(text); },
                      .shortcuts = {step.key},
                      .run = [this, ticks = step.ticks] { nudge(ticks); },
                      .enabled = [this] { return mayNudge(); }});
        place += 10;
    }
    connect(&context, &EditorContext::settingsRead, this, &TimelineFeature::restoreViewChoices);
    connect(&context, &EditorContext::lineShown, this, [this](int line) {
        if (m_window)
            m_window->view().showLine(line);
    });
    connect(&context, &EditorContext::paletteChanged, this, [this] {
        if (m_window)
            m_window->view().setColors(m_context.paletteColors());
    });
    connect(&context.document(), &AnimDocument::changed, this, [this] {
        if (!m_window)
            return;
        m_window->view().itemsChanged();
        if (m_sounds.refresh())
            m_window->view().soundsChanged();
    });
    m_settingsWatch.setInterval(kSettingsWatchMilliseconds);
    connect(&m_settingsWatch, &QTimer::timeout, this, &TimelineFeature::followSettings);
}

TimelineFeature::~TimelineFeature() = default;

void TimelineFeature::restoreViewChoices()
{
    // Read only: nothing is written until the user changes a choice.
    if (m_context.settings().ReadString(kViewSection, kTimelineKey, "0") == "1")
        showTimeline(true);
}

void TimelineFeature::showTimeline(bool shown)
{
    m_shown->setChecked(shown);
    const std::string value = shown ? "1" : "0";
    if (m_context.settings().ReadString(kViewSection, kTimelineKey, "0") != value
        && (shown || m_window))
        m_context.settings().WriteValue(kViewSection, kTimelineKey, value);
    if (!shown) {
        if (m_window)
            m_window->hide();
        m_settingsWatch.stop();
        if (m_player)
            m_player->stop();
        return;
    }
    if (!m_window) {
        m_window = new TimelineWindow(m_context.document(), m_sounds, m_context.owner());
        m_window->setPlace(placeOf(m_context.settings().ReadString(kViewSection, kPlaceKey, "")));
        TimelineView &view = m_window->view();
        view.setColors(m_context.paletteColors());
        connect(m_window, &TimelineWindow::placed, this, [this](const QRect &frame) {
            m_context.settings().WriteValue(kViewSection, kPlaceKey,
                                            placeText(frame).toStdString());
        });
        connect(m_window, &TimelineWindow::closedByUser, this, [this] { showTimeline(false); });
        connect(&view, &TimelineView::lineClicked, this, &TimelineFeature::select);
        connect(&view, &TimelineView::scrubbed, this, &TimelineFeature::scrub);
        connect(&view, &TimelineView::editRequested, this, &TimelineFeature::apply);
        // The editor's shortcuts work while the timeline has the focus too: Undo, the moves in
        // time, Play.
        for (const QString &name : m_context.commands().names()) {
            QAction *action = m_context.commands().action(name);
            if (action && !action->shortcuts().isEmpty())
                m_window->addAction(action);
        }
        followSettings();
    }
    m_settingsWatch.start();
    m_window->show();
    m_window->view().showLine(m_context.selectedLine());
}

void TimelineFeature::followSettings()
{
    if (!m_window)
        return;
    const PlaybackSettings playback(m_context.settings());
    TimelineView &view = m_window->view();
    view.setTiming(playback.timing());
    const QString folder = QString::fromStdString(playback.soundFolder());
    const std::string pattern = playback.soundPattern();
    // Names only: nothing is looked up on the disk while the timeline is drawn.
    view.setSoundFiles([folder, pattern](std::int32_t number) {
        if (folder.isEmpty())
            return QString();
        const auto name = formatSoundName(pattern, number);
        return name ? QDir(folder).filePath(QString::fromStdString(*name)) : QString();
    });
    if (m_sounds.refresh())
        view.soundsChanged();
}

void TimelineFeature::select(int line)
{
    AnimDocument &document = m_context.document();
    if (line < 0 || line >= document.count() || line == document.selectedLine())
        return;
    document.selection()->setCurrentIndex(document.model()->index(line, 0),
                                          QItemSelectionModel::ClearAndSelect);
}

void TimelineFeature::scrub(Tick tick, bool dragging)
{
    const TimelineView &view = m_window->view();
    const Timeline &timeline = view.timeline();
    const int line = timeline.lineAt(tick);
    if (line >= 0)
        select(line);
    m_context.showMoment(timeline.seconds(tick));
    if (!dragging) {
        if (m_player)
            m_player->stop();
        return;
    }
    if (m_sinceScrubSound.isValid() && m_sinceScrubSound.elapsed() < kScrubSoundMilliseconds)
        return;
    // The sound under the playhead: the last cue before it, which the next one cuts.
    const std::vector<SoundCue> &cues = timeline.soundCues();
    const auto after = std::upper_bound(cues.begin(), cues.end(), tick,
                                        [](Tick t, const SoundCue &cue) { return t < cue.tick; });
    if (after == cues.begin())
        return;
    const SoundCue &cue = *std::prev(after);
    const QString file = view.soundFile(cue.number);
    if (file.isEmpty())
        return;
    const SoundFileStore::Sound &sound = m_sounds.sound(file);
    if (!sound.found || sound.clip.channels <= 0)
        return;
    const SoundClip &clip = sound.clip;
    const auto from = std::int64_t(timeline.seconds(tick - cue.tick) * clip.sampleRate);
    const std::int64_t frames = std::min<std::int64_t>(
            clip.frameCount() - from, std::int64_t(kScrubSoundSeconds * clip.sampleRate));
    if (from < 0 || frames <= 0)
        return;
    SoundClip moment;
    moment.sampleRate = clip.sampleRate;
    moment.channels = clip.channels;
    moment.samples.assign(clip.samples.begin() + from * clip.channels,
                          clip.samples.begin() + (from + frames) * clip.channels);
    if (!m_player)
        m_player = new SoundCuePlayer(m_context.makeSoundOutput(), this);
    m_player->playClip(moment);
    m_sinceScrubSound.start();
}

void TimelineFeature::apply(const TimeEdit &edit, const QString &name)
{
    if (edit.edits.empty())
        return;
    AnimDocument &document = m_context.document();
    m_context.changeDocument([&] {
        QUndoStack &history = document.undoStack();
        history.beginMacro(name);
        for (const ItemEdit &change : edit.edits) {
            switch (change.kind) {
            case ItemEdit::Kind::Insert:
                document.insertItem(change.line, change.item,
                                    QString::fromStdString(listLine(change.item)), name);
                break;
            case ItemEdit::Kind::Remove:
                document.deleteItem(change.line);
                break;
            case ItemEdit::Kind::Replace:
                document.replaceItem(change.line, change.item,
                                     QString::fromStdString(listLine(change.item)), name);
                break;
            case ItemEdit::Kind::Move:
                document.moveItem(change.line, change.to, name);
                break;
            }
        }
        history.endMacro();
        document.setLineToSelect(edit.line);
    });
}

bool TimelineFeature::mayNudge() const
{
    const AnimDocument &document = m_context.document();
    return document.isOpen()
           && timeHandleOf(document.items(), m_context.selectedLine()) != TimeHandle::None;
}

void TimelineFeature::nudge(int ticks)
{
    // The shortcut reaches here even when the entry is off.
    if (!mayNudge())
        return;
    const AnimDocument &document = m_context.document();
    const int line = m_context.selectedLine();
    const ItemList items = timedItems(document.items());
    const TimingSettings timing = PlaybackSettings(m_context.settings()).timing();
    const Timeline timeline = buildTimeline(items, timing);
    const Tick start = timeline.startTick(line).value_or(timeline.durationTicks());
    // A pause changes by whole units; what moves, by at least one.
    const double unit = std::max(1.0, timing.pauseMultiplier);
    const Tick step = Tick(std::llround(ticks * unit));
    switch (timeHandleOf(items, line)) {
    case TimeHandle::PauseEnd:
        apply(resizePause(items, timing, line,
                          Tick(std::llround((payloadValue(items[std::size_t(line)]) + ticks)
                                            * timing.pauseMultiplier))),
              tr("Change Pause"));
        break;
    case TimeHandle::Image:
        apply(moveImage(items, timing, line, start + step), tr("Move Image in Time"));
        break;
    case TimeHandle::Cue:
        apply(moveCue(items, timing, line, start + step), tr("Move Sound in Time"));
        break;
    case TimeHandle::None:
        break;
    }
}

} // namespace tessa
