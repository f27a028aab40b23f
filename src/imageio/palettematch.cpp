// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettematch.h"

#include "document/animitem.h"
#include "document/framecodec.h"
#include "imaging/bmp.h"
#include "nearestcolor.h"
#include "ordereddither.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>

namespace tessa {

namespace {

std::uint32_t colorOfRgb(QRgb rgb)
{
    return colorFromRgb(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)),
                        std::uint8_t(qBlue(rgb)));
}

std::array<bool, 256> usedIndices(const QImage &image)
{
    std::array<bool, 256> used{};
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            used[row[x]] = true;
    }
    return used;
}

// For each index of the image's table, the palette index with exactly its colour at 6-bit
// precision (its own index first, then the lowest unlocked one); -1 where there is none.
std::array<int, 256> renumbering(const QImage &image, const PaletteColors &palette,
                                 const IndexSet &locked)
{
    std::array<int, 256> to{};
    to.fill(-1);
    const auto used = usedIndices(image);
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        if (!used[std::size_t(i)] || i >= table.size())
            continue;
        const std::uint32_t color = colorOfRgb(table[i]);
        if (!locked[std::size_t(i)] && sameAtSixBits(color, palette[std::size_t(i)])) {
            to[std::size_t(i)] = i;
            continue;
        }
        for (std::size_t j = 0; j < 256; ++j) {
            if (!locked[j] && sameAtSixBits(color, palette[j])) {
                to[std::size_t(i)] = int(j);
                break;
            }
        }
    }
    return to;
}

std::vector<std::uint8_t> indicesOf(const QImage &image)
{
    std::vector<std::uint8_t> pixels(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        std::copy_n(image.constScanLine(y), kFrameWidth, pixels.begin() + y * kFrameWidth);
    return pixels;
}

class Matcher
{
public:
    Matcher(const QImage &rgb, const PaletteColors &palette, std::span<const std::uint8_t> previous,
            const MatchOptions &options)
        : m_rgb(rgb)
        , m_palette(palette)
        , m_previous(previous)
        , m_options(options)
        , m_nearest(palette, options.locked)
    {
    }

    std::vector<std::uint8_t> run();
    int kept() const { return m_kept; }

private:
    // The previous index at `at` when keepClose allows it, else -1.
    int keepable(std::size_t at, QRgb source) const
    {
        if (!m_options.keepClose || m_previous.size() != std::size_t(kFrameSize))
            return -1;
        const std::uint32_t before = m_palette[m_previous[at]];
        const int t = m_options.closeThreshold;
        return squaredDistance(qRed(source), qGreen(source), qBlue(source), redOf(before),
                               greenOf(before), blueOf(before))
                               <= t * t
                       ? m_previous[at]
                       : -1;
    }
    void floydSteinberg(std::vector<std::uint8_t> &out);

    const QImage &m_rgb;
    const PaletteColors &m_palette;
    std::span<const std::uint8_t> m_previous;
    const MatchOptions &m_options;
    NearestColor m_nearest;
    int m_kept = 0;
};

std::vector<std::uint8_t> Matcher::run()
{
    std::vector<std::uint8_t> out(kFrameSize);
    if (m_options.method == MatchMethod::FloydSteinberg) {
        floydSteinberg(out);
        return out;
    }
    for (int y = 0; y < kFrameHeight; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(m_rgb.constScanLine(y));
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::size_t at = std::size_t(y * kFrameWidth + x);
            if (const int keep = keepable(at, row[x]); keep >= 0) {
                out[at] = std::uint8_t(keep);
                ++m_kept;
                continue;
            }
            int offset = 0;
            if (m_options.method == MatchMethod::Ordered)
                offset = orderedDitherOffset(x, y);
            out[at] = m_nearest.nearest(std::clamp(qRed(row[x]) + offset, 0, 255),
                                        std::clamp(qGreen(row[x]) + offset, 0, 255),
                                        std::clamp(qBlue(row[x]) + offset, 0, 255));
        }
    }
    return out;
}

void Matcher::floydSteinberg(std::vector<std::uint8_t> &out)
{
    // Errors in sixteenths, for this row and the next, with a pixel of margin at each end.
    std::vector<std::array<int, 3>> here(kFrameWidth + 2), below(kFrameWidth + 2);
    for (int y = 0; y < kFrameHeight; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(m_rgb.constScanLine(y));
        std::fill(below.begin(), below.end(), std::array<int, 3>{});
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::size_t at = std::size_t(y * kFrameWidth + x);
            const auto &error = here[std::size_t(x + 1)];
            const int want[3] = {std::clamp(qRed(row[x]) + error[0] / 16, 0, 255),
                                 std::clamp(qGreen(row[x]) + error[1] / 16, 0, 255),
                                 std::clamp(qBlue(row[x]) + error[2] / 16, 0, 255)};
            std::uint8_t index = 0;
            if (const int keep = keepable(at, row[x]); keep >= 0) {
                index = std::uint8_t(keep);
                ++m_kept;
            } else {
                index = m_nearest.nearest(want[0], want[1], want[2]);
            }
            out[at] = index;
            const std::uint32_t got = m_palette[index];
            const int diff[3] = {want[0] - redOf(got), want[1] - greenOf(got),
                                 want[2] - blueOf(got)};
            for (std::size_t c = 0; c < 3; ++c) {
                here[std::size_t(x + 2)][c] += diff[c] * 7;
                below[std::size_t(x)][c] += diff[c] * 3;
                below[std::size_t(x + 1)][c] += diff[c] * 5;
                below[std::size_t(x + 2)][c] += diff[c];
            }
        }
        std::swap(here, below);
    }
}

QRgb heatColor(double error)
{
    if (error <= 0)
        return qRgb(0, 0, 0);
    // Dark blue for the smallest errors, through red, at a third of the largest possible one.
    const double share = std::min(1.0, error / 147.0);
    return QColor::fromHsvF(0.66 * (1.0 - share), 1.0, 0.4 + 0.6 * share).rgb();
}

} // namespace

ImportKind classifyImage(const QImage &image, const PaletteColors &palette, const IndexSet &locked)
{
    if (image.format() != QImage::Format_Indexed8)
        return ImportKind::Matching;
    const auto used = usedIndices(image);
    const QList<QRgb> table = image.colorTable();
    bool passes = true;
    for (int i = 0; i < 256 && passes; ++i) {
        if (used[std::size_t(i)])
            passes = i < table.size()
                     && sameAtSixBits(colorOfRgb(table[i]), palette[std::size_t(i)]);
    }
    if (passes)
        return ImportKind::PassThrough;
    const auto to = renumbering(image, palette, locked);
    for (int i = 0; i < 256; ++i) {
        if (used[std::size_t(i)] && to[std::size_t(i)] < 0)
            return ImportKind::Matching;
    }
    return ImportKind::Renumbering;
}

std::optional<std::vector<std::uint8_t>>
takeIndices(const QImage &image, const PaletteColors &palette, const IndexSet &locked)
{
    if (image.width() != kFrameWidth || image.height() != kFrameHeight)
        return std::nullopt;
    const ImportKind kind = classifyImage(image, palette, locked);
    if (kind == ImportKind::Matching)
        return std::nullopt;
    std::vector<std::uint8_t> pixels = indicesOf(image);
    if (kind == ImportKind::Renumbering) {
        const auto to = renumbering(image, palette, locked);
        for (std::uint8_t &index : pixels)
            index = std::uint8_t(to[index]);
    }
    return pixels;
}

MatchFigures measureFrame(const QImage &image, std::span<const std::uint8_t> pixels,
                          const PaletteColors &palette, std::span<const std::uint8_t> previous,
                          int kept, QImage *heatMap)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    MatchFigures figures;
    figures.hasPrevious = previous.size() == std::size_t(kFrameSize);
    figures.keptFromPrevious = kept;
    if (heatMap)
        *heatMap = QImage(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    int largest = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::size_t at = std::size_t(y * kFrameWidth + x);
            const std::uint32_t got = palette[pixels[at]];
            const int distance = squaredDistance(qRed(row[x]), qGreen(row[x]), qBlue(row[x]),
                                                 redOf(got), greenOf(got), blueOf(got));
            largest = std::max(largest, distance);
            if (!sameAtSixBits(colorOfRgb(row[x]), got))
                ++figures.notExact;
            if (figures.hasPrevious && pixels[at] != previous[at])
                ++figures.changedFromPrevious;
            if (heatMap)
                reinterpret_cast<QRgb *>(heatMap->scanLine(y))[x] =
                        heatColor(std::sqrt(double(distance)));
        }
    }
    figures.largestError = std::sqrt(double(largest));
    std::vector<std::uint8_t> stream;
    if (figures.hasPrevious) {
        encodeFrame(pixels, previous, stream);
    } else {
        const std::vector<std::uint8_t> background(kFrameSize, mostFrequentIndex(pixels));
        encodeFrame(pixels, background, stream);
    }
    figures.storedSize = stream.size();
    return figures;
}

Expected<MatchResult, Notice> matchImage(const QImage &image, const PaletteColors &palette,
                                         std::span<const std::uint8_t> previous,
                                         const MatchOptions &options, QSize sizeInFile)
{
    const auto fitted = fitToFrame(image, options.fit, sizeInFile);
    if (!fitted)
        return Unexpected{fitted.error()};
    if (std::all_of(options.locked.begin(), options.locked.end(), [](bool b) { return b; }))
        return Unexpected{Notice::info("Every palette index is locked: no colour is left to "
                                       "match the image with.")};
    if (!previous.empty() && previous.size() != std::size_t(kFrameSize))
        previous = {};

    MatchResult result;
    result.kind = classifyImage(*fitted, palette, options.locked);
    int kept = 0;
    if (result.kind != ImportKind::Matching) {
        result.pixels = *takeIndices(*fitted, palette, options.locked);
    } else {
        const QImage rgb = fitted->convertToFormat(QImage::Format_RGB32);
        Matcher matcher(rgb, palette, previous, options);
        result.pixels = matcher.run();
        kept = matcher.kept();
    }
    result.figures = measureFrame(*fitted, result.pixels, palette, previous, kept,
                                  options.heatMap ? &result.heatMap : nullptr);
    return result;
}

} // namespace tessa
