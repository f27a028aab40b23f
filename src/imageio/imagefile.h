// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "imaging/palette.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Reads an image file of any kind Qt's image readers know (PNG, GIF, BMP of any depth and
// orientation, JPEG, and TGA, TIFF, WebP... with the image-formats plugins). A 320 x 200 8-bit
// BMP that readFrameBmp accepts is read by it, so its indices are exactly those Add Image takes.
// Indexed images of 1 to 8 bits, GIF included (its first picture), come back as Format_Indexed8
// with their colour table and their indices unchanged; every other image as Qt reads it. Refuses
// with a notice naming the file.
Expected<QImage, Notice> loadImageFile(const QString &path);

// The same on the bytes of a file; `name` is only used in the notice.
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
