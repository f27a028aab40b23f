// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timelineview.h"

#include "picture.h"
#include "platform/waveformview.h"
#include "soundfilestore.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace tessa {

namespace {

constexpr int kRulerHeight = 22;
constexpr int kThumbWidth = 40; // the screen at 4:3
constexpr int kThumbHeight = 30;
constexpr int kImageRowHeight = kThumbHeight + 4;
constexpr int kTimingRowHeight = 22;
constexpr int kSoundRowHeight = 40;
// How near the end of a pause a press takes the end.
constexpr int kGrabDistance = 4;
// Room after the end, so that the last item can be dragged later.
constexpr Tick kRoomAfterEnd = 70;
constexpr double kZoomStep = 1.5;

// Ruler marks every so many seconds: the first of these that leaves room for its label.
constexpr std::array<double, 15> kSecondSteps = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1,  2,
                                                 5,    10,   15,   30,  60,  120, 300};
constexpr int kLabelRoom = 64;

const QColor kImageColor(70, 110, 170);
const QColor kPauseColor(200, 200, 215);
const QColor kFadeColor(90, 90, 90);
const QColor kCueColor(95, 160, 95);
const QColor kMissingColor(200, 60, 60);
const QColor kPlayheadColor(220, 40, 40);

// The frame in little: every 8th pixel of every 6.67th row, as the 4:3 screen shows it.
QImage thumbnailOf(const PixelBuffer &pixels, const PaletteColors &colors)
{
    std::vector<std::uint8_t> small(std::size_t(kThumbWidth * kThumbHeight), 0);
    if (pixels.size() >= std::size_t(kFrameSize)) {
        for (int y = 0; y < kThumbHeight; ++y)
            for (int x = 0; x < kThumbWidth; ++x)
                small[std::size_t(y * kThumbWidth + x)] =
                        pixels[std::size_t((y * kFrameHeight / kThumbHeight) * kFrameWidth
                                           + x * kFrameWidth / kThumbWidth)];
    }
    return CreatePicture(kThumbWidth, kThumbHeight, small, colors);
}

// The ids of the lines once `edits` are made: an item put in has none (0).
std::vector<ItemId> idsAfter(std::vector<ItemId> ids, const std::vector<ItemEdit> &edits)
{
    for (const ItemEdit &edit : edits) {
        switch (edit.kind) {
        case ItemEdit::Kind::Insert:
            ids.insert(ids.begin() + edit.line, 0);
            break;
        case ItemEdit::Kind::Remove:
            ids.erase(ids.begin() + edit.line);
            break;
        case ItemEdit::Kind::Replace:
            break;
        case ItemEdit::Kind::Move: {
            const ItemId id = ids[std::size_t(edit.line)];
            ids.erase(ids.begin() + edit.line);
            ids.insert(ids.begin() + edit.to, id);
            break;
        }
        }
    }
    return ids;
}

QString secondsLabel(double seconds, double step)
{
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    return QLocale().toString(seconds, 'f', decimals);
}

} // namespace

TimelineView::TimelineView(const AnimDocument &document, SoundFileStore &sounds, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_sounds(sounds)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A frame changed, or every one did: their thumbnails are made again when next drawn.
    QAbstractItemModel *model = document.model();
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &top, const QModelIndex &bottom) {
                for (int line = top.row(); line <= bottom.row(); ++line)
                    if (line >= 0 && line < m_document.count())
                        m_thumbnails.erase(m_document.itemId(line));
            });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { m_thumbnails.clear(); });
    itemsChanged();
}

void TimelineView::setTiming(const TimingSettings &timing)
{
    if (timing.tickRate == m_timing.tickRate && timing.pauseMultiplier == m_timing.pauseMultiplier)
        return;
    m_timing = timing;
    itemsChanged();
}

void TimelineView::setSoundFiles(std::function<QString(std::int32_t)> soundFile)
{
    m_soundFile = std::move(soundFile);
    update();
}

QString TimelineView::soundFile(std::int32_t number) const
{
    return m_soundFile ? m_soundFile(number) : QString();
}

void TimelineView::setColors(const PaletteColors &colors)
{
    m_colors = colors;
    m_thumbnails.clear();
    update();
}

void TimelineView::itemsChanged()
{
    if (m_drag != Drag::None)
        endDrag(false);
    m_light = timedItems(m_document.items());
    m_timeline = buildTimeline(m_light, m_timing);
    if (m_selected >= m_document.count())
        m_selected = -1;
    rebuildShown();
    setFirstTick(m_first);
    emit viewChanged();
}

void TimelineView::soundsChanged()
{
    update();
}

void TimelineView::rebuildShown()
{
    std::vector<ItemId> ids;
    ids.reserve(std::size_t(m_document.count()));
    for (int line = 0; line < m_document.count(); ++line)
        ids.push_back(m_document.itemId(line));
    if (m_drag == Drag::None || m_edit.edits.empty()) {
        m_shown = {m_light, std::move(ids), m_timeline};
    } else {
        ItemList items = applyEdits(m_light, m_edit.edits);
        Timeline timeline = buildTimeline(items, m_timing);
        m_shown = {std::move(items), idsAfter(std::move(ids), m_edit.edits), std::move(timeline)};
    }
    update();
}

void TimelineView::setPlayhead(Tick tick)
{
    tick = std::clamp<Tick>(tick, 0, m_timeline.durationTicks());
    if (tick == m_playhead)
        return;
    m_playhead = tick;
    update();
    emit playheadMoved();
}

void TimelineView::showLine(int line)
{
    m_selected = line;
    const auto start = m_timeline.startTick(line);
    const bool moves = start && !(m_playhead >= *start && m_playhead < endOf(line));
    if (moves)
        m_playhead = *start;
    ensureVisible(m_playhead);
    update();
    if (moves)
        emit playheadMoved();
}

void TimelineView::setPixelsPerTick(double pixelsPerTick, int anchorX)
{
    pixelsPerTick = std::clamp(pixelsPerTick, kMinPixelsPerTick, kMaxPixelsPerTick);
    if (pixelsPerTick == m_pixelsPerTick)
        return;
    const double x = anchorX >= 0 ? anchorX : width() / 2.0;
    const double anchored = m_first + x / m_pixelsPerTick;
    m_pixelsPerTick = pixelsPerTick;
    setFirstTick(anchored - x / m_pixelsPerTick);
    update();
    emit viewChanged();
}

void TimelineView::zoomIn()
{
    setPixelsPerTick(m_pixelsPerTick * kZoomStep);
}

void TimelineView::zoomOut()
{
    setPixelsPerTick(m_pixelsPerTick / kZoomStep);
}

Tick TimelineView::lastTick() const
{
    const double shown = width() / m_pixelsPerTick;
    return std::max<Tick>(0, m_timeline.durationTicks() + kRoomAfterEnd - Tick(shown));
}

void TimelineView::setFirstTick(double tick)
{
    tick = std::clamp(tick, 0.0, double(lastTick()));
    if (tick == m_first)
        return;
    m_first = tick;
    update();
    emit viewChanged();
}

void TimelineView::ensureVisible(Tick tick)
{
    const double shown = width() / m_pixelsPerTick;
    if (tick < m_first)
        setFirstTick(double(tick) - shown / 10);
    else if (tick > m_first + shown * 0.95)
        setFirstTick(double(tick) - shown * 0.8);
}

double TimelineView::xAtTick(double tick) const
{
    return (tick - m_first) * m_pixelsPerTick;
}

Tick TimelineView::tickAtX(double x) const
{
    return Tick(std::llround(m_first + x / m_pixelsPerTick));
}

QRect TimelineView::rulerRow() const
{
    return {0, 0, width(), kRulerHeight};
}

QRect TimelineView::imageRow() const
{
    return {0, kRulerHeight, width(), kImageRowHeight};
}

QRect TimelineView::timingRow() const
{
    return {0, imageRow().bottom() + 1, width(), kTimingRowHeight};
}

QRect TimelineView::soundRow() const
{
    return {0, timingRow().bottom() + 1, width(), kSoundRowHeight};
}

QSize TimelineView::sizeHint() const
{
    return {720, soundRow().bottom() + 1};
}

QSize TimelineView::minimumSizeHint() const
{
    return {200, soundRow().bottom() + 1};
}

Tick TimelineView::endOf(int line) const
{
    const Timeline &timeline = m_shown.timeline;
    const auto start = timeline.startTick(line);
    if (!start)
        return timeline.durationTicks();
    return *start + itemTicks(m_shown.items[std::size_t(line)], m_timing);
}

Tick TimelineView::cueTicks(std::int32_t number) const
{
    const QString file = soundFile(number);
    if (file.isEmpty())
        return 0;
    const SoundFileStore::Sound &sound = m_sounds.sound(file);
    if (!sound.found)
        return 0;
    return Tick(std::ceil(sound.clip.seconds() * m_shown.timeline.tickRate()));
}

std::pair<int, int> TimelineView::linesBetween(Tick first, Tick last) const
{
    const Timeline &timeline = m_shown.timeline;
    if (timeline.lastLine() < timeline.firstLine())
        return {0, -1};
    // The line under way where an image's thumbnail reaching `first` starts (a pause may have
    // started before), and the lines that take no time and share its start.
    const Tick thumbTicks = Tick(std::ceil(kThumbWidth / m_pixelsPerTick));
    int from =
            std::max(timeline.firstLine(), timeline.lineAt(std::max<Tick>(0, first - thumbTicks)));
    while (from > timeline.firstLine() && timeline.startTick(from - 1) == timeline.startTick(from))
        --from;
    const int to = timeline.lineAt(last);
    return {from, std::max(from, to)};
}

QRect TimelineView::itemRect(int line) const
{
    if (line < 0 || line >= int(m_shown.items.size()))
        return {};
    const auto start = m_shown.timeline.startTick(line);
    if (!start)
        return {};
    const AnimItem &item = m_shown.items[std::size_t(line)];
    const int x = int(std::floor(xAtTick(double(*start))));
    if (item.isImage())
        return {x, imageRow().top() + 2, kThumbWidth, kThumbHeight};
    if (item.Code == kCodeSound) {
        const int end = int(std::ceil(
                xAtTick(double(*start + std::max<Tick>(1, cueTicks(payloadValue(item)))))));
        return {x, soundRow().top() + 2, std::max(4, end - x), kSoundRowHeight - 4};
    }
    const Tick length = itemTicks(item, m_timing);
    if (length > 0) {
        const int end = int(std::ceil(xAtTick(double(*start + length))));
        return {x, timingRow().top() + 2, std::max(1, end - x), kTimingRowHeight - 4};
    }
    return {};
}

const QPixmap &TimelineView::thumbnail(ItemId id)
{
    auto found = m_thumbnails.find(id);
    if (found == m_thumbnails.end()) {
        const int line = m_document.lineOf(id);
        QImage picture = line >= 0 ? thumbnailOf(m_document.item(line).Pixels, m_colors) : QImage();
        found = m_thumbnails.emplace(id, QPixmap::fromImage(std::move(picture))).first;
    }
    return found->second;
}

void TimelineView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const Tick first = Tick(std::floor(m_first));
    const Tick last = Tick(std::ceil(m_first + width() / m_pixelsPerTick));
    painter.fillRect(rulerRow(), palette().window());
    paintItems(painter, first, last);
    paintSounds(painter, first, last);
    paintRuler(painter, first, last);

    const int x = int(std::lround(xAtTick(double(m_playhead))));
    painter.setPen(QPen(kPlayheadColor, 1));
    painter.drawLine(x, 0, x, height());
    painter.setBrush(kPlayheadColor);
    painter.drawPolygon(QPolygon({QPoint(x - 5, 0), QPoint(x + 5, 0), QPoint(x, 7)}));
    if (!m_dragText.isEmpty()) {
        const QRect ruler = rulerRow().adjusted(4, 0, -4, 0);
        const QRect text =
                painter.boundingRect(ruler, Qt::AlignRight | Qt::AlignVCenter, m_dragText);
        painter.fillRect(text.adjusted(-3, 1, 3, -1), palette().toolTipBase());
        painter.setPen(palette().toolTipText().color());
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, m_dragText);
    }
    if (hasFocus()) {
        painter.setPen(palette().highlight().color());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TimelineView::paintRuler(QPainter &painter, Tick first, Tick last)
{
    const double tickRate = m_shown.timeline.tickRate();
    const double pixelsPerSecond = m_pixelsPerTick * tickRate;
    double step = kSecondSteps.back();
    for (const double candidate : kSecondSteps) {
        if (candidate * pixelsPerSecond >= kLabelRoom) {
            step = candidate;
            break;
        }
    }
    const QRect row = rulerRow();
    painter.setPen(palette().mid().color());
    painter.drawLine(row.bottomLeft(), row.bottomRight());
    // A mark at every tick where they are far enough apart to tell.
    if (m_pixelsPerTick >= 4) {
        for (Tick tick = first; tick <= last; ++tick) {
            const int x = int(std::lround(xAtTick(double(tick))));
            painter.drawLine(x, row.bottom() - 3, x, row.bottom());
        }
    }
    painter.setPen(palette().text().color());
    const auto firstMark = std::int64_t(std::floor(double(first) / tickRate / step));
    const auto lastMark = std::int64_t(std::ceil(double(last) / tickRate / step));
    for (std::int64_t mark = std::max<std::int64_t>(0, firstMark); mark <= lastMark; ++mark) {
        const double seconds = double(mark) * step;
        const int x = int(std::lround(xAtTick(seconds * tickRate)));
        painter.drawLine(x, row.bottom() - 8, x, row.bottom());
        painter.drawText(QRect(x + 3, row.top(), kLabelRoom, row.height() - 4),
                         Qt::AlignLeft | Qt::AlignVCenter, secondsLabel(seconds, step));
    }
}

void TimelineView::paintItems(QPainter &painter, Tick first, Tick last)
{
    const auto [from, to] = linesBetween(first, last);
    const QRect images = imageRow();
    const QRect timing = timingRow();
    painter.fillRect(timing, palette().alternateBase());
    int thumbsEnd = std::numeric_limits<int>::min(); // thumbnails hide those under them
    int textEnd = std::numeric_limits<int>::min();
    const QFontMetrics metrics(font());
    for (int line = from; line <= to; ++line) {
        const AnimItem &item = m_shown.items[std::size_t(line)];
        const QRect area = itemRect(line);
        const bool selected = line == (m_drag == Drag::None ? m_selected : m_edit.line);
        if (item.isImage()) {
            if (area.left() >= thumbsEnd || selected) {
                const ItemId id = m_shown.ids[std::size_t(line)];
                if (id != 0)
                    painter.drawPixmap(area.topLeft(), thumbnail(id));
                painter.setPen(selected ? palette().highlight().color() : kImageColor);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(area.adjusted(0, 0, -1, -1));
                thumbsEnd = area.right() + 1;
            }
            // Where it starts, through the timing row.
            painter.setPen(kImageColor);
            painter.drawLine(area.left(), images.bottom(), area.left(), timing.bottom());
            continue;
        }
        if (area.isEmpty() || item.Code == kCodeSound)
            continue;
        if (item.Code == kCodePause) {
            painter.fillRect(area, selected ? palette().highlight().color() : kPauseColor);
            painter.setPen(palette().mid().color());
            painter.drawLine(area.topRight(), area.bottomRight());
            const QString ticks = QString::number(itemTicks(item, m_timing));
            if (area.width() > metrics.horizontalAdvance(ticks) + 6 && area.left() >= textEnd) {
                painter.setPen(selected ? palette().highlightedText().color()
                                        : palette().text().color());
                painter.drawText(area, Qt::AlignCenter, ticks);
                textEnd = area.right();
            }
        } else {
            // A fade as a ramp: up to full for a fade in, down to black for a fade out.
            const bool in = item.Code == kCodeFadeIn;
            const QPolygon ramp({in ? area.bottomLeft() : area.topLeft(), area.bottomRight(),
                                 in ? area.topRight() : area.bottomRight(), area.bottomLeft()});
            painter.setPen(Qt::NoPen);
            painter.setBrush(selected ? palette().highlight().color() : kFadeColor);
            painter.drawPolygon(ramp);
        }
    }
}

void TimelineView::paintSounds(QPainter &painter, Tick first, Tick last)
{
    const std::vector<SoundCue> &cues = m_shown.timeline.soundCues();
    for (std::size_t i = 0; i < cues.size(); ++i) {
        const SoundCue &cue = cues[i];
        const QString file = soundFile(cue.number);
        const SoundFileStore::Sound *sound = file.isEmpty() ? nullptr : &m_sounds.sound(file);
        const Tick length =
                sound && sound->found
                        ? Tick(std::ceil(sound->clip.seconds() * m_shown.timeline.tickRate()))
                        : 0;
        if (cue.tick > last || cue.tick + std::max<Tick>(length, 1) + 60 < first)
            continue;
        QRect bar = itemRect(cue.line);
        const bool selected = cue.line == (m_drag == Drag::None ? m_selected : m_edit.line);
        // The game's sound card plays one sound: the next cue cuts this one.
        const Tick cut = i + 1 < cues.size() ? cues[i + 1].tick : m_shown.timeline.durationTicks();
        const int heard = int(std::ceil(xAtTick(double(std::min(cue.tick + length, cut)))));
        const QColor color = sound && sound->found ? kCueColor : kMissingColor;
        painter.setPen(selected ? palette().highlight().color() : color.darker(130));
        painter.setBrush(color.lighter(sound && sound->found ? 150 : 170));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        if (sound && sound->found) {
            const QRect heardPart(bar.left(), bar.top(),
                                  std::max(0, std::min(bar.width(), heard - bar.left())),
                                  bar.height());
            painter.setPen(color.darker(160));
            paintWaveform(painter, heardPart.adjusted(1, 1, -1, -1), sound->waveform, 0,
                          double(heardPart.width()) / m_pixelsPerTick
                                  / m_shown.timeline.tickRate());
        }
        QString label = QString::number(cue.number);
        if (!file.isEmpty() && !(sound && sound->found))
            label = tr("%1 missing").arg(cue.number);
        else if (file.isEmpty())
            label = tr("%1 (no sound folder)").arg(cue.number);
        painter.setPen(palette().text().color());
        painter.drawText(bar.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, label);
    }
}

std::pair<int, TimelineView::Drag> TimelineView::hit(const QPoint &point) const
{
    if (rulerRow().contains(point))
        return {-1, Drag::Scrub};
    const Tick tick = tickAtX(point.x());
    const auto [from, to] = linesBetween(tick - 1, tick + 1);
    if (soundRow().contains(point)) {
        // The last cue drawn is on top.
        const std::vector<SoundCue> &cues = m_shown.timeline.soundCues();
        for (auto cue = cues.rbegin(); cue != cues.rend(); ++cue)
            if (itemRect(cue->line).contains(point))
                return {cue->line, Drag::Cue};
        return {-1, Drag::None};
    }
    if (imageRow().contains(point)) {
        for (int line = to; line >= from; --line)
            if (m_shown.items[std::size_t(line)].isImage() && itemRect(line).contains(point))
                return {line, line > 0 ? Drag::Image : Drag::None};
        return {-1, Drag::None};
    }
    if (timingRow().contains(point)) {
        for (int line = to; line >= from; --line) {
            const QRect area = itemRect(line);
            const AnimItem &item = m_shown.items[std::size_t(line)];
            if (item.Code == kCodePause
                && std::abs(point.x() - (area.right() + 1)) <= kGrabDistance)
                return {line, Drag::PauseEnd};
        }
        for (int line = to; line >= from; --line)
            if (itemRect(line).contains(point)
                && itemTicks(m_shown.items[std::size_t(line)], m_timing) > 0)
                return {line, Drag::None};
    }
    return {-1, Drag::None};
}

void TimelineView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus();
    const QPoint point = event->position().toPoint();
    const auto [line, drag] = hit(point);
    if (drag == Drag::Scrub) {
        m_drag = Drag::Scrub;
        setPlayhead(tickAtX(point.x()));
        emit scrubbed(m_playhead, true);
        return;
    }
    if (line < 0)
        return;
    m_selected = line;
    emit lineClicked(line);
    if (drag == Drag::None)
        return;
    m_drag = drag;
    m_dragLine = line;
    const Tick at = drag == Drag::PauseEnd ? endOf(line) : *m_timeline.startTick(line);
    m_grab = double(tickAtX(point.x()) - at);
    m_edit = {};
    dragTo(point.x());
}

void TimelineView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (m_drag == Drag::None) {
        const Drag under = hit(point).second;
        setCursor(under == Drag::PauseEnd                      ? Qt::SizeHorCursor
                  : under == Drag::Image || under == Drag::Cue ? Qt::OpenHandCursor
                                                               : Qt::ArrowCursor);
        return;
    }
    if (m_drag == Drag::Scrub) {
        const Tick tick = std::clamp<Tick>(tickAtX(point.x()), 0, m_timeline.durationTicks());
        if (tick != m_playhead) {
            setPlayhead(tick);
            ensureVisible(tick);
            emit scrubbed(tick, true);
        }
        return;
    }
    dragTo(point.x());
}

void TimelineView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None)
        return;
    if (m_drag == Drag::Scrub) {
        m_drag = Drag::None;
        emit scrubbed(m_playhead, false);
        return;
    }
    dragTo(event->position().toPoint().x());
    endDrag(true);
}

void TimelineView::dragTo(double x)
{
    const Tick tick = tickAtX(x) - Tick(std::llround(m_grab));
    switch (m_drag) {
    case Drag::PauseEnd:
        m_edit = resizePause(m_light, m_timing, m_dragLine,
                             tick - *m_timeline.startTick(m_dragLine));
        m_dragText = tr("Pause: %1 (%Ln tick(s))", nullptr,
                        int(m_edit.tick - *m_timeline.startTick(m_dragLine)))
                             .arg(m_edit.units);
        break;
    case Drag::Image:
        m_edit = moveImage(m_light, m_timing, m_dragLine, tick);
        m_dragText = tr("Image at %1 s, tick %2")
                             .arg(QLocale().toString(m_timeline.seconds(m_edit.tick), 'f', 2))
                             .arg(m_edit.tick);
        break;
    case Drag::Cue:
        m_edit = moveCue(m_light, m_timing, m_dragLine, tick);
        m_dragText = tr("Sound at %1 s, tick %2")
                             .arg(QLocale().toString(m_timeline.seconds(m_edit.tick), 'f', 2))
                             .arg(m_edit.tick);
        break;
    case Drag::None:
    case Drag::Scrub:
        return;
    }
    setCursor(m_drag == Drag::PauseEnd ? Qt::SizeHorCursor : Qt::ClosedHandCursor);
    rebuildShown();
    ensureVisible(m_edit.tick);
    emit dragChanged();
}

void TimelineView::endDrag(bool keep)
{
    const Drag drag = m_drag;
    const TimeEdit edit = std::move(m_edit);
    m_drag = Drag::None;
    m_edit = {};
    m_dragText.clear();
    unsetCursor();
    rebuildShown();
    emit dragChanged();
    if (!keep || edit.edits.empty())
        return;
    m_selected = edit.line;
    const QString name = drag == Drag::PauseEnd ? tr("Change Pause")
                         : drag == Drag::Image  ? tr("Move Image in Time")
                                                : tr("Move Sound in Time");
    emit editRequested(edit, name);
}

void TimelineView::wheelEvent(QWheelEvent *event)
{
    const QPoint turned = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (turned.y() != 0)
            setPixelsPerTick(m_pixelsPerTick * std::pow(kZoomStep, turned.y() / 120.0),
                             int(event->position().x()));
    } else {
        const int steps = turned.x() != 0 ? -turned.x() : -turned.y();
        setFirstTick(m_first + steps / 120.0 * (width() / 8.0) / m_pixelsPerTick);
    }
    event->accept();
}

void TimelineView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        return;
    case Qt::Key_Minus:
        zoomOut();
        return;
    case Qt::Key_Escape:
        if (m_drag != Drag::None && m_drag != Drag::Scrub) {
            endDrag(false);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void TimelineView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setFirstTick(m_first);
    emit viewChanged();
}

} // namespace tessa
