// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include "document/fileio.h"

#include <gif_lib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tessa {

namespace {

int appendBytes(GifFileType *gif, const GifByteType *data, int length)
{
    auto *file = static_cast<std::FILE *>(gif->UserData);
    return static_cast<int>(std::fwrite(data, 1, std::size_t(length), file));
}

// The smallest rectangle holding every pixel that differs; 1 x 1 when none does, since a GIF
// frame cannot be empty.
template<typename Rect>
Rect changedRect(const std::vector<std::uint8_t> &before, const std::vector<std::uint8_t> &after,
                 int width, int height)
{
    const auto rowOf = [&](const std::vector<std::uint8_t> &pixels, int y) {
        return pixels.data() + std::size_t(y) * std::size_t(width);
    };
    int top = 0;
    while (top < height && std::memcmp(rowOf(before, top), rowOf(after, top), width) == 0)
        ++top;
    if (top == height)
        return {0, 0, 1, 1};
    int bottom = height - 1;
    while (std::memcmp(rowOf(before, bottom), rowOf(after, bottom), width) == 0)
        --bottom;
    int left = width;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const std::uint8_t *a = rowOf(before, y);
        const std::uint8_t *b = rowOf(after, y);
        int x = 0;
        while (x < left && a[x] == b[x])
            ++x;
        left = std::min(left, x);
        x = width - 1;
        while (x > right && a[x] == b[x])
            --x;
        right = std::max(right, x);
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

} // namespace

GifWriter::GifWriter(std::string path, const MovieOptions &options)
    : m_scaler(options.scale, options.aspect43)
    , m_file(std::filesystem::path(path))
{
}

GifWriter::~GifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
    if (m_stream)
        std::fclose(m_stream);
}

Expected<Done, Notice> GifWriter::check(int result, const char *what)
{
    if (result == GIF_OK)
        return Done{};
    const char *reason = m_gif ? GifErrorString(m_gif->Error) : nullptr;
    return Unexpected{movieFailure(std::string("Could not ") + what + " of the GIF"
                                   + (reason ? std::string(": ") + reason : std::string()) + ".")};
}

Expected<Done, Notice> GifWriter::open()
{
    m_stream = std::fopen(m_file.path().string().c_str(), "wb");
    if (!m_stream)
        return Unexpected{movieFailure(
                IoError{IoError::Action::Write, m_file.target().string(), std::strerror(errno)}
                        .text())};
    int error = 0;
    m_gif = EGifOpen(m_stream, appendBytes, &error);
    if (!m_gif)
        return Unexpected{movieFailure(std::string("Could not start the GIF: ")
                                       + GifErrorString(error) + ".")};
    EGifSetGifVersion(m_gif, true);
    if (auto done =
                check(EGifPutScreenDesc(m_gif, m_scaler.width(), m_scaler.height(), 8, 0, nullptr),
                      "write the header");
        !done)
        return done;
    // The NETSCAPE2.0 block with a loop count of 0: play again and again.
    static const GifByteType application[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK
        || EGifPutExtensionBlock(m_gif, 11, application) != GIF_OK
        || EGifPutExtensionBlock(m_gif, 3, loop) != GIF_OK
        || EGifPutExtensionTrailer(m_gif) != GIF_OK)
        return check(GIF_ERROR, "write the loop block");
    return Done{};
}

Expected<Done, Notice> GifWriter::put(Frame &&frame)
{
    const int width = m_scaler.width();
    Rect rect{0, 0, width, m_scaler.height()};
    if (m_canvas && m_canvas->colors == frame.colors)
        rect = changedRect<Rect>(m_canvas->indices, frame.indices, width, m_scaler.height());

    Queued queued{frame.colors, frame.delay, rect, {}};
    if (m_canvas && rect == m_canvasRect && m_canvas->indices == frame.indices) {
        queued.code = m_canvasCode;
    } else {
        std::vector<std::uint8_t> rows(std::size_t(rect.width) * std::size_t(rect.height));
        for (int y = 0; y < rect.height; ++y)
            std::memcpy(rows.data() + std::size_t(y) * std::size_t(rect.width),
                        frame.indices.data() + std::size_t(rect.top + y) * std::size_t(width)
                                + std::size_t(rect.left),
                        std::size_t(rect.width));
        queued.code =
                m_compressors
                        .run([rows = std::move(rows), rect] {
                            return compressGifPixels(rows, rect.width, rect.height, rect.width);
                        })
                        .share();
    }
    m_canvasRect = rect;
    m_canvasCode = queued.code;
    m_canvas = std::move(frame);
    m_queue.push_back(std::move(queued));
    if (m_queue.size() > kInFlight)
        return writeOldest();
    return Done{};
}

Expected<Done, Notice> GifWriter::writeOldest()
{
    Queued frame = std::move(m_queue.front());
    m_queue.pop_front();
    const Rect rect = frame.rect;

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = frame.delay;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType block[4];
    const int blockLength = static_cast<int>(EGifGCBToExtension(&control, block));
    if (auto done = check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, blockLength, block),
                          "write a frame's delay");
        !done)
        return done;

    GifColorType table[256];
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t color = frame.colors[static_cast<std::size_t>(i)];
        table[i] = {redOf(color), greenOf(color), blueOf(color)};
    }
    ColorMapObject *map = GifMakeMapObject(256, table);
    if (!map)
        return Unexpected{movieFailure("Out of memory while writing the GIF.")};
    const int described =
            EGifPutImageDesc(m_gif, rect.left, rect.top, rect.width, rect.height, false, map);
    GifFreeMapObject(map);
    if (auto done = check(described, "write a frame"); !done)
        return done;
    const std::optional<GifCodeStream> &code = frame.code.get();
    if (!code)
        return Unexpected{movieFailure("Out of memory while writing the GIF.")};
    // The stream is a row of sub-blocks, each led by its length; giflib writes them as they are.
    const std::vector<std::uint8_t> &blocks = code->blocks;
    for (std::size_t at = 0; at < blocks.size(); at += std::size_t(blocks[at]) + 1) {
        if (auto done = check(EGifPutCodeNext(m_gif, blocks.data() + at), "write a frame"); !done)
            return done;
    }
    return check(EGifPutCodeNext(m_gif, nullptr), "write a frame");
}

Expected<Done, Notice> GifWriter::addScreen(std::span<const std::uint8_t> pixels,
                                            const PaletteColors &colors, double seconds)
{
    Frame frame;
    m_scaler.scale(pixels, frame.indices);
    frame.colors = colors;
    if (!m_pending) {
        if (auto opened = open(); !opened)
            return opened;
        m_clock.start(seconds);
        m_pending = std::move(frame);
        return Done{};
    }
    // The same picture again only makes the one on screen last longer.
    if (frame.colors == m_pending->colors && frame.indices == m_pending->indices)
        return Done{};
    const int delay = m_clock.next(seconds);
    if (delay > 0) {
        if (m_ready) {
            if (auto done = put(std::move(*m_ready)); !done)
                return done;
        }
        m_pending->delay = delay;
        m_ready = std::move(m_pending);
    }
    m_pending = std::move(frame);
    return Done{};
}

Expected<Done, Notice> GifWriter::finish(double endSeconds)
{
    if (!m_pending)
        return Unexpected{movieFailure("The movie has no picture to show.")};
    const GifEnding ending = m_clock.finish(endSeconds, m_ready ? m_ready->delay : 0);
    if (m_ready && ending.previous > 0) {
        m_ready->delay = ending.previous;
        if (auto done = put(std::move(*m_ready)); !done)
            return done;
    }
    m_pending->delay = ending.last;
    if (auto done = put(std::move(*m_pending)); !done)
        return done;
    while (!m_queue.empty()) {
        if (auto done = writeOldest(); !done)
            return done;
    }
    int error = 0;
    const int closed = EGifCloseFile(std::exchange(m_gif, nullptr), &error);
    if (closed != GIF_OK)
        return Unexpected{movieFailure(std::string("Could not finish the GIF: ")
                                       + GifErrorString(error) + ".")};
    const bool flushed = std::fflush(m_stream) == 0;
    const bool closedFile = std::fclose(std::exchange(m_stream, nullptr)) == 0;
    if (!flushed || !closedFile)
        return Unexpected{movieFailure(
                IoError{IoError::Action::Write, m_file.target().string(), std::strerror(errno)}
                        .text())};
    return m_file.commit();
}

} // namespace tessa
