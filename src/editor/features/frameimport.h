// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessa {

class AnimDocument;
class EditorContext;

// Frames taken from image files of any kind Qt reads into the current palette: by Import Image,
// and by Edit Externally when the image editor has saved one.
class FrameImport
{
    Q_DECLARE_TR_FUNCTIONS(tessa::FrameImport)

public:
    // What the frame going before `line` is matched against: the pixels of the nearest image
    // above it, or none.
    static std::vector<std::uint8_t> pixelsAbove(const AnimDocument &document, int line);

    // The frame of the file at `path`: its indices when they can be taken exactly, else what the
    // Import Image preview makes of it against `previous`. Nothing when the user cancelled or the
    // file was refused (the reason shown).
    static std::optional<std::vector<std::uint8_t>>
    importFrame(EditorContext &context, const QString &path,
                const std::vector<std::uint8_t> &previous);
};

} // namespace tessa
