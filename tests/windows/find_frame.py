# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""find_frame.py SCREENSHOT FRAME: finds FRAME (a 320 x 200 image) in SCREENSHOT pixel for pixel.

Prints where it is and exits 0, or says how close the best place came and exits 1.
"""
import sys

from PIL import Image


def rows(image):
    data = image.convert("RGB").tobytes()
    width = image.width * 3
    return [data[y * width:(y + 1) * width] for y in range(image.height)]


def main():
    screen = Image.open(sys.argv[1])
    frame = Image.open(sys.argv[2])
    screen_rows = rows(screen)
    frame_rows = rows(frame)
    best = (0, None)
    for y in range(screen.height - frame.height + 1):
        start = 0
        while True:
            at = screen_rows[y].find(frame_rows[0], start)
            if at < 0:
                break
            start = at + 1
            if at % 3:
                continue
            same = 1
            while same < frame.height and screen_rows[y + same][at:at + len(frame_rows[0])] == frame_rows[same]:
                same += 1
            if same == frame.height:
                print(f"The frame is on screen at ({at // 3}, {y}), every pixel exact.")
                return 0
            best = max(best, (same, (at // 3, y)))
    if best[1] is None:
        print("The frame's first row is nowhere on screen.")
    else:
        print(f"Best place {best[1]}: only the first {best[0]} of {frame.height} rows match.")
    return 1


if __name__ == "__main__":
    sys.exit(main())
