// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

namespace tessa {

// A scroll area that asks for the room its whole widget takes, where a plain one asks for no
// more than some lines of text take (and only once it has handled its events). It scrolls only
// where the window has less room to give, on a small or scaled screen.
class WholeScrollArea : public QScrollArea
{
public:
    explicit WholeScrollArea(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    // The widget's own layout changing (a line that wraps to more lines) changes what the area
    // asks for, which the window's layout is told.
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace tessa
