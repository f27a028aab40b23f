# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_render_movies.py WORK LINUX_TESSANIM -- COMMAND...: `tessanim render` of the Windows build
writes MP4 and WebM movies with their sound, as the Linux build writes them.

COMMAND runs the Windows tessanim under Wine (scripts/wine-run LIBS tessanim.exe). An animation
of two pictures with a sound cue between them (a picture, 35 ticks, sound 1 with the second
picture, 70 ticks) is rendered to MP4 and WebM by both builds. The build machine's ffprobe and
ffmpeg then check each Windows movie: one video and one sound stream of the expected codecs; the
pictures at two moments, decoded, pixel for pixel those of the Linux build's movie (and not the
same picture twice); the sound starting within a tick of the cue and correlating with the cue's
samples at 0.95 or more.
"""
import json
import os
import subprocess
import sys

from PIL import Image

import soundsignals as signals

RATE = 48000
TICK_RATE = 70
CUE_TICKS = 35
KINDS = {"mp4": ("h264", "aac"), "webm": ("vp9", "opus")}


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def fail(text):
    print("FAILED: " + text)
    sys.exit(1)


def output_of(command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def picture(movie, frame):
    """The frame numbered `frame` (from 0) as RGB bytes, decoded by the build machine's ffmpeg."""
    return output_of(["ffmpeg", "-loglevel", "error", "-i", movie, "-vf",
                      f"select=eq(n\\,{frame})", "-fps_mode", "passthrough", "-frames:v", "1",
                      "-f", "rawvideo", "-pix_fmt", "rgb24", "-"])


def sound(movie):
    """The sound track, mono at RATE, as a player plays it: the encoder's lead-in (AAC's priming,
    Opus's pre-skip) left out as the file says."""
    data = output_of(["ffmpeg", "-loglevel", "error", "-i", movie, "-map", "0:a:0", "-ac", "1",
                      "-ar", str(RATE), "-f", "s16le", "-"])
    return signals.from_signed16(data)


def main():
    work, linux_tessanim = sys.argv[1], sys.argv[2]
    if sys.argv[3] != "--":
        fail("usage: check_render_movies.py WORK LINUX_TESSANIM -- COMMAND...")
    windows_tessanim = sys.argv[4:]
    if not os.access(linux_tessanim, os.X_OK):
        fail(f"{linux_tessanim} is missing: the Linux build's tessanim is what the Windows "
             "movies are compared with (cmake --preset default && cmake --build build "
             "--target tessanim)")
    os.makedirs(work, exist_ok=True)
    sounds = os.path.join(work, "sounds")
    os.makedirs(sounds, exist_ok=True)
    cue = signals.noise_clip(0.6, seed=3)
    signals.write_voc(os.path.join(sounds, "S1.VOC"), cue)

    # Pictures with detail everywhere, so that an encoder that differed would show.
    first = Image.new("RGB", (320, 200))
    first.putdata([(x * 4 % 256, y * 5 % 256, (x + y) % 256) for y in range(200)
                   for x in range(320)])
    first.save(os.path.join(work, "first.png"))
    second = Image.new("RGB", (320, 200))
    second.putdata([((x ^ y) % 256, 255 - x % 256, y * 7 % 256) for y in range(200)
                    for x in range(320)])
    second.save(os.path.join(work, "second.png"))
    manifest = os.path.join(work, "render.txt")
    with open(manifest, "w") as out:
        out.write(f"image first.png dither\npause {CUE_TICKS}\nsound 1\n"
                  f"image second.png dither\npause 70\nend\n")
    animation = os.path.join(work, "RENDER.QLM")
    subprocess.run([linux_tessanim, "build", manifest, animation], check=True,
                   stdout=subprocess.DEVNULL)

    tick = RATE / TICK_RATE
    reference = signals.resampled(signals.from_unsigned8(cue), signals.VOC_RATE, RATE)
    for extension, (video_codec, audio_codec) in KINDS.items():
        movie = os.path.join(work, "windows." + extension)
        linux_movie = os.path.join(work, "linux." + extension)
        for path in (movie, linux_movie):
            if os.path.exists(path):
                os.remove(path)
        sound_options = ["--sounds", sounds, "--sound-pattern", "S%d.VOC"]
        subprocess.run(windows_tessanim + ["render", windows_path(animation), windows_path(movie),
                                           "--sounds", windows_path(sounds), "--sound-pattern",
                                           "S%d.VOC"], check=True)
        subprocess.run([linux_tessanim, "render", animation, linux_movie] + sound_options,
                       check=True)
        if not os.path.exists(movie):
            fail(f"the Windows tessanim wrote no {extension} movie")

        streams = json.loads(output_of(["ffprobe", "-loglevel", "error", "-show_streams", "-of",
                                        "json", movie]))["streams"]
        kinds = sorted((s["codec_type"], s["codec_name"]) for s in streams)
        if kinds != [("audio", audio_codec), ("video", video_codec)]:
            fail(f"{extension}: streams {kinds}, not {video_codec} video and {audio_codec} sound")

        seen = []
        for frame in (CUE_TICKS // 2, CUE_TICKS + 35):
            made = picture(movie, frame)
            if len(made) != 320 * 200 * 3:
                fail(f"{extension}: frame {frame} could not be decoded")
            if made != picture(linux_movie, frame):
                fail(f"{extension}: frame {frame} differs from the Linux build's")
            seen.append(made)
        if seen[0] == seen[1]:
            fail(f"{extension}: the two pictures are the same")

        track = sound(movie)
        start = signals.first_sound(track)
        if start is None:
            fail(f"{extension}: the sound track is silent")
        at, _ = signals.find(track, reference, start, round(tick), RATE)
        match = signals.correlation(track[at:at + len(reference)], reference)
        print(f"{extension}: {video_codec} and {audio_codec}; the pictures are the Linux build's; "
              f"the sound starts at {at / RATE:.4f} s ({at / tick:.2f} ticks), correlation "
              f"{match:.3f}")
        if abs(at - CUE_TICKS * tick) > tick:
            fail(f"{extension}: the sound starts {at / tick:.2f} ticks in, not {CUE_TICKS} within "
                 "a tick")
        if match < 0.95:
            fail(f"{extension}: the sound track is not the cue's sound")
    print("The Windows tessanim renders MP4 and WebM movies as the Linux one does.")


if __name__ == "__main__":
    main()
