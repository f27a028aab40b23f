# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""make_icon.py PNG ICO: the program's Windows icon (16, 32 and 48 pixels) from its 48-pixel PNG."""
import sys

from PIL import Image

Image.open(sys.argv[1]).convert("RGBA").save(sys.argv[2], sizes=[(16, 16), (32, 32), (48, 48)])
