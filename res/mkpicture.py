#!/usr/bin/env python3
"""Turns a picture kept as a character grid into a 16-colour BMP or ICO.

Grid files: lines starting with ';' are comments; every other non-empty line
is one pixel row, top row first.  Each character is a palette index of the
standard 16-colour palette written as one hex digit ('0' black .. 'f' white),
'#' is black, '.' is white, and (icons only) '-' is transparent.

    mkpicture.py bmp GRID OUT.bmp
    mkpicture.py ico GRID OUT.ico
"""
import struct
import sys

# The standard 16-colour (VGA) palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT = -1


def read_grid(path):
    rows = []
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line or line.startswith(";"):
                continue
            row = []
            for ch in line:
                if ch == "#":
                    row.append(0)
                elif ch == ".":
                    row.append(15)
                elif ch == "-":
                    row.append(TRANSPARENT)
                else:
                    row.append(int(ch, 16))
            rows.append(row)
    if not rows or any(len(r) != len(rows[0]) for r in rows):
        sys.exit(f"{path}: rows must be non-empty and of equal length")
    return rows


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def pixel_rows_4bpp(rows):
    """Bottom-up 4-bit rows, each padded to a multiple of 4 bytes."""
    out = b""
    for row in reversed(rows):
        idx = [0 if p == TRANSPARENT else p for p in row]
        if len(idx) % 2:
            idx.append(0)
        data = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
        out += data + b"\0" * (-len(data) % 4)
    return out


def mask_rows(rows):
    """Bottom-up 1-bit AND mask: set bits are transparent."""
    out = b""
    for row in reversed(rows):
        bits = 0
        width = (len(row) + 31) // 32 * 32
        for x in range(width):
            bits = (bits << 1) | (1 if x >= len(row) or row[x] == TRANSPARENT else 0)
        out += bits.to_bytes(width // 8, "big")
    return out


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0,
                       image_size, 0, 0, 16, 0)


def make_bmp(rows):
    if any(p == TRANSPARENT for r in rows for p in r):
        sys.exit("bitmaps have no transparent pixels")
    w, h = len(rows[0]), len(rows)
    pixels = pixel_rows_4bpp(rows)
    offset = 14 + 40 + 64
    return (struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
            + info_header(w, h, len(pixels)) + palette_bytes() + pixels)


def make_ico(rows):
    w, h = len(rows[0]), len(rows)
    pixels = pixel_rows_4bpp(rows)
    mask = mask_rows(rows)
    image = info_header(w, 2 * h, len(pixels) + len(mask)) + palette_bytes() + pixels + mask
    return (struct.pack("<HHH", 0, 1, 1)
            + struct.pack("<BBBBHHII", w % 256, h % 256, 16, 0, 1, 4, len(image), 22)
            + image)


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("bmp", "ico"):
        sys.exit(__doc__)
    rows = read_grid(sys.argv[2])
    data = make_bmp(rows) if sys.argv[1] == "bmp" else make_ico(rows)
    with open(sys.argv[3], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
