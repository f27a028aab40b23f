# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sounds for the Windows checks, and how to find them again in what was played or written.

The cue sounds are the game's kind: unsigned 8-bit mono VOC files at the rate of the time constant
165 (1,000,000 / 91, the 11,025 a second of the game's sounds as a VOC file holds it). Their
samples are like noise, so that only one alignment matches, but held below 1 kHz, so that every
resampler (Wine's, FFmpeg's, the linear one here) leaves them as they are.
"""
import math
import random
import struct

TIME_CONSTANT = 165
VOC_RATE = round(1_000_000 / (256 - TIME_CONSTANT))


def noise_clip(seconds, seed, rate=VOC_RATE):
    """Unsigned 8-bit samples of a sound like noise but held below 1 kHz: a sum of tones of random
    pitches from 150 to 900 Hz and random phases, at about half of full scale."""
    generator = random.Random(seed)
    tones = [(generator.uniform(150, 900), generator.uniform(0, 2 * math.pi)) for _ in range(12)]
    samples = []
    for i in range(round(seconds * rate)):
        t = i / rate
        level = sum(math.sin(2 * math.pi * pitch * t + phase) for pitch, phase in tones) / 7
        samples.append(max(1, min(255, 128 + round(level * 100))))
    return samples


def write_voc(path, samples):
    """A Creative Voice File of one sound block: `samples` at TIME_CONSTANT, unsigned 8-bit."""
    header = b"Creative Voice File\x1a" + struct.pack("<HHH", 26, 0x010A, 0x1129)
    data = bytes([TIME_CONSTANT, 0]) + bytes(samples)
    block = bytes([1]) + struct.pack("<I", len(data))[:3] + data
    with open(path, "wb") as out:
        out.write(header + block + b"\0")


def from_unsigned8(samples):
    return [(s - 128) / 128 for s in samples]


def from_signed16(data):
    """Floats of signed 16-bit little-endian bytes, the first of each `channels` only."""
    count = len(data) // 2
    return [v / 32768 for v in struct.unpack("<%dh" % count, data[: count * 2])]


def resampled(samples, rate_in, rate_out):
    """Linear interpolation: good enough for sounds far below either rate's limit."""
    count = int(len(samples) * rate_out / rate_in)
    result = []
    for i in range(count):
        at = i * rate_in / rate_out
        j = int(at)
        frac = at - j
        following = samples[j + 1] if j + 1 < len(samples) else samples[j]
        result.append(samples[j] * (1 - frac) + following * frac)
    return result


def correlation(a, b):
    """Pearson's correlation of the common length of a and b."""
    n = min(len(a), len(b))
    if n == 0:
        return 0.0
    mean_a = sum(a[:n]) / n
    mean_b = sum(b[:n]) / n
    ab = aa = bb = 0.0
    for x, y in zip(a[:n], b[:n]):
        x -= mean_a
        y -= mean_b
        ab += x * y
        aa += x * x
        bb += y * y
    return ab / math.sqrt(aa * bb) if aa > 0 and bb > 0 else 0.0


def decimated(samples, factor):
    return [sum(samples[i : i + factor]) / factor for i in range(0, len(samples) - factor + 1, factor)]


def find(recorded, reference, around, reach, rate):
    """Where `reference` starts in `recorded` (both at `rate`), searched within `reach` samples of
    `around`: (start, correlation there). Searched coarsely at a sixth of the rate, then sample by
    sample, over at most the first half second of the reference."""
    reference = reference[: rate // 2]
    factor = 6
    coarse_recorded = decimated(recorded, factor)
    coarse_reference = decimated(reference, factor)
    best = (-2.0, around)
    low = max(0, around - reach)
    high = min(len(recorded) - 1, around + reach)
    for start in range(low // factor, high // factor + 1):
        part = coarse_recorded[start : start + len(coarse_reference)]
        best = max(best, (correlation(part, coarse_reference), start * factor))
    fine = (-2.0, best[1])
    for start in range(max(0, best[1] - factor), min(len(recorded), best[1] + factor + 1)):
        fine = max(fine, (correlation(recorded[start : start + len(reference)], reference), start))
    return fine[1], fine[0]


def first_sound(samples, threshold=0.01):
    """The index of the first sample louder than `threshold`, or None."""
    for i, value in enumerate(samples):
        if abs(value) > threshold:
            return i
    return None
