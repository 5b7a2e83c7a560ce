# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A plain header checksum repair in Python, for comparison with korvane-tool fix.
import array, sys

with open(sys.argv[1], "r+b") as f:
    data = f.read()
    if len(data) % 2:
        data += b"\0"
    words = array.array("H", data[0x200:])
    if sys.byteorder == "little":
        words.byteswap()
    f.seek(0x18E); f.write((sum(words) & 0xFFFF).to_bytes(2, "big"))
    f.seek(0x1A4); f.write((len(data) - 1).to_bytes(4, "big"))
    f.seek(len(data) - 1); f.write(data[-1:])
