// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbuffer.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessa {

// A frame is 320 x 200 palette indices, rows top to bottom: pixel (x, y) is byte y * 320 + x.
inline constexpr int kFrameWidth = 320;
inline constexpr int kFrameHeight = 200;
inline constexpr int kFrameSize = kFrameWidth * kFrameHeight;

// Item codes, compared case-sensitively.
inline constexpr std::string_view kCodeImage = "GR";
inline constexpr std::string_view kCodeFadeIn = "FI";
inline constexpr std::string_view kCodeFadeOut = "FO";
inline constexpr std::string_view kCodePause = "PA";
inline constexpr std::string_view kCodeSound = "SD";
inline constexpr std::string_view kCodeEnd = "XX";

// One item of an animation. For an image, `Pixels` holds its complete frame and is what counts;
// `Data`/`DataSize` only carry the stored payload size from the file. For every other item `Data`
// is the payload, written back unchanged, and `Pixels` is empty.
struct AnimItem
{
    std::string Code;               // always two characters
    std::int32_t Number = 0;        // position read from the file; 0 for items made in the editor
    std::int32_t DataSize = 0;      // may be negative in a file: kept and written back as it was
    std::vector<std::uint8_t> Data; // max(DataSize, 0) bytes for items that are not images
    PixelBuffer Pixels;             // kFrameSize bytes for an image, empty otherwise

    bool isImage() const { return Code == kCodeImage; }
};

// The document: real items only. (The window never needs a spare trailing element; nothing
// here shows, writes or counts one.)
using ItemList = std::vector<AnimItem>;

AnimItem makeImageItem(PixelBuffer pixels);
AnimItem makeFadeInItem();
AnimItem makeFadeOutItem();
AnimItem makePauseItem(std::int16_t amount);
AnimItem makeSoundItem(std::int16_t soundNumber);
AnimItem makeEndItem();

// "Image", "Fade in", "Fade out", "Pause", "Play sound", "End"; "" for any other code.
std::string ItemLabel(std::string_view code);

// The value a pause or sound line shows: the little-endian integer of the first min(DataSize, 4)
// payload bytes, the rest zero; 0 when DataSize is 0 or less.
std::int32_t payloadValue(const AnimItem &item);

// Stores `value` in the first two payload bytes (little-endian), keeping any further bytes. A
// payload shorter than two bytes is grown to two.
void setPayloadValue(AnimItem &item, std::int16_t value);

// The list line of an item: its label, and for a pause or sound ": " and its value.
std::string listLine(const AnimItem &item);

// The index of the nearest image before `index`, or -1 when there is none.
int FindPreviousImage(const ItemList &items, int index);

// Whether two items hold the same content: code, and the frame of an image or the stored payload
// of anything else. The stored position and an image's stored payload size do not count.
bool sameContent(const AnimItem &a, const AnimItem &b);
bool sameContent(const ItemList &a, const ItemList &b);

} // namespace tessa
