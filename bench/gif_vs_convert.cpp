// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The GIFs of three animations (the demo, 1,000 frames of sprites moving with fades, and the
// 1,000 rectangle frames of makeDocument), each timed in this one run as a user runs the tools:
// - size: `tessanim render`'s GIF against `gifsicle -O3` run on the same GIF unoptimised (every
//   frame whole with its own colour table, written here through giflib);
// - time: render against ImageMagick's `convert` building a GIF from the BMP files `tessanim
//   export` writes, and against gifsicle's own time.
// Times are processor seconds of the whole commands. Prints one line an animation with the
// ratios. Exits 1 when a GIF is larger than gifsicle's or render of a 1,000-frame animation is
// less than five times faster than convert (the demo has a few dozen frames: starting the
// processes is most of its time), 2 when a tool is missing or fails.
//
// usage: gif_vs_convert [--frames N] [--keep FOLDER]   (FOLDER: where the files stay)
#include "document/animfile.h"
#include "framescenes.h"
#include "imaging/palette.h"
#include "movie/gifcompositor.h"
#include "tempfolder.h"

#include <gif_lib.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>

using namespace tessa;

namespace {

constexpr double kSpeedTarget = 5.0;
constexpr double kSizeTarget = 1.0;

double childSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Processor seconds (user and system, all threads) that `command` took; negative when it failed.
// Processor time rather than the clock's, since the machine is shared while it runs.
double timed(const std::string &command)
{
    const double start = childSeconds();
    const int status = std::system(command.c_str());
    return status == 0 ? childSeconds() - start : -1.0;
}

// Every image followed by a pause of 4 ticks: at 25 ticks a second, 16 hundredths each.
ItemList rectangles(int frames)
{
    ItemList items;
    for (AnimItem &image : test::makeDocument(frames)) {
        if (!image.isImage())
            continue;
        items.push_back(std::move(image));
        items.push_back(makePauseItem(4));
    }
    items.push_back(makeEndItem());
    return items;
}

// Three 16 x 16 sprites crossing a textured background, a pause of 2 ticks a frame, and every
// 200 frames a fade out and in.
ItemList spritesWithFades(int frames)
{
    std::vector<std::uint8_t> back(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            back[std::size_t(y * kFrameWidth + x)] =
                    std::uint8_t(16 + (x / 8 + y / 8) % 4 * 8 + (x * y / 64) % 3);
    ItemList items;
    for (int frame = 0; frame < frames; ++frame) {
        std::vector<std::uint8_t> pixels = back;
        for (int sprite = 0; sprite < 3; ++sprite) {
            const int x = (frame * (2 + sprite) + sprite * 90) % (kFrameWidth - 16);
            const int y = (frame * (1 + sprite) / 2 + sprite * 60) % (kFrameHeight - 16);
            for (int row = 0; row < 16; ++row)
                for (int column = 0; column < 16; ++column)
                    if ((row - 8) * (row - 8) + (column - 8) * (column - 8) < 64)
                        pixels[std::size_t((y + row) * kFrameWidth + x + column)] =
                                std::uint8_t(200 + sprite * 10 + (row + column) % 5);
        }
        items.push_back(makeImageItem(std::move(pixels)));
        items.push_back(makePauseItem(2));
        if (frame % 200 == 199) {
            items.push_back(makeFadeOutItem());
            items.push_back(makeFadeInItem());
        }
    }
    items.push_back(makeEndItem());
    return items;
}

int writeBytes(GifFileType *gif, const GifByteType *data, int length)
{
    return int(std::fwrite(data, 1, std::size_t(length), static_cast<std::FILE *>(gif->UserData)));
}

// `gif` with every frame as a viewer composites it, whole and with its own table: what a plain
// GIF writer makes. False when it cannot be read or written.
bool writeUnoptimised(const std::string &gif, const std::string &out)
{
    const auto shown = test::compositeGif(gif);
    if (!shown)
        return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(out.c_str(), "wb"),
                                                          &std::fclose);
    if (!file)
        return false;
    int error = 0;
    const auto closer = [](GifFileType *gifOut) { EGifCloseFile(gifOut, nullptr); };
    std::unique_ptr<GifFileType, decltype(closer)> put(EGifOpen(file.get(), writeBytes, &error),
                                                       closer);
    const int width = shown->width;
    const int height = shown->height;
    if (!put || EGifPutScreenDesc(put.get(), width, height, 8, 0, nullptr) != GIF_OK)
        return false;
    EGifSetGifVersion(put.get(), true);
    static const GifByteType application[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    EGifPutExtensionLeader(put.get(), APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(put.get(), 11, application);
    EGifPutExtensionBlock(put.get(), 3, loop);
    EGifPutExtensionTrailer(put.get());
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (std::size_t i = 0; i < shown->frames.size(); ++i) {
        const std::vector<std::uint32_t> &canvas = shown->frames[i];
        std::map<std::uint32_t, int> entries;
        for (const std::uint32_t color : canvas)
            entries.emplace(color, 0);
        if (entries.size() > 256)
            return false;
        GifColorType table[256]{};
        int next = 0;
        for (auto &[color, entry] : entries) {
            entry = next;
            table[next++] = {redOf(color), greenOf(color), blueOf(color)};
        }
        ColorMapObject *local = GifMakeMapObject(256, table);
        GraphicsControlBlock whole{};
        whole.DisposalMode = DISPOSE_DO_NOT;
        whole.DelayTime = shown->delays[i];
        whole.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType block[4];
        const int length = int(EGifGCBToExtension(&whole, block));
        bool ok = EGifPutExtension(put.get(), GRAPHICS_EXT_FUNC_CODE, length, block) == GIF_OK
                  && EGifPutImageDesc(put.get(), 0, 0, width, height, false, local) == GIF_OK;
        GifFreeMapObject(local);
        for (int y = 0; y < height && ok; ++y) {
            for (int x = 0; x < width; ++x)
                row[std::size_t(x)] = GifPixelType(entries[canvas[std::size_t(y * width + x)]]);
            ok = EGifPutLine(put.get(), row.data(), width) == GIF_OK;
        }
        if (!ok)
            return false;
    }
    return EGifCloseFile(put.release(), &error) == GIF_OK;
}

struct Result
{
    double renderSeconds = -1, convertSeconds = -1, gifsicleSeconds = -1;
    std::uintmax_t ours = 0, gifsicle = 0;
};

bool measure(const std::string &name, const std::string &animation, const std::string &folder,
             Result &result)
{
    const std::string tool = TESSANIM_PATH;
    const std::string frames = folder + "/" + name + "-frames";
    const std::string ours = folder + "/" + name + ".gif";
    const std::string plain = folder + "/" + name + "-plain.gif";
    const std::string squeezed = folder + "/" + name + "-gifsicle.gif";
    if (std::system((tool + " export " + animation + " " + frames + " >/dev/null").c_str()) != 0)
        return false;
    result.renderSeconds = timed(tool + " render " + animation + " " + ours + " --tick-rate 25");
    // The frames in their list order (their names number the list lines).
    result.convertSeconds = timed("cd " + frames + " && convert -delay 16 -loop 0 $(ls -v *.bmp) "
                                  + folder + "/" + name + "-convert.gif");
    if (result.renderSeconds < 0 || result.convertSeconds < 0 || !writeUnoptimised(ours, plain))
        return false;
    result.gifsicleSeconds = timed("gifsicle -O3 " + plain + " -o " + squeezed + " 2>/dev/null");
    if (result.gifsicleSeconds < 0)
        return false;
    result.ours = std::filesystem::file_size(ours);
    result.gifsicle = std::filesystem::file_size(squeezed);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    int frames = 1000;
    std::string keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--frames")
            frames = std::max(2, std::atoi(argv[i + 1]));
        else if (std::string(argv[i]) == "--keep")
            keep = argv[i + 1];
    }
    for (const char *probe : {"convert -version", "gifsicle --version"}) {
        if (std::system((std::string(probe) + " >/dev/null 2>&1").c_str()) != 0) {
            std::cerr << "not installed: " << probe << '\n';
            return 2;
        }
    }
    test::TempFolder scratch;
    const std::filesystem::path where = keep.empty() ? scratch.path() : std::filesystem::path(keep);
    std::filesystem::create_directories(where);
    const std::string sprites = (where / "SPRITES.QLM").string();
    const std::string boxes = (where / "BENCH.QLM").string();
    if (!saveAnimation(sprites, spritesWithFades(frames))
        || !saveAnimation(boxes, rectangles(frames))) {
        std::cerr << "could not write the animations\n";
        return 2;
    }
    const std::pair<std::string, std::string> animations[] = {
            {"demo", TESSA_DEMO_ANIMATION}, {"sprites", sprites}, {"rectangles", boxes}};
    bool pass = true;
    std::printf("| animation | ours (bytes) | gifsicle -O3 (bytes) | size ratio | render (s) | "
                "convert (s) | speed-up vs convert | gifsicle (s) | speed-up vs gifsicle |\n"
                "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    double worstSpeedup = 1e9;
    for (const auto &[name, path] : animations) {
        Result r;
        if (!measure(name, path, where.string(), r)) {
            std::cerr << "a command failed for " << name << '\n';
            return 2;
        }
        const double size = double(r.ours) / double(r.gifsicle);
        const double speedup = r.convertSeconds / r.renderSeconds;
        if (name != "demo")
            worstSpeedup = std::min(worstSpeedup, speedup);
        pass = pass && size <= kSizeTarget && (name == "demo" || speedup >= kSpeedTarget);
        std::printf("| %s | %ju | %ju | %.3f | %.3f | %.3f | %.1f | %.3f | %.1f |\n", name.c_str(),
                    r.ours, r.gifsicle, size, r.renderSeconds, r.convertSeconds, speedup,
                    r.gifsicleSeconds, r.gifsicleSeconds / r.renderSeconds);
    }
    std::printf("gif: smallest speed-up against convert ratio %.1f (target >= %.0f), sizes at most "
                "gifsicle's: %s\n",
                worstSpeedup, kSpeedTarget, pass ? "pass" : "FAIL");
    return pass ? 0 : 1;
}
