#!/usr/bin/env python3
"""Decides whether an X screen dump (XWD, as Xvfb -fbdir keeps it) shows a
drawn program rather than an empty screen, and can save it as a PNG.

A drawn viewer has antialiased text, lit faces and panels: many colours,
and no colour filling nearly the whole screen. An empty root window, or a
window that only clears, has one or two.

With --clear and --region it also asks for something in front of the
clear colour where the 3D view is (a level, not only the panels): at least
--min-unlike of the region's pixels differ from the clear colour.

Usage: screen_check.py DUMP [--png OUT] [--min-colours N] [--max-share F]
                       [--clear RRGGBB --region X,Y,W,H [--min-unlike F]]
Exit: 0 drawn, 1 blank, 2 not a dump this reads.
"""
import argparse
import struct
import sys
import zlib
from array import array
from collections import Counter

HEADER_FIELDS = 25
ZPIXMAP = 2


def read_dump(path):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < HEADER_FIELDS * 4:
        raise ValueError("too short for an XWD header")
    header = struct.unpack(">%dI" % HEADER_FIELDS, data[: HEADER_FIELDS * 4])
    header_size, version, fmt, _depth, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    red_mask, green_mask, blue_mask = header[14:17]
    ncolours = header[19]
    if version != 7 or fmt != ZPIXMAP or bits_per_pixel != 32:
        raise ValueError("only 32-bit ZPixmap dumps are read (version %d, format %d, %d bits)"
                         % (version, fmt, bits_per_pixel))
    start = header_size + ncolours * 12
    rows = data[start: start + bytes_per_line * height]
    if len(rows) < bytes_per_line * height:
        raise ValueError("the pixels are cut short")
    pixels = array("I")
    for y in range(height):
        pixels.frombytes(rows[y * bytes_per_line: y * bytes_per_line + width * 4])
    if (byte_order == 1) != (sys.byteorder == "big"):
        pixels.byteswap()
    masks = (red_mask, green_mask, blue_mask)
    return width, height, pixels, masks


def to_rgb(pixel, masks):
    channels = []
    for mask in masks:
        shift = (mask & -mask).bit_length() - 1
        channels.append((pixel & mask) >> shift)
    return tuple(channels)


def write_png(path, width, height, pixels, masks):
    lookup = {p: bytes(to_rgb(p, masks)) for p in set(pixels)}
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        raw += b"".join(lookup[p] for p in pixels[y * width: (y + 1) * width])

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 6)))
        f.write(chunk(b"IEND", b""))


def share_unlike(width, pixels, masks, clear, region):
    x0, y0, w, h = region
    unlike = total = 0
    for y in range(y0, y0 + h):
        for pixel in pixels[y * width + x0: y * width + x0 + w]:
            total += 1
            unlike += to_rgb(pixel, masks) != clear
    return unlike / total if total else 0.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dump")
    parser.add_argument("--png")
    parser.add_argument("--min-colours", type=int, default=64)
    parser.add_argument("--max-share", type=float, default=0.9)
    parser.add_argument("--clear", type=lambda t: tuple(bytes.fromhex(t)))
    parser.add_argument("--region", type=lambda t: tuple(int(v) for v in t.split(",")))
    parser.add_argument("--min-unlike", type=float, default=0.05)
    args = parser.parse_args()
    try:
        width, height, pixels, masks = read_dump(args.dump)
    except (OSError, ValueError) as error:
        print("screen check: %s: %s" % (args.dump, error))
        return 2
    counts = Counter(pixels)
    commonest, commonest_count = counts.most_common(1)[0]
    share = commonest_count / len(pixels)
    print("screen check: %dx%d, %d colours, the commonest %s covers %.0f%%"
          % (width, height, len(counts), "#%02x%02x%02x" % to_rgb(commonest, masks), share * 100))
    drawn = len(counts) >= args.min_colours and share <= args.max_share
    if args.clear and args.region:
        x, y, w, h = args.region
        region = (max(x, 0), max(y, 0), min(w, width - max(x, 0)), min(h, height - max(y, 0)))
        unlike = share_unlike(width, pixels, masks, args.clear, region)
        print("screen check: %.0f%% of the view region differs from the clear colour" % (unlike * 100))
        drawn = drawn and unlike >= args.min_unlike
    if args.png:
        write_png(args.png, width, height, pixels, masks)
    return 0 if drawn else 1


if __name__ == "__main__":
    sys.exit(main())
