// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "animitem.h"

#include <algorithm>

namespace tessa {

namespace {

AnimItem makeItem(std::string_view code)
{
    AnimItem item;
    item.Code = std::string(code);
    return item;
}

AnimItem makeValueItem(std::string_view code, std::int16_t value)
{
    AnimItem item = makeItem(code);
    setPayloadValue(item, value);
    return item;
}

} // namespace

AnimItem makeImageItem(PixelBuffer pixels)
{
    AnimItem item = makeItem(kCodeImage);
    item.Pixels = std::move(pixels);
    return item;
}

AnimItem makeFadeInItem()
{
    return makeItem(kCodeFadeIn);
}

AnimItem makeFadeOutItem()
{
    return makeItem(kCodeFadeOut);
}

AnimItem makePauseItem(std::int16_t amount)
{
    return makeValueItem(kCodePause, amount);
}

AnimItem makeSoundItem(std::int16_t soundNumber)
{
    return makeValueItem(kCodeSound, soundNumber);
}

AnimItem makeEndItem()
{
    return makeItem(kCodeEnd);
}

std::string ItemLabel(std::string_view code)
{
    if (code == kCodeImage)
        return "Image";
    if (code == kCodeFadeIn)
        return "Fade in";
    if (code == kCodeFadeOut)
        return "Fade out";
    if (code == kCodePause)
        return "Pause";
    if (code == kCodeSound)
        return "Play sound";
    if (code == kCodeEnd)
        return "End";
    return {};
}

std::int32_t payloadValue(const AnimItem &item)
{
    const auto count = static_cast<std::size_t>(std::clamp(item.DataSize, 0, 4));
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count && i < item.Data.size(); ++i)
        value |= std::uint32_t(item.Data[i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

void setPayloadValue(AnimItem &item, std::int16_t value)
{
    if (item.Data.size() < 2)
        item.Data.resize(2);
    item.DataSize = std::max<std::int32_t>(item.DataSize, 2);
    const auto bits = static_cast<std::uint16_t>(value);
    item.Data[0] = static_cast<std::uint8_t>(bits & 0xFF);
    item.Data[1] = static_cast<std::uint8_t>(bits >> 8);
}

std::string listLine(const AnimItem &item)
{
    std::string line = ItemLabel(item.Code);
    if (item.Code == kCodePause || item.Code == kCodeSound)
        line += ": " + std::to_string(payloadValue(item));
    return line;
}

int FindPreviousImage(const ItemList &items, int index)
{
    for (int i = std::min<int>(index, static_cast<int>(items.size())) - 1; i >= 0; --i) {
        if (items[static_cast<std::size_t>(i)].isImage())
            return i;
    }
    return -1;
}

bool sameContent(const AnimItem &a, const AnimItem &b)
{
    if (a.Code != b.Code)
        return false;
    if (a.isImage())
        return a.Pixels == b.Pixels;
    return a.DataSize == b.DataSize && a.Data == b.Data;
}

bool sameContent(const ItemList &a, const ItemList &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const AnimItem &x, const AnimItem &y) { return sameContent(x, y); });
}

} // namespace tessa
