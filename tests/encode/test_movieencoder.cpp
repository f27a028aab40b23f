// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animfile.h"
#include "encode/movieencoder.h"
#include "imageio/palettematch.h"
#include "imageio/patterndither.h"
#include "settings/numberranges.h"
#include "testpalettes.h"
#include "timing/timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace tessa;
using tessa::test::mainPalette;

namespace {

using Rgb = std::vector<std::uint32_t>;

// A smooth picture, as photographs mostly are, with a little noise from `seed` as a camera or
// a video codec adds to every frame.
Rgb photograph(unsigned seed)
{
    Rgb rgb(kFrameSize);
    unsigned noise = seed * 2654435761u + 1;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int wobble = int(noise >> 16) % 5 - 2;
            rgb[std::size_t(y * kFrameWidth + x)] =
                    colorFromRgb(std::uint8_t(std::clamp(x * 255 / 319 + wobble, 0, 255)),
                                 std::uint8_t(std::clamp(y * 255 / 199 + wobble, 0, 255)),
                                 std::uint8_t(std::clamp(120 + wobble, 0, 255)));
        }
    }
    return rgb;
}

Rgb flat(int grey)
{
    return Rgb(kFrameSize,
               colorFromRgb(std::uint8_t(grey), std::uint8_t(grey), std::uint8_t(grey)));
}

// Paints a white square of side 20 at (left, 50).
void paintSquare(Rgb &rgb, int left)
{
    for (int y = 50; y < 70; ++y)
        for (int x = left; x < left + 20; ++x)
            rgb[std::size_t(y * kFrameWidth + x)] = colorFromRgb(255, 255, 255);
}

std::vector<const AnimItem *> imagesOf(const ItemList &items)
{
    std::vector<const AnimItem *> images;
    for (const AnimItem &item : items) {
        if (item.isImage())
            images.push_back(&item);
    }
    return images;
}

ItemList encode(const std::vector<MovieFrame> &frames, double end, EncodeOptions options = {})
{
    auto items = encodeMovie(frames, end, mainPalette(), options);
    EXPECT_TRUE(items) << (items ? "" : items.error().text);
    return items ? *items : ItemList{};
}

// Every frame different: a square moving one pixel a frame.
std::vector<MovieFrame> movingSquare(int count, double fps)
{
    std::vector<MovieFrame> frames;
    for (int i = 0; i < count; ++i) {
        Rgb rgb = flat(0);
        paintSquare(rgb, 10 + i);
        frames.push_back({rgb, i / fps});
    }
    return frames;
}

} // namespace

struct TimingCase
{
    double tickRate, pauseMultiplier, fps;
    int frames;
};

class EncodeTiming : public testing::TestWithParam<TimingCase>
{
};

TEST_P(EncodeTiming, LastsTheMovieAndShowsEachPictureOnItsTick)
{
    const TimingCase c = GetParam();
    EncodeOptions options;
    options.timing = {c.tickRate, c.pauseMultiplier};
    const ItemList items = encode(movingSquare(c.frames, c.fps), c.frames / c.fps, options);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back().Code, kCodeEnd);
    for (const AnimItem &item : items) {
        if (item.Code == kCodePause) {
            EXPECT_TRUE(payloadValue(item) >= 1 && payloadValue(item) <= 255);
        }
    }
    const PaletteColors palette = mainPalette();

    const Timeline timeline = buildTimeline(items, options.timing);
    EXPECT_EQ(timeline.durationTicks(), std::llround(c.frames / c.fps * c.tickRate));
    // Each image starts on the tick of a picture whose square it shows, not a tick late.
    for (int line = 0; line < int(items.size()); ++line) {
        if (!items[std::size_t(line)].isImage())
            continue;
        const auto &pixels = items[std::size_t(line)].Pixels;
        int left = 0;
        while (left < kFrameWidth
               && greenOf(palette[pixels[std::size_t(55 * kFrameWidth + left)]]) < 200)
            ++left;
        const int picture = left - 10;
        EXPECT_EQ(*timeline.startTick(line),
                  picture == 0 ? 0 : std::llround(picture / c.fps * c.tickRate))
                << "line " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, EncodeTiming,
                         testing::Values(TimingCase{70, 1, 25, 100}, TimingCase{18.2065, 1, 25, 60},
                                         TimingCase{70, 0.5, 29.97, 90}, TimingCase{60, 1, 1, 12}));

TEST(EncodeTiming, AWaitLongerThanOnePauseItemTakesSeveral)
{
    std::vector<MovieFrame> frames{{flat(0), 0}, {flat(255), 10}};
    const ItemList items = encode(frames, 20);
    // 700 ticks at 70 Hz between the two pictures: 255 + 255 + 190.
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(payloadValue(items[1]) + payloadValue(items[2]) + payloadValue(items[3]), 700);
    EXPECT_EQ(buildTimeline(items, {}).durationTicks(), 1400);
}

TEST(EncodeOptionsCheck, RefusesWhatCannotKeepTimeNamingIt)
{
    const auto refusalOf = [](auto change) {
        EncodeOptions options;
        change(options);
        const std::optional<Notice> refusal = checkEncodeOptions(options);
        return refusal ? refusal->text : std::string("no refusal");
    };
    EXPECT_EQ(refusalOf([](EncodeOptions &o) { o.timing.pauseMultiplier = 0; }),
              rangeRefusal("The pause multiplier", kPauseMultiplierRange, 0).value() + ".");
    EXPECT_EQ(refusalOf([](EncodeOptions &o) { o.timing.tickRate = -1; }),
              rangeRefusal("The tick rate", kTickRateRange, -1).value() + ".");
    EXPECT_EQ(refusalOf([](EncodeOptions &o) { o.quality = 101; }),
              rangeRefusal("The quality", kQualityRange, 101).value() + ".");
    EXPECT_EQ(refusalOf([](EncodeOptions &) {}), "no refusal");

    const auto encodedRefusal = [](const std::vector<MovieFrame> &frames) {
        const auto items = encodeMovie(frames, 1, mainPalette(), {});
        return items ? std::string("no refusal") : items.error().text;
    };
    EXPECT_EQ(encodedRefusal({}), "The movie holds no pictures.");
    EXPECT_EQ(encodedRefusal({MovieFrame{Rgb(kFrameSize - 1), 0.0}}),
              "A picture of the movie is not 320 x 200.");
}

TEST(EncodeStill, PicturesThatChangeNothingBecomeOnePause)
{
    std::vector<MovieFrame> frames;
    for (int i = 0; i < 25; ++i)
        frames.push_back({flat(90), i / 25.0});
    const ItemList items = encode(frames, 1.0);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_TRUE(items[0].isImage());
    EXPECT_EQ(payloadValue(items[1]), 70);
    EXPECT_EQ(items[2].Code, kCodeEnd);
}

TEST(EncodeStill, AStillUnderHeavyGrainIsStoredAboutOnce)
{
    // A smooth picture under grain as strong as a film's, new in every picture and every
    // component: left in, it would be stored again and again.
    std::mt19937 random(3);
    std::uniform_int_distribution<int> grain(-14, 14);
    std::vector<MovieFrame> frames;
    for (int i = 0; i < 50; ++i) {
        Rgb rgb(kFrameSize);
        for (int at = 0; at < kFrameSize; ++at) {
            const int x = at % kFrameWidth, y = at / kFrameWidth;
            const auto component = [&](int level) {
                return std::uint8_t(std::clamp(level + grain(random), 0, 255));
            };
            rgb[std::size_t(at)] =
                    colorFromRgb(component(40 + x / 2), component(60 + y / 2), component(120));
        }
        frames.push_back({rgb, i / 25.0});
    }
    const ItemList items = encode(frames, 2.0);
    const std::size_t bytes = writeAnimation(items)->size();
    const std::size_t first = writeAnimation({items.front(), makeEndItem()})->size();
    // The grain settles within half a second; stored, it takes some 25 first images' worth.
    EXPECT_LT(bytes, first * 5) << bytes << " bytes, the first image alone " << first;
}

TEST(EncodeStill, StillAreasKeepTheirIndicesThroughNoise)
{
    // A noisy photograph with a square moving across its top: every picture differs a little
    // everywhere, as a movie's do.
    std::vector<MovieFrame> frames;
    for (int i = 0; i < 50; ++i) {
        Rgb rgb = photograph(unsigned(i));
        paintSquare(rgb, 10 + 2 * i);
        frames.push_back({rgb, i / 25.0});
    }
    const ItemList items = encode(frames, 2.0);
    const auto images = imagesOf(items);
    ASSERT_GE(images.size(), 40u);
    // Below the square's rows nothing moves. The first pictures' noise settles within half a
    // second (the screen is brought nearer to the photograph where the first dithering of the
    // noisy picture left it off); after that, hardly a still pixel changes.
    constexpr int kStillPixels = kFrameSize - 80 * kFrameWidth;
    for (std::size_t k = 13; k < images.size(); ++k) {
        int moved = 0;
        for (int at = 80 * kFrameWidth; at < kFrameSize; ++at)
            moved += images[k]->Pixels[std::size_t(at)] != images[k - 1]->Pixels[std::size_t(at)];
        EXPECT_LT(moved, kStillPixels / 500) << "image " << k;
    }

    // Dithering each picture on its own stores nearly all of every one of them.
    ItemList dithered;
    std::vector<std::uint8_t> previous;
    for (const MovieFrame &frame : frames) {
        QImage picture(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
        for (int at = 0; at < kFrameSize; ++at) {
            const std::uint32_t c = frame.rgb[std::size_t(at)];
            picture.setPixel(at % kFrameWidth, at / kFrameWidth,
                             qRgb(redOf(c), greenOf(c), blueOf(c)));
        }
        MatchOptions dither;
        dither.method = MatchMethod::FloydSteinberg;
        previous = matchImage(picture, mainPalette(), previous, dither)->pixels;
        dithered.push_back(makeImageItem(PixelBuffer(previous)));
    }
    const std::size_t ours = writeAnimation(items)->size();
    const std::size_t theirs = writeAnimation(dithered)->size();
    EXPECT_LT(ours * 20, theirs) << ours << " bytes against " << theirs;
}

TEST(EncodeFade, IsFollowedToItsEnd)
{
    // Two seconds from dark to light grey, then still for longer than a pixel may stay stale.
    std::vector<MovieFrame> frames;
    for (int i = 0; i <= 150; ++i)
        frames.push_back({flat(40 + std::min(i, 50) * 160 / 50), i / 25.0});
    for (const int quality : {0, 75}) {
        EncodeOptions options;
        options.quality = quality;
        const ItemList items = encode(frames, 6.0, options);
        const auto images = imagesOf(items);
        ASSERT_GE(images.size(), 3u);
        // The screen ends on the dithered last picture, every pixel of it.
        const PaletteColors palette = mainPalette();
        PatternDither dither(palette);
        const AnimItem &last = *images.back();
        for (int at = 0; at < kFrameSize; ++at) {
            ASSERT_EQ(last.Pixels[std::size_t(at)],
                      dither.index(colorFromRgb(200, 200, 200), at % 320, at / 320))
                    << "quality " << quality << ", pixel " << at;
        }
        // And it does not lag behind on the way: halfway, the screen is about as light as the
        // picture (in the mean over the screen).
        const Timeline timeline = buildTimeline(items, {});
        const ScreenState halfway = timeline.screenAt(70);
        double sum = 0;
        for (const std::uint8_t index : items[std::size_t(halfway.image)].Pixels)
            sum += greenOf(palette[index]);
        EXPECT_NEAR(sum / kFrameSize, 120, 40) << "quality " << quality;
    }
}

namespace {

// `count` pictures of a photograph, a codec's noise on each, that fade out linearly over
// `fadeFrames` pictures from the 26th on, then stay black.
std::vector<MovieFrame> fadingOut(int count, int fadeFrames)
{
    std::vector<MovieFrame> frames;
    const Rgb picture = photograph(1);
    for (int i = 0; i < count; ++i) {
        const double brightness = std::clamp(1.0 - (i - 25) / double(fadeFrames), 0.0, 1.0);
        const Rgb noisy = photograph(unsigned(i) + 2);
        Rgb rgb(kFrameSize);
        for (std::size_t at = 0; at < rgb.size(); ++at) {
            const auto scaled = [&](std::uint8_t clean, std::uint8_t seen) {
                return std::uint8_t(
                        std::clamp(int(std::lround(brightness * (clean + seen) / 2)), 0, 255));
            };
            rgb[at] = colorFromRgb(scaled(redOf(picture[at]), redOf(noisy[at])),
                                   scaled(greenOf(picture[at]), greenOf(noisy[at])),
                                   scaled(blueOf(picture[at]), blueOf(noisy[at])));
        }
        frames.push_back({rgb, i / 25.0});
    }
    return frames;
}

bool holdsFadeOut(const ItemList &items)
{
    return std::any_of(items.begin(), items.end(),
                       [](const AnimItem &item) { return item.Code == makeFadeOutItem().Code; });
}

} // namespace

TEST(EncodeFade, AnEndingFadeToBlackEndsWithTheGamesFadeOut)
{
    // A second of a photograph, a second of it fading to black, half a second of black.
    std::vector<MovieFrame> frames = fadingOut(62, 25);
    const ItemList items = encode(frames, 62 / 25.0);
    const Timeline timeline = buildTimeline(items, {});
    EXPECT_EQ(timeline.durationTicks(), 174) << "the movie's length to the tick";
    const auto fade = std::find_if(items.begin(), items.end(), [](const AnimItem &item) {
        return item.Code == makeFadeOutItem().Code;
    });
    ASSERT_NE(fade, items.end());
    // Black when the movie is (2 s, tick 140) or a step before; the fade's last 30 ticks are
    // the game's, the darkening before them the movie's own pictures.
    EXPECT_EQ(timeline.screenAt(140).fadeLevel, 0);
    Tick start = 0;
    while (start < 140 && timeline.screenAt(start).fadeLevel == kFullFadeLevel)
        ++start;
    EXPECT_GE(start, 105);
    EXPECT_LE(start, 111);
    EXPECT_TRUE(
            std::none_of(fade, items.end(), [](const AnimItem &item) { return item.isImage(); }));
    double sum = 0;
    for (const std::uint8_t index : items[std::size_t(timeline.screenAt(start - 1).image)].Pixels)
        sum += greenOf(mainPalette()[index]);
    const double brightness = 1.0 - ((start - 1) / 70.0 * 25 - 25) / 25;
    EXPECT_NEAR(sum / kFrameSize, 127 * brightness, 12) << "as dark as the movie there";

    // A darkening that stops short of black is the movie's own to its end.
    frames.resize(45);
    const ItemList dimmed = encode(frames, 2.0);
    EXPECT_FALSE(holdsFadeOut(dimmed));
    EXPECT_EQ(buildTimeline(dimmed, {}).durationTicks(), 140);

    // A slower fade that ends with the movie: its last pictures are nearly black, not quite.
    const ItemList ending = encode(fadingOut(75, 50), 3.0);
    EXPECT_TRUE(holdsFadeOut(ending));
    EXPECT_EQ(buildTimeline(ending, {}).durationTicks(), 210);
}
