// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A 10,000-item document in the window: nothing the window does on an edit may cost time in
// proportion to the whole list for every item. Inserting before the first item moves every
// other item down by one line, which has to stay a matter of milliseconds.
//
// TESSA_SCALE_FRAMES sets the number of images (10000 by default), for slow sanitizer builds.
#include "editorfixture.h"

#include <QElapsedTimer>

#include <cstdlib>

using namespace tessa;
using namespace tessa::test;

namespace {

std::size_t imageCount()
{
    if (const char *text = std::getenv("TESSA_SCALE_FRAMES"))
        return std::strtoul(text, nullptr, 10);
    return 10000;
}

} // namespace

TEST_F(EditorTest, InsertingBeforeTheFirstOfTenThousandItemsTakesNoTime)
{
    const std::size_t count = imageCount();
    ItemList items;
    items.reserve(count);
    Bytes frame = frameOf(0);
    for (std::size_t k = 0; k + 1 < count; ++k) {
        frame[(k * 104729) % frame.size()] = static_cast<std::uint8_t>(k);
        items.push_back(makeImageItem(frame));
    }
    items.push_back(makeEndItem());
    const QString file = writeAnimation("LONGANIM.QLM", items);
    items.clear();
    items.shrink_to_fit();

    start();
    open(file);
    ASSERT_EQ(window->lst->count(), int(count));
    ASSERT_EQ(selected(), 0);

    dialogs.answerOpen(writeBmp("first.bmp", frameOf(7)));
    QElapsedTimer timer;
    timer.start();
    window->mnuProjectAdd[0]->trigger(); // line 0 offers only Add Image
    const qint64 took = timer.elapsed();

    // A generous bound: a step over all items for each item would take minutes.
    EXPECT_LT(took, 2000) << "inserting before line 0 took " << took << " ms";
    RecordProperty("insert_ms", int(took));
    ASSERT_EQ(window->lst->count(), int(count) + 1);
    EXPECT_EQ(window->items().size(), count + 1);
    EXPECT_EQ(window->lst->lineText(0), "Image");
    EXPECT_EQ(selected(), 1) << "the selection stays on the item it was on";
    EXPECT_EQ(window->items()[0].Pixels, frameOf(7));
    EXPECT_TRUE(saveEnabled());

    window->mnuFileSave->trigger();
    EXPECT_FALSE(saveEnabled());
    auto saved = loadAnimation(file.toStdString());
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->size(), count + 1);
    EXPECT_EQ((*saved)[0].Pixels, frameOf(7));
    EXPECT_TRUE(sameContent(*saved, window->items()));
}
