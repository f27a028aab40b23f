// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "imaging/palette.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// An image file as read by readImageFile.
struct ImageRead
{
    QImage image;
    // The picture's size in the file. A picture whose pixels would take more than
    // kWholePictureMegabytes is read scaled down, keeping its proportions, to the smallest size
    // that still covers 320 x 200 (PNG and JPEG readers can; others refuse it as too large):
    // then this is larger than image's size.
    QSize sizeInFile;
    // Set when the file is cut short (cutShortRemains) and `image` holds what could be read of
    // it: says so, naming the file and what is left of the picture.
    std::optional<Notice> damage;
};

// Pictures up to this many megabytes of pixels are read whole.
inline constexpr int kWholePictureMegabytes = 256;

// Reads an image file of any kind Qt's image readers know (PNG, GIF, BMP of any depth and
// orientation, JPEG, and TGA, TIFF, WebP... with the image-formats plugins). A 320 x 200 8-bit
// BMP that readFrameBmp accepts is read by it, so its indices are exactly those Add Image takes.
// Indexed images of 1 to 8 bits, GIF included (its first picture), come back as Format_Indexed8
// with their colour table and their indices unchanged; every other image as Qt reads it. Refuses
// with a notice naming the file: a file that cannot be read, one cut short so badly that
// nothing of it can, and a picture too large to hold that cannot be read scaled down.
Expected<ImageRead, Notice> readImageFile(const QString &path);

// The same on the bytes of a file; `name` is only used in notices.
Expected<ImageRead, Notice> readImageBytes(const QByteArray &bytes, const QString &name);

// Whether the file's name ends in a kind of picture the image readers know (.png, .JPG, .bmp...),
// so that a movie or a text file beside pictures is not taken for one.
bool hasPictureSuffix(const QString &path);

// The picture of readImageFile, refusing a damaged file with its damage notice. A picture too
// large to hold whole comes back scaled down.
Expected<QImage, Notice> loadImageFile(const QString &path);

// The same on the bytes of a file; `name` is only used in notices.
Expected<QImage, Notice> loadImageBytes(const QByteArray &bytes, const QString &name);

// A frame as an indexed image with the 256 colours of `colors` (fully opaque).
QImage frameImage(std::span<const std::uint8_t> pixels, const PaletteColors &colors);

// The bytes of an 8-bit indexed PNG of a frame with `colors` as its palette: the indices are
// stored as they are, so reading the file back gives the same frame.
std::vector<std::uint8_t> encodeIndexedPng(std::span<const std::uint8_t> pixels,
                                           const PaletteColors &colors);

// Writes encodeIndexedPng's bytes to `path` through replaceFile (no half-written file, no
// backup): what Export > Frame does when the chosen name ends in ".png".
Expected<Done, Notice> writeIndexedPng(const std::string &path,
                                       std::span<const std::uint8_t> pixels,
                                       const PaletteColors &colors);

// True when `path` ends in ".png", in any case: the export commands then write PNG.
bool isPngPath(const QString &path);

} // namespace tessa
