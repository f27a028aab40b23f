// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageformats.h"

#include "imageio/imagefile.h"
#include "imageio/imageimport.h"

#include <QByteArray>
#include <QString>

namespace tessa {

Expected<std::vector<std::uint8_t>, Notice> manifestImagePixels(std::span<const std::uint8_t> file,
                                                                const std::string &path,
                                                                ImageColors colors,
                                                                const PaletteColors &palette)
{
    const QByteArray content(reinterpret_cast<const char *>(file.data()),
                             static_cast<qsizetype>(file.size()));
    const QString name = QString::fromStdString(path);
    if (colors == ImageColors::Keep)
        return importIndexedBytes(content, name, palette,
                                  ", with `image FILE match` or `image FILE dither` in the "
                                  "manifest");

    MatchOptions options;
    options.method =
            colors == ImageColors::Dither ? MatchMethod::FloydSteinberg : MatchMethod::Nearest;
    // A file cut short is refused: a frame with a grey stripe where data was missing is no
    // picture anyone meant to build.
    const auto read = readImageBytes(content, name);
    if (!read)
        return Unexpected{read.error()};
    if (read->damage)
        return Unexpected{*read->damage};
    auto matched = matchImage(read->image, palette, {}, options, read->sizeInFile);
    if (!matched)
        return Unexpected{matched.error()};
    return std::move(matched->pixels);
}

Expected<Done, Notice> writeFramePng(const std::string &path, std::span<const std::uint8_t> pixels,
                                     const PaletteColors &colors)
{
    return writeIndexedPng(path, pixels, colors);
}

} // namespace tessa
