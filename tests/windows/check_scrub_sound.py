# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_scrub_sound.py WORK -- COMMAND... -- COMMAND...: dragging the timeline's playhead over a
sound cue plays the sound under the playhead, and what is played is recorded and measured.

The first COMMAND builds animations (tessanim build MANIFEST OUT), the second is the editor
dragging its playhead (tessa-scrub-sound ANIMATION SOUNDS PATTERN): from the cue on, at the pace
the animation plays, for 1.5 s. Both run natively or under Wine, as check_preview_sound.py runs
them, and the sound card is that script's: a PulseAudio null sink recorded from before the
editor starts.

Checked, in moments of 40 ms over the 1.5 s from the first sound heard: sound is heard in at least
half of them (a scrub plays short moments, each cutting the one before, so gaps may come); the
moments heard are the cued sound from where the playhead was then (from 60 ms behind it, as an
output starts a sound later than the one before, to 20 ms ahead), as the median of their best
correlations with it there says (a moment that spans a cut matches less well); and nothing is heard once the button is let go.
"""
import os
import subprocess
import sys

from PIL import Image

import soundsignals as signals
from check_preview_sound import RATE, SoundCard, fail, split_commands, windows_path

DRAG_SECONDS = 1.5
MEASURE_RATE = 4000  # the sound lies below 1 kHz
WINDOW_SECONDS = 0.04
HEARD_LEVEL = 0.02
LEAST_HEARD = 0.5
# Moments of another sound like this one correlate with it in the range searched at 0.33 in the
# middle (0.45 at most); moments heard where they belong at 0.8 in the middle (0.9 and more where
# no cut from one moment to the next falls in them).
LEAST_MIDDLE_CORRELATION = 0.6
BEHIND_SECONDS = 0.06
AHEAD_SECONDS = 0.02


def path_for(command, path):
    """`path` as `command` takes it: a Windows program under Wine takes a Windows path."""
    under_wine = any(part.lower().endswith(".exe") for part in command)
    return windows_path(path) if under_wine else os.path.abspath(path)


def rms(samples):
    return (sum(v * v for v in samples) / len(samples)) ** 0.5 if samples else 0.0


def best_offset(window, reference, low, high):
    """The offset in `reference` from `low` to `high` where `window` correlates best."""
    best = (-2.0, low)
    for offset in range(max(0, low), min(len(reference) - len(window), high) + 1):
        best = max(best, (signals.correlation(window, reference[offset : offset + len(window)]),
                          offset))
    return best


def main():
    work = sys.argv[1]
    tessanim, editor = split_commands(sys.argv[2:])
    sounds = os.path.join(work, "sounds")
    os.makedirs(sounds, exist_ok=True)
    sound = signals.noise_clip(3.0, seed=3)
    signals.write_voc(os.path.join(sounds, "S1.VOC"), sound)
    Image.new("RGB", (320, 200), (40, 90, 160)).save(os.path.join(work, "sky.png"))
    manifest = os.path.join(work, "scrub.txt")
    with open(manifest, "w") as out:
        out.write("image sky.png match\nsound 1\npause 280\nend\n")
    animation = os.path.join(work, "SCRUB.QLM")
    subprocess.run(tessanim + ["build", path_for(tessanim, manifest), path_for(tessanim, animation)],
                   check=True, stdout=subprocess.DEVNULL)

    recording = os.path.join(work, "played.raw")
    card = SoundCard(recording)
    environment = dict(os.environ, PULSE_SERVER=card.server, QT_QPA_PLATFORM="offscreen")
    try:
        run = subprocess.run(editor + [path_for(editor, animation), path_for(editor, sounds), "S%d.VOC"],
                             env=environment, capture_output=True, text=True, timeout=120)
        card.wait_for_seconds(0.3)
    finally:
        card.close()
    print(run.stdout, end="")
    if run.returncode != 0:
        print(run.stderr, end="")
        fail(f"the editor ended with status {run.returncode}")

    with open(recording, "rb") as recorded:
        played = signals.from_signed16(recorded.read())[0::2]  # the left channel
    start = signals.first_sound(played)
    if start is None:
        fail(f"{len(played) / RATE:.2f} s recorded, all silence: dragging played nothing")
    factor = RATE // MEASURE_RATE
    heard = signals.decimated(played[start:], factor)
    reference = signals.resampled(signals.from_unsigned8(sound), signals.VOC_RATE, MEASURE_RATE)

    size = round(WINDOW_SECONDS * MEASURE_RATE)
    windows = round(DRAG_SECONDS / WINDOW_SECONDS)
    correlations = []
    for i in range(windows):
        window = heard[i * size : (i + 1) * size]
        if len(window) < size or rms(window) < HEARD_LEVEL:
            continue
        at = i * size
        correlation, _ = best_offset(window, reference,
                                     at - round(BEHIND_SECONDS * MEASURE_RATE),
                                     at + round(AHEAD_SECONDS * MEASURE_RATE))
        correlations.append(correlation)
    loud = len(correlations)
    middle = sorted(correlations)[loud // 2] if correlations else 0.0
    after = heard[round((DRAG_SECONDS + 0.25) * MEASURE_RATE):]
    loudest_after = max((abs(v) for v in after), default=0.0)
    print(f"Of {windows} moments of {WINDOW_SECONDS * 1000:.0f} ms while dragging, {loud} "
          f"heard, matching the sound under the playhead at {middle:.2f} in the middle; loudest "
          f"after letting go {loudest_after:.4f}")
    if loud < LEAST_HEARD * windows:
        fail(f"sound was heard in {loud} of {windows} moments of the drag, fewer than half")
    if middle < LEAST_MIDDLE_CORRELATION:
        fail("what was heard is not the sound under the playhead")
    if loudest_after > 0.01:
        fail("sound went on after the button was let go")
    print("Dragging the playhead played the sound under it.")


if __name__ == "__main__":
    main()
