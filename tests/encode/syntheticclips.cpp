// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "syntheticclips.h"

#include "document/animitem.h"
#include "imaging/palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace tessa::cliptest {

namespace {

// A picture defined everywhere on the plane, so that a zoom or a pan can take any part of it:
// value noise (random values on grids of four sizes, blended smoothly between them) for shading
// and texture, and a few hard edges, in three colours of its own.
class Scene
{
public:
    explicit Scene(unsigned seed)
    {
        std::mt19937 random(seed);
        std::uniform_real_distribution<float> unit(0, 1);
        for (auto &value : m_values)
            value = unit(random);
        for (auto &colour : m_colours)
            for (float &component : colour)
                component = 40 + 200 * unit(random);
        for (auto &edge : m_edges)
            edge = {unit(random) * 600 - 140, unit(random) * 400 - 100, unit(random) * 6.3f};
    }

    // Red, green and blue (0 to 255) at (x, y).
    std::array<float, 3> at(float x, float y) const
    {
        // Shading that varies over a third of the screen, detail over a few pixels.
        const float shade = 0.55f * noise(x / 90, y / 90, 0) + 0.25f * noise(x / 30, y / 30, 1)
                            + 0.12f * noise(x / 8, y / 8, 2) + 0.08f * noise(x / 2.5f, y / 2.5f, 3);
        const float hue = noise(x / 120, y / 120, 1);
        float edge = 0;
        for (const auto &[ex, ey, angle] : m_edges)
            edge += (x - ex) * std::cos(angle) + (y - ey) * std::sin(angle) > 0 ? 0.18f : 0;
        std::array<float, 3> rgb;
        for (std::size_t c = 0; c < 3; ++c) {
            const float base = m_colours[0][c] * (1 - hue) + m_colours[1][c] * hue;
            rgb[c] = std::clamp(base * (0.35f + shade) + m_colours[2][c] * edge - 30, 0.0f, 255.0f);
        }
        return rgb;
    }

private:
    static constexpr int kGrid = 64;

    float value(int i, int j, int layer) const
    {
        return m_values[std::size_t(((layer * kGrid + (j & (kGrid - 1))) * kGrid)
                                    + (i & (kGrid - 1)))];
    }

    float noise(float x, float y, int layer) const
    {
        const float fx = std::floor(x), fy = std::floor(y);
        const auto i = int(fx), j = int(fy);
        const auto smooth = [](float t) { return t * t * (3 - 2 * t); };
        const float u = smooth(x - fx), v = smooth(y - fy);
        const float top = value(i, j, layer) * (1 - u) + value(i + 1, j, layer) * u;
        const float bottom = value(i, j + 1, layer) * (1 - u) + value(i + 1, j + 1, layer) * u;
        return top * (1 - v) + bottom * v;
    }

    std::array<float, 4 * kGrid * kGrid> m_values{};
    std::array<std::array<float, 3>, 3> m_colours{};
    std::array<std::array<float, 3>, 3> m_edges{};
};

std::uint32_t colourOf(const std::array<float, 3> &rgb, float scale = 1, float lift = 0)
{
    const auto component = [&](float c) {
        return std::uint8_t(std::clamp(std::lround(c * scale + lift), 0L, 255L));
    };
    return colorFromRgb(component(rgb[0]), component(rgb[1]), component(rgb[2]));
}

// The picture of `scene` seen through a window whose top left corner is at (left, top) and which
// spans `width` of the scene's units across the screen.
std::vector<std::uint32_t> view(const Scene &scene, float left, float top, float width,
                                float scale = 1, float lift = 0)
{
    std::vector<std::uint32_t> rgb(kFrameSize);
    const float step = width / kFrameWidth;
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            rgb[std::size_t(y * kFrameWidth + x)] =
                    colourOf(scene.at(left + x * step, top + y * step), scale, lift);
    return rgb;
}

// Zooming into the middle of the first picture's window by `rate` a picture.
std::vector<std::uint32_t> zoomed(const Scene &scene, int k, float rate, float scale = 1,
                                  float lift = 0)
{
    const float width = kFrameWidth / (1 + rate * float(k));
    return view(scene, (kFrameWidth - width) / 2, (kFrameHeight - width * 0.625f) / 2, width, scale,
                lift);
}

} // namespace

std::string makeClipName(ClipKind kind)
{
    static const char *const names[] = {"zoom",   "pan",       "grain", "sprite", "fadeout",
                                        "fadein", "crossfade", "cut",   "dark",   "bright"};
    return names[int(kind)];
}

Clip makeClip(ClipKind kind)
{
    Clip clip;
    clip.name = makeClipName(kind);
    clip.seconds = kClipPictures / kClipFps;
    const Scene scene(1 + unsigned(kind)), other(101 + unsigned(kind));
    std::mt19937 random(7);
    std::normal_distribution<float> grain(0, 8);
    const std::vector<std::uint32_t> still = view(scene, 0, 0, kFrameWidth);
    for (int k = 0; k < kClipPictures; ++k) {
        const float t = float(k) / (kClipPictures - 1);
        std::vector<std::uint32_t> rgb;
        switch (kind) {
        case ClipKind::Zoom:
            rgb = zoomed(scene, k, 0.012f);
            break;
        case ClipKind::Pan:
            rgb = view(scene, 3.0f * float(k), 0, kFrameWidth);
            break;
        case ClipKind::Grain:
            rgb = still;
            for (std::uint32_t &colour : rgb) {
                const auto noisy = [&](std::uint8_t c) {
                    return std::uint8_t(
                            std::clamp(std::lround(float(c) + grain(random)), 0L, 255L));
                };
                colour = colorFromRgb(noisy(redOf(colour)), noisy(greenOf(colour)),
                                      noisy(blueOf(colour)));
            }
            break;
        case ClipKind::Sprite: {
            rgb = still;
            const int left = -40 + 16 * k;
            for (int y = 90; y < 115; ++y)
                for (int x = std::max(0, left); x < std::min(kFrameWidth, left + 40); ++x)
                    rgb[std::size_t(y * kFrameWidth + x)] =
                            colourOf(other.at(float(x - left) * 2, float(y - 90) * 2));
            break;
        }
        case ClipKind::FadeOut:
            // Black as the movie ends: the last picture is nearly so.
            rgb = view(scene, 0, 0, kFrameWidth, 1 - float(k + 1) / (kClipPictures + 1));
            break;
        case ClipKind::FadeIn:
            rgb = view(scene, 0, 0, kFrameWidth, float(k) / (kClipPictures - 1));
            break;
        case ClipKind::CrossFade: {
            const auto from = still, to = view(other, 0, 0, kFrameWidth);
            rgb.resize(kFrameSize);
            for (std::size_t at = 0; at < rgb.size(); ++at) {
                const auto mix = [&](std::uint8_t a, std::uint8_t b) {
                    return std::uint8_t(std::lround(float(a) * (1 - t) + float(b) * t));
                };
                rgb[at] = colorFromRgb(mix(redOf(from[at]), redOf(to[at])),
                                       mix(greenOf(from[at]), greenOf(to[at])),
                                       mix(blueOf(from[at]), blueOf(to[at])));
            }
            break;
        }
        case ClipKind::Cut:
            rgb = k < kClipPictures / 2 ? zoomed(scene, k, 0.012f)
                                        : view(other, 3.0f * float(k), 0, kFrameWidth);
            break;
        case ClipKind::Dark:
            rgb = view(scene, 1.5f * float(k), 0, kFrameWidth, 0.3f);
            break;
        case ClipKind::Bright:
            rgb = zoomed(scene, k, 0.008f, 0.35f, 160);
            break;
        }
        clip.frames.push_back({std::move(rgb), k / kClipFps});
    }
    if (kind == ClipKind::Grain)
        clip.clean = still;
    return clip;
}

} // namespace tessa::cliptest
