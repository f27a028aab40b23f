#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the two built-in palettes, resources/palettes/main.pal and extra.pal.

Each file is 1024 bytes: 256 entries of blue, green, red, 0. The game hardware has 6-bit colour
channels, so every component is a multiple of 4 (at most 252). Both palettes start with the same
12 dark greys, which the fades and shadows of every scene rely on; after that, "Main Tessarine"
is warm and earthy, "Extra Orvalis" cool and sea-coloured.

Entries 12-15 are four light neutrals that finish the grey ramp towards white; entries 16-255
are fifteen ramps of 16 shades, darkest first, each drawn through a shadow, a middle and a
highlight colour. The key colours lean in hue along the ramp (shadows cooler, highlights warmer),
so that shading by stepping along a ramp looks painted rather than merely darkened.

Run it after changing a colour; the build embeds the files it writes.
"""

from pathlib import Path

SHARED_GREYS = [0, 4] + [4 + 8 * step for step in range(1, 11)]  # 0, 4, 12, ..., 84

MAIN_NEUTRALS = ["#706c64", "#a09888", "#d0c8b4", "#fcf8ec"]
MAIN_RAMPS = [
    # shadow, middle, highlight
    ("#341810", "#b8744c", "#fce0c4"),  # skin
    ("#140804", "#6c3c1c", "#d8a870"),  # timber
    ("#281c08", "#a07830", "#fcecb0"),  # ochre and sand
    ("#200804", "#a04424", "#fcc0a0"),  # terracotta
    ("#180000", "#a01810", "#fc9c88"),  # blood red
    ("#281000", "#d86c10", "#fcdc9c"),  # orange
    ("#201800", "#c8a010", "#fcfcc4"),  # gold
    ("#101404", "#687430", "#e0e8a8"),  # olive
    ("#040c04", "#2c6828", "#b8e8a0"),  # forest
    ("#041008", "#3c7c58", "#c4f0d0"),  # moss
    ("#141010", "#786860", "#f0e8e0"),  # taupe
    ("#100414", "#603070", "#e8c4f0"),  # plum
    ("#040818", "#3870b8", "#d4ecfc"),  # sky
    ("#080c18", "#485878", "#d8e0f0"),  # dusk slate
    ("#1c0410", "#b0406c", "#fcd0e0"),  # rose
]

EXTRA_NEUTRALS = ["#6c7078", "#909aa4", "#bcc8d4", "#ecf8fc"]
EXTRA_RAMPS = [
    ("#000410", "#10306c", "#90b4e8"),  # deep sea
    ("#000c20", "#1858a8", "#b8dcfc"),  # ocean
    ("#041424", "#2c8cd0", "#dcf4fc"),  # azure
    ("#001410", "#107c78", "#b0f0e4"),  # teal
    ("#041818", "#30b4b0", "#e8fcf8"),  # foam
    ("#041408", "#288454", "#c0f0c8"),  # sea green
    ("#0c1004", "#4c6c20", "#d0e4a0"),  # kelp
    ("#080c10", "#506878", "#dce8f0"),  # slate
    ("#0c0818", "#6c64b0", "#e4e0fc"),  # lavender
    ("#100418", "#642c8c", "#e4c4f4"),  # violet
    ("#200808", "#d05c4c", "#fcd8cc"),  # coral
    ("#1c1408", "#a08c60", "#fcf4d8"),  # beach sand
    ("#180c14", "#987488", "#fce8f0"),  # pearl
    ("#101420", "#8098b4", "#fcfcfc"),  # ice
    ("#1c0c00", "#c07818", "#fce8a8"),  # lantern amber
]

SHADES_PER_RAMP = 16


def parse(hex_colour):
    value = int(hex_colour.lstrip("#"), 16)
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


def six_bit(component):
    """The nearest value the hardware can show: a multiple of 4 from 0 to 252."""
    return min(252, max(0, 4 * round(component / 4)))


def mix(a, b, t):
    return tuple(six_bit(x + (y - x) * t) for x, y in zip(a, b))


def ramp(shadow, middle, highlight):
    dark, mid, light = parse(shadow), parse(middle), parse(highlight)
    shades = []
    for step in range(SHADES_PER_RAMP):
        t = step / (SHADES_PER_RAMP - 1)
        if t <= 0.5:
            shades.append(mix(dark, mid, t * 2))
        else:
            shades.append(mix(mid, light, (t - 0.5) * 2))
    return shades


def palette(neutrals, ramps):
    colours = [(grey, grey, grey) for grey in SHARED_GREYS]
    colours += [tuple(six_bit(c) for c in parse(colour)) for colour in neutrals]
    for keys in ramps:
        colours += ramp(*keys)
    assert len(colours) == 256, len(colours)
    return colours


def to_bytes(colours):
    data = bytearray()
    for red, green, blue in colours:
        data += bytes((blue, green, red, 0))
    return bytes(data)


def check(main, extra):
    for colours in (main, extra):
        for colour in colours:
            assert all(c % 4 == 0 and 0 <= c <= 252 for c in colour), colour
        repeats = [i for i in range(256) if colours.index(colours[i]) != i]
        # A repeated colour is a wasted entry.
        assert not repeats, f"entries {repeats} repeat earlier colours"
    assert main[:12] == extra[:12]
    clashes = [i for i in range(12, 256) if main[i] == extra[i]]
    assert not clashes, f"entries {clashes} are the same in both palettes"


def main():
    main_colours = palette(MAIN_NEUTRALS, MAIN_RAMPS)
    extra_colours = palette(EXTRA_NEUTRALS, EXTRA_RAMPS)
    check(main_colours, extra_colours)
    folder = Path(__file__).resolve().parent.parent / "resources" / "palettes"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "main.pal").write_bytes(to_bytes(main_colours))
    (folder / "extra.pal").write_bytes(to_bytes(extra_colours))


if __name__ == "__main__":
    main()
