#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The steps of bench/encode-pipelines/run that are easier in Python than in a shell.

usage: measure.py index-frame OUT.bmp
       measure.py palette-picture INDEXED.png OUT.png
       measure.py manifest FRAME_DIR keep|dither FPS TICK_RATE OUT.txt
       measure.py ssim FRAME_DIR RENDER_PREFIX FPS TICK_RATE [STILL.png]
       measure.py report RESULTS.tsv GRAIN_CLIP

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


def blurred_luma(path):
    """BT.601 luma of a picture, blurred with a Gaussian of sigma 1: at the game's size the eye
    does not see single dithered pixels, so neither should the score."""
    import numpy as np
    from PIL import Image
    from scipy.ndimage import gaussian_filter
    rgb = np.asarray(Image.open(path).convert("RGB"), dtype=np.float64)
    return gaussian_filter(rgb @ np.array([0.299, 0.587, 0.114]), 1.0, mode="reflect")


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
    STILL for every frame (the clean photograph under film grain). The render is tessanim's PNG
    sequence, one file a tick: file n shows tick n - 1."""
    references = sorted(pathlib.Path(frame_dir).glob("*.png"))
    step = Fraction(tick_rate) / Fraction(fps)
    fixed = blurred_luma(still) if still else None
    rendered = sorted(pathlib.Path(render_prefix).parent.glob(pathlib.Path(render_prefix).name + "-*.png"))
    scores = []
    for k, reference in enumerate(references):
        tick = math.floor((k + Fraction(1, 2)) * step)
        shown = pathlib.Path(f"{render_prefix}-{tick + 1:05d}.png")
        if not shown.exists():  # the animation ended early: the game keeps its last screen
            print(f"{shown}: past the end, scoring the last screen", file=sys.stderr)
            shown = rendered[-1]
        scores.append(ssim(blurred_luma(shown), fixed if still else blurred_luma(reference)))
    print(f"{statistics.fmean(scores):.4f} {min(scores):.4f}")


# --- the tables and the goals ---------------------------------------------------------------

PIPELINES = {"new": "tessanim encode", "a": "(a) ffmpeg scale + dither build",
             "b": "(b) paletteuse", "c": "(c) paletteuse bayer"}
GOAL_SSIM_LOSS = 0.005
GOAL_SIZE_GEOMEAN = 0.30
GOAL_SIZE_GRAIN = 0.10
GOAL_TIME = 1.5


def number(text):
    return None if text == "-" else float(text)


def report(results, grain_clip):
    """The Markdown tables and the goals, from the rows the run script wrote."""
    rows = []
    lines = pathlib.Path(results).read_text().splitlines()
    keys = lines[0].split("\t")
    for line in lines[1:]:
        row = dict(zip(keys, line.split("\t")))
        for key in ("ssim", "low", "ffmpeg_cpu", "ffmpeg_wall", "tessanim_cpu", "tessanim_wall"):
            row[key] = number(row[key])
        row["bytes"] = int(row["bytes"])
        rows.append(row)
    clips = list(dict.fromkeys(r["clip"] for r in rows))
    at = {(r["clip"], r["pipeline"]): r for r in rows if r["pipeline"] in PIPELINES}

    def seconds(value):
        return "-" if value is None else f"{value:.2f}"

    print("| clip | pipeline | bytes | x (a) | SSIM | lowest frame | ffmpeg s | tessanim s |")
    print("|---|---|---:|---:|---:|---:|---:|---:|")
    for clip in clips:
        for pipeline, name in PIPELINES.items():
            r = at[(clip, pipeline)]
            base = at[(clip, "a")]["bytes"]
            print(f"| {clip} | {name} | {r['bytes']:,} | {r['bytes'] / base:.3f} | {r['ssim']:.4f} "
                  f"| {r['low']:.4f} | {seconds(r['ffmpeg_cpu'])} | {seconds(r['tessanim_cpu'])} |")
    print()

    budgets = [r for r in rows if r["pipeline"] == "max"]
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
    print()

    def verdict(ok):
        return "met" if ok else "**missed**"

    losses = {c: at[(c, "a")]["ssim"] - at[(c, "new")]["ssim"] for c in clips}
    print(f"- Quality not below (a)'s by more than {GOAL_SSIM_LOSS} on any clip: "
          f"{verdict(max(losses.values()) <= GOAL_SSIM_LOSS)} ((a) minus encode: "
          + ", ".join(f"{c} {losses[c]:+.4f}" for c in clips) + ")")
    ratios = {c: at[(c, "new")]["bytes"] / at[(c, "a")]["bytes"] for c in clips}
    geomean = math.exp(statistics.fmean(math.log(v) for v in ratios.values()))
    print(f"- Size at most {GOAL_SIZE_GEOMEAN:.2f} x (a)'s, geometric mean over the clips: "
          f"{verdict(geomean <= GOAL_SIZE_GEOMEAN)} ({geomean:.3f}; "
          + ", ".join(f"{c} {ratios[c]:.3f}" for c in clips) + ")")
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
    fitted = [r for r in budgets if r["ssim"] is not None]
    within = all(r["bytes"] <= int(r["budget"]) for r in fitted)
    refusals = all(r["bytes"] > int(r["budget"]) for r in budgets if r["ssim"] is None)
    rising = {}
    for clip in dict.fromkeys(r["clip"] for r in budgets):
        scores = [r["ssim"] for r in sorted(fitted, key=lambda r: int(r["budget"])) if r["clip"] == clip]
        rising[clip] = (all(low <= high for low, high in zip(scores, scores[1:])), scores)
    print(f"- --max-bytes never exceeded, refused only when quality 0 is over the budget: "
          f"{verdict(within and refusals)}")
    for clip, (ok, scores) in rising.items():
        print(f"- Quality rising with the budget, {clip}: {verdict(ok)} (SSIM by rising budget: "
              + ", ".join(f"{s:.4f}" for s in scores) + ")")

def main(argv):
    commands = {"index-frame": (index_frame, 1, 1), "palette-picture": (palette_picture, 2, 2),
                "manifest": (manifest, 5, 5), "ssim": (quality, 4, 5), "report": (report, 2, 2)}
    if len(argv) < 2 or argv[1] not in commands:
        sys.exit(__doc__)
    function, least, most = commands[argv[1]]
    if not least <= len(argv) - 2 <= most:
        sys.exit(__doc__)
    function(*argv[2:])


if __name__ == "__main__":
    main(sys.argv)
