#!/usr/bin/env python3
"""A second, deliberately plain implementation of the level-to-map pipeline.

It shares no code with the C++ converter: every single-precision step is
spelled out with explicit rounding (f32 after each operation), so that the
two can be compared byte for byte on random levels. Slow, and meant to be.

Usage: reference_convert.py INPUT OUTPUT [--binary] [--tris F] [--blocks F] [--scale F]
"""
import argparse
import math
import re
import struct
import sys

F32 = struct.Struct("<f")


def f32(x):
    """Round a Python float (a double) to single precision, IEEE style."""
    if math.isnan(x):
        return x
    try:
        return F32.unpack(F32.pack(x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


def bits_to_f32(bits):
    return struct.unpack("<f", struct.pack("<I", bits))[0]


NEAR_ONE = bits_to_f32(0x3F7FFFFE)
OVER_ONE = bits_to_f32(0x3F800001)
THIRD = bits_to_f32(0x3EAAAAAB)
DEGENERATE = 2.0 ** -46


# -- numbers as the C runtime reads them ------------------------------------
INT_RE = re.compile(rb"[ \t\n\v\f\r]*([+-]?)([0-9]*)")
DEC_RE = re.compile(rb"[ \t\n\v\f\r]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?)")


def parse_int(line):
    m = INT_RE.match(line)
    value = 0
    for d in m.group(2):
        value = (value * 10 + (d - 48)) & 0xFFFFFFFF
    if m.group(1) == b"-":
        value = (-value) & 0xFFFFFFFF
    return value - (1 << 32) if value >= 1 << 31 else value


def parse_decimal(line):
    m = DEC_RE.match(line)
    if not m:
        return 0.0
    try:
        return float(m.group(1))
    except OverflowError:
        return math.copysign(math.inf, -1.0 if m.group(1).startswith(b"-") else 1.0)


# -- reading -----------------------------------------------------------------
class Bytes:
    def __init__(self, data):
        self.data, self.pos = data, 0

    def byte(self):
        if self.pos >= len(self.data):
            return -1
        self.pos += 1
        return self.data[self.pos - 1]

    def take(self, n):
        chunk = self.data[self.pos:self.pos + n]
        self.pos += len(chunk)
        return chunk


def read_line(src):
    """The next line whole, keeping only bytes above 0x20 and tabs."""
    kept = bytearray()
    while True:
        b = src.byte()
        if b < 0 or b == 10:
            break
        if b > 0x20 or b == 9:
            kept.append(b)
    return bytes(kept) if kept else None


BYTE_ORDER_MARKS = (b"\xef\xbb\xbf", b"\xff\xfe", b"\xfe\xff")


def skip_byte_order_mark(src):
    for mark in BYTE_ORDER_MARKS:
        if src.data.startswith(mark):
            src.pos = len(mark)
            return


def wrap32(x):
    x &= 0xFFFFFFFF
    return x - (1 << 32) if x >= 1 << 31 else x


def import_text(data):
    src, out = Bytes(data), []
    skip_byte_order_mark(src)
    while True:
        line = read_line(src)
        if line is None:
            return out
        coords = wrap32(parse_int(line) * 9)
        pos = [0.0, 0.0, 0.0]
        i = 0
        while i < coords:
            line = read_line(src)
            if line is None:
                break
            v = f32(parse_decimal(line))
            axis = i % 3
            pos[axis] = f32(-(v / 10.0)) if axis == 0 else f32(v / 10.0)
            if axis == 2:
                colour_line = read_line(src)
                if colour_line is not None:
                    out.append((pos[0], pos[1], pos[2], parse_int(colour_line) & 0xFFFFFFFF))
            i += 1


def import_binary(data):
    src, out = Bytes(data), []
    while True:
        word = src.take(4)
        if len(word) < 4:
            return out
        count = struct.unpack("<i", word)[0]
        if count == 0:
            return out
        coords = wrap32(count * 9)
        pos = [0.0, 0.0, 0.0]
        for i in range(max(coords, 0)):
            word = src.take(4)
            if len(word) < 4:
                return out
            v = struct.unpack("<f", word)[0]
            axis = i % 3
            pos[axis] = f32(-(v / 10.0)) if axis == 0 else f32(v / 10.0)
            if axis == 2:
                colour = src.take(4)
                if len(colour) < 4:
                    return out
                out.append((pos[0], pos[1], pos[2], struct.unpack("<I", colour)[0]))


# -- geometry ----------------------------------------------------------------
def sub(a, b):
    return (f32(a[0] - b[0]), f32(a[1] - b[1]), f32(a[2] - b[2]))


def add(a, b):
    return (f32(a[0] + b[0]), f32(a[1] + b[1]), f32(a[2] + b[2]))


def scale(v, d):
    return (f32(d * v[0]), f32(d * v[1]), f32(d * v[2]))


def normal_of(p0, p1, p2):
    e1, e2 = sub(p1, p0), sub(p2, p0)
    n = (f32(f32(e1[1] * e2[2]) - f32(e1[2] * e2[1])),
         f32(f32(e1[2] * e2[0]) - f32(e1[0] * e2[2])),
         f32(f32(e1[0] * e2[1]) - f32(e1[1] * e2[0])))
    sq = f32(f32(f32(n[0] * n[0]) + f32(n[1] * n[1])) + f32(n[2] * n[2]))
    if sq < DEGENERATE:  # false for NaN, which then spreads to every component
        n = (0.0, 0.0, 0.0)
    else:
        length = f32(math.sqrt(sq))
        n = tuple(f32(c / length) for c in n)
    if n[0] == n[1] and n[0] == n[2]:
        n = (1.0, 0.0, 0.0)
    return n


def axis_aligned(n):
    for c in n:
        if NEAR_ONE <= c <= OVER_ONE or -OVER_ONE <= c <= -NEAR_ONE:
            return True
    return False


def snap(x):
    if math.isnan(x):
        return 0
    if x >= 2147483648.0:
        return 2147483647
    if x < -2147483648.0:
        return -2147483648
    t = int(x)  # towards zero
    if float(t) != x and t < 0:
        t -= 1
    return t


def convert(vertices, tris, blocks, export_scale):
    lower, upper = [1e6] * 3, [-1e6] * 3
    brushes = []
    for k in range(len(vertices) // 3):
        p = [tuple(vertices[3 * k + i][:3]) for i in range(3)]
        n = normal_of(*p)
        for axis in range(3):
            lo, hi = 1e6, -1e6
            for q in p:
                if q[axis] < lo:
                    lo = q[axis]
                if q[axis] > hi:
                    hi = q[axis]
            top = f32(lo + f32(hi - lo))
            if top > upper[axis]:
                upper[axis] = top
            if lo < lower[axis]:
                lower[axis] = lo
        faces = [(p[0], p[1], p[2])]
        if axis_aligned(n):
            off = scale(n, f32(blocks / export_scale))
            q = [add(x, off) for x in p]
            faces += [(q[0], q[2], q[1]), (p[0], p[2], q[2]), (p[0], q[2], q[0]),
                      (p[1], p[0], q[0]), (p[1], q[0], q[1]), (p[2], p[1], q[1]),
                      (p[2], q[1], q[2])]
        else:
            c = tuple(f32(f32(f32(p[0][a] + p[1][a]) + p[2][a]) * THIRD) for a in range(3))
            apex = add(c, scale(n, f32(tris / export_scale)))
            faces += [(p[0], apex, p[1]), (p[1], apex, p[2]), (p[2], apex, p[0])]
        brushes.append(faces)
    origin = [f32(float(snap(f32(f32(lower[a] + upper[a]) / 2.0)))) for a in range(3)]
    return brushes, origin


KEYS = [("classname", "worldspawn"), ("geometry_scale", "0.046875"),
        ("point_snap_precision", "0.0"), ("plane_normal_precision", "0.0001"),
        ("plane_distance_precision", "0.0001"), ("min_pixels", "250"),
        ("texture_scale", "16.0"), ("light_geometry_scale", "0.046875"),
        ("light_scale", "2"), ("emission_quantum_number", "100"),
        ("ambient_intensity", "0 0 0"), ("mapversion", "220"),
        ("wad", "\\dynamix\\tools\\art\\human1.wad")]


def map_text(brushes, origin, export_scale):
    def point(p):
        x = snap(f32(f32(p[0] - origin[0]) * export_scale))
        y = snap(f32(f32(p[1] - origin[1]) * export_scale))
        z = snap(f32(f32(p[2] - origin[2]) * export_scale))
        return "(%d %d %d)" % (x, z, y)

    out = ["{"] + ['"%s" "%s"' % kv for kv in KEYS]
    for number, faces in enumerate(brushes):
        out.append("{ ;%d" % number)
        for f in faces:
            out.append("\t%s %s %s BASE_COLD [ 0 1 0 0 ] [ 0 0 -1 0 ] 0 1 1 "
                       % (point(f[1]), point(f[0]), point(f[2])))
        out.append("}")
    out.append("}")
    return "".join(line + "\r\n" for line in out)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("input")
    ap.add_argument("output")
    ap.add_argument("--binary", action="store_true")
    ap.add_argument("--tris", type=float, default=5.0)
    ap.add_argument("--blocks", type=float, default=6.0)
    ap.add_argument("--scale", type=float, default=40.0)
    args = ap.parse_args()
    data = open(args.input, "rb").read()
    vertices = import_binary(data) if args.binary else import_text(data)
    if len(vertices) < 3:
        print("Unable to convert to solids.", file=sys.stderr)
        return 2
    tris, blocks, sc = (max(f32(v), f32(0.1)) for v in (args.tris, args.blocks, args.scale))
    brushes, origin = convert(vertices, tris, blocks, sc)
    with open(args.output, "wb") as out:
        out.write(map_text(brushes, origin, sc).encode("ascii"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
