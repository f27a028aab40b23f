// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moviewriter.h"
#include "screenscaler.h"
#include "temporarypath.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessa {

// One 8-bit PNG for every tick, the way a video tool wants a sequence: for the target
// "shots/intro.png" the files are "shots/intro-00001.png", "shots/intro-00002.png", ... (more
// digits when there are more than 99999 ticks). Ticks that show the same screen are hard links to
// one file where the file system allows it. Everything is written into a hidden folder beside the
// target first and moved into place by finish(); files of an earlier, longer sequence with the
// same name are left as they are.
class PngSequenceWriter : public MovieWriter
{
public:
    PngSequenceWriter(const std::string &path, const MovieOptions &options);

    Expected<Done, Notice> addScreen(std::span<const std::uint8_t> pixels,
                                     const PaletteColors &colors, double seconds) override;
    Expected<Done, Notice> finish(double endSeconds) override;

    // The name of the 0-based `frame` of `count` frames for the target `path`.
    static std::filesystem::path frameName(const std::filesystem::path &path, long long frame,
                                           long long count);

private:
    Expected<Done, Notice> writeFramesUntil(long long frame);
    std::filesystem::path scratchFile(long long frame) const;

    double m_frameRate;
    ScreenScaler m_scaler;
    TemporaryPath m_folder;
    bool m_folderMade = false;
    std::vector<std::uint8_t> m_pendingIndices;
    PaletteColors m_pendingColors{};
    bool m_havePending = false;
    long long m_nextFrame = 0;
};

} // namespace tessa
