// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"
#include "grainfilter.h"
#include "pauseclock.h"
#include "stablemapper.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

struct EncodeOptions
{
    int quality = 75;      // 0 to 100: how closely the screen follows the movie
    TimingSettings timing; // as `tessanim render` plays the result; pause multiplier above 0
};

// A picture of the movie: kFrameSize colours as colorFromRgb makes them, top row first, shown
// from `seconds` after the start of the movie on.
struct MovieFrame
{
    std::vector<std::uint32_t> rgb;
    double seconds = 0;
};

// Why `options` cannot be encoded with, or nothing.
std::optional<Notice> checkEncodeOptions(const EncodeOptions &options);

// Turns a movie, picture by picture, into the items of an animation in a fixed palette: images
// and the pauses between them, then End. A picture that changes nothing on the screen adds its
// time to the pause before; one that would be on the screen for no tick at all is left out. A
// movie that ends by fading to black ends with the game's fade out, which darkens the palette
// instead of storing every darker picture: the pictures of the fade's last kFadeSteps ticks
// cost ten bytes instead of nearly a whole frame each.
class MovieEncoder
{
public:
    // `options` must pass checkEncodeOptions.
    MovieEncoder(const PaletteColors &palette, const EncodeOptions &options);

    // Adds the picture shown from `seconds` on (the first one is shown from the start, whatever
    // its time; times must not go back). `rgb` holds kFrameSize colours.
    void addFrame(std::span<const std::uint32_t> rgb, double seconds);
    // The items, the last picture shown until `endSeconds`. Ends the encoder's use.
    ItemList finish(double endSeconds);

private:
    // The pictures of a darkening that may end in black, held back until that is known.
    struct Held
    {
        std::vector<std::uint32_t> rgb;
        double seconds = 0;
        double brightness = 1.0; // against the picture the darkening started from
        bool black = false;      // black, or so nearly that the game's last fade steps show it
    };

    void add(std::span<const std::uint32_t> rgb, double seconds);
    void show(std::span<const std::uint32_t> rgb, double seconds, Tick tick);
    // Whether `rgb` goes on (or starts) a darkening of the picture before it.
    bool holdAsFading(std::span<const std::uint32_t> rgb, double seconds);
    // Adds the pictures held back as any others.
    void releaseHeld();
    // Ends a movie that fades to black with the game's own fade out for the fade's last
    // kFadeSteps ticks, where there is room before `end`; false, changing nothing, otherwise.
    bool endWithFadeOut(Tick end);

    GrainFilter m_grain;
    StableMapper m_mapper;
    PauseClock m_clock;
    ItemList m_items;
    // The last picture added, kept until the next one says whether it is ever on the screen.
    std::vector<std::uint32_t> m_waiting;
    double m_waitingSeconds = 0;
    Tick m_waitingTick = 0;
    // A darkening of m_fadeReference under way: its pictures, and how bright the last was.
    std::vector<std::uint32_t> m_fadeReference;
    std::vector<Held> m_held;
    double m_heldBrightness = 1.0;
    bool m_heldReachedBlack = false;
};

// The whole movie at once: `frames` in order, the last one shown until `endSeconds`.
Expected<ItemList, Notice> encodeMovie(const std::vector<MovieFrame> &frames, double endSeconds,
                                       const PaletteColors &palette, const EncodeOptions &options);

} // namespace tessa
