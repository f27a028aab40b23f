// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frameimport.h"

#include "document/notice.h"
#include "editor/animdocument.h"
#include "editor/editorcontext.h"
#include "imageio/imagefile.h"
#include "imageio/imageimport.h"
#include "platform/dialogs.h"

namespace tessa {

std::vector<std::uint8_t> FrameImport::pixelsAbove(const AnimDocument &document, int line)
{
    std::vector<std::uint8_t> previous;
    if (const int above = FindPreviousImage(document.items(), line); above >= 0) {
        const PixelBuffer &pixels = document.item(above).Pixels;
        previous.assign(pixels.begin(), pixels.end());
    }
    return previous;
}

std::optional<std::vector<std::uint8_t>>
FrameImport::importFrame(EditorContext &context, const QString &path,
                         const std::vector<std::uint8_t> &previous)
{
    auto read = readImageFile(path);
    if (!read) {
        context.showNotice(read.error());
        return std::nullopt;
    }
    // What is left of a file cut short may still be worth having, but only knowingly.
    if (read->damage) {
        const auto answer = context.dialogs().messageBox(
                context.owner(),
                tr("%1\r\n\r\nImport what is there?")
                        .arg(QString::fromStdString(read->damage->text)),
                QLatin1String(kProgramTitle), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
        if (answer != Dialogs::Answer::Yes)
            return std::nullopt;
    }
    // Indices that already mean the palette's colours, or the same colours under other
    // numbers, are taken exactly, without asking; not from a picture read scaled down.
    const bool whole = read->sizeInFile == read->image.size();
    if (auto exact = whole ? takeIndices(read->image, context.paletteColors()) : std::nullopt)
        return exact;
    ImportRequest request;
    request.path = path;
    request.image = std::move(read->image);
    request.sizeInFile = read->sizeInFile;
    request.palette = context.paletteColors();
    request.previous = previous;
    return context.dialogs().matchImage(context.owner(), request);
}

} // namespace tessa
