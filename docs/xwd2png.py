#!/usr/bin/env python3
"""Turns an X window dump (XWD, as Xvfb's -fbdir frame buffer or xwd write it) into a PNG file.

    python3 docs/xwd2png.py FRAMEBUFFER.xwd OUT.png

Only the standard library: 24- and 32-bit TrueColor ZPixmaps, either byte order.
"""
import struct
import sys
import zlib


def read_xwd(path):
    with open(path, "rb") as f:
        data = f.read()
    header_size = struct.unpack(">I", data[:4])[0]
    fields = struct.unpack(">25I", data[:100])
    (_, version, pixmap_format, depth, width, height, _, byte_order, _, _, _, bits_per_pixel,
     bytes_per_line, _, red_mask, green_mask, blue_mask, _, _, ncolors, _, _, _, _, _) = fields
    if version != 7 or pixmap_format != 2 or bits_per_pixel not in (24, 32):
        raise SystemExit(f"{path}: not a 24/32-bit ZPixmap XWD (version {version}, format {pixmap_format}, "
                         f"{bits_per_pixel} bits per pixel)")
    offset = header_size + ncolors * 12
    step = bits_per_pixel // 8
    shifts = [(mask, (mask & -mask).bit_length() - 1) for mask in (red_mask, green_mask, blue_mask)]
    rows = []
    for y in range(height):
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + width * step]
        out = bytearray(width * 3)
        for x in range(width):
            chunk = line[x * step: x * step + step]
            pixel = int.from_bytes(chunk, "big" if byte_order == 1 else "little")
            for c, (mask, shift) in enumerate(shifts):
                out[x * 3 + c] = (pixel & mask) >> shift
        rows.append(bytes(out))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit("usage: xwd2png.py FRAMEBUFFER.xwd OUT.png")
    write_png(sys.argv[2], *read_xwd(sys.argv[1]))
