// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "movie/movierenderer.h"
#include "movie/moviewriter.h"
#include "terminal.h"

#include <cstdio>
#include <iostream>

namespace tessa {

CommandResult renderItems(const ItemList &items, const std::string &outPath,
                          const PaletteColors &colors, const RenderChoices &choices,
                          std::ostream &warnings, const std::function<bool()> &goOn)
{
    MovieRequest request;
    request.colors = colors;
    request.timing.tickRate = choices.tickRate;
    request.timing.pauseMultiplier = choices.pauseMultiplier;
    request.fromLine = choices.fromLine - 1;
    request.toLine = choices.toLine > 0 ? choices.toLine - 1 : -1;
    request.scale = choices.scale;
    request.aspect43 = choices.aspect43;
    request.soundFolder = choices.soundFolder;
    request.soundPattern = choices.soundPattern;

    if (choices.dryRun) {
        const auto format = movieFormatFor(outPath);
        if (!format)
            return Unexpected{format.error()};
        if (*format != MovieFormat::Gif)
            return Unexpected{movieFailure("--dry-run tells the size of a GIF only.")};
        const auto estimate = estimateGifSize(items, request);
        if (!estimate)
            return Unexpected{estimate.error()};
        std::cout << outPath << ": " << estimate->bytes << " bytes ("
                  << (estimate->exact ? "exact" : "estimated") << "); nothing written\n";
        return Done{};
    }

    // A percentage on one line that keeps being rewritten, for a person watching; never in a log.
    MovieProgress progress;
    if (isTerminal(stderr)) {
        progress = [last = -1, &goOn](Tick done, Tick total) mutable {
            const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 100;
            if (percent != last) {
                last = percent;
                std::fprintf(stderr, "\rRendering: %3d%%", percent);
                if (percent == 100)
                    std::fputc('\n', stderr);
            }
            return !goOn || goOn();
        };
    } else if (goOn) {
        progress = [&goOn](Tick, Tick) { return goOn(); };
    }
    const auto rendered = renderMovie(outPath, items, request, progress);
    if (!rendered)
        return Unexpected{rendered.error()};
    for (const std::string &warning : rendered->warnings)
        warnings << "Warning: " << warning << '\n';
    return Done{};
}

} // namespace tessa
