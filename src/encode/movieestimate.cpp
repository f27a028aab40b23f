// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieestimate.h"

#include "document/itemcost.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tessa {

namespace {

// A longer part is estimated from this many samples of this length, at its start, middle and end.
constexpr int kSamples = 3;
constexpr double kSampleSeconds = 2.0;
// Each sample is encoded from this long before it, and what that lead-in costs is left out: a
// part encoded from its start has no stale pixels yet to catch up with, and would cost less a
// second than the same seconds amid the movie.
constexpr double kLeadSeconds = 1.0;
// How far a sampled size may lie above what the part takes: a scene cut within a sample stands
// for more of the movie than its own moment. A limit within this of the lowest quality's sampled
// size is tried by the import rather than refused.
constexpr double kSampledMargin = 0.25;

struct Sized
{
    std::size_t bytes = 0;
    double encodedSeconds = 0;
    bool exact = false;
};

// What the lines of `items` (a sample's, ending with End) that play from `leadSeconds` on cost,
// and how many seconds they play.
std::pair<std::size_t, double> costAfter(const ItemList &items, double leadSeconds,
                                         const TimingSettings &timing)
{
    const double secondsPerUnit = timing.pauseMultiplier / timing.tickRate;
    double seconds = 0;
    std::size_t bytes = 0;
    double counted = 0;
    for (int line = 0; line < int(items.size()); ++line) {
        const AnimItem &item = items[std::size_t(line)];
        if (item.Code == kCodeEnd)
            break;
        if (seconds >= leadSeconds)
            bytes += itemCost(items, line).bytes;
        if (item.Code == kCodePause) {
            const double lasts = payloadValue(item) * secondsPerUnit;
            if (seconds >= leadSeconds)
                counted += lasts;
            seconds += lasts;
        }
    }
    return {bytes, counted};
}

// The bytes of the part at `quality`. The part's first picture is stored whole; what the others
// cost a second is taken from the samples.
Expected<Sized, Notice> sizeAt(const std::string &path, const MovieInput &input, double length,
                               const PaletteColors &palette, EncodeOptions options, int quality,
                               const MovieBytes &bytes)
{
    options.quality = quality;
    if (length <= kWholeEstimateSeconds) {
        const auto items = encodeMovieFile(path, input, palette, options);
        if (!items)
            return Unexpected{items.error()};
        return Sized{bytes(*items), length, true};
    }
    constexpr double kSpan = kLeadSeconds + kSampleSeconds;
    std::size_t restBytes = 0;
    double restSeconds = 0;
    std::size_t firstBytes = 0;
    for (int sample = 0; sample < kSamples; ++sample) {
        MovieInput part = input;
        part.from = input.from + (length - kSpan) * sample / (kSamples - 1);
        part.to = part.from + kSpan;
        const auto items = encodeMovieFile(path, part, palette, options);
        if (!items)
            return Unexpected{items.error()};
        if (sample == 0) {
            // The first picture where it goes.
            const std::size_t first = itemCost(*items, 0).bytes;
            firstBytes = bytes(*items) - (movieFileBytes(*items) - first);
        }
        const auto [cost, seconds] = costAfter(*items, kLeadSeconds, options.timing);
        restBytes += cost;
        restSeconds += seconds;
    }
    const double perSecond = restSeconds > 0 ? double(restBytes) / restSeconds : 0;
    return Sized{firstBytes + std::size_t(std::llround(perSecond * length)), kSamples * kSpan,
                 false};
}

} // namespace

Expected<MovieSizeEstimate, Notice> estimateMovieSize(const std::string &path,
                                                      const MovieInput &input, double lengthSeconds,
                                                      const PaletteColors &palette,
                                                      const EncodeOptions &options,
                                                      std::size_t maxBytes, const MovieBytes &bytes)
{
    if (const auto refusal = checkEncodeOptions(options))
        return Unexpected{*refusal};
    if (const auto refusal = checkMovieInput(input))
        return Unexpected{*refusal};
    const MovieBytes counted = bytes ? bytes : MovieBytes(movieFileBytes);
    const double end = input.to >= 0 && (lengthSeconds <= 0 || input.to < lengthSeconds)
                               ? input.to
                               : lengthSeconds;
    // Unknown: encoded whole, as a short part is.
    const double length = end > input.from ? end - input.from : 0;

    const auto chosen = sizeAt(path, input, length, palette, options, options.quality, counted);
    if (!chosen)
        return Unexpected{chosen.error()};
    MovieSizeEstimate estimate;
    estimate.bytes = chosen->bytes;
    estimate.exact = chosen->exact;
    estimate.encodedSeconds = chosen->encodedSeconds;
    estimate.importSeconds = length;
    if (maxBytes == 0 || chosen->bytes <= maxBytes)
        return estimate;

    // The limit is kept at a lower quality, found by encoding the movie a few times over; unless
    // not even the lowest keeps it.
    const auto lowest = sizeAt(path, input, length, palette, options, 0, counted);
    if (!lowest)
        return Unexpected{lowest.error()};
    estimate.encodedSeconds += lowest->encodedSeconds;
    estimate.importSeconds = length * qualitySearchPasses(options.quality);
    const double refusedAbove = double(maxBytes) * (lowest->exact ? 1.0 : 1.0 + kSampledMargin);
    if (double(lowest->bytes) > refusedAbove)
        estimate.lowestQualityBytes = lowest->bytes;
    estimate.bytes = std::min(maxBytes, estimate.bytes);
    return estimate;
}

} // namespace tessa
