// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gifdelays.h"
#include "moviewriter.h"
#include "screenscaler.h"
#include "temporarypath.h"

#include <cstdio>

#include <optional>
#include <string>
#include <vector>

struct GifFileType;

namespace tessa {

// An animated GIF that loops forever, through giflib. Every frame carries its own colour table,
// so each fade step shows its exact colours; a frame whose palette is the one before's holds only
// the rectangle that changed. The file is written beside the target under a hidden name and
// renamed into place by finish().
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

    Expected<Done, Notice> open();
    Expected<Done, Notice> put(Frame &&frame);
    Expected<Done, Notice> check(int result, const char *what);

    ScreenScaler m_scaler;
    TemporaryPath m_file;
    std::FILE *m_stream = nullptr;
    GifDelays m_clock;
    GifFileType *m_gif = nullptr;
    std::optional<Frame> m_pending; // shown now, its length not known yet
    std::optional<Frame> m_ready;   // length known, held back in case the last one merges into it
    std::optional<Frame> m_canvas;  // the last frame written: what the viewer shows
};

} // namespace tessa
