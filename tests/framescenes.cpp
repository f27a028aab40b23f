// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framescenes.h"

#include <random>

namespace tessa::test {

namespace {

using Random = std::mt19937;

// A value that differs from `old`.
std::uint8_t changed(std::uint8_t old, Random &random)
{
    return static_cast<std::uint8_t>(old + 1 + random() % 255);
}

void changeRun(std::vector<std::uint8_t> &frame, std::size_t start, std::size_t length,
               Random &random)
{
    for (std::size_t p = start; p < start + length; ++p)
        frame[p] = changed(frame[p], random);
}

} // namespace

const char *sceneName(Scene scene)
{
    switch (scene) {
    case Scene::NothingChanged:
        return "nothing";
    case Scene::Rectangles:
        return "rectangles";
    case Scene::Sprites:
        return "sprites";
    case Scene::Scattered:
        return "scattered";
    case Scene::AllChanged:
        return "all";
    case Scene::Alternating:
        return "alternating";
    }
    return "";
}

void applyScene(Scene scene, std::vector<std::uint8_t> &frame, std::uint32_t seed)
{
    Random random(seed);
    switch (scene) {
    case Scene::NothingChanged:
        break;
    case Scene::Rectangles: {
        // 40x30 + 40x25 + 40x25 = 3,200 pixels, each rectangle in its own band of columns.
        const int heights[] = {30, 25, 25};
        for (int r = 0; r < 3; ++r) {
            const auto x = static_cast<std::size_t>(10 + 100 * r + int(random() % 50));
            const auto y = static_cast<std::size_t>(random() % unsigned(kFrameHeight - heights[r]));
            for (int row = 0; row < heights[r]; ++row)
                changeRun(frame, (y + std::size_t(row)) * kFrameWidth + x, 40, random);
        }
        break;
    }
    case Scene::Sprites:
        // One run in each 64-pixel slot, ending before the slot does.
        for (std::size_t slot = 0; slot < 1000; ++slot) {
            const std::size_t length = 1 + random() % 5;
            changeRun(frame, slot * 64 + random() % (64 - length), length, random);
        }
        break;
    case Scene::Scattered:
        for (std::size_t slot = 0; slot < 3200; ++slot)
            changeRun(frame, slot * 20 + random() % 19, 1, random);
        break;
    case Scene::AllChanged:
        changeRun(frame, 0, frame.size(), random);
        break;
    case Scene::Alternating:
        for (std::size_t p = 0; p < frame.size(); p += 2)
            changeRun(frame, p, 1, random);
        break;
    }
}

FramePair makeScene(Scene scene, std::uint32_t seed)
{
    Random random(seed);
    FramePair pair;
    pair.reference.resize(kFrameSize);
    for (auto &b : pair.reference)
        b = static_cast<std::uint8_t>(random());
    pair.frame = pair.reference;
    applyScene(scene, pair.frame, seed + 1);
    return pair;
}

ItemList makeDocument(int imageCount, std::uint32_t seed)
{
    ItemList items;
    std::vector<std::uint8_t> frame = makeScene(Scene::NothingChanged, seed).frame;
    for (int k = 0; k < imageCount; ++k) {
        if (k > 0)
            applyScene(k % 2 ? Scene::Rectangles : Scene::Sprites, frame, seed * 7919 + k);
        items.push_back(makeImageItem(frame));
        if (k % 10 == 9)
            items.push_back(makePauseItem(30));
    }
    items.push_back(makeEndItem());
    return items;
}

} // namespace tessa::test
