#!/usr/bin/env python3
"""Converts many random, awkward levels with the C++ code and with the plain
reference implementation, and insists that the maps agree byte for byte.

Usage: agreement.py LEVEL_TO_MAP REFERENCE_SCRIPT [--levels N] [--seed S]
"""
import argparse
import os
import random
import struct
import subprocess
import sys
import tempfile


def awkward_number(rng):
    kind = rng.randrange(12)
    if kind == 0:
        return str(rng.randint(-40000, 40000))
    if kind == 1:
        return "%.*f" % (rng.randrange(0, 8), rng.uniform(-5000, 5000))
    if kind == 2:
        return "%de%d" % (rng.randint(-999, 999), rng.randint(-45, 40))
    if kind == 3:
        return rng.choice(["0", "-0", ".5", "5.", "1e", "+7", " 1 2 . 5 ", "12abc", "0x10", "inf",
                           "1e400", "-1e400", "1e-400", "3.4028235e38", "16777217", "\t-3"])
    if kind == 4:
        return repr(rng.uniform(-1, 1) * 10 ** rng.randint(-8, 9))
    # Mostly grid-like values, so that many triangles face along an axis.
    return str(rng.choice([-1, 1]) * rng.randrange(0, 4096, rng.choice([1, 8, 64])))


def awkward_colour(rng):
    return rng.choice([str(rng.randint(-2**31, 2**32 + 5)), "-1", "4294967295", "abc", "99999999999"])


def text_level(rng):
    lines = []
    if rng.random() < 0.3:
        lines.append("Exported level %d" % rng.randrange(100))
    for _ in range(rng.randint(1, 6)):
        count = rng.randint(1, 12)
        lines.append(rng.choice([str(count), str(count), " %d\r" % count, "-2", "0"]))
        for _ in range(count * 3):
            for _ in range(3):
                lines.append(awkward_number(rng))
            lines.append(awkward_colour(rng))
            if rng.random() < 0.02:
                lines.append(" ")  # a blank line somewhere inside a group
    if rng.random() < 0.1:
        lines.insert(rng.randrange(1, len(lines)), "9" * 70)
    if rng.random() < 0.1:
        where = rng.randrange(len(lines))
        lines[where] = lines[where] + " " * rng.choice([62, 63, 70, 200])
    if rng.random() < 0.1:
        where = rng.randrange(len(lines))
        lines[where] = "0" * rng.choice([61, 62, 63, 64]) + lines[where].strip()
    text = "\n".join(lines)
    if rng.random() < 0.5:
        text = text.replace("\n", "\r\n")
    data = (text + ("\n" if rng.random() < 0.8 else "")).encode("latin-1")
    mark = rng.choice([b"", b"", b"", b"\xef\xbb\xbf", b"\xff\xfe", b"\xfe\xff"])
    if mark in (b"\xff\xfe", b"\xfe\xff"):
        little = mark == b"\xff\xfe"
        data = b"".join(bytes([c, 0]) if little else bytes([0, c]) for c in data)
    return mark + data


def binary_level(rng):
    out = bytearray()
    for _ in range(rng.randint(1, 6)):
        count = rng.choice([rng.randint(1, 10), rng.randint(1, 10), -1, 0x1C71C71D])
        out += struct.pack("<i", count)
        for _ in range(min(count, 10) * 3 if count > 0 else 0):
            for _ in range(3):
                if rng.random() < 0.05:
                    out += struct.pack("<I", rng.getrandbits(32))
                else:
                    out += struct.pack("<f", rng.choice([rng.uniform(-3000, 3000), float(rng.randrange(-4096, 4096, 16))]))
            out += struct.pack("<I", rng.getrandbits(32))
    if rng.random() < 0.3:
        out = out[: rng.randrange(1, len(out) + 1)]
    return bytes(out)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("level_to_map")
    ap.add_argument("reference")
    ap.add_argument("--levels", type=int, default=300)
    ap.add_argument("--seed", type=int, default=20261206)
    args = ap.parse_args()
    rng = random.Random(args.seed)
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        for n in range(args.levels):
            binary = n % 3 == 2
            data = binary_level(rng) if binary else text_level(rng)
            params = [rng.choice(["5", "6", "0.05", "12.5", "1e3"]) for _ in range(2)]
            params.append(rng.choice(["40", "40", "1", "0.1", "64", "33.3"]))
            level = os.path.join(tmp, "l%d.%s" % (n, "bin" if binary else "txt"))
            with open(level, "wb") as f:
                f.write(data)
            ours, theirs = level + ".ours.map", level + ".ref.map"
            fmt = "binary" if binary else "text"
            a = subprocess.run([args.level_to_map, level, ours, fmt] + params, capture_output=True)
            b = subprocess.run([sys.executable, args.reference, level, theirs,
                                "--tris", params[0], "--blocks", params[1], "--scale", params[2]]
                               + (["--binary"] if binary else []), capture_output=True)
            same_status = (a.returncode == 0) == (b.returncode == 0)
            same_bytes = a.returncode != 0 or open(ours, "rb").read() == open(theirs, "rb").read()
            if not (same_status and same_bytes):
                failures += 1
                keep = os.path.join(os.environ.get("TMPDIR", "/tmp"), "ondrel-disagreement-%d.%s" % (n, fmt))
                with open(keep, "wb") as f:
                    f.write(data)
                print("level %d (%s, params %s) disagrees; kept as %s" % (n, fmt, params, keep))
    print("%d passed, %d failed" % (args.levels - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
