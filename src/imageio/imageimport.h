// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettematch.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tessa {

// What Import Image asks the preview about: the image read from `path` (and its size in the
// file, larger when it was read scaled down; see ImageRead), the palette it is to be shown in,
// the frame before it (64000 indices, or empty for the first image) and the options to start
// from.
struct ImportRequest
{
    QString path;
    QImage image;
    QSize sizeInFile;
    PaletteColors palette{};
    std::vector<std::uint8_t> previous;
    MatchOptions options;
};

// An image file read for Import Image, and how it relates to the palette.
struct ImageAnalysis
{
    QImage image;    // as read, before fitting
    ImportKind kind; // of the image fitted by the fit asked for
};

// Reads `path` (loadImageFile, so a damaged file is refused) and says whether it passes through, is
// a renumbering or needs matching once fitted by `fit`. Refuses what cannot be read, and a wrong
// size under Refuse.
Expected<ImageAnalysis, Notice> analyzeImageFile(const QString &path, const PaletteColors &palette,
                                                 FrameFit fit, const IndexSet &locked = {});

// Reads `path` and matches it with `options` against `previous` (64000 indices, or empty):
// Import Image without the preview.
Expected<MatchResult, Notice> importImageFile(const QString &path, const PaletteColors &palette,
                                              std::span<const std::uint8_t> previous,
                                              const MatchOptions &options);

// The frame of an image file taken by its indices, as Add Image takes a BMP: a 320 x 200 8-bit
// BMP gives its indices as they stand (RemoveBMPHeader); any other file must be a whole
// 320 x 200 indexed image whose colours are the palette's, under the same or other indices
// (renumbered). A file of no kind the image readers know is refused as Add Image refuses it;
// a file cut short, with its damage notice. Anything else is refused with a notice that says what
// to do instead: an image that needs its colours matched, "match them to the palette" followed by
// `howToMatch` (", with ...", or empty).
Expected<std::vector<std::uint8_t>, Notice> importIndexedFile(const QString &path,
                                                              const PaletteColors &palette);
// The same on the bytes of a file; `name` is only used in notices.
Expected<std::vector<std::uint8_t>, Notice> importIndexedBytes(const QByteArray &bytes,
                                                               const QString &name,
                                                               const PaletteColors &palette,
                                                               std::string_view howToMatch = {});

} // namespace tessa
