// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace tessa {

// The file filters of the dialogs, as pairs "description|pattern", shown through shownFilter().
inline constexpr const char *kAnimationFilter = QT_TRANSLATE_NOOP(
        "tessa::Filters", "Animation Files (*ANIM*.*)|*ANIM*.*|All Files (*.*)|*.*");
inline constexpr const char *kBitmapFilter =
        QT_TRANSLATE_NOOP("tessa::Filters", "BitMap Files (*.bmp)|*.bmp|All Files (*.*)|*.*");
inline constexpr const char *kPaletteFilter = QT_TRANSLATE_NOOP(
        "tessa::Filters", "JASC 3 Palette Files (*.pal)|*.pal|JASC 8 Palette Files (*.pal)|*.pal|"
                          "Photoshop Palette Files (*.act)|*.act|GAMEPAL.OBJ|GAMEPAL.OBJ");
inline constexpr const char *kMovieFilter = QT_TRANSLATE_NOOP(
        "tessa::Filters", "GIF Animation (*.gif)|*.gif|WebM Video (*.webm)|*.webm|"
                          "MP4 Video (*.mp4)|*.mp4|PNG Sequence (*.png)|*.png");
inline constexpr const char *kPatchFilter = QT_TRANSLATE_NOOP(
        "tessa::Filters", "Animation Patches (*.tpatch)|*.tpatch|All Files (*.*)|*.*");

// `filter` in the language the editor is shown in.
inline QString shownFilter(const char *filter)
{
    return QCoreApplication::translate("tessa::Filters", filter);
}

} // namespace tessa
