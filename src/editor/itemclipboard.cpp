// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemclipboard.h"

#include "document/itemclip.h"

#include <QImage>
#include <QMimeData>

namespace tessa {

namespace {

QImage indexedPicture(const AnimItem &item, const PaletteColors &colors)
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_Indexed8);
    QList<QRgb> table;
    table.reserve(256);
    for (std::uint32_t color : colors)
        table << qRgb(redOf(color), greenOf(color), blueOf(color));
    image.setColorTable(table);
    for (int y = 0; y < kFrameHeight; ++y)
        std::copy_n(item.Pixels.begin() + std::ptrdiff_t(y) * kFrameWidth, kFrameWidth,
                    image.scanLine(y));
    return image;
}

} // namespace

QMimeData *mimeDataForItem(const AnimItem &item, const PaletteColors &colors)
{
    auto *data = new QMimeData;
    const std::vector<std::uint8_t> bytes = encodeClipItem(item);
    data->setData(kItemMimeType, QByteArray(reinterpret_cast<const char *>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size())));
    if (item.isImage() && item.Pixels.size() == std::size_t(kFrameSize))
        data->setImageData(indexedPicture(item, colors));
    return data;
}

std::optional<AnimItem> itemFromMimeData(const QMimeData *data)
{
    if (!data || !data->hasFormat(kItemMimeType))
        return std::nullopt;
    const QByteArray bytes = data->data(kItemMimeType);
    return decodeClipItem(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())));
}

} // namespace tessa
