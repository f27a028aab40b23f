// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "referencepicture.h"

#include "document/animitem.h"
#include "encode/moviefit.h"
#include "imageio/imagefile.h"
#include "imaging/palette.h"

namespace tessa {

namespace {

// Pictures of a sequence are shown at this rate; a movie file keeps its own.
constexpr double kSequenceRate = 25.0;

QImage fitted(const QImage &picture)
{
    const std::vector<std::uint32_t> colors = fitMoviePicture(picture, MovieFit::Pad);
    QImage screen(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    for (int y = 0; y < kFrameHeight; ++y) {
        auto *row = reinterpret_cast<QRgb *>(screen.scanLine(y));
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::uint32_t color = colors[std::size_t(y * kFrameWidth + x)];
            row[x] = qRgb(redOf(color), greenOf(color), blueOf(color));
        }
    }
    return screen;
}

} // namespace

Expected<ReferencePicture, Notice> ReferencePicture::open(const QString &path)
{
    ReferencePicture reference;
    reference.m_path = path;
    if (hasPictureSuffix(path)) {
        const auto image = loadImageFile(path);
        if (!image)
            return Unexpected{image.error()};
        reference.m_still = fitted(*image);
        return reference;
    }
    if (auto refusal = reference.restart())
        return Unexpected{std::move(*refusal)};
    return reference;
}

std::optional<Notice> ReferencePicture::restart()
{
    m_current.reset();
    m_next.reset();
    m_currentFitted = QImage();
    auto source = openMovieSource(m_path.toStdString(), kSequenceRate);
    if (!source)
        return source.error();
    m_movie = std::move(*source);
    auto first = m_movie->next();
    if (!first)
        return first.error();
    if (!*first)
        return movieSourceRefusal(m_path.toStdString(),
                                  TESSA_WORDS("tessa::Notice", "it holds no pictures."));
    m_current = std::move(**first);
    auto second = m_movie->next();
    if (second && *second)
        m_next = std::move(**second);
    return std::nullopt;
}

QImage ReferencePicture::at(double seconds)
{
    if (!m_still.isNull())
        return m_still;
    if ((!m_current || seconds < m_current->seconds) && restart())
        return QImage();
    while (m_next && m_next->seconds <= seconds) {
        m_current = std::move(m_next);
        m_currentFitted = QImage();
        m_next.reset();
        auto following = m_movie->next();
        if (following && *following)
            m_next = std::move(**following);
    }
    // Past the end of the movie: nothing to compare with.
    if (!m_next && seconds >= m_movie->endSeconds())
        return QImage();
    if (m_currentFitted.isNull())
        m_currentFitted = fitted(m_current->image);
    return m_currentFitted;
}

} // namespace tessa
