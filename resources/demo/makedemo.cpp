// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the frames of the demo animation, a title card and a sunrise over the hills, as BMP files
// in the built-in main palette, and writes the manifest that `tessanim build` turns into
// DEMOANIM.QLM. Everything is drawn here in code, so the demo is the project's own.
//
// Usage: tessa-make-demo FOLDER

#include "document/animfile.h"
#include "document/animitem.h"
#include "document/fileio.h"
#include "document/paths.h"
#include "imaging/bmp.h"
#include "imaging/palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

using namespace tessa;

namespace {

struct Rgb
{
    double r = 0, g = 0, b = 0;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb hex(std::uint32_t rgb)
{
    return {double(rgb >> 16 & 0xFF), double(rgb >> 8 & 0xFF), double(rgb & 0xFF)};
}

// Picks palette indices for wanted colours, so the drawing follows the palette if it changes.
class Painter
{
public:
    explicit Painter(const PaletteColors &colors)
        : m_colors(colors)
    {
    }

    std::uint8_t nearest(Rgb wanted) const
    {
        std::uint8_t best = 0;
        double bestDistance = 1e30;
        for (std::size_t i = 0; i < m_colors.size(); ++i) {
            // Weighted as the eye weighs them: green most, blue least.
            const double dr = redOf(m_colors[i]) - wanted.r;
            const double dg = greenOf(m_colors[i]) - wanted.g;
            const double db = blueOf(m_colors[i]) - wanted.b;
            const double distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = static_cast<std::uint8_t>(i);
            }
        }
        return best;
    }

    // An ordered dither: smooth gradients from a palette of ramps, in the look of the games.
    std::uint8_t dithered(Rgb wanted, int x, int y) const
    {
        static constexpr std::array<int, 16> kBayer{0, 8,  2, 10, 12, 4, 14, 6,
                                                    3, 11, 1, 9,  15, 7, 13, 5};
        const double offset = (kBayer[std::size_t((y & 3) * 4 + (x & 3))] - 7.5) * 2.0;
        return nearest({wanted.r + offset, wanted.g + offset, wanted.b + offset});
    }

private:
    const PaletteColors &m_colors;
};

class Frame
{
public:
    Frame()
        : m_pixels(kFrameSize, 0)
    {
    }

    void set(int x, int y, std::uint8_t index)
    {
        if (x >= 0 && x < kFrameWidth && y >= 0 && y < kFrameHeight)
            m_pixels[std::size_t(y * kFrameWidth + x)] = index;
    }
    void fill(int x, int y, int width, int height, std::uint8_t index)
    {
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column)
                set(column, row, index);
    }
    const std::vector<std::uint8_t> &pixels() const { return m_pixels; }

private:
    std::vector<std::uint8_t> m_pixels;
};

// 5 x 7 capitals, only the letters the demo spells.
std::array<std::string_view, 7> glyph(char letter)
{
    switch (letter) {
    case 'A':
        return {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
    case 'D':
        return {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."};
    case 'E':
        return {"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
    case 'I':
        return {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"};
    case 'M':
        return {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"};
    case 'N':
        return {"#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"};
    case 'O':
        return {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
    case 'R':
        return {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"};
    case 'S':
        return {".####", "#....", "#....", ".###.", "....#", "....#", "####."};
    case 'T':
        return {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
    case 'U':
        return {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
    default:
        return {".....", ".....", ".....", ".....", ".....", ".....", "....."};
    }
}

int textWidth(std::string_view text, int scale)
{
    return int(text.size()) * 6 * scale - scale;
}

// Blocky letters centred at row `top`, shaded from `topColor` to `bottomColor`, with a shadow.
void drawText(Frame &frame, const Painter &painter, std::string_view text, int top, int scale,
              Rgb topColor, Rgb bottomColor, std::uint8_t shadow)
{
    const int left = (kFrameWidth - textWidth(text, scale)) / 2;
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = pass == 0 ? std::max(1, scale / 2) : 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto rows = glyph(text[i]);
            for (int row = 0; row < 7; ++row) {
                const double t = row / 6.0;
                const std::uint8_t index =
                        pass == 0 ? shadow : painter.nearest(mix(topColor, bottomColor, t));
                for (int column = 0; column < 5; ++column) {
                    if (rows[std::size_t(row)][std::size_t(column)] == '#')
                        frame.fill(left + int(i) * 6 * scale + column * scale + shift,
                                   top + row * scale + shift, scale, scale, index);
                }
            }
        }
    }
}

// The sky from night blue at the top to a warm glow at the horizon; `dawn` (0 to 1) brightens
// it around the sun at (`sunX`, `sunY`).
Rgb skyColor(int x, int y, double dawn, double sunX, double sunY)
{
    static const std::array<Rgb, 4> kKeys{hex(0x080c28), hex(0x302050), hex(0x904068),
                                          hex(0xe07040)};
    const double t = std::clamp(y / 150.0, 0.0, 1.0) * (kKeys.size() - 1);
    const auto key = std::min(std::size_t(t), kKeys.size() - 2);
    Rgb color = mix(kKeys[key], kKeys[key + 1], t - double(key));
    const double distance = std::hypot(x - sunX, (y - sunY) * 1.4);
    const double glow = dawn * std::pow(std::max(0.0, 1.0 - distance / 110.0), 2.0);
    return mix(color, hex(0xfcc0a0), std::min(glow, 0.85));
}

int farHill(int x)
{
    return 138 + int(10 * std::sin(x / 37.0) + 6 * std::sin(x / 13.0 + 1.0));
}

int nearHill(int x)
{
    return 160 + int(12 * std::sin(x / 53.0 + 2.0) + 4 * std::sin(x / 9.0));
}

struct Scene
{
    double dawn = 0;    // 0 night, 1 morning
    double sunY = 200;  // centre of the sun; below the hills it is hidden
    int starsLeft = 60; // of the 60 stars, how many still show
    int birdX = -20;    // off screen to the left when there is no bird
    bool wingsUp = false;
    bool title = false;
};

constexpr double kSunX = 210;
constexpr int kSunRadius = 13;

Frame drawScene(const Painter &painter, const Scene &scene)
{
    Frame frame;
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            frame.set(x, y, painter.dithered(skyColor(x, y, scene.dawn, kSunX, scene.sunY), x, y));

    // The same pseudo-random stars in every frame, the dimmer ones going out first at dawn.
    std::uint32_t seed = 20260101;
    for (int star = 0; star < 60; ++star) {
        seed = seed * 1664525u + 1013904223u;
        const int x = int(seed >> 8) % kFrameWidth;
        const int y = int(seed >> 20) % 90;
        if (star < scene.starsLeft)
            frame.set(x, y, painter.nearest(star % 3 == 0 ? hex(0xfcf8ec) : hex(0xa0a8c0)));
    }

    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const double dx = x - kSunX;
            const double dy = y - scene.sunY;
            const double distance = std::sqrt(dx * dx + dy * dy);
            if (distance <= kSunRadius)
                frame.set(x, y,
                          painter.nearest(mix(hex(0xfcfcc4), hex(0xe0842c),
                                              std::clamp(dy / kSunRadius, 0.0, 1.0))));
        }
    }

    const std::uint8_t farColor = painter.nearest(mix(hex(0x2c344c), hex(0x506080), scene.dawn));
    const std::uint8_t nearColor = painter.nearest(mix(hex(0x081808), hex(0x183c18), scene.dawn));
    for (int x = 0; x < kFrameWidth; ++x) {
        frame.fill(x, farHill(x), 1, kFrameHeight, farColor);
        frame.fill(x, nearHill(x), 1, kFrameHeight, nearColor);
    }

    if (scene.birdX > -10) {
        const std::uint8_t bird = painter.nearest(hex(0x141010));
        const int y = 70 - scene.birdX / 12;
        frame.fill(scene.birdX - 1, y, 3, 2, bird);
        for (int wing = 1; wing <= 4; ++wing) {
            const int lift = scene.wingsUp ? -wing / 2 : wing / 3;
            frame.set(scene.birdX - 1 - wing, y + lift, bird);
            frame.set(scene.birdX + 1 + wing, y + lift, bird);
        }
    }

    if (scene.title) {
        const std::uint8_t shadow = painter.nearest(hex(0x1c0410));
        drawText(frame, painter, "TESSARINE", 40, 4, hex(0xfcfcc4), hex(0xdc7418), shadow);
        drawText(frame, painter, "ANIMATION STUDIO", 84, 2, hex(0xfcf8ec), hex(0xd0c8b4), shadow);
    }
    return frame;
}

bool writeFile(const std::string &path, std::span<const std::uint8_t> bytes)
{
    const auto written = replaceFile(path, bytes, Backup::None);
    if (!written)
        std::cerr << fileFailureNotice(written.error()).text << '\n';
    return bool(written);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "Usage: tessa-make-demo FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "Could not create the folder \"" << folder << "\": " << error.message()
                  << ".\n";
        return 1;
    }

    const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    const Painter painter(colors);

    struct Shot
    {
        std::string name;
        Scene scene;
    };
    const std::vector<Shot> shots{
            {"title.bmp", {0.0, 200, 60, -20, false, true}},
            {"sunrise-1.bmp", {0.25, 172, 45, 40, true, false}},
            {"sunrise-2.bmp", {0.5, 155, 30, 110, false, false}},
            {"sunrise-3.bmp", {0.75, 138, 15, 180, true, false}},
            {"sunrise-4.bmp", {1.0, 120, 0, 250, false, false}},
    };
    for (const Shot &shot : shots) {
        const Frame frame = drawScene(painter, shot.scene);
        const auto bmp = AddBMPHeader(kFrameWidth, kFrameHeight, frame.pixels(), colors);
        if (!writeFile(joinPath(folder, shot.name), bmp))
            return 1;
    }

    // Written by hand, as a person would: comments, short forms, one sound cue per scene.
    const std::string manifest = R"(# The Tessarine demo animation, drawn by tessa-make-demo.
# tessanim build demo.txt DEMOANIM.QLM

# The title card fades in over the night sky, with the theme.
image title.bmp
fade in
sound 1
pause 120

# Sunrise: the stars go out and a bird crosses the sky.
image sunrise-1.bmp
pause 25
image sunrise-2.bmp
pause 25
image sunrise-3.bmp
pause 25
image sunrise-4.bmp
sound 2
pause 90

fade out
end
)";
    const std::vector<std::uint8_t> bytes(manifest.begin(), manifest.end());
    return writeFile(joinPath(folder, "demo.txt"), bytes) ? 0 : 1;
}
