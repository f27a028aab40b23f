// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodemoviefile.h"

#include "document/animfile.h"
#include "moviesource.h"
#include "settings/numberranges.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// A quality search ends once the best quality that fits is known to within this.
constexpr int kQualityTolerance = 3;
// The passes a search takes at most: the highest quality, the lowest, then halving the rest.
constexpr int kMostSearchPasses = 2 + 6;

// Reports `done` of one pass as part of the whole work.
EncodeProgress partOf(const EncodeProgress &progress, int pass, int passes)
{
    if (!progress)
        return {};
    return [&progress, pass, passes](double done) {
        return progress((pass + std::clamp(done, 0.0, 1.0)) / passes);
    };
}

} // namespace

std::optional<Notice> checkMovieInput(const MovieInput &input)
{
    if (const auto refusal =
                rangeRefusal("The pictures a second", kPicturesPerSecondRange, input.fps))
        return Notice::info(*refusal + ".");
    if (const auto refusal = rangeRefusal("The start", kMovieSecondsRange, input.from))
        return Notice::info(*refusal + " seconds.");
    if (input.to >= 0 || !std::isfinite(input.to)) {
        if (const auto refusal = rangeRefusal("The end", kMovieSecondsRange, input.to))
            return Notice::info(*refusal + " seconds.");
        if (input.to <= input.from)
            return Notice::info(
                    Phrase(TESSA_WORDS("tessa::Notice", "The end must come after the start.")));
    }
    return std::nullopt;
}

Notice movieStoppedNotice()
{
    return Notice::info("The movie was not encoded: it was stopped.");
}

Expected<ItemList, Notice> encodeMovieFile(const std::string &path, const MovieInput &input,
                                           const PaletteColors &palette,
                                           const EncodeOptions &options,
                                           const EncodeProgress &progress)
{
    if (const auto refusal = checkEncodeOptions(options))
        return Unexpected{*refusal};
    if (const auto refusal = checkMovieInput(input))
        return Unexpected{*refusal};
    auto source = openMovieSource(path, input.fps);
    if (!source)
        return Unexpected{source.error()};
    const double duration = (*source)->durationSeconds();
    const double until =
            input.to >= 0 && (duration <= 0 || input.to < duration) ? input.to : duration;

    MovieEncoder encoder(palette, options);
    bool added = false;
    bool stoppedEarly = false;
    // The last picture before `from`: still on the screen there, unless one starts just then.
    std::optional<SourcePicture> before;
    for (;;) {
        auto picture = (*source)->next();
        if (!picture)
            return Unexpected{picture.error()};
        if (!*picture)
            break;
        const double seconds = (*picture)->seconds;
        if (input.to >= 0 && seconds >= input.to) {
            stoppedEarly = true;
            break;
        }
        if (progress && until > input.from
            && !progress((seconds - input.from) / (until - input.from)))
            return Unexpected{movieStoppedNotice()};
        if (seconds < input.from) {
            before = std::move(*picture);
            continue;
        }
        if (before && seconds > input.from) {
            encoder.addFrame(fitMoviePicture(before->image, input.fit), 0);
            added = true;
        }
        before.reset();
        encoder.addFrame(fitMoviePicture((*picture)->image, input.fit), seconds - input.from);
        added = true;
    }
    const double movieEnd = stoppedEarly ? input.to : (*source)->endSeconds();
    const double end = (input.to >= 0 ? std::min(input.to, movieEnd) : movieEnd) - input.from;
    if (before && !added && end > 0) {
        encoder.addFrame(fitMoviePicture(before->image, input.fit), 0);
        added = true;
    }
    if (!added) {
        const bool part = input.from > 0 || input.to >= 0;
        return Unexpected{movieSourceRefusal(
                path,
                part ? Phrase(TESSA_WORDS("tessa::Notice", "it holds no pictures in that part."))
                     : Phrase(TESSA_WORDS("tessa::Notice", "it holds no pictures.")))};
    }
    if (progress && !progress(1.0))
        return Unexpected{movieStoppedNotice()};
    return encoder.finish(end);
}

std::size_t movieFileBytes(const ItemList &items)
{
    const auto bytes = writeAnimation(items);
    return bytes ? bytes->size() : 0;
}

int qualitySearchPasses(int quality)
{
    // The highest quality, the lowest, then the halving below, keeping the larger half each time
    // (which half it keeps changes the steps by one at most).
    int passes = 2;
    for (int width = quality; width > kQualityTolerance; ++passes)
        width = (width + 1) / 2;
    return std::min(passes, kMostSearchPasses);
}

Expected<ItemList, Notice> encodeMovieWithin(const std::string &path, const MovieInput &input,
                                             const PaletteColors &palette,
                                             const EncodeOptions &options, std::size_t maxBytes,
                                             const EncodeProgress &progress,
                                             const MovieBytes &bytesOf)
{
    if (maxBytes == 0)
        return encodeMovieFile(path, input, palette, options, progress);
    const MovieBytes &counted = bytesOf ? bytesOf : MovieBytes(movieFileBytes);
    int pass = 0;
    const auto encodeAt = [&](int quality) -> Expected<std::pair<ItemList, std::size_t>, Notice> {
        EncodeOptions at = options;
        at.quality = quality;
        auto items = encodeMovieFile(path, input, palette, at,
                                     partOf(progress, pass++, kMostSearchPasses));
        if (!items)
            return Unexpected{items.error()};
        const std::size_t bytes = counted(*items);
        return std::pair{std::move(*items), bytes};
    };

    // The file shrinks as the quality falls: the best that fits lies between one that fits and
    // one that does not, which halving narrows down.
    auto best = encodeAt(options.quality);
    if (!best)
        return Unexpected{best.error()};
    if (best->second <= maxBytes)
        return std::move(best->first);
    int fits = 0;
    int tooLarge = options.quality;
    best = encodeAt(fits);
    if (!best)
        return Unexpected{best.error()};
    if (best->second > maxBytes)
        return Unexpected{Notice::info(Phrase(
                TESSA_WORDS("tessa::Notice",
                            "The movie does not fit in %1 bytes: at the lowest quality its "
                            "animation takes %2 bytes. Take a shorter part of it, or allow more."),
                {Phrase::number(maxBytes), Phrase::number(best->second)}))};
    while (tooLarge - fits > kQualityTolerance) {
        const int middle = (fits + tooLarge) / 2;
        auto tried = encodeAt(middle);
        if (!tried)
            return Unexpected{tried.error()};
        if (tried->second <= maxBytes) {
            fits = middle;
            best = std::move(tried);
        } else {
            tooLarge = middle;
        }
    }
    if (progress && !progress(1.0))
        return Unexpected{movieStoppedNotice()};
    return std::move(best->first);
}

} // namespace tessa
