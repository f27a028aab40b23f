// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movierenderer.h"

#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/paths.h"
#include "document/soundname.h"
#include "gifwriter.h"
#include "moviewriter.h"
#include "sound/soundclip.h"
#include "soundmix.h"

#include <filesystem>
#include <map>
#include <optional>

namespace tessa {

namespace {

constexpr const char *kSoundsLeftOut =
        "This kind of movie has no sound track: the sounds are left out.";

// A movie cannot be written into a folder that is not there: said before any work, naming the
// folder as the user wrote it (not the file the writer would have made inside it).
std::optional<Notice> missingFolderOf(const std::string &path)
{
    const std::filesystem::path folder = pathFromText(path).parent_path();
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error))
        return std::nullopt;
    return movieFailure(IoError{IoError::Action::Write, path,
                                "the folder \"" + textFromPath(folder) + "\" does not exist"}
                                .text());
}

bool hasSoundTrack(MovieFormat format)
{
    return format == MovieFormat::WebM || format == MovieFormat::Mp4;
}

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

// Refuses lines that are not there and a bad sound pattern.
Expected<Done, Notice> checkRequest(const ItemList &items, const MovieRequest &request)
{
    const int count = static_cast<int>(items.size());
    if (request.fromLine < 0 || request.fromLine >= count)
        return Unexpected{movieFailure("There is no line " + std::to_string(request.fromLine + 1)
                                       + " to start from: the animation has "
                                       + std::to_string(count) + " lines.")};
    if (request.toLine >= 0 && request.toLine < request.fromLine)
        return Unexpected{movieFailure("The last line comes before the first.")};
    if (!request.soundFolder.empty() && !request.soundPattern.empty()) {
        if (auto checked = checkSoundPattern(request.soundPattern); !checked)
            return Unexpected{checked.error()};
    }
    return Done{};
}

// Every 4th pixel of each picture the timeline shows, counted once a picture.
std::array<std::uint64_t, 256> colourUse(const Timeline &timeline, const ItemList &items)
{
    std::array<std::uint64_t, 256> use{};
    std::vector<bool> counted(items.size());
    for (const ScreenStep &step : timeline.steps()) {
        const int image = step.screen.image;
        if (image < 0 || std::size_t(image) >= items.size() || counted[std::size_t(image)])
            continue;
        counted[std::size_t(image)] = true;
        const PixelBuffer &pixels = items[std::size_t(image)].Pixels;
        for (std::size_t at = 0; at < pixels.size(); at += 4)
            ++use[pixels[at]];
    }
    return use;
}

// `items` is given for a GIF only, whose global table is ordered by how much each colour is seen.
MovieOptions movieOptions(const Timeline &timeline, const MovieRequest &request,
                          const ItemList *items = nullptr)
{
    MovieOptions options;
    options.frameRate = timeline.tickRate();
    options.scale = request.scale;
    options.aspect43 = request.aspect43;
    options.palette = fadedPalette(request.colors, kFullFadeLevel);
    if (items)
        options.colourUse = colourUse(timeline, *items);
    return options;
}

// Hands the writer the screens of `timeline` (at most `limit` of them, 0: all), each with its
// palette; returns the tick the screens handed over end at, or nothing when `progress` said stop.
Expected<std::optional<Tick>, Notice>
playScreens(MovieWriter &writer, const Timeline &timeline, const ItemList &items,
            const MovieRequest &request, const MovieProgress &progress, int limit, int &screens)
{
    const int count = static_cast<int>(items.size());
    const Tick end = timeline.durationTicks();
    const std::vector<std::uint8_t> blackFrame(kFrameSize, 0);
    std::map<int, PaletteColors> faded;
    for (const ScreenStep &step : timeline.steps()) {
        // A change at the very end is never seen.
        if (step.tick >= end && screens > 0)
            break;
        if (limit > 0 && screens == limit)
            return std::optional<Tick>(step.tick);
        const ScreenState &screen = step.screen;
        const bool haveImage = screen.image >= 0 && screen.image < count
                               && items[std::size_t(screen.image)].Pixels.size() == kFrameSize;
        const int level = haveImage ? screen.fadeLevel : 0;
        auto colors = faded.find(level);
        if (colors == faded.end())
            colors = faded.emplace(level, fadedPalette(request.colors, level)).first;
        const std::span<const std::uint8_t> pixels =
                haveImage ? std::span<const std::uint8_t>(items[std::size_t(screen.image)].Pixels)
                          : std::span<const std::uint8_t>(blackFrame);
        if (auto added = writer.addScreen(pixels, colors->second, timeline.seconds(step.tick));
            !added)
            return Unexpected{added.error()};
        ++screens;
        if (progress && !progress(step.tick, end))
            return std::optional<Tick>();
    }
    return std::optional<Tick>(end);
}

} // namespace

Expected<MovieReport, Notice> renderMovie(const std::string &path, const ItemList &items,
                                          const MovieRequest &request,
                                          const MovieProgress &progress)
{
    const auto format = movieFormatFor(path);
    if (!format)
        return Unexpected{format.error()};
    if (auto checked = checkRequest(items, request); !checked)
        return Unexpected{checked.error()};
    if (auto missing = missingFolderOf(path))
        return Unexpected{std::move(*missing)};
    const bool wantSound = !request.soundFolder.empty() && !request.soundPattern.empty();

    const Timeline timeline =
            buildTimeline(items, request.timing, request.fromLine, request.toLine);
    MovieReport report;
    report.ticks = timeline.durationTicks();
    report.seconds = timeline.seconds(report.ticks);

    MovieOptions options =
            movieOptions(timeline, request, *format == MovieFormat::Gif ? &items : nullptr);
    if (wantSound && hasSoundTrack(*format))
        options.audio = soundTrack(timeline, request, report.warnings);
    else if (wantSound && !timeline.soundCues().empty())
        report.warnings.push_back(kSoundsLeftOut);
    auto writer = openMovieWriter(path, options);
    if (!writer)
        return Unexpected{writer.error()};
    const auto played =
            playScreens(**writer, timeline, items, request, progress, 0, report.screens);
    if (!played)
        return Unexpected{played.error()};
    if (!*played) {
        report.cancelled = true;
        return report;
    }
    if (auto finished = (*writer)->finish(report.seconds); !finished)
        return Unexpected{finished.error()};
    if (progress)
        progress(report.ticks, report.ticks);
    return report;
}

std::optional<std::string> soundsLeftOutWarning(const std::string &path, const ItemList &items,
                                                const MovieRequest &request)
{
    const auto format = movieFormatFor(path);
    if (!format || hasSoundTrack(*format) || request.soundFolder.empty()
        || request.soundPattern.empty() || !checkRequest(items, request))
        return std::nullopt;
    const Timeline timeline =
            buildTimeline(items, request.timing, request.fromLine, request.toLine);
    if (timeline.soundCues().empty())
        return std::nullopt;
    return std::string(kSoundsLeftOut);
}

Expected<GifSizeEstimate, Notice> estimateGifSize(const ItemList &items,
                                                  const MovieRequest &request, int sampleScreens)
{
    if (auto checked = checkRequest(items, request); !checked)
        return Unexpected{checked.error()};
    const Timeline timeline =
            buildTimeline(items, request.timing, request.fromLine, request.toLine);
    GifWriter counter({}, movieOptions(timeline, request, &items));
    int screens = 0;
    const auto played = playScreens(counter, timeline, items, request, {}, sampleScreens, screens);
    if (!played)
        return Unexpected{played.error()};
    const Tick sampled = **played;
    if (auto finished = counter.finish(timeline.seconds(sampled)); !finished)
        return Unexpected{finished.error()};
    GifSizeEstimate estimate;
    estimate.bytes = counter.bytesWritten();
    estimate.exact = sampled >= timeline.durationTicks();
    estimate.sampledSeconds = timeline.seconds(sampled);
    if (!estimate.exact && sampled > 0)
        estimate.bytes = static_cast<std::uint64_t>(
                double(estimate.bytes) * double(timeline.durationTicks()) / double(sampled));
    return estimate;
}

} // namespace tessa
