// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageimport.h"

#include "imagefile.h"
#include "imaging/bmp.h"

#include <QFile>

namespace tessa {

Expected<ImageAnalysis, Notice> analyzeImageFile(const QString &path, const PaletteColors &palette,
                                                 FrameFit fit, const IndexSet &locked)
{
    auto image = loadImageFile(path);
    if (!image)
        return Unexpected{image.error()};
    const auto fitted = fitToFrame(*image, fit);
    if (!fitted)
        return Unexpected{fitted.error()};
    return ImageAnalysis{*image, classifyImage(*fitted, palette, locked)};
}

Expected<MatchResult, Notice> importImageFile(const QString &path, const PaletteColors &palette,
                                              std::span<const std::uint8_t> previous,
                                              const MatchOptions &options)
{
    const auto image = loadImageFile(path);
    if (!image)
        return Unexpected{image.error()};
    return matchImage(*image, palette, previous, options);
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
    const auto image = loadImageBytes(bytes, name);
    if (bytes.startsWith("BM") || !image) {
        auto pixels =
                RemoveBMPHeader(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                          std::size_t(bytes.size())));
        if (pixels)
            return std::move(*pixels);
        return Unexpected{pixels.error()};
    }
    if (image->width() != 320 || image->height() != 200)
        return Unexpected{wrongSizeNotice(image->width(), image->height())};
    if (auto pixels = takeIndices(*image, palette))
        return std::move(*pixels);
    return Unexpected{Notice::info((image->format() == QImage::Format_Indexed8
                                            ? "The image's colours are not all in the palette: "
                                              "match them to it"
                                            : "The image is not indexed: match its colours to "
                                              "the palette")
                                   + std::string(howToMatch) + ".")};
}

} // namespace tessa
