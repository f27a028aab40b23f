// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieoptions.h"

#include "document/nativefile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tessa {

Expected<MovieFormat, Notice> movieFormatFor(const std::string &path)
{
    std::string extension = textFromPath(pathFromText(path).extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".gif")
        return MovieFormat::Gif;
    if (extension == ".webm")
        return MovieFormat::WebM;
    if (extension == ".mp4")
        return MovieFormat::Mp4;
    if (extension == ".png")
        return MovieFormat::PngSequence;
    const std::string shown = extension.empty() ? "no extension" : "\"" + extension + "\"";
    return Unexpected{Notice::failure("Error", "Cannot tell the kind of movie from the name \""
                                                       + path + "\" (" + shown
                                                       + "): use .gif, .webm, .mp4 or .png.")};
}

} // namespace tessa
