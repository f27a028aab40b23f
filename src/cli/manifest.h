// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"
#include "encodechoices.h"
#include "imaging/imagecolors.h"
#include "imaging/palette.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessa {

// A manifest is an animation written as text, one item a line, for people and scripts to read
// and edit; docs/tessanim.md describes it. Lines (keywords are not case-sensitive):
//
//   # comment                  (and blank lines: ignored)
//   image FILE [keep|match|dither]
//                              an image, FILE relative to the manifest: its indices kept, or
//                              its colours matched to the palette (nearest, Floyd-Steinberg)
//   fade in | fade out | end
//   pause N | sound N          N from 0 to 65535, stored as two bytes
//   movie FILE [NAME=VALUE...]  the images and pauses `tessanim encode` makes of a movie, with
//                              its settings quality, max-bytes, fit, fps, from, to, tick-rate
//                              and pause-multiplier
//   item CODE [size N] [HEX...] any item exactly as stored: CODE two printable ASCII characters
//                              or 0xHHHH, N the stored size (only needed when negative)

// An image line takes its file's pixels as its last word says, when that is one of "keep",
// "match" and "dither" (in any case, imageColorsNamed); "keep" when there is none.

// One line of a manifest that names an item.
struct ManifestEntry
{
    int line = 0;          // 1-based line number in the manifest
    std::string imageFile; // for an image: the file name as written; empty otherwise
    ImageColors colors = ImageColors::Keep;
    AnimItem item;         // the item; an image's frame is only known once its file is read
    std::string movieFile; // for a movie: its file name as written, and item means nothing
    EncodeChoices movie;   // for a movie: how to encode it (its palette is the manifest's)
};

// A line that could not be read, for the message "manifest line 7: unknown keyword 'pase'".
struct ManifestError
{
    int line = 0;
    std::string message;

    std::string text() const;
    bool operator==(const ManifestError &) const = default;
};

// The entries of the manifest `text` in order. Refuses the first line that is not a comment,
// blank or one item.
Expected<std::vector<ManifestEntry>, ManifestError> readManifest(std::string_view text);

// The manifest line for `item`: the short form whenever it says the item exactly, `item ...`
// otherwise. An image is written as `image` and `imageFile`, which must not hold a line break,
// followed by " keep" when the name's own last word would be taken for the colour rule.
std::string manifestLine(const AnimItem &item, std::string_view imageFile);

// A whole manifest for `items`, whose images are named as the export of `animationPath` names
// them (EANIM-QLM-1.bmp, ...; with `extension` ".png" instead of ".bmp" when given), with a
// comment header naming the animation. Refuses an animation whose file name holds a line break,
// which no manifest line can name.
Expected<std::string, Notice> writeManifest(const ItemList &items, std::string_view animationPath,
                                            std::string_view extension = ".bmp");

// The file a manifest goes into beside those images: EANIM.QLM gives EANIM-QLM.txt.
std::string manifestFileName(std::string_view animationPath);

// Reads the manifest at `path` and every image it names (relative to the manifest's folder),
// giving the items ready to be written; images that match their colours match them to
// `palette`, which is also the palette an indexed image under "keep" must show. Refusals name
// the manifest line.
Expected<ItemList, Notice> loadManifest(const std::string &path, const PaletteColors &palette);

} // namespace tessa
