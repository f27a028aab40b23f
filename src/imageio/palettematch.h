// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "framefit.h"
#include "imaging/palette.h"
#include "indexranges.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// How an image's colours relate to the palette.
enum class ImportKind {
    PassThrough, // indexed, and every index it uses has the palette's colour: taken as it stands
    Renumbering, // indexed, every colour it uses is in the palette under another index: remapped
    Matching,    // anything else: each pixel gets a palette colour chosen by MatchMethod
};

enum class MatchMethod { Nearest, FloydSteinberg, Ordered };

struct MatchOptions
{
    MatchMethod method = MatchMethod::Nearest;
    // With a previous frame: a pixel whose colour is within `closeThreshold` (Euclidean
    // distance in 8-bit red, green, blue) of the previous frame's colour there keeps the previous
    // index, so that the stored difference stays small.
    bool keepClose = false;
    int closeThreshold = 12;
    // Indices that matching and renumbering never choose (kept pixels may still hold them).
    IndexSet locked{};
    FrameFit fit = FrameFit::Refuse;
    bool heatMap = false;

    bool operator==(const MatchOptions &) const = default;
};

struct MatchFigures
{
    bool hasPrevious = false;
    int changedFromPrevious = 0; // pixels whose index differs from the previous frame's
    int keptFromPrevious = 0;    // pixels kept by keepClose
    int notExact = 0;            // pixels whose palette colour is not theirs at 6-bit precision
    double largestError = 0;     // the largest distance of a pixel from its palette colour
    // The bytes of the chunk stream the frame would be stored as: against the previous frame,
    // or, as the first image, against a screen of its most frequent index.
    std::size_t storedSize = 0;
};

struct MatchResult
{
    ImportKind kind = ImportKind::Matching;
    std::vector<std::uint8_t> pixels; // 64000 indices, top row first
    MatchFigures figures;
    QImage heatMap; // with MatchOptions::heatMap: each pixel's error, black for none
};

// How `image` (320 x 200) relates to `palette`; renumbering only counts indices not `locked`.
ImportKind classifyImage(const QImage &image, const PaletteColors &palette,
                         const IndexSet &locked = {});

// The frame of a 320 x 200 indexed image that passes through or is a renumbering (its indices,
// or the palette's indices of its colours), without matching or figures; nothing otherwise.
std::optional<std::vector<std::uint8_t>>
takeIndices(const QImage &image, const PaletteColors &palette, const IndexSet &locked = {});

// Turns `image` into a frame of `palette`: fitted to 320 x 200 by options.fit, then passed
// through, renumbered or matched as classifyImage says, with the figures. `previous` is the
// frame before (64000 indices) or empty for none. Refuses an image of the wrong size under
// FrameFit::Refuse (by `sizeInFile`, when valid, as fitToFrame does), and options that lock
// every index.
Expected<MatchResult, Notice> matchImage(const QImage &image, const PaletteColors &palette,
                                         std::span<const std::uint8_t> previous,
                                         const MatchOptions &options, QSize sizeInFile = {});

// The "Matching" figures of `pixels` for `image` (320 x 200), as matchImage gives them.
MatchFigures measureFrame(const QImage &image, std::span<const std::uint8_t> pixels,
                          const PaletteColors &palette, std::span<const std::uint8_t> previous,
                          int kept, QImage *heatMap);

} // namespace tessa
