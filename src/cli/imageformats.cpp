// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageformats.h"

#include "imageio/imagefile.h"
#include "imageio/imageimport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tessa {

namespace {

// Qt looks for its image plugins (JPEG, ICO) beside the program only once a QCoreApplication
// exists, which tessanim never makes; without this the Windows package, which has them in
// imageformats\ beside tessanim.exe, read no JPEG. Elsewhere they are where Qt was installed.
void findPluginsBesideTheProgram()
{
#ifdef _WIN32
    static const bool added = [] {
        std::wstring path(32768, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length > 0 && length < path.size())
            QCoreApplication::addLibraryPath(
                    QFileInfo(QString::fromWCharArray(path.data(), int(length))).absolutePath());
        return true;
    }();
    (void)added;
#endif
}

} // namespace

Expected<std::vector<std::uint8_t>, Notice> manifestImagePixels(std::span<const std::uint8_t> file,
                                                                const std::string &path,
                                                                ImageColors colors,
                                                                const PaletteColors &palette)
{
    findPluginsBesideTheProgram();
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
