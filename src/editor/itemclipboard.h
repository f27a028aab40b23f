// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"

#include <QString>

#include <optional>

class QMimeData;

namespace tessa {

// The clipboard format of one item, understood by every running editor.
inline const QString kItemMimeType = QStringLiteral("application/x-tessarine-studio-item");

// Clipboard data for `item`: the item itself, and for an image also the picture in `colors`,
// for other programs. The caller owns the result (the clipboard takes it over).
QMimeData *mimeDataForItem(const AnimItem &item, const PaletteColors &colors);

// The item in `data`, or nothing when it holds none or a damaged one.
std::optional<AnimItem> itemFromMimeData(const QMimeData *data);

} // namespace tessa
