#!/usr/bin/env python3
"""Packs the gallery's PNG files in place: the gallery writes 8-bit RGB
rows in stored (uncompressed) deflate blocks; screenshots of controls have
few colours, so each becomes a palette image compressed at zlib's highest
level, a tenth of the size or less.  Files that are not such RGB images are
left as they are.
  pngpack.py FILE.png..."""
import struct
import sys
import zlib


def chunks(data):
    pos = 8
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + n]
        pos += 12 + n


def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))


def pack(path):
    data = open(path, 'rb').read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        return False
    parts = list(chunks(data))
    width, height, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', parts[0][1])
    if (depth, colour, interlace) != (8, 2, 0):
        return False
    raw = zlib.decompress(b''.join(body for kind, body in parts if kind == b'IDAT'))
    stride = width * 3 + 1
    rows = [raw[y * stride:(y + 1) * stride] for y in range(height)]
    if any(row[0] != 0 for row in rows):
        return False  # only unfiltered rows, as the gallery writes them
    pixels = [row[1 + x * 3:4 + x * 3] for row in rows for x in range(width)]
    palette = sorted(set(pixels))
    if len(palette) > 256:
        body = zlib.compress(raw, 9)
        out = [chunk(b'IHDR', parts[0][1]), chunk(b'IDAT', body)]
    else:
        index = {p: i for i, p in enumerate(palette)}
        indexed = bytearray()
        for y in range(height):
            indexed.append(0)
            indexed.extend(index[p] for p in pixels[y * width:(y + 1) * width])
        header = struct.pack('>IIBBBBB', width, height, 8, 3, 0, 0, 0)
        out = [chunk(b'IHDR', header), chunk(b'PLTE', b''.join(palette)),
               chunk(b'IDAT', zlib.compress(bytes(indexed), 9))]
    packed = data[:8] + b''.join(out) + chunk(b'IEND', b'')
    if len(packed) < len(data):
        open(path, 'wb').write(packed)
    return True


if __name__ == '__main__':
    for name in sys.argv[1:]:
        pack(name)
