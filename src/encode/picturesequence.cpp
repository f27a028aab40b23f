// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturesequence.h"

#include "document/fileio.h"
#include "document/nativefile.h"
#include "imageio/imagefile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace tessa {

namespace {

// The value of the last run of digits in `name`, or nothing.
std::optional<unsigned long long> lastNumber(const std::string &name)
{
    const auto end = name.find_last_of("0123456789");
    if (end == std::string::npos)
        return std::nullopt;
    auto begin = end;
    while (begin > 0 && std::isdigit(static_cast<unsigned char>(name[begin - 1])))
        --begin;
    const std::string digits = name.substr(begin, std::min<std::size_t>(end + 1 - begin, 18));
    return std::stoull(digits);
}

// The pattern with `number` in place of its one conversion.
struct Pattern
{
    std::string before, after;
    bool zeros = false;
    int width = 0;

    std::string name(int number) const
    {
        std::string digits = std::to_string(number);
        if (int(digits.size()) < width)
            digits.insert(0, std::size_t(width) - digits.size(), zeros ? '0' : ' ');
        return before + digits + after;
    }
};

std::optional<Pattern> parsePattern(const std::string &text)
{
    Pattern pattern;
    bool found = false;
    std::string *part = &pattern.before;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            *part += text[at];
            continue;
        }
        if (at + 1 < text.size() && text[at + 1] == '%') {
            *part += '%';
            ++at;
            continue;
        }
        if (found)
            return std::nullopt;
        found = true;
        ++at;
        if (at < text.size() && text[at] == '0') {
            pattern.zeros = true;
            ++at;
        }
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            pattern.width = std::min(pattern.width * 10 + (text[at++] - '0'), 20);
        if (at >= text.size() || text[at] != 'd')
            return std::nullopt;
        part = &pattern.after;
    }
    if (!found)
        return std::nullopt;
    return pattern;
}

bool isFile(const std::string &path)
{
    std::error_code error;
    return fs::is_regular_file(pathFromText(path), error);
}

} // namespace

PictureSequence::PictureSequence(std::vector<std::string> files, double fps)
    : m_files(std::move(files))
    , m_fps(fps)
{
}

Expected<std::optional<SourcePicture>, Notice> PictureSequence::next()
{
    if (m_next >= m_files.size())
        return std::optional<SourcePicture>{};
    const std::string &file = m_files[m_next];
    const auto image = loadImageFile(QString::fromStdString(file));
    if (!image)
        return Unexpected{image.error()};
    return std::optional<SourcePicture>{SourcePicture{*image, double(m_next++) / m_fps}};
}

std::vector<std::string> numberedPictures(const std::string &folder)
{
    std::vector<std::pair<unsigned long long, std::string>> found;
    std::error_code error;
    for (fs::directory_iterator it(pathFromText(folder), error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        // The number is the name's, not its suffix's: "mp4" or "h264" number nothing.
        const fs::path name = it->path().filename();
        if (!hasPictureSuffix(QString::fromStdString(textFromPath(name))))
            continue;
        if (const auto number = lastNumber(textFromPath(name.stem())))
            found.emplace_back(*number, textFromPath(it->path()));
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> files;
    for (auto &[number, path] : found)
        files.push_back(std::move(path));
    return files;
}

std::optional<std::vector<std::string>> patternPictures(const std::string &text)
{
    const auto pattern = parsePattern(text);
    if (!pattern)
        return std::nullopt;
    std::vector<std::string> files;
    int number = 0;
    while (number <= 4 && !isFile(pattern->name(number)))
        ++number;
    for (; number < 1000000 && isFile(pattern->name(number)); ++number)
        files.push_back(pattern->name(number));
    return files;
}

std::optional<std::string> numberedPatternOf(const std::string &file)
{
    const fs::path path = pathFromText(file);
    const std::string name = textFromPath(path.filename());
    const auto end = name.find_last_of("0123456789");
    if (end == std::string::npos)
        return std::nullopt;
    auto begin = end;
    while (begin > 0 && std::isdigit(static_cast<unsigned char>(name[begin - 1])))
        --begin;
    const auto escaped = [](std::string text) {
        for (auto at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2))
            text.insert(at, 1, '%');
        return text;
    };
    const std::size_t width = end + 1 - begin;
    const std::string number =
            width > 1 && name[begin] == '0' ? "%0" + std::to_string(width) + "d" : "%d";
    const std::string pattern = textFromPath(path.parent_path()
                                             / pathFromText(escaped(name.substr(0, begin)) + number
                                                            + escaped(name.substr(end + 1))));
    const auto files = patternPictures(pattern);
    if (!files || files->size() < 2
        || std::none_of(files->begin(), files->end(),
                        [&](const std::string &named) { return isSameFile(named, file); }))
        return std::nullopt;
    return pattern;
}

} // namespace tessa
