// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Every moment of an exported GIF, decoded whole by Pillow and by ImageMagick, against what the
// timeline shows then: sprites moving over noise (changed rectangles), fades (one compressed
// stream under many colour tables) and the same picture twice (one longer frame); sprites over
// few colours (short codes in the global table).
#include "commandoutput.h"
#include "movie/movierenderer.h"
#include "tempfolder.h"
#include "timing/timeline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

using namespace tessa;
using namespace tessa::test;

namespace {

constexpr int kScreenBytes = kFrameSize * 3;
constexpr int kTickMs = 40; // 25 ticks a second

std::vector<std::uint8_t> noise()
{
    std::mt19937 random(7);
    std::vector<std::uint8_t> pixels(kFrameSize);
    for (std::uint8_t &pixel : pixels)
        pixel = std::uint8_t(random());
    return pixels;
}

// A 12 x 9 sprite of colour `color` at (x, y) on `pixels`.
std::vector<std::uint8_t> withSprite(std::vector<std::uint8_t> pixels, int x, int y,
                                     std::uint8_t color)
{
    for (int row = y; row < y + 9; ++row)
        for (int column = x; column < x + 12; ++column)
            pixels[std::size_t(row) * 320 + std::size_t(column)] = color;
    return pixels;
}

ItemList spritesAndFades()
{
    const std::vector<std::uint8_t> back = noise();
    ItemList items{makeImageItem(back), makePauseItem(2)};
    for (int step = 0; step < 6; ++step) {
        items.push_back(makeImageItem(withSprite(back, 10 + step * 40, 20 + step * 25, 3)));
        items.push_back(makePauseItem(1));
    }
    items.push_back(makeFadeOutItem());
    items.push_back(makeImageItem(withSprite(back, 300, 180, 250)));
    items.push_back(makeFadeInItem());
    // The same picture again: the frame only lasts longer.
    items.push_back(makeImageItem(withSprite(back, 300, 180, 250)));
    items.push_back(makePauseItem(3));
    items.push_back(makeImageItem(withSprite(back, 0, 0, 1)));
    items.push_back(makePauseItem(2));
    items.push_back(makeEndItem());
    return items;
}

// A background of four colours at the palette's end, sprinkled with a few pixels of ten rare
// ones, under a moving sprite: the frames fit short codes in the global table, and the rare
// colours lie beyond them, so the pixels showing them may only be left transparent.
ItemList fewColours()
{
    std::vector<std::uint8_t> back(kFrameSize);
    for (std::size_t i = 0; i < back.size(); ++i)
        back[i] = std::uint8_t(i % 97 == 0 ? 10 + i / 97 % 10 : 240 + (i / 5 + i / 640) % 4);
    ItemList items;
    for (int step = 0; step < 5; ++step) {
        items.push_back(makeImageItem(withSprite(back, 30 + step * 50, 40 + step * 20, 244)));
        items.push_back(makePauseItem(1));
    }
    items.push_back(makeFadeOutItem());
    items.push_back(makeEndItem());
    return items;
}

PaletteColors noisePalette()
{
    PaletteColors colors{};
    for (int i = 0; i < 256; ++i)
        colors[std::size_t(i)] = colorFromRgb(std::uint8_t(i & 0xFC), std::uint8_t((i * 5) & 0xFC),
                                              std::uint8_t((255 - i) & 0xFC));
    return colors;
}

// The RGB screen of every tick, as the timeline says.
std::vector<std::string> expectedTicks(const ItemList &items, const MovieRequest &request)
{
    const Timeline timeline = buildTimeline(items, request.timing);
    std::vector<std::string> ticks;
    const auto &steps = timeline.steps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Tick next = i + 1 < steps.size() ? steps[i + 1].tick : timeline.durationTicks();
        const PaletteColors colors = fadedPalette(request.colors, steps[i].screen.fadeLevel);
        std::string screen(kScreenBytes, '\0');
        const auto &pixels = items[std::size_t(steps[i].screen.image)].Pixels;
        for (int p = 0; p < kFrameSize; ++p) {
            const std::uint32_t color = colors[pixels[std::size_t(p)]];
            screen[std::size_t(p) * 3] = char(redOf(color));
            screen[std::size_t(p) * 3 + 1] = char(greenOf(color));
            screen[std::size_t(p) * 3 + 2] = char(blueOf(color));
        }
        for (Tick tick = steps[i].tick; tick < next; ++tick)
            ticks.push_back(screen);
    }
    return ticks;
}

// The screens of a decoder's frames (`rgb`, one after another) held for their delays in
// hundredths (`delays`), one per tick; empty when a delay is not a whole number of ticks.
std::vector<std::string> decodedTicks(const std::string &rgb, const std::string &delays)
{
    std::vector<std::string> ticks;
    std::istringstream in(delays);
    std::size_t frame = 0;
    for (int hundredths = 0; in >> hundredths; ++frame) {
        if (hundredths * 10 % kTickMs != 0 || rgb.size() < (frame + 1) * kScreenBytes)
            return {};
        for (int t = 0; t < hundredths * 10 / kTickMs; ++t)
            ticks.push_back(rgb.substr(frame * kScreenBytes, kScreenBytes));
    }
    return ticks;
}

std::string readBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Each decoder writes the frames it shows, whole and in RGB, to `rgb` and prints their delays
// in hundredths of a second.
struct Decoder
{
    const char *name;
    const char *probe;
    const char *command; // %1: the GIF, %2: the RGB file
};

const Decoder kDecoders[] = {
        {"pillow", TESSA_PYTHON3 " -c 'import PIL'",
         TESSA_PYTHON3 " -c \"import sys; from PIL import Image\n"
                       "im = Image.open(sys.argv[1]); out = open(sys.argv[2], 'wb')\n"
                       "for i in range(im.n_frames):\n"
                       "    im.seek(i); out.write(im.convert('RGB').tobytes())\n"
                       "    print(im.info['duration'] // 10)\" %1 %2"},
        {"imagemagick", "convert -version",
         "convert %1 -coalesce -depth 8 rgb:%2 && identify -format '%T\\n' %1"},
};

void PrintTo(const Decoder &decoder, std::ostream *out)
{
    *out << decoder.name;
}

class GifExactness : public testing::TestWithParam<Decoder>
{
};

TEST_P(GifExactness, everyMomentDecodesToTheTimelinesExactScreen)
{
    const Decoder &decoder = GetParam();
    if (std::system((std::string(decoder.probe) + " >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << decoder.name << " is not installed";
    TempFolder folder;
    const struct
    {
        const char *name;
        ItemList items;
    } movies[] = {{"sprites and fades", spritesAndFades()}, {"few colours", fewColours()}};
    for (const auto &[name, items] : movies) {
        MovieRequest request;
        request.colors = noisePalette();
        request.timing.tickRate = 25.0;
        const std::string gif = folder.file("movie.gif");
        const auto report = renderMovie(gif, items, request);
        ASSERT_TRUE(report) << name << ": " << report.error().text;

        std::string command = decoder.command;
        command.replace(command.find("%1"), 2, gif);
        command.replace(command.find("%2"), 2, folder.file("frames.rgb"));
        if (const auto again = command.find("%1"); again != std::string::npos)
            command.replace(again, 2, gif);
        const std::vector<std::string> shown =
                decodedTicks(readBytes(folder.file("frames.rgb")), commandOutput(command));
        const std::vector<std::string> expected = expectedTicks(items, request);
        ASSERT_EQ(shown.size(), expected.size()) << name;
        for (std::size_t tick = 0; tick < expected.size(); ++tick)
            ASSERT_TRUE(shown[tick] == expected[tick]) << name << ", tick " << tick;
    }
}

INSTANTIATE_TEST_SUITE_P(Decoders, GifExactness, testing::ValuesIn(kDecoders),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
