#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The steps of bench/encode-pipelines/run that are easier in Python than in a shell.

usage: measure.py index-frame OUT.bmp
       measure.py palette-picture INDEXED.png OUT.png
       measure.py manifest FRAME_DIR keep|dither FPS TICK_RATE OUT.txt
       measure.py ssim FRAME_DIR RENDER_PREFIX FPS TICK_RATE [STILL.png]
       measure.py report RESULTS.tsv GRAIN_CLIP PAN_CLIP

Runs with Debian's python3 (numpy, SciPy and Pillow from python3-numpy, python3-scipy,
python3-pil), not a python3 of its own that may lack them.
"""

import math
import pathlib
import statistics
import struct
import sys
from fractions import Fraction

WIDTH, HEIGHT = 320, 200
LONGEST_PAUSE = 255  # the game's pauses run from 1 to 255 ticks


def index_frame(out):
    """A 320 x 200 8-bit BMP showing every index 0 to 255 (with a grey table, which tessanim does
    not read): built and written back as PNG, it carries the palette in index order."""
    rows = [bytes(x // 20 + (y * 16 // HEIGHT) * 16 for x in range(WIDTH)) for y in range(HEIGHT)]
    pixels = b"".join(reversed(rows))  # BMP rows run bottom-up
    table = b"".join(bytes((i, i, i, 0)) for i in range(256))
    offset = 14 + 40 + len(table)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, 0, 0, 0, 256, 0)
    pathlib.Path(out).write_bytes(header + info + table + pixels)


def palette_picture(indexed, out):
    """The colour table of an indexed PNG as the 16 x 16 picture that ffmpeg's paletteuse takes,
    colour i at (i % 16, i // 16). ffmpeg 5.1 writes the colours in an order of its own, so the
    manifests give its frames as plain `image F` lines, which build renumbers by colour: exact,
    as the palette's 256 colours are all different (checked here)."""
    from PIL import Image
    table = Image.open(indexed).getpalette()
    colours = [tuple(table[3 * i:3 * i + 3]) for i in range(len(table) // 3)]
    if len(colours) != 256 or len(set(colours)) != 256:
        sys.exit(f"{indexed}: expected 256 different colours, found {len(set(colours))}")
    picture = Image.new("RGB", (16, 16))
    picture.putdata(colours)
    picture.save(out)


def frame_ticks(count, fps, tick_rate):
    """The tick at which each of `count` frames starts, and the tick at which the last ends,
    each rounded from its exact time, so that rounding errors never add up."""
    step = Fraction(tick_rate) / Fraction(fps)
    return [math.floor(k * step + Fraction(1, 2)) for k in range(count + 1)]


def manifest(frame_dir, mode, fps, tick_rate, out):
    """An image line per frame, and pauses (split at the game's longest) that keep the frames at
    their times. Absolute names, so that the manifest may live anywhere."""
    frames = sorted(pathlib.Path(frame_dir).resolve().glob("*.png"))
    ticks = frame_ticks(len(frames), fps, tick_rate)
    lines = []
    for k, frame in enumerate(frames):
        lines.append(f"image {frame}" + (" dither" if mode == "dither" else ""))
        wait = ticks[k + 1] - ticks[k]
        while wait > 0:
            lines.append(f"pause {min(wait, LONGEST_PAUSE)}")
            wait -= LONGEST_PAUSE
    lines.append("end")
    pathlib.Path(out).write_text("\n".join(lines) + "\n")


def rgb_of(path):
    """A picture's red, green and blue, 0 to 255, as floats."""
    import numpy as np
    from PIL import Image
    return np.asarray(Image.open(path).convert("RGB"), dtype=np.float64)


def blurred_luma(rgb):
    """BT.601 luma of a picture, blurred with a Gaussian of sigma 1: at the game's size the eye
    does not see single dithered pixels, so neither should the score."""
    import numpy as np
    from scipy.ndimage import gaussian_filter
    return gaussian_filter(rgb @ np.array([0.299, 0.587, 0.114]), 1.0, mode="reflect")


def cielab(rgb):
    """CIE L*a*b* (D65) of sRGB colours."""
    import numpy as np
    c = rgb / 255.0
    linear = np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)
    xyz = linear @ np.array([[0.4124, 0.3576, 0.1805], [0.2126, 0.7152, 0.0722],
                             [0.0193, 0.1192, 0.9505]]).T / np.array([0.9505, 1.0, 1.089])
    f = np.where(xyz > (6 / 29) ** 3, np.cbrt(xyz), xyz / (3 * (6 / 29) ** 2) + 4 / 29)
    return np.stack([116 * f[..., 1] - 16, 500 * (f[..., 0] - f[..., 1]),
                     200 * (f[..., 1] - f[..., 2])], axis=-1)


# A just-visible difference of two colours: a CIE76 distance of 2.3 in L*a*b*.
JUST_VISIBLE = 2.3


def ssim(a, b):
    """Mean SSIM (Wang et al. 2004): 11 x 11 Gaussian window of sigma 1.5, K1 0.01, K2 0.03,
    range 255, the 5-pixel border where the window does not fit left out of the mean."""
    from scipy.ndimage import gaussian_filter

    def window(x):
        return gaussian_filter(x, 1.5, mode="reflect", truncate=3.5)  # radius 5: 11 x 11

    c1, c2 = (0.01 * 255) ** 2, (0.03 * 255) ** 2
    mu_a, mu_b = window(a), window(b)
    var_a = window(a * a) - mu_a * mu_a
    var_b = window(b * b) - mu_b * mu_b
    cov = window(a * b) - mu_a * mu_b
    score = ((2 * mu_a * mu_b + c1) * (2 * cov + c2)) / \
            ((mu_a ** 2 + mu_b ** 2 + c1) * (var_a + var_b + c2))
    return float(score[5:-5, 5:-5].mean())


def quality(frame_dir, render_prefix, fps, tick_rate, still=None):
    """Mean and lowest SSIM, over the source frames (FRAME_DIR: the clip's frames scaled to
    320 x 200), of the screen at the middle of each frame's time against that frame, or against
    STILL for every frame (the clean photograph under film grain); and the flicker, in per cent:
    of the pixels whose colour changed less than a just-visible step from one source frame to
    the next (every pixel, against STILL), the share whose colour on the screen changed. The
    render is tessanim's PNG sequence, one file a tick: file n shows tick n - 1."""
    import numpy as np
    references = sorted(pathlib.Path(frame_dir).glob("*.png"))
    step = Fraction(tick_rate) / Fraction(fps)
    fixed = blurred_luma(rgb_of(still)) if still else None
    rendered = sorted(pathlib.Path(render_prefix).parent.glob(pathlib.Path(render_prefix).name + "-*.png"))
    scores = []
    steady = flickered = 0
    before = None  # the screen and the reference's L*a*b* at the frame before
    for k, reference in enumerate(references):
        tick = math.floor((k + Fraction(1, 2)) * step)
        shown = pathlib.Path(f"{render_prefix}-{tick + 1:05d}.png")
        if not shown.exists():  # the animation ended early: the game keeps its last screen
            print(f"{shown}: past the end, scoring the last screen", file=sys.stderr)
            shown = rendered[-1]
        screen = rgb_of(shown)
        wanted = None if still else rgb_of(reference)
        scores.append(ssim(blurred_luma(screen), fixed if still else blurred_luma(wanted)))
        lab = None if still else cielab(wanted)
        if before is not None:
            last_screen, last_lab = before
            still_here = (np.ones(screen.shape[:2], dtype=bool) if still else
                          np.linalg.norm(lab - last_lab, axis=-1) < JUST_VISIBLE)
            steady += int(still_here.sum())
            flickered += int((still_here & np.any(screen != last_screen, axis=-1)).sum())
        before = (screen, lab)
    flicker = 100.0 * flickered / steady if steady else 0.0
    print(f"{statistics.fmean(scores):.4f} {min(scores):.4f} {flicker:.3f}")


# --- the tables and the goals ---------------------------------------------------------------

SCALE = {"q50": 50, "new": 75, "q90": 90, "q100": 100}  # new: the default, 75
REFERENCES = {"a": "(a) per-frame dither", "b": "(b) paletteuse", "c": "(c) paletteuse bayer"}
GOAL_SSIM_LOSS = 0.005
GOAL_SIZE_GEOMEAN = 0.30
GOAL_SIZE_GRAIN = 0.10
GOAL_TIME = 1.5
GOAL_FLICKER = 0.5  # per cent


def number(text):
    return None if text == "-" else float(text)


def geometric_mean(values):
    return math.exp(statistics.fmean(math.log(v) for v in values))


def report(results, grain_clip, pan_clip):
    """The Markdown tables and the goals, from the rows the run script wrote."""
    rows = []
    lines = pathlib.Path(results).read_text().splitlines()
    keys = lines[0].split("\t")
    for line in lines[1:]:
        row = dict(zip(keys, line.split("\t")))
        for key in ("ssim", "low", "flicker", "ffmpeg_cpu", "ffmpeg_wall", "tessanim_cpu",
                    "tessanim_wall"):
            row[key] = number(row[key])
        row["bytes"] = int(row["bytes"])
        rows.append(row)
    clips = list(dict.fromkeys(r["clip"] for r in rows))
    at = {(r["clip"], r["pipeline"]): r for r in rows if r["pipeline"] != "max"}

    def seconds(value):
        return "-" if value is None else f"{value:.2f}"

    def cell(clip, pipeline):
        r, base = at[(clip, pipeline)], at[(clip, "a")]
        return f"{r['bytes'] / base['bytes']:.3f} x, {r['ssim']:.4f}"

    print("Size (times (a)'s) and SSIM of the blurred luma, by quality:")
    print()
    print("| clip | (a) per-frame dither | 50 | 75 (default) | 90 | 100 | (b) paletteuse "
          "| (c) paletteuse bayer |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|")
    for clip in clips:
        a = at[(clip, "a")]
        print(f"| {clip} | {a['bytes']:,} B, {a['ssim']:.4f} | "
              + " | ".join(cell(clip, p) for p in ("q50", "new", "q90", "q100", "b", "c")) + " |")
    print()

    print("The default encode:")
    print()
    print("| clip | bytes | x (c) | SSIM | lowest frame | flicker % | (a) flicker % "
          "| (c) flicker % | encode s | paletteuse (b) s |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    for clip in clips:
        r, c = at[(clip, "new")], at[(clip, "c")]
        print(f"| {clip} | {r['bytes']:,} | {r['bytes'] / c['bytes']:.3f} | {r['ssim']:.4f} "
              f"| {r['low']:.4f} | {r['flicker']:.2f} | {at[(clip, 'a')]['flicker']:.2f} "
              f"| {c['flicker']:.2f} | {seconds(r['tessanim_cpu'])} "
              f"| {seconds(at[(clip, 'b')]['ffmpeg_cpu'])} |")
    print()

    budgets = [r for r in rows if r["pipeline"] == "max"]
    if budgets:
        print("| clip | --max-bytes | bytes | within | SSIM | tessanim s |")
        print("|---|---:|---:|---|---:|---:|")
    for r in budgets:
        if r["ssim"] is None:  # refused: bytes is the size quality 0 would take
            print(f"| {r['clip']} | {int(r['budget']):,} | refused: quality 0 takes {r['bytes']:,} "
                  f"| - | - | {seconds(r['tessanim_cpu'])} |")
        else:
            print(f"| {r['clip']} | {int(r['budget']):,} | {r['bytes']:,} "
                  f"| {'yes' if r['bytes'] <= int(r['budget']) else '**NO**'} | {r['ssim']:.4f} "
                  f"| {seconds(r['tessanim_cpu'])} |")
    if budgets:
        print()

    def verdict(ok):
        return "met" if ok else "**missed**"

    losses = {c: at[(c, "a")]["ssim"] - at[(c, "new")]["ssim"] for c in clips}
    print(f"- Quality not below (a)'s by more than {GOAL_SSIM_LOSS} on any clip: "
          f"{verdict(max(losses.values()) <= GOAL_SSIM_LOSS)} ((a) minus encode: "
          + ", ".join(f"{c} {losses[c]:+.4f}" for c in clips) + ")")
    ratios = {c: at[(c, "new")]["bytes"] / at[(c, "a")]["bytes"] for c in clips}
    geomean = geometric_mean(ratios.values())
    print(f"- Size at most {GOAL_SIZE_GEOMEAN:.2f} x (a)'s, geometric mean over the clips: "
          f"{verdict(geomean <= GOAL_SIZE_GEOMEAN)} ({geomean:.3f}; "
          + ", ".join(f"{c} {ratios[c]:.3f}" for c in clips) + ")")
    if grain_clip in ratios:
        print(f"- Size at most {GOAL_SIZE_GRAIN:.2f} x (a)'s on the grain clip: "
              f"{verdict(ratios[grain_clip] <= GOAL_SIZE_GRAIN)} ({ratios[grain_clip]:.3f})")
    over = {c: at[(c, "new")]["bytes"] / at[(c, "c")]["bytes"] for c in clips}
    print(f"- No clip larger than (c)'s: {verdict(max(over.values()) <= 1)} (encode / (c): "
          + ", ".join(f"{c} {over[c]:.3f}" for c in clips) + ")")
    for kind in ("cpu", "wall"):
        slow = {c: at[(c, "new")][f"tessanim_{kind}"] / at[(c, "b")][f"ffmpeg_{kind}"] for c in clips}
        print(f"- Encoding time at most {GOAL_TIME} x ffmpeg's paletteuse pass (b), "
              f"{'processor' if kind == 'cpu' else 'wall-clock'} seconds: "
              f"{verdict(max(slow.values()) <= GOAL_TIME)} (encode / pass: "
              + ", ".join(f"{c} {slow[c]:.2f}" for c in clips) + ")")
    for clip in (grain_clip, pan_clip):
        if clip in clips:
            flicker = at[(clip, "new")]["flicker"]
            print(f"- Flicker under {GOAL_FLICKER} % on {clip}: "
                  f"{verdict(flicker < GOAL_FLICKER)} ({flicker:.3f} %)")
    rising = {c: [at[(c, p)]["ssim"] for p in SCALE] for c in clips}
    steady = all(all(low <= high for low, high in zip(s, s[1:])) for s in rising.values())
    print(f"- Quality rising with the setting (50, 75, 90, 100) on every clip: {verdict(steady)}"
          + "".join(f"; {c} " + ", ".join(f"{s:.4f}" for s in rising[c])
                    for c in clips if rising[c] != sorted(rising[c])))
    below = {p: [at[(c, "q100")]["ssim"] - at[(c, p)]["ssim"] for c in clips]
             for p in ("q50", "new", "q90")}
    print("- The scale's meaning, SSIM below quality 100's on the clips (least to most): "
          + "; ".join(f"{SCALE[p]}: {min(v):.4f} to {max(v):.4f}" for p, v in below.items()))
    fitted = [r for r in budgets if r["ssim"] is not None]
    within = all(r["bytes"] <= int(r["budget"]) for r in fitted)
    refusals = all(r["bytes"] > int(r["budget"]) for r in budgets if r["ssim"] is None)
    if budgets:
        print(f"- --max-bytes never exceeded, refused only when quality 0 is over the budget: "
              f"{verdict(within and refusals)}")
    for clip in dict.fromkeys(r["clip"] for r in budgets):
        scores = [r["ssim"] for r in sorted(fitted, key=lambda r: int(r["budget"])) if r["clip"] == clip]
        ok = all(low <= high for low, high in zip(scores, scores[1:]))
        print(f"- Quality rising with the budget, {clip}: {verdict(ok)} (SSIM by rising budget: "
              + ", ".join(f"{s:.4f}" for s in scores) + ")")


def main(argv):
    commands = {"index-frame": (index_frame, 1, 1), "palette-picture": (palette_picture, 2, 2),
                "manifest": (manifest, 5, 5), "ssim": (quality, 4, 5), "report": (report, 3, 3)}
    if len(argv) < 2 or argv[1] not in commands:
        sys.exit(__doc__)
    function, least, most = commands[argv[1]]
    if not least <= len(argv) - 2 <= most:
        sys.exit(__doc__)
    function(*argv[2:])


if __name__ == "__main__":
    main(sys.argv)
