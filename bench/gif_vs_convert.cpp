// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The GIF of a 1,000-frame animation: `tessanim render` against ImageMagick's `convert` building
// the same GIF from the BMP files `tessanim export` writes. Both are timed in this one run, from
// the command line as a user runs them; the ratio is convert's time over render's. Exits 1 when
// render is less than five times faster, 2 when a tool is missing or fails.
//
// usage: gif_vs_convert [--frames N]
#include "document/animfile.h"
#include "framescenes.h"
#include "tempfolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

using namespace tessa;

namespace {

constexpr double kTarget = 5.0;

// Seconds that `command` took; negative when it failed.
double timed(const std::string &command)
{
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return status == 0 ? took.count() : -1.0;
}

} // namespace

int main(int argc, char **argv)
{
    int frames = 1000;
    if (argc == 3 && std::string(argv[1]) == "--frames")
        frames = std::max(2, std::atoi(argv[2]));
    if (std::system("convert -version >/dev/null 2>&1") != 0) {
        std::cerr << "ImageMagick's convert is not installed\n";
        return 2;
    }
    test::TempFolder folder;
    // Every image is followed by a pause of 4 ticks: at 25 ticks a second, 16 hundredths each.
    ItemList items;
    for (AnimItem &image : test::makeDocument(frames)) {
        if (!image.isImage())
            continue;
        items.push_back(std::move(image));
        items.push_back(makePauseItem(4));
    }
    items.push_back(makeEndItem());
    const std::string animation = folder.file("BENCH.QLM");
    if (!saveAnimation(animation, items)) {
        std::cerr << "could not write " << animation << '\n';
        return 2;
    }
    const std::string tool = TESSANIM_PATH;
    const std::string frameFolder = folder.file("frames");
    if (std::system((tool + " export " + animation + " " + frameFolder).c_str()) != 0)
        return 2;

    const double render = timed(tool + " render " + animation + " " + folder.file("render.gif")
                                + " --tick-rate 25");
    // The frames in their list order (their names number the list lines).
    const double convert =
            timed("cd " + frameFolder + " && convert -delay 16 -loop 0 $(ls -v *.bmp) "
                  + folder.file("convert.gif"));
    if (render < 0 || convert < 0) {
        std::cerr << "a command failed\n";
        return 2;
    }
    const double ratio = convert / render;
    std::printf("gif of %d frames: tessanim render %.3f s, convert %.3f s, ratio %.1f (target >= "
                "%.0f): %s\n",
                frames, render, convert, ratio, kTarget, ratio >= kTarget ? "pass" : "FAIL");
    return ratio >= kTarget ? 0 : 1;
}
