// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/paths.h"
#include "imageformats.h"
#include "imaging/bmp.h"
#include "manifest.h"
#include "refusal.h"

#include <filesystem>
#include <system_error>

namespace tessa {

namespace {

CommandResult makeFolder(const std::string &folder)
{
    std::error_code error;
    std::filesystem::create_directories(pathFromText(folder), error);
    if (error)
        return refusal("Could not create the folder \"" + folder + "\": " + error.message() + ".");
    return Done{};
}

std::string_view extensionOf(ImageFormat format)
{
    return format == ImageFormat::Png ? ".png" : ".bmp";
}

// Replaces rather than backs up: an exported frame is a copy, the animation is the original.
CommandResult writeImage(const std::string &path, const AnimItem &image,
                         const PaletteColors &colors, ImageFormat format)
{
    if (format == ImageFormat::Png)
        return writeFramePng(path, image.Pixels, colors);
    const auto bytes = AddBMPHeader(kFrameWidth, kFrameHeight, image.Pixels, colors);
    const auto written = replaceFile(path, bytes, Backup::None);
    if (!written)
        return Unexpected{fileFailureNotice(written.error())};
    return Done{};
}

CommandResult writeImages(const std::string &animationPath, const ItemList &items,
                          const std::string &folder, const PaletteColors &colors,
                          ImageFormat format)
{
    if (auto made = makeFolder(folder); !made)
        return made;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].isImage())
            continue;
        const std::string name =
                exportFileNameAs(animationPath, static_cast<int>(i), extensionOf(format));
        if (auto written = writeImage(joinPath(folder, name), items[i], colors, format); !written)
            return written;
    }
    return Done{};
}

// What every exporting command starts from: the palette's colours and the animation's items.
struct Exportable
{
    PaletteColors colors;
    ItemList items;
};

Expected<Exportable, Notice> loadExportable(const std::string &animationPath,
                                            const std::string &palette)
{
    auto colors = choosePalette(palette);
    if (!colors)
        return Unexpected{colors.error()};
    auto items = loadAnimation(animationPath);
    if (!items)
        return Unexpected{items.error()};
    return Exportable{*colors, std::move(*items)};
}

std::string countOfItems(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " item" : " items");
}

} // namespace

CommandResult exportCommand(const std::string &animationPath, const std::string &folder,
                            const std::string &palette, ImageFormat format)
{
    const auto loaded = loadExportable(animationPath, palette);
    if (!loaded)
        return Unexpected{loaded.error()};
    return writeImages(animationPath, loaded->items, folder, loaded->colors, format);
}

CommandResult frameCommand(const std::string &animationPath, int line, const std::string &outPath,
                           const std::string &palette, ImageFormat format)
{
    const auto loaded = loadExportable(animationPath, palette);
    if (!loaded)
        return Unexpected{loaded.error()};
    const ItemList &items = loaded->items;
    const std::string lineText = "line " + std::to_string(line);
    if (line < 1 || static_cast<std::size_t>(line) > items.size())
        return refusal("There is no " + lineText + ": the animation has "
                       + countOfItems(items.size()) + ".");
    const AnimItem &item = items[static_cast<std::size_t>(line - 1)];
    if (!item.isImage()) {
        const std::string shown = listLine(item);
        return refusal("The item on " + lineText + " is not an image"
                       + (shown.empty() ? "" : " but \"" + shown + "\"") + ".");
    }
    return writeImage(outPath, item, loaded->colors, format);
}

CommandResult unpackCommand(const std::string &animationPath, const std::string &folder,
                            const std::string &palette, ImageFormat format)
{
    const auto loaded = loadExportable(animationPath, palette);
    if (!loaded)
        return Unexpected{loaded.error()};
    const auto manifest = writeManifest(loaded->items, animationPath, extensionOf(format));
    if (!manifest)
        return Unexpected{manifest.error()};
    if (auto written = writeImages(animationPath, loaded->items, folder, loaded->colors, format);
        !written)
        return written;

    const std::string manifestPath = joinPath(folder, manifestFileName(animationPath));
    const auto saved = replaceFile(
            manifestPath,
            std::span(reinterpret_cast<const std::uint8_t *>(manifest->data()), manifest->size()),
            Backup::None);
    if (!saved)
        return Unexpected{fileFailureNotice(saved.error())};
    return Done{};
}

} // namespace tessa
