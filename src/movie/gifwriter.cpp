// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include "document/fileio.h"
#include "document/nativefile.h"

#include <gif_lib.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tessa {

namespace {

int appendBytes(GifFileType *gif, const GifByteType *data, int length)
{
    auto *sink = static_cast<GifWriter::Sink *>(gif->UserData);
    const std::size_t written = sink->file ? std::fwrite(data, 1, std::size_t(length), sink->file)
                                           : std::size_t(length);
    sink->bytes += written;
    return static_cast<int>(written);
}

// A giflib colour map of `colors`; nothing when out of memory. The caller frees it.
ColorMapObject *colorMap(std::span<const std::uint32_t> colors)
{
    GifColorType table[256];
    for (std::size_t i = 0; i < colors.size(); ++i)
        table[i] = {redOf(colors[i]), greenOf(colors[i]), blueOf(colors[i])};
    return GifMakeMapObject(int(colors.size()), table);
}

} // namespace

GifWriter::GifWriter(std::string path, const MovieOptions &options)
    : m_scaler(options.scale, options.aspect43)
    , m_palette(options.palette)
    , m_colourUse(options.colourUse)
{
    if (!path.empty())
        m_file.emplace(pathFromText(path));
}

GifWriter::~GifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
    if (m_sink.file)
        std::fclose(m_sink.file);
}

Expected<Done, Notice> GifWriter::check(int result, const char *what)
{
    if (result == GIF_OK)
        return Done{};
    const char *reason = m_gif ? GifErrorString(m_gif->Error) : nullptr;
    return Unexpected{movieFailure(std::string("Could not ") + what + " of the GIF"
                                   + (reason ? std::string(": ") + reason : std::string()) + ".")};
}

Notice GifWriter::writeFailure(const std::string &reason) const
{
    const std::string path = m_file ? textFromPath(m_file->target()) : std::string("the GIF");
    return movieFailure(IoError{IoError::Action::Write, path, reason}.text());
}

Expected<Done, Notice> GifWriter::open(const GifScreen &first)
{
    if (m_file) {
        std::error_code error;
        m_sink.file = createNewFile(m_file->path(), error);
        if (!m_sink.file)
            return Unexpected{writeFailure(error.message())};
    }
    int error = 0;
    m_gif = EGifOpen(&m_sink, appendBytes, &error);
    if (!m_gif)
        return Unexpected{movieFailure(std::string("Could not start the GIF: ")
                                       + GifErrorString(error) + ".")};
    EGifSetGifVersion(m_gif, true);
    m_global = makeGifGlobalTable(m_palette ? *m_palette : first.colors,
                                  m_colourUse ? *m_colourUse : countColourUse(first.pixels));
    ColorMapObject *map = colorMap(m_global.fileOrder());
    if (!map)
        return Unexpected{movieFailure("Out of memory while writing the GIF.")};
    const int described = EGifPutScreenDesc(m_gif, m_scaler.width(), m_scaler.height(), 8, 0, map);
    GifFreeMapObject(map);
    if (auto done = check(described, "write the header"); !done)
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
    // Screens that differ only in indices of the same colours, or that come back after a dropped
    // one, only make the picture on screen last longer.
    if (m_canvas && looksTheSame(*m_canvas, *frame.screen)) {
        m_queue.back().delay += frame.delay;
        return Done{};
    }
    Queued queued{frame.delay, {}};
    queued.code = m_encoders
                          .run([before = m_canvas, after = frame.screen, &global = m_global,
                                &scaler = m_scaler] {
                              return encodeGifFrame(before.get(), *after, global, scaler);
                          })
                          .share();
    m_canvas = std::move(frame.screen);
    m_queue.push_back(std::move(queued));
    if (m_queue.size() > kInFlight)
        return writeOldest();
    return Done{};
}

Expected<Done, Notice> GifWriter::writeOldest()
{
    Queued queued = std::move(m_queue.front());
    m_queue.pop_front();
    const std::optional<GifFrameCode> &frame = queued.code.get();
    if (!frame)
        return Unexpected{movieFailure("Could not compress a frame of the GIF.")};

    GraphicsControlBlock control{};
    // Every frame draws over the one before, which is what its rectangle was worked out against.
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = queued.delay;
    control.TransparentColor = frame->transparent >= 0 ? frame->transparent : NO_TRANSPARENT_COLOR;
    GifByteType block[4];
    const int blockLength = static_cast<int>(EGifGCBToExtension(&control, block));
    if (auto done = check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, blockLength, block),
                          "write a frame's delay");
        !done)
        return done;

    return writeImage(*frame);
}

// The image is written here rather than by giflib, which takes the code size from the colour
// table: a frame in the global table whose pixels fit fewer bits starts with shorter codes.
Expected<Done, Notice> GifWriter::writeImage(const GifFrameCode &frame)
{
    std::vector<std::uint8_t> bytes{0x2C};
    for (const int value : {frame.left, frame.top, frame.width, frame.height}) {
        bytes.push_back(std::uint8_t(value & 0xFF));
        bytes.push_back(std::uint8_t(value >> 8));
    }
    const std::size_t entries = frame.localColors.size();
    // A local table, of 2 to 256 entries: the bits of an index less 1, beside the flag.
    bytes.push_back(entries ? std::uint8_t(0x80 | (std::bit_width(entries - 1) - 1)) : 0);
    for (const std::uint32_t color : frame.localColors)
        bytes.insert(bytes.end(), {redOf(color), greenOf(color), blueOf(color)});
    bytes.push_back(std::uint8_t(frame.code.codeSize));
    bytes.insert(bytes.end(), frame.code.blocks.begin(), frame.code.blocks.end());
    bytes.push_back(0); // the empty block that ends the image
    if (appendBytes(m_gif, bytes.data(), int(bytes.size())) != int(bytes.size()))
        return Unexpected{writeFailure(std::strerror(errno))};
    return Done{};
}

Expected<Done, Notice> GifWriter::addScreen(std::span<const std::uint8_t> pixels,
                                            const PaletteColors &colors, double seconds)
{
    auto screen = std::make_shared<GifScreen>();
    screen->pixels.assign(pixels.begin(), pixels.end());
    screen->colors = colors;
    if (!m_pending) {
        if (auto opened = open(*screen); !opened)
            return opened;
        m_clock.start(seconds);
        m_pending = Frame{std::move(screen), 0};
        return Done{};
    }
    // The same picture again only makes the one on screen last longer.
    if (looksTheSame(*screen, *m_pending->screen))
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
    m_pending = Frame{std::move(screen), 0};
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
    if (!m_file)
        return Done{};
    const bool flushed = std::fflush(m_sink.file) == 0;
    const bool closedFile = std::fclose(std::exchange(m_sink.file, nullptr)) == 0;
    if (!flushed || !closedFile)
        return Unexpected{writeFailure(std::strerror(errno))};
    return m_file->commit();
}

} // namespace tessa
