// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Matching a truecolour frame to a fixed 256-colour palette: the project's own nearest-colour
// table against libimagequant's remapping to the same fixed palette, in the same iterations.
// (The comparison with ImageMagick's -remap, a separate program, is in bench/import-benchmark.)
#include "document/animitem.h"
#include "imageio/palettematch.h"
#include "pairedtimer.h"

#include <libimagequant.h>

#include <cmath>
#include <vector>

using namespace tessa;

namespace {

// Smooth colour fields with grain, like a photo: tens of thousands of distinct colours.
QImage photoLike()
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    unsigned seed = 12345;
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x) {
            seed = seed * 1103515245 + 12345;
            const int grain = int(seed >> 16 & 15) - 8;
            auto wave = [&](double fx, double fy, double phase) {
                return std::clamp(int(127 + 110 * std::sin(x * fx + y * fy + phase)) + grain, 0,
                                  255);
            };
            image.setPixel(x, y,
                           qRgb(wave(0.03, 0.01, 0), wave(0.011, 0.04, 1), wave(0.02, -0.03, 2)));
        }
    return image;
}

// libimagequant with the palette as its only, fixed colours; its output palette is mapped back
// to our indices by colour.
std::vector<std::uint8_t> remapWithLibImageQuant(const QImage &rgba, const PaletteColors &palette,
                                                 bool dither)
{
    liq_attr *attr = liq_attr_create();
    liq_set_max_colors(attr, 256);
    liq_image *image = liq_image_create_rgba(attr, rgba.constBits(), kFrameWidth, kFrameHeight, 0);
    for (const std::uint32_t c : palette)
        liq_image_add_fixed_color(image, liq_color{redOf(c), greenOf(c), blueOf(c), 255});
    liq_result *result = nullptr;
    std::vector<std::uint8_t> pixels(kFrameSize);
    if (liq_image_quantize(image, attr, &result) == LIQ_OK) {
        liq_set_dithering_level(result, dither ? 1.0f : 0.0f);
        liq_write_remapped_image(result, image, pixels.data(), pixels.size());
        const liq_palette *out = liq_get_palette(result);
        std::array<std::uint8_t, 256> ours{};
        for (unsigned i = 0; i < out->count; ++i) {
            const auto c = colorFromRgb(out->entries[i].r, out->entries[i].g, out->entries[i].b);
            ours[i] = std::uint8_t(std::find(palette.begin(), palette.end(), c) - palette.begin());
        }
        for (std::uint8_t &p : pixels)
            p = ours[p];
        liq_result_destroy(result);
    }
    liq_image_destroy(image);
    liq_attr_destroy(attr);
    return pixels;
}

void matchAgainstLibImageQuant(benchmark::State &state, MatchMethod method)
{
    const QImage photo = photoLike();
    const QImage rgba = photo.convertToFormat(QImage::Format_RGBA8888);
    const PaletteColors palette = paletteColorsFromData(builtInPalette(0));
    MatchOptions options;
    options.method = method;
    const bool dither = method != MatchMethod::Nearest;
    // The goal: the own table at least as fast as libimagequant (a ratio of at most 1).
    bench::runPaired(
            state, {1.0}, kFrameSize,
            [&] { benchmark::DoNotOptimize(remapWithLibImageQuant(rgba, palette, dither)); },
            [&] { benchmark::DoNotOptimize(matchImage(photo, palette, {}, options)); });
}

void BM_NearestVsLibImageQuant(benchmark::State &state)
{
    matchAgainstLibImageQuant(state, MatchMethod::Nearest);
}
void BM_FloydSteinbergVsLibImageQuant(benchmark::State &state)
{
    matchAgainstLibImageQuant(state, MatchMethod::FloydSteinberg);
}

} // namespace

BENCHMARK(BM_NearestVsLibImageQuant)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloydSteinbergVsLibImageQuant)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
