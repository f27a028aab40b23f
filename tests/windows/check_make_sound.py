# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_make_sound.py WORK LINUX_TESSANIM -- COMMAND...: `tessanim sound` of the Windows build
makes the game's sound file from an MP3 and from a movie's sound, byte for byte as the Linux build
makes it, into a sound folder and a file name pattern with a letter beyond ASCII; it refuses to
replace the file without --force, and with it keeps the old one as .bak.

COMMAND runs the Windows tessanim under Wine (scripts/wine-run LIBS tessanim.exe). The sources are
made by the build machine's ffmpeg: a tone under noise in stereo MP3 at 44.1 kHz, and an MP4 movie
with an AAC sound track, a part of which is taken (--from, --to).
"""
import os
import shutil
import subprocess
import sys

PATTERN = "SÖUND%02d.VOC"


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def fail(text):
    print("FAILED: " + text)
    sys.exit(1)


def ffmpeg(*arguments):
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y", *arguments], check=True)


def make_sound(command, source, number, folder, *options, to_path=lambda p: p):
    return subprocess.run(command + ["sound", to_path(source), str(number), "--sounds",
                                     to_path(folder), "--sound-pattern", PATTERN, *options],
                          capture_output=True, text=True)


def main():
    work, linux_tessanim = sys.argv[1], sys.argv[2]
    if sys.argv[3] != "--":
        fail("usage: check_make_sound.py WORK LINUX_TESSANIM -- COMMAND...")
    windows_tessanim = sys.argv[4:]
    shutil.rmtree(work, ignore_errors=True)
    linux_sounds = os.path.join(work, "linux")
    windows_sounds = os.path.join(work, "Sounds für Windows")
    for folder in (linux_sounds, windows_sounds):
        os.makedirs(folder)
    song = os.path.join(work, "tone.mp3")
    ffmpeg("-f", "lavfi", "-i", "sine=frequency=330:duration=1.5", "-f", "lavfi", "-i",
           "anoisesrc=d=1.5:a=0.1", "-filter_complex", "amix=inputs=2", "-ac", "2", "-ar", "44100",
           song)
    movie = os.path.join(work, "clip.mp4")
    ffmpeg("-f", "lavfi", "-i", "testsrc=size=160x120:rate=10:duration=3", "-f", "lavfi", "-i",
           "sine=frequency=500:duration=3", "-c:v", "libx264", "-c:a", "aac", "-shortest", movie)

    for number, source, options in ((3, song, ()), (4, movie, ("--from", "0.5", "--to", "2"))):
        name = PATTERN % number
        linux = make_sound([linux_tessanim], source, number, linux_sounds, *options)
        windows = make_sound(windows_tessanim, source, number, windows_sounds, *options,
                             to_path=windows_path)
        if linux.returncode != 0:
            fail(f"the Linux build made no sound {number}: {linux.stderr}")
        if windows.returncode != 0:
            fail(f"the Windows build made no sound {number}: {windows.stderr}{windows.stdout}")
        with open(os.path.join(linux_sounds, name), "rb") as made:
            expected = made.read()
        try:
            with open(os.path.join(windows_sounds, name), "rb") as made:
                written = made.read()
        except FileNotFoundError:
            fail(f"the Windows build wrote no {name}: {sorted(os.listdir(windows_sounds))}")
        if written != expected:
            fail(f"{name} from {os.path.basename(source)}: the Windows build's {len(written)} "
                 f"bytes differ from the Linux build's {len(expected)}")
        print(f"{name} from {os.path.basename(source)}: {len(written)} bytes, as on Linux")

    # An existing sound is replaced only when asked, its old file kept.
    name = os.path.join(windows_sounds, PATTERN % 3)
    with open(name, "rb") as made:
        first = made.read()
    refused = make_sound(windows_tessanim, movie, 3, windows_sounds, to_path=windows_path)
    if refused.returncode == 0:
        fail("the Windows build replaced an existing sound without --force")
    with open(name, "rb") as kept:
        if kept.read() != first:
            fail("a refused replacement changed the sound file")
    forced = make_sound(windows_tessanim, movie, 3, windows_sounds, "--force",
                        to_path=windows_path)
    if forced.returncode != 0:
        fail(f"--force did not replace the sound: {forced.stderr}")
    with open(name + ".bak", "rb") as backup:
        if backup.read() != first:
            fail("the replaced sound was not kept as .bak")
    print("An existing sound is replaced only with --force, the old one kept as .bak.")


if __name__ == "__main__":
    main()
