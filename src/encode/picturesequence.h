// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moviesource.h"

#include <string>
#include <vector>

namespace tessa {

// A movie given as picture files, shown one after the other at a fixed rate.
class PictureSequence : public MovieSource
{
public:
    PictureSequence(std::vector<std::string> files, double fps);

    Expected<std::optional<SourcePicture>, Notice> next() override;
    double endSeconds() const override { return double(m_files.size()) / m_fps; }
    double durationSeconds() const override { return endSeconds(); }

private:
    std::vector<std::string> m_files;
    double m_fps;
    std::size_t m_next = 0;
};

// The picture files of a folder (by their suffix: .png, .jpg, .bmp...), in the order of the last
// number in their names before the suffix; other files, and pictures without a number, are left
// out.
std::vector<std::string> numberedPictures(const std::string &folder);

// The files a printf-style pattern names, holding one %d (with an optional 0 and width, as in
// %04d; %% for a percent sign): from the first of the numbers 0 to 4 that exists, up to the first
// number missing after it. Empty when none exists; nothing when the pattern is not one.
std::optional<std::vector<std::string>> patternPictures(const std::string &pattern);

// For a picture chosen as the first of numbered pictures ("shot_001.png"), the pattern that names
// it and the others of its kind ("shot_%03d.png"); nothing for a picture without a number or
// without others numbered alike.
std::optional<std::string> numberedPatternOf(const std::string &file);

} // namespace tessa
