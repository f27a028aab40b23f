// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagefile.h"

#include "gifimage.h"

#include "document/animfile.h"
#include "document/animitem.h"
#include "document/fileio.h"
#include "imaging/bmp.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace tessa {

namespace {

QImage indexedFromBmp(const BmpFrame &frame)
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_Indexed8);
    // Indices past a short table still need a colour: black, as the table's missing entries.
    QList<QRgb> table(256, qRgb(0, 0, 0));
    for (int i = 0; i < frame.colorCount; ++i) {
        const std::uint32_t c = frame.colors[std::size_t(i)];
        table[i] = qRgb(redOf(c), greenOf(c), blueOf(c));
    }
    image.setColorTable(table);
    for (int y = 0; y < kFrameHeight; ++y)
        std::copy_n(frame.pixels.begin() + y * kFrameWidth, kFrameWidth, image.scanLine(y));
    return image;
}

Unexpected<Notice> unreadable(const QString &name, const QString &reason)
{
    return Unexpected{Notice::info("The image \"" + QDir::toNativeSeparators(name).toStdString()
                                   + "\" could not be read: " + reason.toStdString() + ".")};
}

} // namespace

Expected<QImage, Notice> loadImageBytes(const QByteArray &bytes, const QString &name)
{
    if (bytes.startsWith("BM")) {
        const auto frame = readFrameBmp(
                std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size()));
        if (frame)
            return indexedFromBmp(*frame);
    }
    if (auto gif = readIndexedGif(bytes))
        return std::move(*gif);
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull())
        return unreadable(name, reader.errorString().toLower());
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(QImage::Format_Indexed8);
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() == 0)
        return unreadable(name, "it has no colours");
    return image;
}

Expected<QImage, Notice> loadImageFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, file.errorString().toLower());
    return loadImageBytes(file.readAll(), path);
}

QImage frameImage(std::span<const std::uint8_t> pixels, const PaletteColors &colors)
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const std::uint32_t c : colors)
        table.push_back(qRgb(redOf(c), greenOf(c), blueOf(c)));
    image.setColorTable(table);
    for (int y = 0; y < kFrameHeight; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::size_t at = std::size_t(y * kFrameWidth + x);
            row[x] = at < pixels.size() ? pixels[at] : 0;
        }
    }
    return image;
}

std::vector<std::uint8_t> encodeIndexedPng(std::span<const std::uint8_t> pixels,
                                           const PaletteColors &colors)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(frameImage(pixels, colors));
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

Expected<Done, Notice> writeIndexedPng(const std::string &path,
                                       std::span<const std::uint8_t> pixels,
                                       const PaletteColors &colors)
{
    const auto bytes = encodeIndexedPng(pixels, colors);
    const auto written = replaceFile(path, bytes, Backup::None);
    if (!written)
        return Unexpected{fileFailureNotice(written.error())};
    return Done{};
}

bool isPngPath(const QString &path)
{
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

} // namespace tessa
