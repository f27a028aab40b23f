// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageimport.h"

#include "document/animitem.h"
#include "imagefile.h"
#include "imaging/bmp.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace tessa {

namespace {

// Whether Qt's readers know the kind of file `bytes` hold, by its content, whether or not they
// can read it.
bool isKnownImageKind(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return !QImageReader::imageFormat(&buffer).isEmpty();
}

} // namespace

Expected<ImageAnalysis, Notice> analyzeImageFile(const QString &path, const PaletteColors &palette,
                                                 FrameFit fit, const IndexSet &locked)
{
    const auto read = readImageFile(path);
    if (!read)
        return Unexpected{read.error()};
    if (read->damage)
        return Unexpected{*read->damage};
    const auto fitted = fitToFrame(read->image, fit, read->sizeInFile);
    if (!fitted)
        return Unexpected{fitted.error()};
    return ImageAnalysis{read->image, classifyImage(*fitted, palette, locked)};
}

Expected<MatchResult, Notice> importImageFile(const QString &path, const PaletteColors &palette,
                                              std::span<const std::uint8_t> previous,
                                              const MatchOptions &options)
{
    const auto read = readImageFile(path);
    if (!read)
        return Unexpected{read.error()};
    if (read->damage)
        return Unexpected{*read->damage};
    return matchImage(read->image, palette, previous, options, read->sizeInFile);
}

Expected<std::vector<std::uint8_t>, Notice> importIndexedFile(const QString &path,
                                                              const PaletteColors &palette)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Unexpected{Notice::info(
                "The image could not be read: " + file.errorString().toStdString() + ".")};
    return importIndexedBytes(file.readAll(), path, palette);
}

Expected<std::vector<std::uint8_t>, Notice> importIndexedBytes(const QByteArray &bytes,
                                                               const QString &name,
                                                               const PaletteColors &palette,
                                                               std::string_view howToMatch)
{
    // A BMP keeps the rule of Add Image exactly: its indices, whatever its colour table says. So
    // does a file that is no image at all, which is refused in the words Add Image uses.
    const auto read = readImageBytes(bytes, name);
    if (bytes.startsWith("BM") || (!read && !isKnownImageKind(bytes))) {
        auto pixels =
                RemoveBMPHeader(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                          std::size_t(bytes.size())));
        if (pixels)
            return std::move(*pixels);
        return Unexpected{pixels.error()};
    }
    if (!read)
        return Unexpected{read.error()};
    if (read->damage)
        return Unexpected{*read->damage};
    const QImage &image = read->image;
    if (read->sizeInFile != QSize(kFrameWidth, kFrameHeight))
        return Unexpected{wrongSizeNotice(read->sizeInFile.width(), read->sizeInFile.height())};
    if (auto pixels = takeIndices(image, palette))
        return std::move(*pixels);
    return Unexpected{Notice::info((image.format() == QImage::Format_Indexed8
                                            ? "The image's colours are not all in the palette: "
                                              "match them to it"
                                            : "The image is not indexed: match its colours to "
                                              "the palette")
                                   + std::string(howToMatch) + ".")};
}

} // namespace tessa
