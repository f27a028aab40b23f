// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "document/animfile.h"
#include "manifest.h"

namespace tessa {

CommandResult listCommand(const std::string &animationPath, std::ostream &out)
{
    const auto items = loadAnimation(animationPath);
    if (!items)
        return Unexpected{items.error()};
    for (const AnimItem &item : *items)
        out << listLine(item) << '\n';
    return Done{};
}

CommandResult resaveCommand(const std::string &animationPath, const std::string &outPath)
{
    const auto items = loadAnimation(animationPath);
    if (!items)
        return Unexpected{items.error()};
    return saveAnimation(outPath, *items);
}

std::optional<ImageFormat> imageFormatNamed(const std::string &name)
{
    std::string lower = name;
    for (char &c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower == "bmp")
        return ImageFormat::Bmp;
    if (lower == "png")
        return ImageFormat::Png;
    return std::nullopt;
}

CommandResult buildCommand(const std::string &manifestPath, const std::string &outPath,
                           const std::string &palette)
{
    const auto colors = choosePalette(palette);
    if (!colors)
        return Unexpected{colors.error()};
    const auto items = loadManifest(manifestPath, *colors);
    if (!items)
        return Unexpected{items.error()};
    return saveAnimation(outPath, *items);
}

CommandResult renderCommand(const std::string &animationPath, const std::string &outPath,
                            const RenderChoices &choices, std::ostream &warnings)
{
    const auto colors = choosePalette(choices.palette);
    if (!colors)
        return Unexpected{colors.error()};
    const auto items = loadAnimation(animationPath);
    if (!items)
        return Unexpected{items.error()};
    return renderItems(*items, outPath, *colors, choices, warnings);
}

} // namespace tessa
