#!/usr/bin/env python3
"""Draws the program icon from one description and writes every image of it.

The icon is a small band diagram: the conduction and valence band edges,
low on the n side and high on the p side, with an electron resting on the
conduction edge and a hole hanging from the valence edge, on a rounded tile.
It is drawn on a 16 x 16 grid whose cells become whole pixels at 16 and 32,
so the small images are crisp.

Writes, next to this script:
  kestrel.svg                        the scalable image
  hicolor/NxN/apps/kestrel.png       N = 16, 32, 48, 64, 128, 256 (antialiased)
  kestrel.ico                        32x32 2 colours, 32x32 16 colours, 16x16 16 colours
  kestrel.icns                       the same PNGs from 16 to 256, for a macOS bundle

  make_icons.py            writes the images
  make_icons.py --check    exits 1 if any written image differs from what it would write
"""

import functools
import math
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
GRID = 16
ICON_NAME = "kestrel"
PNG_SIZES = (16, 32, 48, 64, 128, 256)

# The standard 16-colour palette.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, WHITE = 0, 4, 7, 15


class Paint:
    """One colour as each kind of image shows it."""

    def __init__(self, rgb, vga, mono):
        self.rgb = rgb  # full-colour images
        self.vga = vga  # index into VGA16
        self.mono = mono  # 0 black, 1 white


TILE = Paint((222, 233, 246), SILVER, 1)
RIM = Paint((47, 79, 117), NAVY, 0)
INK = Paint((17, 17, 17), BLACK, 0)
HOLE = Paint((255, 255, 255), WHITE, 1)

# The description, bottom to top. Coordinates are in grid cells; a band edge
# is a polyline through cell centres, one cell wide with square ends.
TILE_SHAPE = {"kind": "tile", "inset": 0.5, "radius": 2.5, "fill": TILE, "stroke": RIM}
CONDUCTION = {"kind": "band", "points": [(2.5, 9.5), (6.5, 9.5), (9.5, 6.5), (13.5, 6.5)], "ink": INK}
VALENCE = {"kind": "band", "points": [(2.5, 13.5), (6.5, 13.5), (9.5, 10.5), (13.5, 10.5)], "ink": INK}
ELECTRON = {"kind": "dot", "centre": (4.5, 7.5), "radius": 1.4, "fill": INK, "stroke": INK}
HOLE_DOT = {"kind": "dot", "centre": (11.5, 12.5), "radius": 1.4, "fill": HOLE, "stroke": INK}
SHAPES = [TILE_SHAPE, CONDUCTION, VALENCE, ELECTRON, HOLE_DOT]


# --- coverage: which paint lies on top at a point of the grid ---------------

def in_rounded_square(x, y, inset, radius):
    lo, hi = inset, GRID - inset
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return math.hypot(x - cx, y - cy) <= radius


def near_segment(x, y, a, b, half_width, square_start, square_end):
    """Inside the segment a-b drawn half_width on each side; a square end
    reaches half_width beyond its point, a plain one stops at it."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    along = (x - a[0]) * ux + (y - a[1]) * uy
    across = -(x - a[0]) * uy + (y - a[1]) * ux
    start = -half_width if square_start else 0
    end = length + half_width if square_end else length
    return start <= along <= end and abs(across) <= half_width


def paint_at(x, y):
    """The paint on top at grid point (x, y), or None outside the icon."""
    top = None
    for shape in SHAPES:
        kind = shape["kind"]
        if kind == "tile":
            if in_rounded_square(x, y, 0, shape["radius"] + shape["inset"]):
                inner = in_rounded_square(x, y, 1, shape["radius"] - shape["inset"])
                top = shape["fill"] if inner else shape["stroke"]
        elif kind == "band":
            pts = shape["points"]
            # Square ends at the two ends of the edge, round joins at its bends.
            last = len(pts) - 2
            if any(near_segment(x, y, pts[i], pts[i + 1], 0.5, i == 0, i == last) for i in range(last + 1)) or any(
                    math.hypot(x - px, y - py) <= 0.5 for px, py in pts[1:-1]):
                top = shape["ink"]
        elif kind == "dot":
            distance = math.hypot(x - shape["centre"][0], y - shape["centre"][1])
            if distance <= shape["radius"]:
                top = shape["fill"] if distance <= shape["radius"] - 1 else shape["stroke"]
    return top


# --- rasterising -------------------------------------------------------------

def crisp(size):
    """One sample at each pixel centre: rows of paints (None = transparent)."""
    scale = GRID / size
    return [[paint_at((px + 0.5) * scale, (py + 0.5) * scale) for px in range(size)] for py in range(size)]


@functools.lru_cache(maxsize=None)
def antialiased(size, samples=4):
    """RGBA rows, each pixel the average of samples x samples points."""
    scale = GRID / size
    rows = []
    for py in range(size):
        row = []  # of (r, g, b, a)
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    paint = paint_at((px + (sx + 0.5) / samples) * scale, (py + (sy + 0.5) / samples) * scale)
                    if paint is not None:
                        r += paint.rgb[0]
                        g += paint.rgb[1]
                        b += paint.rgb[2]
                        a += 1
            n = samples * samples
            # Colour averaged over the covered samples, alpha over all of them.
            row.append((r // a, g // a, b // a, 255 * a // n) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


# --- file formats --------------------------------------------------------------

def png_bytes(rows):
    size = len(rows)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def packed_rows(values, bits):
    """Bottom-up rows of `bits`-per-pixel values, each padded to 4 bytes."""
    out = b""
    for row in reversed(values):
        acc, nbits, data = 0, 0, bytearray()
        for value in row:
            acc = (acc << bits) | value
            nbits += bits
            if nbits == 8:
                data.append(acc)
                acc, nbits = 0, 0
        if nbits:
            data.append(acc << (8 - nbits))
        data.extend(b"\0" * (-len(data) % 4))
        out += bytes(data)
    return out


def ico_image(size, colours):
    """A palette image of the crisp drawing: 2 or 16 colours plus a mask."""
    rows = crisp(size)
    if colours == 2:
        palette, bits = [(0, 0, 0), (255, 255, 255)], 1
        index = [[p.mono if p else 0 for p in row] for row in rows]
    else:
        palette, bits = VGA16, 4
        index = [[p.vga if p else 0 for p in row] for row in rows]
    mask = [[0 if p else 1 for p in row] for row in rows]
    xor, and_mask = packed_rows(index, bits), packed_rows(mask, 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(xor) + len(and_mask), 0, 0,
                         len(palette), 0)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + xor + and_mask


def ico_bytes():
    images = [(32, 2, 1), (32, 16, 4), (16, 16, 4)]
    blobs = [ico_image(size, colours) for size, colours, _ in images]
    offset = 6 + 16 * len(images)
    entries = b""
    for (size, colours, bits), blob in zip(images, blobs):
        entries += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + entries + b"".join(blobs)


def icns_bytes():
    """An icon family of PNG images, one per type the bundle format names."""
    types = {16: b"icp4", 32: b"icp5", 64: b"icp6", 128: b"ic07", 256: b"ic08"}
    body = b""
    for size, tag in types.items():
        data = png_bytes(antialiased(size))
        body += tag + struct.pack(">I", 8 + len(data)) + data
    return b"icns" + struct.pack(">I", 8 + len(body)) + body


def svg_text():
    def rgb(paint):
        return "#%02x%02x%02x" % paint.rgb

    t = TILE_SHAPE
    side = GRID - 2 * t["inset"]
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID * 16}" height="{GRID * 16}" '
        f'viewBox="0 0 {GRID} {GRID}">',
        "  <title>Kestrel Sim</title>",
        f'  <rect x="{t["inset"]}" y="{t["inset"]}" width="{side}" height="{side}" rx="{t["radius"]}" '
        f'fill="{rgb(t["fill"])}" stroke="{rgb(t["stroke"])}" stroke-width="1"/>',
    ]
    for band in (CONDUCTION, VALENCE):
        points = " ".join(f"{x},{y}" for x, y in band["points"])
        parts.append(f'  <polyline points="{points}" fill="none" stroke="{rgb(band["ink"])}" '
                     'stroke-width="1" stroke-linecap="square" stroke-linejoin="round"/>')
    for dot in (ELECTRON, HOLE_DOT):
        (cx, cy), r = dot["centre"], dot["radius"]
        parts.append(f'  <circle cx="{cx}" cy="{cy}" r="{r - 0.5}" fill="{rgb(dot["fill"])}" '
                     f'stroke="{rgb(dot["stroke"])}" stroke-width="1"/>')
    parts.append("</svg>")
    return ("\n".join(parts) + "\n").encode()


def outputs():
    files = {
        HERE / f"{ICON_NAME}.svg": svg_text(),
        HERE / f"{ICON_NAME}.ico": ico_bytes(),
        HERE / f"{ICON_NAME}.icns": icns_bytes(),
    }
    for size in PNG_SIZES:
        files[HERE / "hicolor" / f"{size}x{size}" / "apps" / f"{ICON_NAME}.png"] = png_bytes(antialiased(size))
    return files


def main():
    check = "--check" in sys.argv[1:]
    stale = []
    for path, data in outputs().items():
        if check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(path)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    for path in stale:
        print(f"{path.relative_to(HERE)} differs from what make_icons.py draws", file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
