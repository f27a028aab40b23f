// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pngsequencewriter.h"

#include "document/fileio.h"
#include "document/nativefile.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace fs = std::filesystem;

namespace tessa {

namespace {

Unexpected<Notice> writeFailure(const fs::path &path, const std::string &reason)
{
    return Unexpected{
            movieFailure(IoError{IoError::Action::Write, textFromPath(path), reason}.text())};
}

} // namespace

PngSequenceWriter::PngSequenceWriter(const std::string &path, const MovieOptions &options)
    : m_frameRate(options.frameRate)
    , m_scaler(options.scale, options.aspect43)
    , m_folder(pathFromText(path))
{
}

fs::path PngSequenceWriter::frameName(const fs::path &path, long long frame, long long count)
{
    const std::size_t digits = std::max<std::size_t>(5, std::to_string(count).size());
    std::string number = std::to_string(frame + 1);
    number.insert(0, digits - number.size(), '0');
    // Put together as paths, not as text, so that a name in any script keeps its letters.
    fs::path name = path.parent_path() / path.stem();
    name += "-" + number;
    name += path.extension();
    return name;
}

fs::path PngSequenceWriter::scratchFile(long long frame) const
{
    return m_folder.path() / (std::to_string(frame) + ".png");
}

Expected<Done, Notice> PngSequenceWriter::writeFramesUntil(long long frame)
{
    if (frame <= m_nextFrame)
        return Done{};
    std::vector<std::uint8_t> scaled;
    m_scaler.scale(m_pendingIndices, scaled);
    QImage image(m_scaler.width(), m_scaler.height(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const std::uint32_t color : m_pendingColors)
        table.append(qRgb(redOf(color), greenOf(color), blueOf(color)));
    image.setColorTable(table);
    for (int y = 0; y < m_scaler.height(); ++y)
        std::memcpy(image.scanLine(y), scaled.data() + std::size_t(y) * m_scaler.width(),
                    std::size_t(m_scaler.width()));
    const fs::path first = scratchFile(m_nextFrame);
    if (!image.save(QString::fromStdU16String(first.u16string()), "PNG"))
        return writeFailure(m_folder.target(), "a picture could not be written");
    for (long long copy = m_nextFrame + 1; copy < frame; ++copy) {
        std::error_code error;
        fs::create_hard_link(first, scratchFile(copy), error);
        if (error)
            fs::copy_file(first, scratchFile(copy), error);
        if (error)
            return writeFailure(m_folder.target(), error.message());
    }
    m_nextFrame = frame;
    return Done{};
}

Expected<Done, Notice> PngSequenceWriter::addScreen(std::span<const std::uint8_t> pixels,
                                                    const PaletteColors &colors, double seconds)
{
    if (!m_folderMade) {
        std::error_code error;
        fs::create_directory(m_folder.path(), error);
        if (error)
            return writeFailure(m_folder.target(), error.message());
        m_folderMade = true;
    }
    if (m_havePending) {
        if (auto done = writeFramesUntil(std::llround(seconds * m_frameRate)); !done)
            return done;
    }
    m_pendingIndices.assign(pixels.begin(), pixels.end());
    m_pendingColors = colors;
    m_havePending = true;
    return Done{};
}

Expected<Done, Notice> PngSequenceWriter::finish(double endSeconds)
{
    if (!m_havePending)
        return Unexpected{movieFailure("The movie has no picture to show.")};
    // A movie that takes no time still shows its picture once.
    const long long count = std::max(std::llround(endSeconds * m_frameRate), m_nextFrame + 1);
    if (auto done = writeFramesUntil(count); !done)
        return done;
    for (long long frame = 0; frame < count; ++frame) {
        const fs::path target = frameName(m_folder.target(), frame, count);
        if (const auto error = FileSystem::real().rename(scratchFile(frame), target))
            return writeFailure(target, error.message());
    }
    return Done{};
}

} // namespace tessa
