// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size Import Movie's dialog tells before the work, against what the work then makes.
#include "encode/movieestimate.h"
#include "imaging/palette.h"
#include "tempfolder.h"
#include "testpalettes.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using namespace tessa;
using namespace tessa::test;

namespace {

// `count` pictures of a scene that changes as a slide show does: a bar moving over one
// gradient, then a cut to another with a slow brightening.
std::string writeSlides(const TempFolder &folder, int count)
{
    std::filesystem::create_directory(folder.path() / "slides");
    for (int i = 0; i < count; ++i) {
        QImage picture(160, 120, QImage::Format_RGB32);
        const bool second = i >= count / 2;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const int bar = std::abs(x - 3 * i % 160) < 10 ? 200 : 0;
                picture.setPixel(x, y,
                                 second ? qRgb(std::min(255, y * 2 + i), x, 90)
                                        : qRgb(x, y * 2, std::max(40, bar)));
            }
        picture.save(QString::fromStdString(
                folder.file("slides/s_" + std::to_string(1000 + i) + ".png")));
    }
    return folder.file("slides");
}

} // namespace

TEST(MovieEstimate, TellsTheSizeTheImportMakesAndWhetherALimitCanBeKept)
{
    TempFolder folder;
    const std::string slides = writeSlides(folder, 150);
    const EncodeOptions options{75, TimingSettings{}};
    const auto actual = [&](const MovieInput &input, std::size_t maxBytes) -> std::size_t {
        const auto items = encodeMovieWithin(slides, input, mainPalette(), options, maxBytes);
        return items ? movieFileBytes(*items) : 0;
    };
    const MovieInput shortPart{25.0, 1.0, 5.0};   // 4 s: encoded whole
    const MovieInput wholeMovie{25.0, 0.0, -1.0}; // 6 s at 25 a second
    const MovieInput slowly{10.0, 0.0, -1.0};     // 15 s: sampled
    const std::size_t shortBytes = actual(shortPart, 0);
    const std::size_t slowBytes = actual(slowly, 0);
    ASSERT_GT(shortBytes, 0u);
    const auto slowLowest = encodeMovieFile(slides, slowly, mainPalette(), {0, {}});
    ASSERT_TRUE(slowLowest);
    // Kept at the lowest quality, though the samples overstate what it takes.
    const std::size_t justKept = movieFileBytes(*slowLowest) * 21 / 20;

    const struct
    {
        const char *what;
        MovieInput input;
        double length;
        std::size_t maxBytes;
        bool exact;
        bool limitKept;
    } rows[] = {
            {"a short part, whole", shortPart, 6.0, 0, true, true},
            {"the whole, of its known length", wholeMovie, 6.0, 0, true, true},
            {"a long part, sampled", slowly, 15.0, 0, false, true},
            {"a limit the quality keeps", shortPart, 6.0, shortBytes, true, true},
            {"a limit kept lower", shortPart, 6.0, shortBytes * 3 / 4, true, true},
            {"a limit nothing keeps", shortPart, 6.0, 2000, true, false},
            {"a limit nothing keeps, sampled", slowly, 15.0, 2000, false, false},
            {"a limit only the lowest keeps, sampled", slowly, 15.0, justKept, false, true},
    };
    for (const auto &row : rows) {
        const auto estimate = estimateMovieSize(slides, row.input, row.length, mainPalette(),
                                                options, row.maxBytes);
        ASSERT_TRUE(estimate) << row.what << ": " << estimate.error().text;
        EXPECT_EQ(estimate->exact, row.exact) << row.what;
        EXPECT_EQ(!estimate->lowestQualityBytes, row.limitKept) << row.what;
        if (!row.limitKept) {
            // What the import's refusal will say it takes at the lowest quality ("about"): a
            // sampled one counts the cut in the middle sample more than once a movie.
            const auto lowest = encodeMovieFile(slides, row.input, mainPalette(), {0, {}});
            ASSERT_TRUE(lowest);
            const double within = row.exact ? 0.1 : 0.15;
            EXPECT_NEAR(double(*estimate->lowestQualityBytes), double(movieFileBytes(*lowest)),
                        within *double(movieFileBytes(*lowest)))
                    << row.what;
            continue;
        }
        const std::size_t made = actual(row.input, row.maxBytes);
        if (row.maxBytes > 0) {
            EXPECT_LE(made, row.maxBytes) << row.what;
            EXPECT_LE(estimate->bytes, row.maxBytes) << row.what;
        }
        if (row.exact && row.maxBytes == 0) {
            EXPECT_EQ(estimate->bytes, made) << row.what;
        }
        EXPECT_NEAR(double(estimate->bytes), double(made), 0.1 * double(made)) << row.what;
    }
    EXPECT_NEAR(double(estimateMovieSize(slides, slowly, 15.0, mainPalette(), options, 0)->bytes),
                double(slowBytes), 0.1 * double(slowBytes));
}

TEST(MovieEstimate, TheTimeToTellIsTheEncodersOwnPasses)
{
    TempFolder folder;
    const std::string slides = writeSlides(folder, 40);
    const MovieInput input{10.0, 0.0, -1.0}; // 4 s
    // The encodings a limit takes, counted as the search measures each one.
    int passes = 0;
    const MovieBytes counting = [&passes](const ItemList &items) {
        ++passes;
        return movieFileBytes(items);
    };
    const auto full = encodeMovieFile(slides, input, mainPalette(), {75, {}});
    ASSERT_TRUE(full);
    const auto lowest = encodeMovieFile(slides, input, mainPalette(), {0, {}});
    ASSERT_TRUE(lowest);
    // Between what the lowest quality and the chosen one take: the search runs, and ends well.
    const std::size_t limit = (movieFileBytes(*lowest) + movieFileBytes(*full)) / 2;
    ASSERT_LT(movieFileBytes(*lowest), movieFileBytes(*full));
    const auto within =
            encodeMovieWithin(slides, input, mainPalette(), {75, {}}, limit, {}, counting);
    ASSERT_TRUE(within) << within.error().text;
    EXPECT_LE(passes, qualitySearchPasses(75));
    EXPECT_GE(passes, qualitySearchPasses(75) - 1) << "the halving takes as many steps either way";

    const auto estimate =
            estimateMovieSize(slides, input, 4.0, mainPalette(), {75, {}}, limit, counting);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->importSeconds, 4.0 * qualitySearchPasses(75));
    EXPECT_EQ(estimate->encodedSeconds, 8.0) << "the chosen quality and the lowest, whole";
    EXPECT_EQ(qualitySearchPasses(100), 8);
    EXPECT_EQ(qualitySearchPasses(3), 2);
}
