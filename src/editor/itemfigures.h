// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/itemcost.h"
#include "timing/timeline.h"

#include <QObject>

#include <functional>
#include <optional>

class QAbstractItemModel;

namespace tessa {

class AnimDocument;

// What a line of the document costs in the file and when it plays, for the details panel and the
// list's tooltips. The costs are kept line by line and follow the list model's changes, so that a
// change recomputes a frame or two and not the whole document; the timeline is rebuilt when the
// lines or the timing changed.
class ItemFigures : public QObject
{
    Q_OBJECT

public:
    struct Line
    {
        bool image = false;
        ItemCost cost;
        std::optional<std::size_t> fileSize; // nothing while the file cannot be written
        std::optional<Tick> start;           // nothing for a line that is not played
        Tick length = 0;                     // ticks until the next line starts
        double tickRate = 70.0;
    };

    // `model` shows the lines of `document`; both must outlive this object.
    ItemFigures(const AnimDocument &document, const QAbstractItemModel &model,
                QObject *parent = nullptr);

    // Where the preview's timing is read from when the timeline is needed; 70 ticks a second
    // and pauses of one tick per unit until one is set.
    void setTimingSource(std::function<TimingSettings()> source);

    // The figures of `line` (0 to the line count - 1).
    Line figures(int line);
    // The same in one line of text.
    QString summary(int line);

private:
    const Timeline &timeline();

    const AnimDocument &m_document;
    ItemCosts m_costs;
    std::function<TimingSettings()> m_timing;
    std::optional<Timeline> m_timeline; // reset by every change of the lines
    TimingSettings m_timelineTiming;
};

// The texts of the figures, as the panel and the tooltips show them.
QString bytesText(std::size_t bytes);
QString changedPixelsText(const ItemFigures::Line &figures);
QString shareText(const ItemFigures::Line &figures);
QString fileSizeText(const ItemFigures::Line &figures);
QString startText(const ItemFigures::Line &figures);
QString lengthText(const ItemFigures::Line &figures);

} // namespace tessa
