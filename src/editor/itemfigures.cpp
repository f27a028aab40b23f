// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemfigures.h"

#include "animdocument.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <limits>

namespace tessa {

namespace {

QString secondsText(Tick ticks, double tickRate)
{
    return ItemFigures::tr("%1 s").arg(
            QLocale().toString(static_cast<double>(ticks) / tickRate, 'f', 2));
}

// Counts shown with tr()'s plural forms, which take an int; none here comes near its limit, and
// one that did would be shown as the largest.
int countOf(std::uint64_t count)
{
    return int(std::min<std::uint64_t>(count, std::uint64_t(std::numeric_limits<int>::max())));
}

QString pixelsText(std::uint64_t pixels)
{
    return ItemFigures::tr("%Ln pixel(s)", nullptr, countOf(pixels));
}

QString runsText(std::uint64_t runs)
{
    return ItemFigures::tr("%Ln run(s)", nullptr, countOf(runs));
}

} // namespace

ItemFigures::ItemFigures(const AnimDocument &document, const QAbstractItemModel &model,
                         QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_timing([] { return TimingSettings{}; })
{
    m_costs.reset(m_document.items());
    // The model announces each change after the items have changed, line by line.
    const auto changed = [this] { m_timeline.reset(); };
    connect(&model, &QAbstractItemModel::rowsInserted, this,
            [this, changed](const QModelIndex &, int first, int last) {
                for (int line = first; line <= last; ++line)
                    m_costs.inserted(m_document.items(), line);
                changed();
            });
    connect(&model, &QAbstractItemModel::rowsRemoved, this,
            [this, changed](const QModelIndex &, int first, int last) {
                for (int line = last; line >= first; --line)
                    m_costs.removed(m_document.items(), line);
                changed();
            });
    connect(&model, &QAbstractItemModel::rowsMoved, this,
            [this, changed](const QModelIndex &, int from, int, const QModelIndex &, int before) {
                m_costs.moved(m_document.items(), from, before > from ? before - 1 : before);
                changed();
            });
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this, changed](const QModelIndex &top, const QModelIndex &bottom,
                            const QList<int> &roles) {
                // The bold line of the preview changes the font only.
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole))
                    return;
                for (int line = top.row(); line <= bottom.row(); ++line)
                    m_costs.replaced(m_document.items(), line);
                changed();
            });
    connect(&model, &QAbstractItemModel::modelReset, this, [this, changed] {
        m_costs.reset(m_document.items());
        changed();
    });
}

void ItemFigures::setTimingSource(std::function<TimingSettings()> source)
{
    m_timing = std::move(source);
    m_timeline.reset();
}

const Timeline &ItemFigures::timeline()
{
    const TimingSettings timing = m_timing();
    if (!m_timeline || timing.tickRate != m_timelineTiming.tickRate
        || timing.pauseMultiplier != m_timelineTiming.pauseMultiplier) {
        m_timeline = buildTimeline(m_document.items(), timing);
        m_timelineTiming = timing;
    }
    return *m_timeline;
}

ItemFigures::Line ItemFigures::figures(int line)
{
    const ItemList &items = m_document.items();
    Line figures;
    figures.image = items[static_cast<std::size_t>(line)].isImage();
    figures.cost = m_costs.cost(items, line);
    figures.fileSize = m_costs.fileSize(items);
    const Timeline &played = timeline();
    figures.tickRate = played.tickRate();
    figures.start = played.startTick(line);
    if (figures.start) {
        const Tick end = played.startTick(line + 1).value_or(played.durationTicks());
        figures.length = end - *figures.start;
    }
    return figures;
}

QString ItemFigures::summary(int line)
{
    const Line shown = figures(line);
    QStringList parts;
    QString stored = bytesText(shown.cost.bytes);
    if (shown.fileSize)
        stored = ItemFigures::tr("%1, %2 of %3")
                         .arg(stored, shareText(shown), bytesText(*shown.fileSize));
    parts << stored;
    if (shown.image)
        parts << ItemFigures::tr("%1 changed in %2")
                         .arg(pixelsText(shown.cost.changedPixels), runsText(shown.cost.runs));
    if (shown.start)
        parts << ItemFigures::tr("at %1 for %2")
                         .arg(startText(shown), secondsText(shown.length, shown.tickRate));
    else
        parts << startText(shown);
    return parts.join(QStringLiteral(" \u00b7 "));
}

QString bytesText(std::size_t bytes)
{
    return ItemFigures::tr("%Ln byte(s)", nullptr, countOf(bytes));
}

QString changedPixelsText(const ItemFigures::Line &figures)
{
    if (!figures.image)
        return ItemFigures::tr("none: not an image");
    return ItemFigures::tr("%1 in %2")
            .arg(pixelsText(figures.cost.changedPixels), runsText(figures.cost.runs));
}

QString shareText(const ItemFigures::Line &figures)
{
    if (!figures.fileSize || *figures.fileSize == 0)
        return ItemFigures::tr("unknown");
    const double percent = 100.0 * static_cast<double>(figures.cost.bytes)
                           / static_cast<double>(*figures.fileSize);
    return ItemFigures::tr("%1%").arg(QLocale().toString(percent, 'f', 1));
}

QString fileSizeText(const ItemFigures::Line &figures)
{
    if (!figures.fileSize)
        return ItemFigures::tr("none until the animation begins with an image");
    return bytesText(*figures.fileSize);
}

QString startText(const ItemFigures::Line &figures)
{
    if (!figures.start)
        return ItemFigures::tr("not played: after End");
    return secondsText(*figures.start, figures.tickRate);
}

QString lengthText(const ItemFigures::Line &figures)
{
    if (!figures.start)
        return ItemFigures::tr("not played");
    return ItemFigures::tr("%1 (%2 at %3 a second)")
            .arg(secondsText(figures.length, figures.tickRate),
                 ItemFigures::tr("%Ln tick(s)", nullptr, countOf(figures.length)),
                 QLocale().toString(figures.tickRate));
}

} // namespace tessa
