// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagefile.h"

#include "cutshort.h"
#include "gifimage.h"

#include "document/animfile.h"
#include "document/animitem.h"
#include "document/fileio.h"
#include "imaging/bmp.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

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

Unexpected<Notice> unreadable(const QString &name, const std::string &reason)
{
    return Unexpected{Notice::info("The image \"" + QDir::toNativeSeparators(name).toStdString()
                                   + "\" could not be read: " + reason + ".")};
}

Notice damagedNotice(const QString &name, const std::string &remains)
{
    return Notice::info("The image \"" + QDir::toNativeSeparators(name).toStdString()
                        + "\" is damaged: the file is cut short, and " + remains + ".");
}

qint64 pixelBytes(QSize size, QImage::Format format)
{
    // Qt's readers make 32-bit pictures of most files; the reader says when it knows better.
    const qint64 bits =
            format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    return (qint64(size.width()) * bits + 31) / 32 * 4 * size.height();
}

// The smallest size of `size`'s proportions that covers the frame, all that Crop and Scale to
// fit take from a picture; `size` itself when it is not larger.
QSize coveringSize(QSize size)
{
    const double scale =
            std::max(double(kFrameWidth) / size.width(), double(kFrameHeight) / size.height());
    if (scale >= 1.0)
        return size;
    return {std::max(kFrameWidth, int(std::ceil(size.width() * scale))),
            std::max(kFrameHeight, int(std::ceil(size.height() * scale)))};
}

// Qt's readers refuse a picture over their allocation limit (128 MB in Qt 6.4) as "unable to
// read image data", reckoning 4 bytes a pixel whatever the picture's depth, so an 8-bit picture
// of 100 MB is refused too. The limit is raised so that what is read whole here passes.
constexpr int kReaderLimitMegabytes = 4 * kWholePictureMegabytes;

void allowWholePictures()
{
    const int limit = QImageReader::allocationLimit();
    if (limit != 0 && limit < kReaderLimitMegabytes)
        QImageReader::setAllocationLimit(kReaderLimitMegabytes);
}

bool exceeds(qint64 bytes, int megabytes)
{
    return bytes > qint64(megabytes) * 1024 * 1024;
}

} // namespace

Expected<ImageRead, Notice> readImageBytes(const QByteArray &bytes, const QString &name)
{
    if (bytes.startsWith("BM")) {
        const auto frame = readFrameBmp(
                std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size()));
        if (frame)
            return ImageRead{indexedFromBmp(*frame), QSize(kFrameWidth, kFrameHeight), {}};
    }
    if (auto gif = readIndexedGif(bytes)) {
        const QSize size = gif->size();
        return ImageRead{std::move(*gif), size, {}};
    }
    const auto remains = cutShortRemains(
            std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size()));
    allowWholePictures();
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    const bool scaledDown =
            size.isValid()
            && exceeds(pixelBytes(size, reader.imageFormat()), kWholePictureMegabytes);
    if (scaledDown)
        reader.setScaledSize(coveringSize(size));
    QImage image = reader.read();
    if (image.isNull()) {
        if (remains)
            return unreadable(name, "the file is cut short");
        // The reader could not scale the picture down, or refused it whole by its own reckoning.
        if (scaledDown
            || (size.isValid()
                && exceeds(pixelBytes(size, QImage::Format_ARGB32), kReaderLimitMegabytes)))
            return unreadable(name, "at " + std::to_string(size.width()) + " x "
                                            + std::to_string(size.height())
                                            + " pixels it is too large to hold");
        return unreadable(name, reader.errorString().toLower().toStdString());
    }
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(QImage::Format_Indexed8);
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() == 0)
        return unreadable(name, "it has no colours");
    ImageRead read{image, scaledDown ? size : image.size(), {}};
    if (remains)
        read.damage = damagedNotice(name, *remains);
    return read;
}

Expected<ImageRead, Notice> readImageFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, file.errorString().toLower().toStdString());
    return readImageBytes(file.readAll(), path);
}

Expected<QImage, Notice> loadImageBytes(const QByteArray &bytes, const QString &name)
{
    auto read = readImageBytes(bytes, name);
    if (!read)
        return Unexpected{read.error()};
    if (read->damage)
        return Unexpected{*read->damage};
    return std::move(read->image);
}

bool hasPictureSuffix(const QString &path)
{
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains(QFileInfo(path).suffix().toLower().toLatin1());
}

Expected<QImage, Notice> loadImageFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, file.errorString().toLower().toStdString());
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
