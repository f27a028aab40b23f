// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessa::test {

// Whether the frame of the shown `window` lies within the available area of its screen.
inline ::testing::AssertionResult fitsItsScreen(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect available = window.screen()->availableGeometry();
    if (available.contains(frame))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the frame at " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
           << frame.height() << " leaves the screen's " << available.width() << "x"
           << available.height();
}

// Whether every line of wrapping text shown in `window` has the height its text takes.
inline ::testing::AssertionResult noTextCut(const QWidget &window)
{
    for (const QLabel *line : window.findChildren<QLabel *>()) {
        if (line->isVisible() && line->wordWrap() && !line->text().isEmpty()
            && line->height() < line->heightForWidth(line->width()))
            return ::testing::AssertionFailure() << "cut: " << line->text().toStdString();
    }
    return ::testing::AssertionSuccess();
}

} // namespace tessa::test
