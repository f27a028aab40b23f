# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_preview_sound.py WORK -- COMMAND... -- COMMAND...: the preview under Wine plays its sound
cues, and what it plays is recorded and compared with the cues' sounds.

Each COMMAND runs a Windows program under Wine: the first the tool that builds animations
(tessanim.exe build MANIFEST OUT), the second the preview program (tessa-preview-sound ANIMATION
SOUNDS PATTERN). For example:

    check_preview_sound.py build/sound -- scripts/wine-run LIBS bin/tessanim.exe \
        -- scripts/wine-run LIBS tests/tessa-preview-sound.exe

Wine plays into a PulseAudio server of this script's own, whose only output is a null sink: a
sound card without a speaker, which takes the samples in real time and drops what a program
throws away, as a card does. Its monitor is recorded with parec from before the preview starts,
so the recording is the time line a listener hears.

The animation: a picture, sound 1 (0.8 s), a pause of 35 ticks, sound 2 (0.4 s), a
pause of 35 ticks, the end. As on Linux, the second sound cuts the first, so what is heard is the
first half second of sound 1, then sound 2, then silence. Checked: sound 2 starts within two ticks
of its cue, counted from where sound 1 is heard to start (Wine starts each waveOut sound up to 1.3
ticks sooner or later than the one before: 33.7 to 36.2 ticks apart in 18 runs); each part correlates with its cue's
samples at 0.95 or more (sound 1 going on under sound 2 would bring the second far down); nothing
is heard after sound 2.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image

import soundsignals as signals

RATE = 48000
TICK_RATE = 70
CUE_TICKS = 35
LATENESS_TICKS = 2


class SoundCard:
    """A PulseAudio server with a null sink, and parec recording it into `recording`."""

    def __init__(self, recording):
        # A folder of its own, short enough for the socket's name.
        self.folder = tempfile.mkdtemp(prefix="tessa-pulse-")
        self.server = "unix:" + os.path.join(self.folder, "native")
        environment = dict(os.environ, HOME=self.folder,
                           XDG_RUNTIME_DIR=os.path.join(self.folder, "run"))
        os.makedirs(environment["XDG_RUNTIME_DIR"])
        self.log = open(os.path.join(os.path.dirname(recording), "pulseaudio.log"), "w")
        self.daemon = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disable-shm=yes",
             "--use-pid-file=no", "--log-target=stderr",
             f"--load=module-native-protocol-unix auth-anonymous=1 socket={self.folder}/native",
             f"--load=module-null-sink sink_name=tessa_card rate={RATE} channels=2"],
            env=environment, stdout=self.log, stderr=subprocess.STDOUT)
        for _ in range(100):
            if subprocess.run(["pactl", "--server", self.server, "info"],
                              capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        else:
            self.close()
            fail("PulseAudio did not start (see pulseaudio.log)")
        # The card plays silence all along, with a short latency. Idle, a null sink renders
        # seconds at a time: its monitor then sends nothing for seconds, and what it had sent is
        # lost where a program's stream begins, so the recording would lose its start.
        self.silence = subprocess.Popen(
            ["pacat", "--server", self.server, "-d", "tessa_card", "--raw", "--format=s16le",
             f"--rate={RATE}", "--channels=2", "--latency-msec=5", "/dev/zero"])
        self.wait_until(lambda: b"RUNNING" in subprocess.run(
            ["pactl", "--server", self.server, "list", "sinks", "short"],
            capture_output=True).stdout, "the card did not start playing")
        self.recording = recording
        self.output = open(recording, "wb")
        self.recorder = subprocess.Popen(
            ["parec", "--server", self.server, "-d", "tessa_card.monitor", "--raw",
             "--format=s16le", f"--rate={RATE}", "--channels=2", "--latency-msec=5"],
            stdout=self.output)
        # Recording from here on: a tenth of a second has come in.
        self.wait_for_seconds(0.1)

    def recorded_seconds(self):
        return os.path.getsize(self.recording) / (RATE * 4)

    def wait_for_seconds(self, seconds):
        """Until `seconds` more are recorded, which takes that long once the recording runs."""
        goal = self.recorded_seconds() + seconds
        self.wait_until(lambda: self.recorded_seconds() >= goal, "the recording stopped")

    def wait_until(self, condition, failure):
        for _ in range(200):
            if condition():
                return
            time.sleep(0.05)
        self.close()
        fail(failure + " (see pulseaudio.log)")

    def close(self):
        for process in (getattr(self, "recorder", None), getattr(self, "silence", None),
                        self.daemon):
            if process and process.poll() is None:
                process.terminate()
                process.wait()
        if getattr(self, "output", None):
            self.output.close()
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


def split_commands(arguments):
    commands = []
    for argument in arguments:
        if argument == "--":
            commands.append([])
        else:
            commands[-1].append(argument)
    return commands


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def fail(text):
    print("FAILED: " + text)
    sys.exit(1)


def main():
    work = sys.argv[1]
    tessanim, preview = split_commands(sys.argv[2:])
    os.makedirs(work, exist_ok=True)
    sounds = os.path.join(work, "sounds")
    os.makedirs(sounds, exist_ok=True)

    first = signals.noise_clip(0.8, seed=1)
    second = signals.noise_clip(0.4, seed=2)
    signals.write_voc(os.path.join(sounds, "S1.VOC"), first)
    signals.write_voc(os.path.join(sounds, "S2.VOC"), second)
    Image.new("RGB", (320, 200), (40, 90, 160)).save(os.path.join(work, "sky.png"))
    manifest = os.path.join(work, "cues.txt")
    with open(manifest, "w") as out:
        out.write(f"image sky.png match\nsound 1\npause {CUE_TICKS}\nsound 2\n"
                  f"pause {CUE_TICKS}\nend\n")
    animation = os.path.join(work, "CUES.QLM")
    subprocess.run(tessanim + ["build", windows_path(manifest), windows_path(animation)],
                   check=True, stdout=subprocess.DEVNULL)

    recording = os.path.join(work, "played.raw")
    card = SoundCard(recording)
    environment = dict(os.environ, PULSE_SERVER=card.server, QT_QPA_PLATFORM="offscreen")
    try:
        run = subprocess.run(preview + [windows_path(animation), windows_path(sounds), "S%d.VOC"],
                             env=environment, capture_output=True, text=True, timeout=120)
        card.wait_for_seconds(0.5)
    finally:
        card.close()
    print(run.stdout, end="")
    if run.returncode != 0:
        print(run.stderr, end="")
        fail(f"the preview program ended with status {run.returncode}")

    with open(recording, "rb") as recorded:
        played = signals.from_signed16(recorded.read())[0::2]  # the left channel
    if not played:
        fail("Wine played nothing")
    start = signals.first_sound(played)
    if start is None:
        fail(f"Wine played {len(played) / RATE:.2f} s of silence only")
    tick = RATE / TICK_RATE
    first_ref = signals.resampled(signals.from_unsigned8(first), signals.VOC_RATE, RATE)
    second_ref = signals.resampled(signals.from_unsigned8(second), signals.VOC_RATE, RATE)

    # Sound 1 from its first sample heard; the threshold may miss its quietest first samples.
    first_at, _ = signals.find(played, first_ref, start, int(tick), RATE)
    expected_second = first_at + round(CUE_TICKS * tick)
    second_at, _ = signals.find(played, second_ref, expected_second, round(3 * tick), RATE)
    first_heard = played[first_at:second_at]
    first_whole = signals.correlation(first_heard, first_ref)
    second_whole = signals.correlation(played[second_at:second_at + len(second_ref)], second_ref)
    after = played[second_at + len(second_ref) + round(tick):]
    loudest_after = max((abs(v) for v in after), default=0.0)
    print(f"Recorded {len(played) / RATE:.3f} s; sound 1 at {first_at / RATE:.4f} s "
          f"(correlation {first_whole:.3f} over {len(first_heard) / RATE:.3f} s), sound 2 at "
          f"{second_at / RATE:.4f} s, {(second_at - first_at) / tick:.2f} ticks later "
          f"(correlation {second_whole:.3f}); loudest after it {loudest_after:.4f}")

    if abs(second_at - expected_second) > LATENESS_TICKS * tick:
        fail(f"sound 2 starts {(second_at - first_at) / tick:.2f} ticks after sound 1, not "
             f"{CUE_TICKS} within {LATENESS_TICKS} ticks")
    # Sound 1 going on under sound 2 would bring the second correlation far down.
    if first_whole < 0.95 or second_whole < 0.95:
        fail("what was played is not the cues' sounds, one at a time")
    if loudest_after > 0.01:
        fail("something was played after sound 2")
    print("The preview played the cues' sounds at their moments.")


if __name__ == "__main__":
    main()
