// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "document/animfile.h"
#include "encode/movieencoder.h"
#include "encode/moviefit.h"
#include "encode/moviesource.h"

#include <QThreadPool>

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

Unexpected<Notice> refused(const std::string &text)
{
    return Unexpected{Notice::failure("Error", text)};
}

} // namespace

CommandResult encodeCommand(const std::string &moviePath, const std::string &outPath,
                            const EncodeChoices &choices)
{
    // Qt scales large pictures on the threads of its pool. They are ended before the command
    // returns, so that no thread of this module is left running while tessanim exits.
    struct PoolThreadsEnded
    {
        ~PoolThreadsEnded() { QThreadPool::globalInstance()->waitForDone(); }
    } poolThreadsEnded;
    const auto colors = choosePalette(choices.palette);
    if (!colors)
        return Unexpected{colors.error()};
    const auto fit = movieFitNamed(choices.fit);
    if (!fit)
        return refused("--fit takes crop, pad or stretch, not \"" + choices.fit + "\".");
    const EncodeOptions options{choices.quality, {choices.tickRate, choices.pauseMultiplier}};
    if (const auto refusal = checkEncodeOptions(options))
        return Unexpected{*refusal};
    if (!std::isfinite(choices.fps) || choices.fps <= 0)
        return refused("--fps must be a number above 0.");
    if (!std::isfinite(choices.from) || choices.from < 0
        || (choices.to >= 0 && choices.to <= choices.from))
        return refused("--from must be 0 or more, and --to after it.");

    auto source = openMovieSource(moviePath, choices.fps);
    if (!source)
        return Unexpected{source.error()};
    MovieEncoder encoder(*colors, options);
    bool added = false;
    bool stoppedEarly = false;
    // The last picture before --from: it is still on the screen there, unless one starts just then.
    std::optional<SourcePicture> before;
    for (;;) {
        auto picture = (*source)->next();
        if (!picture)
            return Unexpected{picture.error()};
        if (!*picture)
            break;
        const double seconds = (*picture)->seconds;
        if (choices.to >= 0 && seconds >= choices.to) {
            stoppedEarly = true;
            break;
        }
        if (seconds < choices.from) {
            before = std::move(*picture);
            continue;
        }
        if (before && seconds > choices.from) {
            encoder.addFrame(fitMoviePicture(before->image, *fit), 0);
            added = true;
        }
        before.reset();
        encoder.addFrame(fitMoviePicture((*picture)->image, *fit), seconds - choices.from);
        added = true;
    }
    const double movieEnd = stoppedEarly ? choices.to : (*source)->endSeconds();
    const double end = (choices.to >= 0 ? std::min(choices.to, movieEnd) : movieEnd) - choices.from;
    if (before && !added && end > 0) {
        encoder.addFrame(fitMoviePicture(before->image, *fit), 0);
        added = true;
    }
    if (!added)
        return refused("Cannot encode \"" + moviePath + "\": it holds no pictures"
                       + (choices.from > 0 || choices.to >= 0 ? " between --from and --to." : "."));
    return saveAnimation(outPath, encoder.finish(end));
}

} // namespace tessa
