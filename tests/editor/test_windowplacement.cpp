// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on the screen: the rules alone, on screens of any size, without a screen.
#include "platform/windowplacement.h"

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}
QT_END_NAMESPACE

namespace tessa {
namespace {

// A 1280 x 900 screen at scale factors 1, 2 and 3, in logical pixels.
const QRect kScreen1(0, 0, 1280, 900);
const QRect kScreen2(0, 0, 640, 450);
const QRect kScreen3(0, 0, 427, 300);

TEST(FitInside, KeepsTheWindowWithinTheAvailableArea)
{
    const QRect withPanel(0, 32, 1280, 868); // a panel at the top
    const struct
    {
        const char *what;
        QRect wanted;
        QRect available;
        QRect fitted;
    } rows[] = {
            {"inside already", {100, 100, 400, 300}, kScreen1, {100, 100, 400, 300}},
            {"too far right", {1000, 100, 400, 300}, kScreen1, {880, 100, 400, 300}},
            {"too far down", {100, 700, 400, 300}, kScreen1, {100, 600, 400, 300}},
            {"left and above", {-50, -20, 400, 300}, kScreen1, {0, 0, 400, 300}},
            {"under the panel", {100, 0, 400, 300}, withPanel, {100, 32, 400, 300}},
            // The preview that was 1648 device pixels wide on a screen scaled twice.
            {"wider than the screen", {0, 0, 824, 700}, kScreen2, {0, 0, 640, 450}},
            {"larger and off the corner", {300, 200, 824, 700}, kScreen2, {0, 0, 640, 450}},
            {"on a second screen",
             {1300, 10, 400, 300},
             {1280, 0, 1024, 768},
             {1300, 10, 400, 300}},
            {"no screen known", {5, 5, 4000, 3000}, QRect(), {5, 5, 4000, 3000}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(fitInside(row.wanted, row.available), row.fitted) << row.what;
}

TEST(PlaceBeside, GoesBesideTheWindowElseWhereItCoversTheLeastAndNeverOverItsMenus)
{
    const QSize panel(360, 180);
    // The main window's frame and the band of its title and menu bar, 40 pixels high.
    const auto band = [](const QRect &frame) {
        return QRect(frame.topLeft(), QSize(frame.width(), 40));
    };
    const struct
    {
        const char *what;
        QRect anchor;
        QRect available;
        QRect placed;
    } rows[] = {
            {"room on the right", {100, 100, 490, 280}, kScreen1, {598, 100, 360, 180}},
            {"room on the left only", {780, 100, 490, 280}, kScreen1, {412, 100, 360, 180}},
            {"beside, moved up to stay on the screen",
             {100, 800, 490, 100},
             kScreen1,
             {598, 720, 360, 180}},
            {"room below only", {75, 100, 490, 280}, {0, 0, 640, 900}, {75, 388, 360, 180}},
            // Centred on a screen scaled twice: nowhere whole. Below covers 82 rows of it; a
            // side would cover 285 columns.
            {"scaled twice", {75, 97, 490, 255}, kScreen2, {75, 270, 360, 180}},
            // Scaled three times, the window is larger than the screen: below its menus.
            {"scaled three times", {0, 0, 490, 280}, kScreen3, {0, 120, 360, 180}},
            {"a side covers less than below",
             {50, 50, 300, 380},
             {0, 0, 640, 450},
             {280, 90, 360, 180}},
    };
    for (const auto &row : rows) {
        const QRect placed = placeBeside(panel, row.anchor, band(row.anchor), row.available, 8);
        EXPECT_EQ(placed, row.placed) << row.what;
        EXPECT_TRUE(row.available.contains(placed)) << row.what;
        EXPECT_FALSE(placed.intersects(band(row.anchor))) << row.what << ": over the menus";
    }

    // Larger than the screen: made smaller, below the menus.
    const QRect anchor(0, 0, 427, 200);
    const QRect placed = placeBeside({800, 600}, anchor, band(anchor), kScreen3, 8);
    EXPECT_EQ(placed, QRect(0, 40, 427, 260));
}

} // namespace
} // namespace tessa
