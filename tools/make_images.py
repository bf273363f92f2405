#!/usr/bin/env python3
"""Draws the program's pictures: the tree's 30 small images, the main icon and the tree's
background. Standard library only, and deterministic, so the files can be regenerated and
diffed byte for byte.

    python3 tools/make_images.py [repository root]

Writes app/res/tree_132.bmp .. tree_161.bmp, app/res/tallowick.ico,
platform/win32/res/drive_179.ico and skin/BG.jpg.
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------------------
# Tree images: 16 x 16 pixel art, one character a pixel.

FIRST_BITMAP_ID = 132  # image n of the tree's image list is bitmap 132 + n
TRANSPARENT = (255, 0, 0)  # the image list's mask colour

PALETTE = {
    ".": TRANSPARENT,
    "K": (32, 32, 32),  # outline
    "k": (80, 80, 80),
    "G": (128, 128, 128),
    "g": (192, 192, 192),
    "h": (228, 228, 228),
    "W": (255, 255, 255),
    "B": (16, 48, 140),
    "b": (48, 110, 210),
    "c": (160, 205, 250),
    "Y": (255, 208, 0),
    "y": (255, 244, 170),
    "O": (232, 132, 0),
    "o": (150, 90, 36),
    "T": (240, 200, 90),
    "t": (200, 150, 50),
    "R": (204, 40, 40),
    "D": (128, 16, 16),
    "r": (245, 150, 150),
    "N": (0, 120, 0),
    "n": (70, 190, 70),
    "P": (120, 70, 180),
}

SIZE = 16


def blank():
    return [["."] * SIZE for _ in range(SIZE)]


def from_rows(rows):
    assert len(rows) == SIZE, rows
    for row in rows:
        assert len(row) == SIZE, row
    return [list(row) for row in rows]


def paint(grid, x, y, rows):
    """Copies rows onto grid at (x, y); '.' leaves the pixel below as it was."""
    for dy, row in enumerate(rows):
        for dx, ch in enumerate(row):
            if ch != ".":
                grid[y + dy][x + dx] = ch


def put(grid, pixels, ch):
    for x, y in pixels:
        grid[y][x] = ch


def shape(grid, inside, fill, outline="K"):
    """Fills the pixels whose centre satisfies inside(x, y); those next to a pixel outside
    (or to the image edge) get the outline colour, so every shape has a crisp border."""
    mask = [[inside(x, y) for x in range(SIZE)] for y in range(SIZE)]

    def inner(x, y):
        return 0 <= x < SIZE and 0 <= y < SIZE and mask[y][x]

    for y in range(SIZE):
        for x in range(SIZE):
            if mask[y][x]:
                edge = not all(
                    inner(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                grid[y][x] = outline if edge else fill
    return mask


def dist(x, y, cx, cy):
    return math.hypot(x - cx, y - cy)


def seg_dist(x, y, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)
    t = max(0.0, min(1.0, t))
    return math.hypot(x - (ax + t * vx), y - (ay + t * vy))


def polyline(points, radius):
    def inside(x, y):
        return any(
            seg_dist(x, y, *points[i], *points[i + 1]) <= radius
            for i in range(len(points) - 1))
    return inside


def gear(cx, cy, body, tip, teeth, hole, tooth_width, phase=0.0):
    """A solid disc with square teeth standing out from it and a hole in the middle."""
    def inside(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        if d <= hole:
            return False
        if d <= body:
            return True
        for k in range(teeth):
            a = 2 * math.pi * (k + phase) / teeth
            along = dx * math.cos(a) + dy * math.sin(a)
            across = -dx * math.sin(a) + dy * math.cos(a)
            if 0 < along <= tip and abs(across) <= tooth_width / 2:
                return True
        return False
    return inside


def check_mark(grid, points, radius=1.15):
    shape(grid, polyline(points, radius), "n", "N")


def calculator():
    body = "..KggggggggggK.."
    keys = "..KgkkgkkgOOgK.."
    return from_rows([
        "................",
        "..KKKKKKKKKKKK..",
        body,
        "..KgKKKKKKKKgK..",
        "..KgKccccKcKgK..",
        "..KgKccccKcKgK..",
        "..KgKKKKKKKKgK..",
        body,
        keys,
        keys,
        body,
        keys,
        keys,
        body,
        "..KKKKKKKKKKKK..",
        "................",
    ])


def console():
    return from_rows([
        "................",
        "kkkkkkkkkkkkkkkk",
        "kbbbbbbbbbbbbbbk",
        "kbbbbbbbbbbhkhkk",
        "kKKKKKKKKKKKKKKk",
        "kKWKKKKKKKKKKKKk",
        "kKKWKKKKKKKKKKKk",
        "kKKKWKKKKKKKKKKk",
        "kKKWKKKKKKKKKKKk",
        "kKWKKWWWWKKKKKKk",
        "kKKKKKKKKKKKKKKk",
        "kKKKKKKKKKKKKKKk",
        "kKKKKKKKKKKKKKKk",
        "kKKKKKKKKKKKKKKk",
        "kkkkkkkkkkkkkkkk",
        "................",
    ])


def light_bulb():
    return from_rows([
        "................",
        ".....KKKKKK.....",
        "....KYYYYYYK....",
        "...KYyWYYYYYK...",
        "...KYWYYYYYYK...",
        "...KYWYYYYYYK...",
        "...KYYYYYYYOK...",
        "...KYYYYYYYOK...",
        "....KYYYYYOK....",
        ".....KYYYOK.....",
        ".....KKKKKK.....",
        ".....KggggK.....",
        ".....KGGGGK.....",
        ".....KggggK.....",
        "......KKKK......",
        "................",
    ])


def doctors_bag():
    return from_rows([
        "................",
        "................",
        ".....KKKKKK.....",
        "....KK....KK....",
        "....K......K....",
        ".KKKKKKKKKKKKKK.",
        ".KooooooooooooK.",
        ".KoooooWWoooooK.",
        ".KoooooWWoooooK.",
        ".KoooWWWWWWoooK.",
        ".KoooWWWWWWoooK.",
        ".KoooooWWoooooK.",
        ".KoooooWWoooooK.",
        ".KooooooooooooK.",
        ".KKKKKKKKKKKKKK.",
        "................",
    ])


CUBE = [
    "..KKKKKK",
    ".KcccccK",
    "KKKKKKbK",
    "KbbbbKBK",
    "KbbbbKBK",
    "KbbbbKBK",
    "KbbbbKK.",
    "KKKKKK..",
]


def registry_cubes():
    g = blank()
    paint(g, 4, 0, CUBE)
    paint(g, 0, 8, CUBE)
    paint(g, 8, 8, CUBE)
    return g


def clock():
    g = blank()
    shape(g, lambda x, y: dist(x, y, 7.5, 7.5) <= 7.4, "b")
    shape(g, lambda x, y: dist(x, y, 7.5, 7.5) <= 5.6, "W", "W")
    put(g, [(7, 2), (8, 2), (7, 13), (8, 13), (2, 7), (2, 8), (13, 7), (13, 8)], "G")
    put(g, [(7, y) for y in range(4, 9)], "K")   # minute hand at twelve
    put(g, [(8, 8), (9, 8), (10, 8), (11, 8)], "K")  # hour hand at three
    return g


def installer_box():
    return from_rows([
        "......KKKK......",
        "......KnnK......",
        "......KnnK......",
        "...KKKKnnKKKK...",
        "....KnnnnnnK....",
        ".....KnnnnK.....",
        "......KnnK......",
        ".......KK.......",
        ".KKKKKKKKKKKKKK.",
        ".KTTTTTTTTTTTTK.",
        ".KKKKKKKKKKKKKK.",
        ".KtttttTTtttttK.",
        ".KtttttTTtttttK.",
        ".KtttttTTtttttK.",
        ".KtttttTTtttttK.",
        ".KKKKKKKKKKKKKK.",
    ])


def paint_palette():
    g = blank()

    def inside(x, y):
        in_board = ((x - 7.5) / 7.7) ** 2 + ((y - 8.0) / 6.6) ** 2 <= 1.0
        return in_board and dist(x, y, 4.0, 10.5) > 1.3

    shape(g, inside, "T")
    for ch, (x, y) in (("R", (4, 4)), ("Y", (8, 3)), ("b", (11, 5)), ("n", (11, 9)),
                       ("P", (7, 11))):
        put(g, [(x, y), (x + 1, y), (x, y + 1), (x + 1, y + 1)], ch)
    return g


def menu_with_sparkle():
    return from_rows([
        ".............O..",
        ".............O..",
        "...........OOYOO",
        "KKKKKKKKKKK..O..",
        "KWWWWWWWWWKG.O..",
        "KWkkkkkWWWKG....",
        "KWWWWWWWWWKG....",
        "KbbbbbbbbbKG....",
        "KbWWWWWWbbKG....",
        "KbbbbbbbbbKG....",
        "KWWWWWWWWWKG....",
        "KWkkkkWWWWKG....",
        "KWWWWWWWWWKG....",
        "KWkkkkkkWWKG....",
        "KKKKKKKKKKKG....",
        ".GGGGGGGGGGG....",
    ])


def font_and_icon():
    g = from_rows([
        "................",
        "....BB..........",
        "...BBBB.........",
        "...BBBB.........",
        "..BB..BB........",
        "..BB..BB........",
        ".BB....BB.......",
        ".BBBBBBBB.......",
        ".BB....BB.......",
        "BB......BB......",
        "BB......BB......",
        "BB......BB......",
        "................",
        "................",
        "................",
        "................",
    ])
    paint(g, 10, 10, [
        "KKKKKK",
        "KcccYK",
        "KccccK",
        "KcncnK",
        "KnnnnK",
        "KKKKKK",
    ])
    return g


def monitor():
    return from_rows([
        "................",
        "KKKKKKKKKKKKKKKK",
        "KggggggggggggggK",
        "KgKKKKKKKKKKKKgK",
        "KgKWcccccccccKgK",
        "KgKccccccccccKgK",
        "KgKWcccccccccKgK",
        "KgKccccccnnnnKgK",
        "KgKnnnnnnnnnnKgK",
        "KgKnnnnnnnnnnKgK",
        "KgKKKKKKKKKKKKgK",
        "KggggggggggggggK",
        "KKKKKKKKKKKKKKKK",
        "......KGGK......",
        "....KKKKKKKK....",
        "................",
    ])


def folder():
    body = "KTTTTTTTTTTTTTK."
    return from_rows([
        "................",
        "................",
        ".KKKKK..........",
        "KTTTTTKKKKKKKKK.",
        "KyyyyyyyyyyyyyK.",
        body, body, body, body, body, body, body,
        "KtttttttttttttK.",
        "KKKKKKKKKKKKKKK.",
        "................",
        "................",
    ])


def magnifier():
    g = blank()
    shape(g, polyline([(9.5, 9.5), (13.8, 13.8)], 1.45), "o")
    shape(g, lambda x, y: dist(x, y, 6.0, 6.0) <= 5.3, "g")
    shape(g, lambda x, y: dist(x, y, 6.0, 6.0) <= 3.9, "c", "c")
    put(g, [(4, 4), (5, 4), (4, 5)], "W")
    return g


HARD_DRIVE = [
    ".KKKKKKKKKKKKKK.",
    "KhhhhhhhhhhhhhhK",
    "KhhhhhhhhhhhhhhK",
    "KKKKKKKKKKKKKKKK",
    "KggggggggggggggK",
    "KgkkkkkkkgggnngK",
    "KggggggggggggggK",
    ".KKKKKKKKKKKKKK.",
]


def hard_drive():
    g = blank()
    paint(g, 0, 4, HARD_DRIVE)
    return g


def memory_module():
    chips = "KnkkknkkknkkknnK"
    return from_rows([
        "................",
        "................",
        "................",
        "KKKKKKKKKKKKKKKK",
        "KnnnnnnnnnnnnnnK",
        chips, chips, chips, chips,
        "KnnnnnnnnnnnnnnK",
        "KnYnYnYnYnYnYnnK",
        "KnYnYnYKKnYnYnnK",
        "KKKKKKK..KKKKKKK",
        "................",
        "................",
        "................",
    ])


DOCUMENT = [
    "..KKKKKKKKK.....",
    "..KWWWWWWWKK....",
    "..KWWWWWWWKgK...",
    "..KWWWWWWWKKKK..",
    "..KWWWWWWWWWWK..",
    "..KWGGGGGGGWWK..",
    "..KWWWWWWWWWWK..",
    "..KWGGGGGGGGWK..",
    "..KWWWWWWWWWWK..",
    "..KWGGGGGGWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWGGGGGGGGWK..",
    "..KWWWWWWWWWWK..",
    "..KWGGGGGWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KKKKKKKKKKKK..",
]


def document_shortcut():
    g = from_rows(DOCUMENT)
    paint(g, 0, 8, [
        "KKKKKKKK",
        "KWWbbbbK",
        "KWWWbbbK",
        "KWWbbbbK",
        "KWbbbWbK",
        "KbbbWWWK",
        "KbbWWWWK",
        "KKKKKKKK",
    ])
    return g


def drive_checked():
    g = blank()
    paint(g, 0, 8, HARD_DRIVE)
    check_mark(g, [(3.0, 4.0), (6.0, 7.0), (12.5, 0.6)])
    return g


def key():
    return from_rows([
        "................",
        "................",
        "................",
        "................",
        "..KKKK..........",
        ".KYYYYK.........",
        "KYYYYYYKKKKKKKKK",
        "KYYKKYYYYYYYYYYK",
        "KYYKKYYOOOOOOOOK",
        "KYYYYYYKKKOOKOOK",
        ".KOOOOK..KOOKOOK",
        "..KKKK...KKKKKKK",
        "................",
        "................",
        "................",
        "................",
    ])


def start_menu():
    item = "KBWWWWWWWK......"
    return from_rows([
        "................",
        "KKKKKKKKKK......",
        item,
        "KBWkkkkkWK......",
        item,
        "KBWkkkWWWK......",
        item,
        "KBWkkkkWWK......",
        item,
        "KBWkkkkkWK......",
        item,
        "KKKKKKKKKKKKKKKK",
        "KnnnnnKbbbbbbbbK",
        "KnWWnnKbbbbbbbbK",
        "KnnnnnKbbbbbbbbK",
        "KKKKKKKKKKKKKKKK",
    ])


def folder_with_document():
    front = "KTTTTTTTTTTTTTK."
    return from_rows([
        "................",
        "....KKKKKKK.....",
        ".KKKKWWWWWK.....",
        "KtttKWGGGWKKKK..",
        "KtttKWWWWWKttK..",
        "KtttKWGGGWKttK..",
        "KtttKWWWWWKttK..",
        "KKKKKKKKKKKKKKK.",
        "KyyyyyyyyyyyyyK.",
        front, front, front, front,
        "KtttttttttttttK.",
        "KKKKKKKKKKKKKKK.",
        "................",
    ])


def taskbar():
    return from_rows([
        "................",
        "................",
        "................",
        "................",
        "KKKKKKKKKKKKKKKK",
        "KccccccccccccccK",
        "KnnnnnKbbbbbbBBK",
        "KnWWnnKcccKccBWK",
        "KnnnnnKcccKccBBK",
        "KnnnnnKbbbbbbBBK",
        "KKKKKKKKKKKKKKKK",
        "................",
        "................",
        "................",
        "................",
        "................",
    ])


def power_symbol():
    g = blank()

    def ring(x, y):
        d = dist(x, y, 7.5, 8.5)
        gap = y < 7.0 and abs(x - 7.5) < 3.0
        return 4.3 <= d <= 6.9 and not gap

    shape(g, ring, "n", "N")
    shape(g, lambda x, y: 6.5 <= x <= 8.5 and 0.5 <= y <= 9.5, "n", "N")
    return g


def system_gear():
    g = blank()
    shape(g, gear(7.5, 7.5, 5.3, 7.6, 8, 1.9, 3.2), "g")
    return g


def scroll():
    return from_rows([
        "................",
        ".KKKKKKKKKKKKK..",
        "KtTTTTTTTTTTTtK.",
        ".KKKKKKKKKKKKK..",
        "..KyyyyyyyyyK...",
        "..KykkkkkkyyK...",
        "..KyyyyyyyyyK...",
        "..KykkkkkyyyK...",
        "..KyyyyyyyyyK...",
        "..KykkkkkkkyK...",
        "..KyyyyyyyyyK...",
        "..KykkkkyyyyK...",
        ".KKKKKKKKKKKKK..",
        "KtTTTTTTTTTTTtK.",
        ".KKKKKKKKKKKKK..",
        "................",
    ])


SMALL_GEAR = [  # drawn by hand: at this size a computed gear loses its teeth
    "...KKKK...",
    ".KKKYYKKK.",
    ".KYYYYYYK.",
    "KKYYKKYYKK",
    "KYYKWWKYYK",
    "KYYKWWKYYK",
    "KKYYKKYYKK",
    ".KYYYYYYK.",
    ".KKKYYKKK.",
    "...KKKK...",
]


def service_gears():
    g = blank()
    shape(g, gear(5.5, 5.5, 3.9, 5.8, 6, 1.2, 2.8), "b")
    paint(g, 6, 6, SMALL_GEAR)
    return g


def document_checked():
    g = from_rows(DOCUMENT)
    check_mark(g, [(6.0, 10.5), (9.0, 13.5), (14.4, 7.0)])
    return g


def wrench():
    g = blank()

    def inside(x, y):
        handle = seg_dist(x, y, 2.0, 13.0, 9.0, 6.0) <= 1.6
        head = dist(x, y, 10.8, 4.7) <= 4.0
        # the jaw: a slot from the head's centre out through its top right
        ux, uy = x - 10.8, y - 4.7
        along = (ux - uy) / math.sqrt(2)
        across = (ux + uy) / math.sqrt(2)
        slot = along > -0.6 and abs(across) < 1.3
        return (handle or head) and not slot

    shape(g, inside, "g")
    return g


def error_sign():
    g = blank()
    shape(g, lambda x, y: dist(x, y, 7.5, 7.5) <= 7.4, "R", "D")
    for x in range(4, 12):
        for y in range(4, 12):
            if abs(x - y) <= 1 or abs(x + y - 15) <= 1:
                if (x, y) not in ((4, 5), (5, 4), (10, 11), (11, 10),
                                  (4, 10), (5, 11), (10, 4), (11, 5)):
                    g[y][x] = "W"
    return g


def log_book():
    ring = ".kkKWWWWWWWWWK.."
    return from_rows([
        "................",
        "...KKKKKKKKKKK..",
        ring,
        "...KWbWGGGGGWWK.",
        ring,
        "...KWOWGGGGGGWK.",
        ring,
        "...KWbWGGGGWWWK.",
        ring,
        "...KWRWGGGGGGWK.",
        ring,
        "...KWbWGGGGGWWK.",
        ring,
        "...KWWWWWWWWWWK.",
        "...KKKKKKKKKKKK.",
        "................",
    ])


def toolbox():
    return from_rows([
        "................",
        "................",
        ".....KKKKKK.....",
        ".....K....K.....",
        "..KKKKKKKKKKKK..",
        ".KRRRRRRRRRRRRK.",
        ".KRRRRRRRRRRRRK.",
        "KKKKKKKggKKKKKKK",
        "KRRRRRRggRRRRRRK",
        "KRRRRRRRRRRRRRRK",
        "KRRRRRRRRRRRRRRK",
        "KRRRRRRRRRRRRRRK",
        "KDDDDDDDDDDDDDDK",
        "KKKKKKKKKKKKKKKK",
        "................",
        "................",
    ])


# Image n of the tree's image list, with what it stands for.
TREE_IMAGES = [
    ("Accessories", calculator),
    ("Command Processor", console),
    ("a tweak", light_bulb),
    ("Dr Watson", doctors_bag),
    ("Registry Editor", registry_cubes),
    ("Task Scheduler", clock),
    ("Windows Installer", installer_box),
    ("Appearance", paint_palette),
    ("Effects and Menus", menu_with_sparkle),
    ("Fonts and Icons", font_and_icon),
    ("Desktop", monitor),
    ("Explorer", folder),
    ("Search", magnifier),
    ("File System", hard_drive),
    ("Caching and Memory", memory_module),
    ("Files and Shortcuts", document_shortcut),
    ("Maintenance", drive_checked),
    ("Login and Authentication", key),
    ("Start Menu and Taskbar", start_menu),
    ("Documents and Folders", folder_with_document),
    ("Taskbar", taskbar),
    ("Start up and Shutdown", power_symbol),
    ("System", system_gear),
    ("Scripts", scroll),
    ("Services", service_gears),
    ("Windows File Checker", document_checked),
    ("Troubleshooting", wrench),
    ("Crash Control", error_sign),
    ("Logging", log_book),
    ("Repair", toolbox),
]


def bmp_24(width, height, pixels):
    """pixels[y][x] = (r, g, b), top row first; written bottom-up as BMP wants."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835,
                       0, 0)
    return header + info + bytes(data)


def tree_image(index):
    grid = TREE_IMAGES[index][1]()
    pixels = []
    for row in grid:
        colours = [PALETTE[ch] for ch in row]
        for ch, colour in zip(row, colours):
            # the mask colour may appear only where the image is meant to be see-through
            assert ch == "." or colour != TRANSPARENT
        pixels.append(colours)
    return pixels


# ---------------------------------------------------------------------------------------
# The main icon: a rounded blue tile with three tuning sliders and amber knobs, drawn as
# shapes and sampled 4 x 4 times a pixel so that every size has smooth edges.

BLUE_TOP = (58, 128, 206)
BLUE_BOTTOM = (22, 62, 140)
TILE_EDGE = (12, 34, 84)
TRACK = (226, 234, 246)
KNOB = (252, 186, 48)
KNOB_EDGE = (96, 56, 0)
KNOB_SHADE = (176, 108, 10)
SLIDERS = ((0.28, 0.64), (0.50, 0.34), (0.72, 0.54))  # (x, knob y) in tile units


def round_rect(px, py, x0, y0, x1, y1, r):
    cx = min(max(px, x0 + r), x1 - r)
    cy = min(max(py, y0 + r), y1 - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def emblem_sample(u, v, edge):
    """Colour (r, g, b, a) of the emblem at (u, v) in [0, 1]^2; edge is one pixel in tile
    units, so thin lines stay at least a pixel wide at 16 x 16."""
    if not round_rect(u, v, 0.0, 0.0, 1.0, 1.0, 0.2):
        return (0, 0, 0, 0)
    colour = TILE_EDGE
    if round_rect(u, v, edge, edge, 1.0 - edge, 1.0 - edge, 0.2 - edge):
        colour = tuple(round(t + (b - t) * v) for t, b in zip(BLUE_TOP, BLUE_BOTTOM))
    half_track = max(0.03, edge / 2)
    knob_w, knob_h = max(0.11, 1.5 * edge), max(0.07, 1.1 * edge)
    for x, knob_y in SLIDERS:
        if abs(u - x) <= half_track and 0.16 <= v <= 0.84:
            colour = TRACK
        if round_rect(u, v, x - knob_w, knob_y - knob_h, x + knob_w, knob_y + knob_h,
                      0.03):
            inner = round_rect(u, v, x - knob_w + edge, knob_y - knob_h + edge,
                               x + knob_w - edge, knob_y + knob_h - edge, 0.02)
            colour = KNOB if inner else KNOB_EDGE
    return colour + (255,)


# Sampled down to 16 x 16 the sliders blur, so the smallest size is drawn by hand on the
# same plan: E tile edge, F tile, T track, A knob, k its shaded lower edge.
EMBLEM_16 = [
    "..EEEEEEEEEEEE..",
    ".EFFFFFFFFFFFFE.",
    "EFFFFFFFFFFFFFFE",
    "EFFTTFAAAAFTTFFE",
    "EFFTTFAAAAFTTFFE",
    "EFFTTFkkkkFTTFFE",
    "EFFTTFFTTFAAAAFE",
    "EFFTTFFTTFAAAAFE",
    "EFAAAAFTTFkkkkFE",
    "EFAAAAFTTFFTTFFE",
    "EFkkkkFTTFFTTFFE",
    "EFFTTFFTTFFTTFFE",
    "EFFTTFFTTFFTTFFE",
    "EFFFFFFFFFFFFFFE",
    ".EFFFFFFFFFFFFE.",
    "..EEEEEEEEEEEE..",
]


def emblem_16():
    rows = []
    for y, line in enumerate(EMBLEM_16):
        tile = tuple(round(t + (b - t) * y / 15) for t, b in zip(BLUE_TOP, BLUE_BOTTOM))
        colours = {"E": TILE_EDGE, "F": tile, "T": TRACK, "k": KNOB_SHADE, "A": KNOB}
        rows.append([(0, 0, 0, 0) if ch == "." else colours[ch] + (255,) for ch in line])
    return rows


def emblem(size, samples=4):
    if size == 16:
        return emblem_16()
    edge = 1.0 / size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    u = (x + (sx + 0.5) / samples) / size
                    v = (y + (sy + 0.5) / samples) / size
                    r, g, b, a = emblem_sample(u, v, edge)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if acc[3]:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def ico_image(pixels):
    width, height = len(pixels[0]), len(pixels)
    xor = bytearray()
    for y in reversed(range(height)):
        for r, g, b, a in pixels[y]:
            xor += bytes((b, g, r, a))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(height)):
        row = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(pixels[y]):
            if a == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask),
                       0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico_file(pictures):
    """One icon file holding each picture (rows of (r, g, b, a)) as an image of its size."""
    images = [ico_image(p) for p in pictures]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for picture, image in zip(pictures, images):
        width, height = len(picture[0]), len(picture)
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image),
                           offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def ico(sizes):
    return ico_file([emblem(s) for s in sizes])


# ---------------------------------------------------------------------------------------
# The drive page's item image (icon 179): a hard disk seen from the front, 32 x 20, the
# size of the page's image list.

DRIVE_ICON = [
    "................................",
    "................................",
    "................................",
    "..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..",
    ".KhhhhhhhhhhhhhhhhhhhhhhhhhhhhK.",
    ".KhWWWWWWWWWWWWWWWWWWWWWWWWWWgK.",
    ".KhWhhhhhhhhhhhhhhhhhhhhhhhhGgK.",
    ".KhWhhhhhhhhhhhhhhhhhhhhhhhhGgK.",
    ".KhWGGGGGGGGGGGGGGGGGGGGGGGGGgK.",
    ".KggggggggggggggggggggggggggggK.",
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKKK.",
    ".KggggggggggggggggggggggggggggK.",
    ".K" + "g" + "k" * 16 + "gggg" + "nnnn" + "ggg" + "K.",
    ".K" + "g" + "G" * 16 + "gggg" + "NNNN" + "ggg" + "K.",
    ".KggggggggggggggggggggggggggggK.",
    ".KGGGGGGGGGGGGGGGGGGGGGGGGGGGGK.",
    "..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..",
    "................................",
    "................................",
    "................................",
]


def drive_icon():
    rows = []
    for line in DRIVE_ICON:
        assert len(line) == 32, line
        rows.append([(0, 0, 0, 0) if ch == "." else PALETTE[ch] + (255,) for ch in line])
    assert len(rows) == 20
    return rows


# ---------------------------------------------------------------------------------------
# The tree's background: a calm gradient with the emblem's sliders as a faint watermark,
# stored as a baseline JPEG (JFIF, YCbCr 4:4:4, standard tables) that OleLoadPicture reads.

BG_WIDTH, BG_HEIGHT = 320, 480
BG_TOP = (251, 252, 254)
BG_BOTTOM = (224, 231, 240)
WATERMARK = (150, 170, 200)
WATERMARK_STRENGTH = 0.10


def background():
    wm_x0, wm_y0, wm_size = 85, 300, 150  # the watermark's square, low and centred
    rows = []
    for y in range(BG_HEIGHT):
        t = y / (BG_HEIGHT - 1)
        base = [a + (b - a) * t for a, b in zip(BG_TOP, BG_BOTTOM)]
        row = []
        for x in range(BG_WIDTH):
            colour = base
            u, v = (x - wm_x0) / wm_size, (y - wm_y0) / wm_size
            if 0.0 <= u < 1.0 and 0.0 <= v < 1.0 and watermark_at(u, v):
                colour = [c + (w - c) * WATERMARK_STRENGTH for c, w in zip(base, WATERMARK)]
            row.append(tuple(round(c) for c in colour))
        rows.append(row)
    return rows


def watermark_at(u, v):
    """The emblem in outline: the tile's border, the tracks and the knobs."""
    outer = round_rect(u, v, 0.0, 0.0, 1.0, 1.0, 0.2)
    inner = round_rect(u, v, 0.03, 0.03, 0.97, 0.97, 0.17)
    if outer and not inner:
        return True
    for x, knob_y in SLIDERS:
        if abs(u - x) <= 0.012 and 0.16 <= v <= 0.84:
            return True
        if round_rect(u, v, x - 0.11, knob_y - 0.07, x + 0.11, knob_y + 0.07, 0.03):
            return True
    return False


ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]

# The example tables of the JPEG standard, in natural (row by row) order.
LUMA_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]
CHROMA_QUANT = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
]

DC_LUMA_BITS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
DC_CHROMA_BITS = [0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0]
DC_VALUES = list(range(12))
AC_LUMA_BITS = [0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D]
AC_LUMA_VALUES = bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718"
    "191a25262728292a3435363738393a434445464748494a535455565758595a636465666768696a737475"
    "767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3"
    "c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa")
AC_CHROMA_BITS = [0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77]
AC_CHROMA_VALUES = bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e1"
    "25f11718191a262728292a35363738393a434445464748494a535455565758595a636465666768696a73"
    "7475767778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9"
    "bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9fa")


def huffman_codes(bits, values):
    """symbol -> (code, length), the canonical codes the DHT segment describes."""
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def scaled_quant(table, quality):
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [min(255, max(1, (q * scale + 50) // 100)) for q in table]


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def write(self, code, length):
        self.acc = (self.acc << length) | code
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.acc >> self.count) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)  # byte stuffing: 0xFF in the data is never a marker
        self.acc &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)  # pad with ones


DCT = [[(math.sqrt(0.125) if u == 0 else 0.5) * math.cos((2 * x + 1) * u * math.pi / 16)
        for x in range(8)] for u in range(8)]


def fdct(block):
    """Two-dimensional DCT-II of an 8 x 8 block (list of rows), natural order out."""
    tmp = [[sum(DCT[u][x] * row[x] for x in range(8)) for u in range(8)] for row in block]
    return [sum(DCT[v][y] * tmp[y][u] for y in range(8)) for v in range(8) for u in range(8)]


def magnitude(value):
    """(size category, appended bits) of a coefficient or DC difference."""
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def encode_block(writer, coeffs, quant, previous_dc, dc_codes, ac_codes):
    q = [round(coeffs[i] / quant[i]) for i in range(64)]
    zz = [q[i] for i in ZIGZAG]
    size, bits = magnitude(zz[0] - previous_dc)
    writer.write(*dc_codes[size])
    if size:
        writer.write(bits, size)
    run = 0
    for value in zz[1:]:
        if value == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])
            run -= 16
        size, bits = magnitude(value)
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])
    return zz[0]


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def jpeg(pixels, quality=92):
    height, width = len(pixels), len(pixels[0])
    assert width % 8 == 0 and height % 8 == 0
    luma_q = scaled_quant(LUMA_QUANT, quality)
    chroma_q = scaled_quant(CHROMA_QUANT, quality)
    planes = [[[0.0] * width for _ in range(height)] for _ in range(3)]
    for y, row in enumerate(pixels):
        for x, (r, g, b) in enumerate(row):
            planes[0][y][x] = 0.299 * r + 0.587 * g + 0.114 * b - 128
            planes[1][y][x] = -0.168736 * r - 0.331264 * g + 0.5 * b
            planes[2][y][x] = 0.5 * r - 0.418688 * g - 0.081312 * b

    dc_luma = huffman_codes(DC_LUMA_BITS, DC_VALUES)
    ac_luma = huffman_codes(AC_LUMA_BITS, AC_LUMA_VALUES)
    dc_chroma = huffman_codes(DC_CHROMA_BITS, DC_VALUES)
    ac_chroma = huffman_codes(AC_CHROMA_BITS, AC_CHROMA_VALUES)
    tables = [(luma_q, dc_luma, ac_luma), (chroma_q, dc_chroma, ac_chroma),
              (chroma_q, dc_chroma, ac_chroma)]

    writer = BitWriter()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                block = [planes[c][by + y][bx:bx + 8] for y in range(8)]
                quant, dc_codes, ac_codes = tables[c]
                previous[c] = encode_block(writer, fdct(block), quant, previous[c], dc_codes,
                                           ac_codes)
    writer.flush()

    out = bytearray(b"\xFF\xD8")
    out += segment(0xE0, b"JFIF\x00" + struct.pack(">BBBHHBB", 1, 1, 1, 72, 72, 0, 0))
    out += segment(0xDB, bytes([0x00] + [luma_q[i] for i in ZIGZAG]))
    out += segment(0xDB, bytes([0x01] + [chroma_q[i] for i in ZIGZAG]))
    out += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3)
                   + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for cls_id, bits, values in ((0x00, DC_LUMA_BITS, DC_VALUES),
                                 (0x10, AC_LUMA_BITS, AC_LUMA_VALUES),
                                 (0x01, DC_CHROMA_BITS, DC_VALUES),
                                 (0x11, AC_CHROMA_BITS, AC_CHROMA_VALUES)):
        out += segment(0xC4, bytes([cls_id] + bits) + bytes(values))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += writer.out
    out += b"\xFF\xD9"
    return bytes(out)


# ---------------------------------------------------------------------------------------


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print(f"wrote {path} ({len(data)} bytes)")


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    root = os.path.abspath(root)
    for n in range(len(TREE_IMAGES)):
        path = os.path.join(root, "app", "res", f"tree_{FIRST_BITMAP_ID + n}.bmp")
        write(path, bmp_24(SIZE, SIZE, tree_image(n)))
    write(os.path.join(root, "app", "res", "tallowick.ico"), ico([16, 32, 48]))
    write(os.path.join(root, "platform", "win32", "res", "drive_179.ico"), ico_file([drive_icon()]))
    write(os.path.join(root, "skin", "BG.jpg"), jpeg(background()))


if __name__ == "__main__":
    main()
