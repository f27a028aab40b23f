// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "moviesource.h"

#include "document/nativefile.h"
#include "picturesequence.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tessa {

Notice movieSourceRefusal(const std::string &path, Phrase why)
{
    return Notice::failure("Error", Phrase(TESSA_WORDS("tessa::Notice", "Cannot encode \"%1\": %2"),
                                           {path, std::move(why)}));
}

bool isPictureSequence(const std::string &path)
{
    std::error_code error;
    const fs::path native = pathFromText(path);
    return fs::is_directory(native, error)
           || (!fs::exists(native, error) && patternPictures(path).has_value());
}

std::vector<std::string> movieInputFiles(const std::string &path)
{
    std::error_code error;
    const fs::path native = pathFromText(path);
    if (fs::is_directory(native, error))
        return numberedPictures(path);
    if (fs::exists(native, error))
        return {path};
    return patternPictures(path).value_or(std::vector<std::string>{});
}

Expected<std::unique_ptr<MovieSource>, Notice> openMovieSource(const std::string &path, double fps)
{
    std::error_code error;
    const fs::path native = pathFromText(path);
    std::vector<std::string> files;
    if (fs::is_directory(native, error)) {
        files = numberedPictures(path);
        if (files.empty())
            return Unexpected{movieSourceRefusal(
                    path, TESSA_WORDS("tessa::Notice",
                                      "the folder holds no files with numbered names."))};
    } else if (fs::exists(native, error)) {
        return openMovieFile(path);
    } else if (auto named = patternPictures(path)) {
        if (named->empty())
            return Unexpected{movieSourceRefusal(
                    path, TESSA_WORDS("tessa::Notice",
                                      "no file matches the pattern (numbered from 0 to 4 on)."))};
        files = std::move(*named);
    } else {
        return Unexpected{movieSourceRefusal(
                path, TESSA_WORDS("tessa::Notice", "there is no such file or folder."))};
    }
    return std::unique_ptr<MovieSource>(std::make_unique<PictureSequence>(std::move(files), fps));
}

} // namespace tessa
