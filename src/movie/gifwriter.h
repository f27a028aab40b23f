// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gifcompressor.h"
#include "gifdelays.h"
#include "moviewriter.h"
#include "screenscaler.h"
#include "temporarypath.h"
#include "workerpool.h"

#include <cstdio>

#include <deque>
#include <future>
#include <optional>
#include <string>
#include <vector>

struct GifFileType;

namespace tessa {

// An animated GIF that loops forever, through giflib. Every frame carries its own colour table,
// so each fade step shows its exact colours; a frame whose palette is the one before's holds only
// the rectangle that changed. Frames are compressed on worker threads (at most kInFlight at once)
// and written in order; a frame with the same pixels in the same rectangle as the one before, as
// every fade step has, reuses its compressed stream. The file is written beside the target under
// a hidden name and renamed into place by finish().
class GifWriter : public MovieWriter
{
public:
    GifWriter(std::string path, const MovieOptions &options);
    ~GifWriter() override;

    Expected<Done, Notice> addScreen(std::span<const std::uint8_t> pixels,
                                     const PaletteColors &colors, double seconds) override;
    Expected<Done, Notice> finish(double endSeconds) override;

private:
    struct Frame
    {
        std::vector<std::uint8_t> indices; // scaled
        PaletteColors colors{};
        int delay = 0;
    };

    struct Rect
    {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Rect &) const = default;
    };

    using Code = std::shared_future<std::optional<GifCodeStream>>;

    // A frame whose compression has been started, waiting for its turn to be written.
    struct Queued
    {
        PaletteColors colors{};
        int delay = 0;
        Rect rect;
        Code code;
    };

    static constexpr std::size_t kInFlight = 2;

    Expected<Done, Notice> open();
    Expected<Done, Notice> put(Frame &&frame);
    Expected<Done, Notice> writeOldest();
    Expected<Done, Notice> check(int result, const char *what);

    ScreenScaler m_scaler;
    TemporaryPath m_file;
    std::FILE *m_stream = nullptr;
    GifDelays m_clock;
    GifFileType *m_gif = nullptr;
    std::optional<Frame> m_pending; // shown now, its length not known yet
    std::optional<Frame> m_ready;   // length known, held back in case the last one merges into it
    std::optional<Frame> m_canvas;  // the last frame queued: what the viewer shows after it
    Rect m_canvasRect;              // the rectangle it was sent with
    Code m_canvasCode;              // and its compressed pixels
    std::deque<Queued> m_queue;     // compressing or compressed, in file order
    // Last, so that it stops before anything its jobs' futures are kept in goes.
    WorkerPool m_compressors{2};
};

} // namespace tessa
