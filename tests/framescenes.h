// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessa::test {

// The kinds of change between two consecutive frames that the codec is measured and checked on.
enum class Scene {
    NothingChanged, // the frame equals its reference
    Rectangles,     // 5 % of the pixels, in 3 rectangles (80 runs of 40)
    Sprites,        // about 5 %, as 1,000 runs of 1 to 5 pixels
    Scattered,      // 3,200 single pixels, none next to another
    AllChanged,     // every pixel
    Alternating,    // every other pixel: the most chunks a frame can have
};

inline constexpr std::array<Scene, 6> kAllScenes{Scene::NothingChanged, Scene::Rectangles,
                                                 Scene::Sprites,        Scene::Scattered,
                                                 Scene::AllChanged,     Scene::Alternating};

// "nothing", "rectangles", "sprites", "scattered", "all", "alternating".
const char *sceneName(Scene scene);

struct FramePair
{
    std::vector<std::uint8_t> reference;
    std::vector<std::uint8_t> frame;
};

// A full-size frame pair of `scene`; the same seed gives the same pair. Every pixel the scene
// changes differs from its reference, every other pixel is equal.
FramePair makeScene(Scene scene, std::uint32_t seed = 1);

// Changes `frame` (a full frame) by `scene` in place, as makeScene does to its reference.
void applyScene(Scene scene, std::vector<std::uint8_t> &frame, std::uint32_t seed);

// A document of `imageCount` images, each about 5 % different from the one before (rectangles
// and sprites moving over a noisy background), with a pause after every tenth, then End.
ItemList makeDocument(int imageCount, std::uint32_t seed = 1);

} // namespace tessa::test
