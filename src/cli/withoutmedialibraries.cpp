// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tessanim built without the image and movie libraries (TESSA_MEDIA_LIBRARIES=OFF: the core and
// the tool alone): the game's BMP frames work as in every build; PNG, colour matching and movies
// are refused, saying why.
#include "mediafunctions.h"

#include "imaging/bmp.h"

#include <algorithm>
#include <string_view>

namespace tessa {

namespace {

Unexpected<Notice> notInThisBuild(const std::string &what)
{
    return Unexpected{Notice::failure(
            "Error",
            what
                    + " needs the image libraries, which this build of tessanim was made "
                      "without. Use 8-bit 320 x 200 BMP files, or a build that has them.")};
}

bool startsWith(std::span<const std::uint8_t> file, std::string_view signature)
{
    return file.size() >= signature.size()
           && std::equal(signature.begin(), signature.end(), file.begin(),
                         [](char a, std::uint8_t b) { return std::uint8_t(a) == b; });
}

// PNG, GIF, JPEG, TIFF and WebP by their first bytes: images only the image libraries read.
bool isOtherImage(std::span<const std::uint8_t> file)
{
    return startsWith(file, "\x89PNG") || startsWith(file, "GIF8")
           || startsWith(file, "\xFF\xD8\xFF") || startsWith(file, "II*")
           || startsWith(file, std::string_view("MM\0*", 4))
           || (startsWith(file, "RIFF") && file.size() >= 12 && file[8] == 'W' && file[9] == 'E');
}

} // namespace

Expected<std::vector<std::uint8_t>, Notice> manifestImagePixels(std::span<const std::uint8_t> file,
                                                                const std::string &path,
                                                                ImageColors colors,
                                                                const PaletteColors &)
{
    if (colors != ImageColors::Keep)
        return notInThisBuild("Matching the colours of \"" + path + "\"");
    // Anything else is refused as Add Image refuses it.
    if (isOtherImage(file))
        return notInThisBuild("Reading the image \"" + path + "\"");
    return RemoveBMPHeader(file);
}

Expected<Done, Notice> writeFramePng(const std::string &path, std::span<const std::uint8_t>,
                                     const PaletteColors &)
{
    return notInThisBuild("Writing the PNG file \"" + path + "\"");
}

CommandResult renderItems(const ItemList &, const std::string &outPath, const PaletteColors &,
                          const RenderChoices &, std::ostream &, const std::function<bool()> &)
{
    return notInThisBuild("Writing the movie \"" + outPath + "\"");
}

CommandResult encodeCommand(const std::string &moviePath, const std::string &,
                            const EncodeChoices &)
{
    return notInThisBuild("Encoding the movie \"" + moviePath + "\"");
}

Expected<std::vector<std::uint8_t>, Notice> manifestMovieAnimation(const std::string &path,
                                                                   const EncodeChoices &,
                                                                   const PaletteColors &,
                                                                   const std::function<bool()> &)
{
    return notInThisBuild("Encoding the movie \"" + path + "\"");
}

} // namespace tessa
