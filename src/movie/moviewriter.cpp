// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "moviewriter.h"

#include "gifwriter.h"
#include "pngsequencewriter.h"

namespace tessa {

Notice movieFailure(const std::string &text)
{
    return Notice::failure("Error", text);
}

Expected<std::unique_ptr<MovieWriter>, Notice> openMovieWriter(const std::string &path,
                                                               const MovieOptions &options)
{
    const auto format = movieFormatFor(path);
    if (!format)
        return Unexpected{format.error()};
    if (options.scale < 1 || options.scale > kMaxMovieScale)
        return Unexpected{movieFailure("The scale must be a whole number from 1 to "
                                       + std::to_string(kMaxMovieScale) + ".")};
    if (!(options.frameRate > 0.0))
        return Unexpected{movieFailure("The tick rate must be above 0.")};
    std::unique_ptr<MovieWriter> writer;
    switch (*format) {
    case MovieFormat::Gif:
        writer = std::make_unique<GifWriter>(path, options);
        break;
    case MovieFormat::PngSequence:
        writer = std::make_unique<PngSequenceWriter>(path, options);
        break;
    case MovieFormat::WebM:
    case MovieFormat::Mp4:
        return openVideoWriter(path, *format, options);
    }
    return writer;
}

} // namespace tessa
