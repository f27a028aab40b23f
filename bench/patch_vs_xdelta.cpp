// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A patch of a 2,000-frame animation with 20 repainted frames: `tessanim diff` and `tessanim
// patch` against xdelta3 (`-e` and `-d`, its defaults) on the same pair, all run as commands in
// this one run. Prints the patch sizes and the times of making and applying, and the ratios
// xdelta3 / tessanim (above 1: tessanim's patch is smaller, or its command faster). Each command
// runs `--runs` times (default 3) and its median time counts. Exits 1 when a target is missed,
// 2 when a tool is missing or fails or a result is not the changed file.
//
// usage: patch_vs_xdelta [--frames N] [--runs N] [--keep FOLDER]   (FOLDER: where the files stay)
#include "document/animfile.h"
#include "framescenes.h"
#include "tempfolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

using namespace tessa;

namespace {

// Targets, as ratios xdelta3 / tessanim: a patch at most 1.25 times the size of xdelta3's (a
// general tool that may copy from anywhere in the original, where the patch copies whole items
// and compresses the rest with zlib's 32 KiB window), made at least twice as fast, applied no
// more than 1.5 times slower (tessanim flushes the file to disk and keeps a .bak; xdelta3 does
// neither).
constexpr double kSizeTarget = 0.8;
constexpr double kDiffTarget = 2.0;
constexpr double kPatchTarget = 0.67;

// The median seconds of `runs` runs of `command`; negative when a run failed.
double timed(const std::string &command, int runs)
{
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            return -1.0;
        seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(seconds.begin(), seconds.begin() + runs / 2, seconds.end());
    return seconds[std::size_t(runs / 2)];
}

std::string quoted(const std::string &path)
{
    return "'" + path + "'";
}

} // namespace

int main(int argc, char **argv)
{
    int frames = 2000;
    int runs = 3;
    std::string keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--frames")
            frames = std::max(2, std::atoi(argv[i + 1]));
        else if (std::string(argv[i]) == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::string(argv[i]) == "--keep")
            keep = argv[i + 1];
    }
    if (std::system("xdelta3 -V >/dev/null 2>&1") != 0) {
        std::cerr << "xdelta3 is not installed\n";
        return 2;
    }
    test::TempFolder scratch;
    const std::filesystem::path where = keep.empty() ? scratch.path() : std::filesystem::path(keep);
    std::filesystem::create_directories(where);
    const auto file = [&](const std::string &name) { return (where / name).string(); };
    const ItemList original = test::makeDocument(frames);
    // 20 frames repainted, spread evenly over the animation.
    std::vector<std::size_t> images;
    for (std::size_t i = 0; i < original.size(); ++i)
        if (original[i].isImage())
            images.push_back(i);
    ItemList changed = original;
    const int repainted = std::min(20, frames);
    for (int k = 0; k < repainted; ++k) {
        const std::size_t at = images[images.size() * std::size_t(k) / std::size_t(repainted)];
        std::vector<std::uint8_t> frame = changed[at].Pixels;
        test::applyScene(test::Scene::Rectangles, frame, std::uint32_t(1000 + at));
        changed[at] = makeImageItem(frame);
    }
    const std::string base = file("EANIM.QLM");
    const std::string target = file("FAN.QLM");
    if (!saveAnimation(base, original) || !saveAnimation(target, changed)) {
        std::cerr << "could not write the animations\n";
        return 2;
    }

    const std::string tool = quoted(TESSANIM_PATH);
    const std::string ours = file("fan.tpatch");
    const std::string theirs = file("fan.vcdiff");
    const double ourDiff =
            timed(tool + " diff " + quoted(base) + " " + quoted(target) + " " + quoted(ours), runs);
    const double theirDiff = timed(
            "xdelta3 -e -f -s " + quoted(base) + " " + quoted(target) + " " + quoted(theirs), runs);
    const double ourPatch = timed(tool + " patch " + quoted(base) + " " + quoted(ours) + " "
                                          + quoted(file("ours.QLM")),
                                  runs);
    const double theirPatch = timed("xdelta3 -d -f -s " + quoted(base) + " " + quoted(theirs) + " "
                                            + quoted(file("theirs.QLM")),
                                    runs);
    if (ourDiff < 0 || theirDiff < 0 || ourPatch < 0 || theirPatch < 0) {
        std::cerr << "a command failed\n";
        return 2;
    }
    const auto same = [&](const std::string &made) {
        return test::readBytes(made) == test::readBytes(target);
    };
    if (!same(file("ours.QLM")) || !same(file("theirs.QLM"))) {
        std::cerr << "a patched file is not the changed file\n";
        return 2;
    }

    const double ourSize = double(std::filesystem::file_size(ours));
    const double theirSize = double(std::filesystem::file_size(theirs));
    const double sizeRatio = theirSize / ourSize;
    const double diffRatio = theirDiff / ourDiff;
    const double patchRatio = theirPatch / ourPatch;
    std::printf("animation of %d frames, %d repainted: %.0f bytes\n", frames, repainted,
                double(std::filesystem::file_size(base)));
    std::printf("patch size: tessanim %.0f bytes, xdelta3 %.0f bytes, ratio %.2f\n", ourSize,
                theirSize, sizeRatio);
    std::printf("diff time: tessanim %.3f s, xdelta3 -e %.3f s, ratio %.2f\n", ourDiff, theirDiff,
                diffRatio);
    std::printf("patch time: tessanim %.3f s, xdelta3 -d %.3f s, ratio %.2f\n", ourPatch,
                theirPatch, patchRatio);
    const bool met =
            sizeRatio >= kSizeTarget && diffRatio >= kDiffTarget && patchRatio >= kPatchTarget;
    std::printf("size_ratio %.3f diff_ratio %.3f patch_ratio %.3f (targets >= %.2f, %.2f, %.2f): "
                "%s\n",
                sizeRatio, diffRatio, patchRatio, kSizeTarget, kDiffTarget, kPatchTarget,
                met ? "pass" : "FAIL");
    return met ? 0 : 1;
}
