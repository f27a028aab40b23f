// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encode/movieencoder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessa::cliptest {

// Short movies of every kind the encoder meets, made here from pictures that look like
// photographs (smooth shading, edges and fine texture, in colour): 20 pictures at 25 a second,
// each 320 x 200.
enum class ClipKind {
    Zoom,      // slowly into a picture
    Pan,       // across a wide picture, 3 pixels a picture
    Grain,     // a still picture under film grain, new in every picture
    Sprite,    // a small picture crossing a still one
    FadeOut,   // to black, reaching it as the movie ends
    FadeIn,    // from black
    CrossFade, // from one picture to another
    Cut,       // half a zoom, then half a pan across another picture
    Dark,      // a night's light, panning slowly
    Bright,    // pale and light, zooming slowly
};

struct Clip
{
    std::string name;
    std::vector<MovieFrame> frames;
    double seconds = 0; // the end of the last picture
    // What the movie is a picture of where that is not its frames: the grain clip's still
    // without the grain. Empty otherwise.
    std::vector<std::uint32_t> clean;
};

inline constexpr double kClipFps = 25;
inline constexpr int kClipPictures = 20;

Clip makeClip(ClipKind kind);
// The clip's name, as makeClip gives it: "zoom", "pan", ...
std::string makeClipName(ClipKind kind);

} // namespace tessa::cliptest
