// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace tessa {

// The first picture of a GIF file as an indexed image: Format_Indexed8 of the GIF's screen size,
// with the GIF's own indices and its colour table (the picture's local one, else the global
// one; the transparent index, if any, with alpha 0). Qt's GIF reader gives 32-bit colours, which
// would lose the indices an indexed frame is taken by. Nothing when giflib cannot read the
// bytes as a GIF, so that the caller's general reader reports why.
std::optional<QImage> readIndexedGif(const QByteArray &bytes);

} // namespace tessa
