// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gifdelays.h"
#include "gifframeencoder.h"
#include "moviewriter.h"
#include "screenscaler.h"
#include "temporarypath.h"
#include "workerpool.h"

#include <cstdio>

#include <deque>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct GifFileType;

namespace tessa {

// An animated GIF that loops forever, through giflib. The animation's palette is the global
// colour table, its most used colours first (MovieOptions::colourUse, else the first screen's),
// so that frames of few colours start with short codes; giflib cannot be told a code size
// smaller than the table's, so the image blocks are written here. Every frame covers only the
// rectangle whose colours change from the picture before, in the smallest of a few encodings
// (encodeGifFrame): the global table or a local one of the colours used, unchanged pixels kept
// or transparent. A fade step, whose palette is not the global one, gets a local table. Frames
// are encoded on worker threads (at most kInFlight at once) and written in order. The file is
// written beside the target under a hidden name and renamed into place by finish(); a writer made
// without a path only counts the bytes it would write.
class GifWriter : public MovieWriter
{
public:
    // `path` empty: count the bytes only (bytesWritten()).
    GifWriter(std::string path, const MovieOptions &options);
    ~GifWriter() override;

    Expected<Done, Notice> addScreen(std::span<const std::uint8_t> pixels,
                                     const PaletteColors &colors, double seconds) override;
    Expected<Done, Notice> finish(double endSeconds) override;

    // The bytes written so far: the whole file once finish() has succeeded.
    std::uint64_t bytesWritten() const { return m_sink.bytes; }

    // Where giflib's bytes go: the file, or nowhere when only counting.
    struct Sink
    {
        std::FILE *file = nullptr;
        std::uint64_t bytes = 0;
    };

private:
    struct Frame
    {
        std::shared_ptr<const GifScreen> screen;
        int delay = 0;
    };

    using Code = std::shared_future<std::optional<GifFrameCode>>;

    // A frame whose encoding has been started, waiting for its turn to be written.
    struct Queued
    {
        int delay = 0;
        Code code;
    };

    static constexpr std::size_t kInFlight = 2;

    Expected<Done, Notice> open(const GifScreen &first);
    Expected<Done, Notice> writeImage(const GifFrameCode &frame);
    Expected<Done, Notice> put(Frame &&frame);
    Expected<Done, Notice> writeOldest();
    Expected<Done, Notice> check(int result, const char *what);
    Notice writeFailure(const std::string &reason) const;

    ScreenScaler m_scaler;
    std::optional<PaletteColors> m_palette; // the animation's palette, when known before
    std::optional<std::array<std::uint64_t, 256>> m_colourUse; // none: the first screen's
    GifGlobalTable m_global;             // made by open(), in the order of m_colourUse
    std::optional<TemporaryPath> m_file; // none when only counting
    Sink m_sink;
    GifDelays m_clock;
    GifFileType *m_gif = nullptr;
    std::optional<Frame> m_pending; // shown now, its length not known yet
    std::optional<Frame> m_ready;   // length known, held back in case the last one takes its time
    std::shared_ptr<const GifScreen> m_canvas; // the last frame queued: what the viewer shows
    std::deque<Queued> m_queue;                // encoding or encoded, in file order
    // Last, so that it stops before anything its jobs' futures are kept in goes.
    WorkerPool m_encoders{2};
};

} // namespace tessa
