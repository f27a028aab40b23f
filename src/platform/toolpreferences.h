// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tessa {

// What Edit > Preferences sets: the program that Project > Edit Externally opens a frame in, and
// the language the editor is shown in.
struct ToolPreferences
{
    enum class ImageFormat { Png, Bmp };

    // The image editor's command line, in which "%f" stands for the file; "" opens the file in
    // the system's default program for its type.
    QString imageEditor;
    // The kind of file the frame is handed over as.
    ImageFormat imageFormat = ImageFormat::Png;
    // A code of languageChoices(): "" for the system's language.
    QString language;

    bool operator==(const ToolPreferences &) const = default;
};

} // namespace tessa
