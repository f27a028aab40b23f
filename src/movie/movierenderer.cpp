// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movierenderer.h"

#include "document/paths.h"
#include "document/soundname.h"
#include "moviewriter.h"
#include "sound/soundclip.h"
#include "soundmix.h"

#include <map>
#include <optional>

namespace tessa {

namespace {

// The cues' sounds, each file read once; the ones that cannot be read are named in `warnings`.
MovieAudio soundTrack(const Timeline &timeline, const MovieRequest &request,
                      std::vector<std::string> &warnings)
{
    std::map<std::int32_t, std::optional<SoundClip>> clips;
    std::vector<PlacedSound> placed;
    for (const SoundCue &cue : timeline.soundCues()) {
        auto found = clips.find(cue.number);
        if (found == clips.end()) {
            std::optional<SoundClip> clip;
            const auto name = formatSoundName(request.soundPattern, cue.number);
            if (!name) {
                warnings.push_back(name.error().text);
            } else {
                auto loaded = loadSoundClip(joinPath(request.soundFolder, *name));
                if (loaded)
                    clip = std::move(*loaded);
                else
                    warnings.push_back("Sound " + std::to_string(cue.number)
                                       + " is left out: " + loaded.error().text);
            }
            found = clips.emplace(cue.number, std::move(clip)).first;
        }
        if (found->second)
            placed.push_back({timeline.seconds(cue.tick), found->second->sampleRate,
                              found->second->channels, found->second->samples});
    }
    return mixSounds(placed, timeline.seconds(timeline.durationTicks()));
}

} // namespace

Expected<MovieReport, Notice> renderMovie(const std::string &path, const ItemList &items,
                                          const MovieRequest &request,
                                          const MovieProgress &progress)
{
    const auto format = movieFormatFor(path);
    if (!format)
        return Unexpected{format.error()};
    const int count = static_cast<int>(items.size());
    if (request.fromLine < 0 || request.fromLine >= count)
        return Unexpected{movieFailure("There is no line " + std::to_string(request.fromLine + 1)
                                       + " to start from: the animation has "
                                       + std::to_string(count) + " lines.")};
    if (request.toLine >= 0 && request.toLine < request.fromLine)
        return Unexpected{movieFailure("The last line comes before the first.")};
    const bool wantSound = !request.soundFolder.empty() && !request.soundPattern.empty();
    if (wantSound) {
        if (auto checked = checkSoundPattern(request.soundPattern); !checked)
            return Unexpected{checked.error()};
    }

    const Timeline timeline =
            buildTimeline(items, request.timing, request.fromLine, request.toLine);
    MovieReport report;
    report.ticks = timeline.durationTicks();
    report.seconds = timeline.seconds(report.ticks);

    MovieOptions options;
    options.frameRate = timeline.tickRate();
    options.scale = request.scale;
    options.aspect43 = request.aspect43;
    if (wantSound) {
        if (*format == MovieFormat::WebM || *format == MovieFormat::Mp4)
            options.audio = soundTrack(timeline, request, report.warnings);
        else if (!timeline.soundCues().empty())
            report.warnings.push_back("This kind of movie has no sound track: the sounds are "
                                      "left out.");
    }
    auto writer = openMovieWriter(path, options);
    if (!writer)
        return Unexpected{writer.error()};

    const std::vector<std::uint8_t> blackFrame(kFrameSize, 0);
    std::map<int, PaletteColors> faded;
    for (const ScreenStep &step : timeline.steps()) {
        // A change at the very end is never seen.
        if (step.tick >= report.ticks && report.screens > 0)
            break;
        const ScreenState &screen = step.screen;
        const bool haveImage = screen.image >= 0 && screen.image < count
                               && items[std::size_t(screen.image)].Pixels.size() == kFrameSize;
        auto colors = faded.find(haveImage ? screen.fadeLevel : 0);
        if (colors == faded.end())
            colors = faded.emplace(haveImage ? screen.fadeLevel : 0,
                                   fadedPalette(request.colors, haveImage ? screen.fadeLevel : 0))
                             .first;
        const std::span<const std::uint8_t> pixels =
                haveImage ? std::span<const std::uint8_t>(items[std::size_t(screen.image)].Pixels)
                          : std::span<const std::uint8_t>(blackFrame);
        if (auto added = (*writer)->addScreen(pixels, colors->second, timeline.seconds(step.tick));
            !added)
            return Unexpected{added.error()};
        ++report.screens;
        if (progress && !progress(step.tick, report.ticks)) {
            report.cancelled = true;
            return report;
        }
    }
    if (auto finished = (*writer)->finish(report.seconds); !finished)
        return Unexpected{finished.error()};
    if (progress)
        progress(report.ticks, report.ticks);
    return report;
}

} // namespace tessa
