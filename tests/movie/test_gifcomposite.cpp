// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Every frame of an exported GIF composited as a viewer does (giflib's decoder, then each frame's
// rectangle, table and transparent index drawn over the picture before) must be a screen the
// timeline shows, in the timeline's order, and the last one the screen the animation ends on.
#include "document/timeline.h"
#include "movie/gifcompositor.h"
#include "movie/movierenderer.h"
#include "movie/screenscaler.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace tessa;

namespace {

using Screen = std::vector<std::uint32_t>; // RGB a pixel, scaled

// The timeline's screen of every step, scaled as the movie is.
std::vector<Screen> timelineScreens(const ItemList &items, const MovieRequest &request)
{
    const Timeline timeline = buildTimeline(items, request.timing);
    const ScreenScaler scaler(request.scale, request.aspect43);
    std::vector<Screen> screens;
    std::vector<std::uint8_t> scaled;
    for (const ScreenStep &step : timeline.steps()) {
        if (step.tick >= timeline.durationTicks())
            break;
        const PaletteColors colors = fadedPalette(request.colors, step.screen.fadeLevel);
        scaler.scale(items[std::size_t(step.screen.image)].Pixels, scaled);
        Screen screen(scaled.size());
        std::transform(scaled.begin(), scaled.end(), screen.begin(),
                       [&](std::uint8_t index) { return colors[index]; });
        screens.push_back(std::move(screen));
    }
    return screens;
}

std::vector<std::uint8_t> noise(unsigned seed, int colours)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> pixels(kFrameSize);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = std::uint8_t(i % 7 ? pixels[i ? i - 1 : 0] : random() % colours);
    return pixels;
}

std::vector<std::uint8_t> withBox(std::vector<std::uint8_t> pixels, int x, int y, int w, int h,
                                  std::uint8_t color)
{
    for (int row = y; row < y + h; ++row)
        std::fill_n(pixels.begin() + row * kFrameWidth + x, w, color);
    return pixels;
}

// Sprites that move in two far corners, a fade out and in over a new picture, and an index
// swapped for another of the same colour; it ends on a fade out whose last step is one tick.
ItemList movingSpritesAndFades()
{
    const auto back = noise(3, 200);
    ItemList items{makeImageItem(back), makePauseItem(1)};
    for (int step = 0; step < 5; ++step) {
        items.push_back(makeImageItem(withBox(withBox(back, 4 + step * 3, 5, 10, 8, 250), 280,
                                              180 - step * 4, 12, 9, 251)));
        items.push_back(makePauseItem(step % 2 + 1));
    }
    items.push_back(makeFadeOutItem());
    items.push_back(makeImageItem(noise(9, 40)));
    items.push_back(makeFadeInItem());
    // Index 252 shows the same colour as 253: the picture does not change.
    items.push_back(makeImageItem(withBox(noise(9, 40), 100, 100, 30, 30, 252)));
    items.push_back(makePauseItem(3));
    items.push_back(makeImageItem(withBox(noise(9, 40), 100, 100, 30, 30, 253)));
    items.push_back(makePauseItem(4));
    items.push_back(makeFadeOutItem());
    items.push_back(makeEndItem());
    return items;
}

PaletteColors palette()
{
    PaletteColors colors{};
    for (int i = 0; i < 256; ++i)
        colors[std::size_t(i)] = colorFromRgb(std::uint8_t(255 - i), std::uint8_t((i * 7) & 0xFF),
                                              std::uint8_t(i < 128 ? 128 + i : 255));
    colors[253] = colors[252];
    return colors;
}

struct CompositeCase
{
    const char *name;
    double tickRate;
    int scale;
    bool aspect43;
};

void PrintTo(const CompositeCase &row, std::ostream *out)
{
    *out << row.name;
}

class GifComposite : public testing::TestWithParam<CompositeCase>
{
};

TEST_P(GifComposite, everyFrameIsTheTimelinesScreenAndTheLastIsTheEnd)
{
    const CompositeCase &row = GetParam();
    MovieRequest request;
    request.colors = palette();
    request.timing.tickRate = row.tickRate;
    request.scale = row.scale;
    request.aspect43 = row.aspect43;
    const ItemList items = movingSpritesAndFades();
    test::TempFolder folder;
    const std::string path = folder.file("movie.gif");
    ASSERT_TRUE(renderMovie(path, items, request));

    const auto composited = test::compositeGif(path);
    ASSERT_TRUE(composited) << "giflib cannot read it, or a frame is out of bounds";
    const test::CompositedGif &shown = *composited;
    const std::vector<Screen> expected = timelineScreens(items, request);
    ASSERT_FALSE(shown.frames.empty());
    auto next = expected.begin();
    for (std::size_t i = 0; i < shown.frames.size(); ++i) {
        const auto found = std::find(next, expected.end(), shown.frames[i]);
        ASSERT_NE(found, expected.end()) << "frame " << i << " is no screen of the timeline, or "
                                         << "comes out of order";
        next = found;
        EXPECT_GE(shown.delays[i], 2) << "frame " << i;
    }
    // The fade out ends on black.
    EXPECT_EQ(shown.frames.back(), expected.back());
    EXPECT_TRUE(std::all_of(shown.frames.back().begin(), shown.frames.back().end(),
                            [](std::uint32_t c) { return c == 0; }));
    const Timeline timeline = buildTimeline(items, request.timing);
    int total = 0;
    for (int delay : shown.delays)
        total += delay;
    EXPECT_EQ(total, std::lround(timeline.seconds(timeline.durationTicks()) * 100));

    // The size told before writing is the size written.
    const auto estimate = estimateGifSize(items, request);
    ASSERT_TRUE(estimate);
    EXPECT_TRUE(estimate->exact);
    EXPECT_EQ(estimate->bytes, std::filesystem::file_size(path));
}

INSTANTIATE_TEST_SUITE_P(Movies, GifComposite,
                         testing::Values(CompositeCase{"every_step_25Hz", 25.0, 1, false},
                                         CompositeCase{"dropped_steps_70Hz", 70.0, 1, false},
                                         CompositeCase{"scaled_43_70Hz", 70.0, 2, true}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
