#!/usr/bin/env python3
"""Checks a screenshot of the main window for the station it was given, and saves it as PNG.

    window-shot.py SHOT.xwd STATION.stc [--window X Y W H] [--png OUT.png]

SHOT.xwd is what `xwd -root` wrote. The station view is found by the outer lines of its grid,
then every cell is checked at its centre against the station file: white where it is empty, black
on a shed, yellow on an electrified element or object, green on one that is not; a digit cell
must show its digit, dark on the yellow box and most of the box high (a font that is missing or
stands in badly does not). The window (the rectangle given, else the screen) is saved as PNG.
Exit status 0 when the station is drawn as it should be, 1 with the reason otherwise.
"""
import struct
import sys
import zlib

WHITE, BLACK, YELLOW, GREEN = (255, 255, 255), (0, 0, 0), (255, 255, 0), (0, 255, 0)
GRID = (224, 224, 224)


def read_xwd(path):
    data = open(path, "rb").read()
    h = struct.unpack(">25I", data[:100])
    header_size, version, pixmap_format, depth, width, height = h[:6]
    byte_order, bits_per_pixel, bytes_per_line = h[7], h[11], h[12]
    red_mask, green_mask, blue_mask, ncolors = h[14], h[15], h[16], h[19]
    size = bits_per_pixel // 8  # Xvfb may pack 24-bit pixels in three bytes
    if version != 7 or pixmap_format != 2 or depth != 24 or size not in (3, 4):
        raise ValueError(f"{path}: not an XWD file of 24-bit colour")
    start = header_size + 12 * ncolors
    order = "little" if byte_order == 0 else "big"
    shifts = [(m & -m).bit_length() - 1 for m in (red_mask, green_mask, blue_mask)]
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + size * width]
        values = [int.from_bytes(line[i:i + size], order) for i in range(0, len(line), size)]
        rows.append([tuple((v >> s) & 0xFF for s in shifts) for v in values])
    return rows


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def read_station(path):
    lines = open(path, "rb").read().decode("ascii", "replace").split("\r\n")
    fields = [[int(v) for v in line.split(",") if v.strip()] for line in lines]
    rows_count, cols_count = fields[1][:2]
    return [row[:cols_count] for row in fields[2:2 + rows_count]]


def expected_centre(code):
    if code == 0:
        return WHITE
    if 1 <= code <= 9:
        return None  # the digit's ink
    if code in (48, 480):
        return BLACK  # the locomotive
    return YELLOW if code < 100 else GREEN


def find_view(rows, grid):
    """The top-left pixel of the station view: the corner of its grid, whose outer lines no
    cell's picture reaches."""
    height, width = len(grid), len(grid[0])
    w, h = 17 * width, 17 * height
    for y in range(len(rows) - h):
        row = rows[y]
        for x in range(len(row) - w):
            if (row[x] == GRID and row[x + w] == GRID and rows[y + h][x] == GRID and
                    all(px == GRID for px in row[x:x + w + 1]) and
                    all(rows[y + j][x] == GRID and rows[y + j][x + w] == GRID
                        for j in range(h + 1)) and
                    all(px == GRID for px in rows[y + h][x:x + w + 1])):
                return x, y
    return None


def check(rows, grid):
    view = find_view(rows, grid)
    if view is None:
        return None, f"no station view of {len(grid[0])} x {len(grid)} cells"
    ox, oy = view
    wrong = []
    for r, codes in enumerate(grid):
        for c, code in enumerate(codes):
            x, y = ox + 17 * c + 1, oy + 17 * r + 1  # the cell's drawing origin
            want = expected_centre(code)
            got = rows[y + 8][x + 8]
            if want is not None and got != want:
                wrong.append(f"cell ({c}, {r}) code {code}: {got} instead of {want}")
            if want is None:
                # The digit in bold on the yellow box, as high as most of the box.
                ink = [j for j in range(2, 15) for i in range(2, 15) if sum(rows[y + j][x + i]) < 300]
                if not ink or max(ink) - min(ink) + 1 < 7:
                    wrong.append(f"cell ({c}, {r}) digit {code}: no digit, or a small one")
    if wrong:
        return view, f"{len(wrong)} cells drawn wrong, first: " + "; ".join(wrong[:3])
    return view, None


def main(argv):
    args = argv[1:]
    window = png = None
    if "--window" in args:
        i = args.index("--window")
        window = [int(v) for v in args[i + 1:i + 5]]
        del args[i:i + 5]
    if "--png" in args:
        i = args.index("--png")
        png = args[i + 1]
        del args[i:i + 2]
    if len(args) != 2:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    rows = read_xwd(args[0])
    if window:
        x, y, w, h = window
        x, y = max(x, 0), max(y, 0)
        rows = [row[x:x + w] for row in rows[y:y + h]]
    if png:
        write_png(png, rows)
    view, problem = check(rows, read_station(args[1]))
    if problem:
        print(problem, file=sys.stderr)
        return 1
    print(f"station view at {view[0]}, {view[1]} in the window, every cell as in the file")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
