// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookmeasure.h"

#include "imageio/palettematch.h"
#include "timing/timeline.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace tessa::cliptest {

namespace {

using Plane = std::vector<double>;

// A separable Gaussian blur of a frame-sized plane, cut off at `radius`, edges mirrored.
Plane blurred(const Plane &in, double sigma, int radius)
{
    std::vector<double> taps;
    double total = 0;
    for (int i = -radius; i <= radius; ++i)
        total += taps.emplace_back(std::exp(-0.5 * i * i / (sigma * sigma)));
    for (double &tap : taps)
        tap /= total;
    const auto mirror = [](int i, int size) {
        return i < 0 ? -i - 1 : i >= size ? 2 * size - i - 1 : i;
    };
    Plane rows(in.size()), out(in.size());
    std::vector<double> padded(std::size_t(kFrameWidth + 2 * radius));
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = -radius; x < kFrameWidth + radius; ++x)
            padded[std::size_t(x + radius)] =
                    in[std::size_t(y * kFrameWidth + mirror(x, kFrameWidth))];
        for (std::size_t tap = 0; tap < taps.size(); ++tap)
            for (int x = 0; x < kFrameWidth; ++x)
                rows[std::size_t(y * kFrameWidth + x)] += taps[tap] * padded[std::size_t(x) + tap];
    }
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int i = -radius; i <= radius; ++i) {
            const double *source = &rows[std::size_t(mirror(y + i, kFrameHeight) * kFrameWidth)];
            double *target = &out[std::size_t(y * kFrameWidth)];
            for (int x = 0; x < kFrameWidth; ++x)
                target[x] += taps[std::size_t(i + radius)] * source[x];
        }
    }
    return out;
}

Plane blurredLuma(const Picture &rgb)
{
    Plane luma(rgb.size());
    for (std::size_t at = 0; at < rgb.size(); ++at)
        luma[at] = 0.299 * redOf(rgb[at]) + 0.587 * greenOf(rgb[at]) + 0.114 * blueOf(rgb[at]);
    return blurred(luma, 1.0, 4);
}

QImage imageOf(const Picture &rgb)
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    for (int at = 0; at < kFrameSize; ++at) {
        const std::uint32_t c = rgb[std::size_t(at)];
        image.setPixel(at % kFrameWidth, at / kFrameWidth, qRgb(redOf(c), greenOf(c), blueOf(c)));
    }
    return image;
}

std::vector<std::uint8_t> matched(const Picture &rgb, const PaletteColors &palette,
                                  MatchMethod method)
{
    MatchOptions options;
    options.method = method;
    return matchImage(imageOf(rgb), palette, {}, options)->pixels;
}

// Each picture's image, and the pauses that show it from the tick nearest its time, then End.
ItemList timed(const std::vector<std::vector<std::uint8_t>> &images)
{
    ItemList items;
    const double ticksPerPicture = 70 / kClipFps;
    for (std::size_t k = 0; k < images.size(); ++k) {
        items.push_back(makeImageItem(PixelBuffer(images[k])));
        const auto ticks = std::lround(double(k + 1) * ticksPerPicture)
                           - std::lround(double(k) * ticksPerPicture);
        items.push_back(makePauseItem(std::int16_t(ticks)));
    }
    items.push_back(makeEndItem());
    return items;
}

} // namespace

double blurredLumaSsim(const Picture &a, const Picture &b)
{
    constexpr double c1 = 6.5025, c2 = 58.5225;
    const Plane x = blurredLuma(a), y = blurredLuma(b);
    Plane xx(x.size()), yy(x.size()), xy(x.size());
    for (std::size_t at = 0; at < x.size(); ++at) {
        xx[at] = x[at] * x[at];
        yy[at] = y[at] * y[at];
        xy[at] = x[at] * y[at];
    }
    const auto window = [](const Plane &plane) { return blurred(plane, 1.5, 5); };
    const Plane mx = window(x), my = window(y), sxx = window(xx), syy = window(yy),
                sxy = window(xy);
    double sum = 0;
    int count = 0;
    for (int row = 5; row < kFrameHeight - 5; ++row) {
        for (int column = 5; column < kFrameWidth - 5; ++column) {
            const auto at = std::size_t(row * kFrameWidth + column);
            const double vx = sxx[at] - mx[at] * mx[at], vy = syy[at] - my[at] * my[at];
            const double cov = sxy[at] - mx[at] * my[at];
            sum += (2 * mx[at] * my[at] + c1) * (2 * cov + c2)
                   / ((mx[at] * mx[at] + my[at] * my[at] + c1) * (vx + vy + c2));
            ++count;
        }
    }
    return sum / count;
}

std::vector<Picture> screensOf(const ItemList &items, const PaletteColors &palette,
                               const Clip &clip)
{
    const Timeline timeline = buildTimeline(items, {});
    std::vector<Picture> screens;
    for (std::size_t k = 0; k < clip.frames.size(); ++k) {
        const auto tick = Tick(std::floor((double(k) + 0.5) * 70 / kClipFps));
        const ScreenState state = timeline.screenAt(tick);
        const PaletteColors colours = fadedPalette(palette, state.fadeLevel);
        Picture screen(kFrameSize, colorFromRgb(0, 0, 0));
        if (state.image >= 0) {
            const auto &pixels = items[std::size_t(state.image)].Pixels;
            for (std::size_t at = 0; at < screen.size(); ++at)
                screen[at] = colours[pixels[at]];
        }
        screens.push_back(std::move(screen));
    }
    return screens;
}

double lookOf(const std::vector<Picture> &screens, const Clip &clip)
{
    double sum = 0;
    for (std::size_t k = 0; k < screens.size(); ++k)
        sum += blurredLumaSsim(screens[k], clip.clean.empty() ? clip.frames[k].rgb : clip.clean);
    return sum / double(screens.size());
}

ItemList ditheredEachPicture(const Clip &clip, const PaletteColors &palette)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const MovieFrame &frame : clip.frames)
        images.push_back(matched(frame.rgb, palette, MatchMethod::FloydSteinberg));
    return timed(images);
}

ItemList orderedRectangles(const Clip &clip, const PaletteColors &palette)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (std::size_t k = 0; k < clip.frames.size(); ++k) {
        const Picture &rgb = clip.frames[k].rgb;
        std::vector<std::uint8_t> all = matched(rgb, palette, MatchMethod::Ordered);
        if (k > 0) {
            // Only the rectangle around what changed is dithered again.
            const Picture &before = clip.frames[k - 1].rgb;
            int left = kFrameWidth, right = -1, top = kFrameHeight, bottom = -1;
            for (int at = 0; at < kFrameSize; ++at) {
                if (rgb[std::size_t(at)] == before[std::size_t(at)])
                    continue;
                left = std::min(left, at % kFrameWidth);
                right = std::max(right, at % kFrameWidth);
                top = std::min(top, at / kFrameWidth);
                bottom = std::max(bottom, at / kFrameWidth);
            }
            std::vector<std::uint8_t> kept = images.back();
            for (int y = top; y <= bottom; ++y)
                for (int x = left; x <= right; ++x)
                    kept[std::size_t(y * kFrameWidth + x)] = all[std::size_t(y * kFrameWidth + x)];
            all = std::move(kept);
        }
        images.push_back(std::move(all));
    }
    return timed(images);
}

} // namespace tessa::cliptest
