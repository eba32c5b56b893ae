#!/usr/bin/python3
"""Draws Velmora's pictures and writes them in the exact container formats they ship in.

Run with Debian's python3 and python3-pil from the resources folder's parent or anywhere:
    /usr/bin/python3 resources/make_pictures.py
The outputs are committed; the build only embeds them. Pillow draws the pixels and writes
the JPEG and the PNGs; the GIF, ICO and CUR containers are written here byte by byte,
because their exact shape (one global palette of 64 colours, a transparency index in every
frame, a loop count, several bit depths in one icon, a cursor hot spot) is not something
Pillow's writers let us pin down.
"""

import math
import pathlib
import random
import struct

from PIL import Image, ImageDraw, ImageFont

HERE = pathlib.Path(__file__).resolve().parent
BOLD_FONTS = (
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
)


# ---------------------------------------------------------------------------
# GIF: LZW and container


def lzw_encode(pixels, min_code_size):
    """Variable-length LZW as GIF wants it: codes grow from min+1 bits up to 12, and a clear
    code restarts the table when all 4096 codes are used. Returns the packed bytes."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    size = min_code_size + 1
    next_code = end + 1
    table = {}
    emit(clear, size)
    first_after_clear = True
    prefix = pixels[0]
    for pixel in pixels[1:]:
        key = (prefix, pixel)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix, size)
        first_after_clear = False
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            # The decoder adds each entry one code later than we do, so a code needs one
            # more bit only once the newest entry no longer fits.
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table = {}
            size = min_code_size + 1
            next_code = end + 1
            first_after_clear = True
        prefix = pixel
    emit(prefix, size)
    # The decoder adds one more entry on reading that last code (unless it was the first one
    # after a clear, or the table is full), and may widen before it reads the end code.
    if not first_after_clear and next_code < 4096:
        next_code += 1
        if next_code > (1 << size) and size < 12:
            size += 1
    emit(end, size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def lzw_decode(data, min_code_size):
    """A plain GIF LZW decoder, used only to prove the encoder's output round-trips."""
    clear = 1 << min_code_size
    end = clear + 1
    pos = 0
    bits = 0
    nbits = 0
    result = []

    def reset():
        return [[i] for i in range(clear)] + [None, None], min_code_size + 1

    table, size = reset()
    previous = None
    while True:
        while nbits < size:
            bits |= data[pos] << nbits
            pos += 1
            nbits += 8
        code = bits & ((1 << size) - 1)
        bits >>= size
        nbits -= size
        if code == clear:
            table, size = reset()
            previous = None
            continue
        if code == end:
            return result
        if previous is None:
            entry = table[code]
        else:
            if code < len(table):
                entry = table[code]
                new = table[previous] + [entry[0]]
            elif code == len(table):
                new = table[previous] + [table[previous][0]]
                entry = new
            else:
                raise ValueError("bad LZW code")
            if len(table) < 4096:
                table.append(new)
                if len(table) == (1 << size) and size < 12:
                    size += 1
        result.extend(entry)
        previous = code


def sub_blocks(data):
    out = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start : start + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def write_gif(path, width, height, palette, frames, delay, loops, comment):
    """One global palette, colour 0 transparent in every frame, disposal 2, full-size frames."""
    assert len(palette) == 64
    min_code_size = 6
    data = bytearray(b"GIF89a")
    # Global table present, 8 bits per primary, unsorted, 2^(5+1) = 64 entries.
    data += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | 0x05, 0, 0)
    for red, green, blue in palette:
        data += bytes((red, green, blue))
    data += b"\x21\xff\x0bNETSCAPE2.0" + struct.pack("<BBHB", 3, 1, loops, 0)
    data += b"\x21\xfe" + sub_blocks(comment.encode("ascii"))
    for frame in frames:
        pixels = list(frame.getdata())
        assert len(pixels) == width * height and max(pixels) < 64
        # Disposal 2 (restore to background) and the transparency flag, colour 0.
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, (2 << 2) | 1, delay, 0, 0)
        data += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
        encoded = lzw_encode(pixels, min_code_size)
        assert lzw_decode(encoded, min_code_size) == pixels
        data.append(min_code_size)
        data += sub_blocks(encoded)
    data.append(0x3B)
    path.write_bytes(bytes(data))


# ---------------------------------------------------------------------------
# Banner: a small robot who charges its arm cannon and fires a beam to the right


def ramp(start, stop, steps):
    return [
        tuple(round(a + (b - a) * i / (steps - 1)) for a, b in zip(start, stop))
        for i in range(steps)
    ]


BANNER_PALETTE = [(0, 0, 0)]  # index 0: transparent, lets the window's black show through
OUTLINE = len(BANNER_PALETTE)
BANNER_PALETTE += [(34, 38, 58)]
METAL = len(BANNER_PALETTE)  # dark to light
BANNER_PALETTE += [(52, 60, 86), (76, 88, 120), (106, 120, 156), (142, 156, 190),
                   (182, 194, 220), (226, 232, 246)]
GOLD = len(BANNER_PALETTE)  # dark to light, the yellow and orange of the icon
BANNER_PALETTE += [(120, 58, 0), (196, 102, 0), (244, 152, 18), (255, 204, 40), (255, 240, 150)]
CYAN = len(BANNER_PALETTE)
BANNER_PALETTE += [(0, 46, 70), (0, 120, 160), (50, 206, 240), (200, 250, 255)]
RED = len(BANNER_PALETTE)
BANNER_PALETTE += [(100, 10, 10), (214, 40, 30), (255, 150, 120)]
BEAM = len(BANNER_PALETTE)  # 16 steps of glow, faint red to white
BANNER_PALETTE += (ramp((70, 6, 0), (200, 40, 0), 4)[:-1] + ramp((200, 40, 0), (255, 140, 0), 4)[:-1]
                   + ramp((255, 140, 0), (255, 226, 60), 4)[:-1] + ramp((255, 226, 60), (255, 255, 255), 7))
BEAM_STEPS = len(BANNER_PALETTE) - BEAM
assert BEAM_STEPS == 16
# Unused entries: a grey ramp, so that the table holds exactly 64 colours.
BANNER_PALETTE += ramp((24, 24, 24), (230, 230, 230), 64 - len(BANNER_PALETTE))
assert len(BANNER_PALETTE) == 64

BANNER_SIZE = (405, 94)
FIGURE_ORIGIN = (14, 10)  # the robot's top-left pixel: it spans 52 columns and 75 rows
MUZZLE_ROW = 39  # beam centre line, relative to the figure


def draw_robot(draw, frame):
    ox, oy = FIGURE_ORIGIN

    def box(x0, y0, x1, y1, colour):
        draw.rectangle((ox + x0, oy + y0, ox + x1, oy + y1), fill=colour)

    def rounded(x0, y0, x1, y1, radius, colour, outline=OUTLINE):
        draw.rounded_rectangle((ox + x0, oy + y0, ox + x1, oy + y1), radius, fill=colour,
                               outline=outline)

    def shaded_block(x0, y0, x1, y1, radius, base):
        """A rounded metal block lit from the top left."""
        rounded(x0, y0, x1, y1, radius, METAL + base)
        box(x0 + 2, y0 + 1, x1 - radius, y0 + 1, METAL + base + 2)
        box(x0 + 1, y0 + 2, x0 + 1, y1 - radius, METAL + base + 1)
        box(x0 + radius, y1 - 1, x1 - 2, y1 - 1, METAL + base - 1)
        box(x1 - 1, y0 + radius, x1 - 1, y1 - 2, METAL + base - 1)

    # Antenna with a bulb that blinks every three frames.
    box(21, 4, 22, 8, METAL + 3)
    box(22, 4, 22, 8, METAL + 1)
    lit = frame % 6 < 3
    draw.ellipse((ox + 19, oy + 0, ox + 24, oy + 5), fill=RED + (1 if lit else 0), outline=OUTLINE)
    draw.point((ox + 21, oy + 1), fill=RED + 2 if lit else RED + 1)

    # Head with a visor; the eyes glance about, then fix on the target once charging.
    shaded_block(9, 8, 35, 25, 4, 2)
    box(7, 14, 8, 19, METAL + 1)
    box(36, 14, 37, 19, METAL + 1)
    rounded(13, 13, 31, 19, 2, CYAN)
    glance = (0, 0, 1, 1, 0, -1, -1, 0, 1, 2, 2, 2, 2)[frame] if frame < 13 else 2
    for eye_x in (17, 25):
        box(eye_x + glance, 15, eye_x + glance + 3, 17, CYAN + 2)
        draw.point((ox + eye_x + glance, oy + 15), fill=CYAN + 3)
    box(15, 22, 29, 22, METAL + 1)  # mouth grille
    for x in range(16, 29, 3):
        draw.point((ox + x, oy + 22), fill=OUTLINE)

    # Neck and torso with the golden V on the chest plate.
    box(18, 26, 26, 28, METAL + 1)
    box(18, 26, 26, 26, METAL + 2)
    shaded_block(6, 29, 38, 55, 3, 2)
    rounded(13, 33, 31, 47, 2, METAL + 1)
    for row in range(36, 45):
        depth = row - 36
        colour = GOLD + (4 if depth < 2 else 3 if depth < 5 else 2)
        shift = depth * 3 // 4
        draw.line((ox + 15 + shift, oy + row, ox + 17 + shift, oy + row), fill=colour)
        draw.line((ox + 27 - shift, oy + row, ox + 29 - shift, oy + row), fill=colour)
    box(10, 50, 34, 51, METAL + 1)  # belt
    for x in (14, 22, 30):
        box(x, 50, x + 1, 51, GOLD + 2)

    # Left arm hanging down, ending in a hand at the far left edge.
    shaded_block(0, 30, 7, 37, 2, 3)
    shaded_block(1, 37, 6, 49, 1, 2)
    rounded(0, 49, 6, 55, 2, METAL + 1)

    # Right arm: shoulder, then the cannon pointing right; its muzzle is column 51.
    shaded_block(37, 30, 44, 38, 2, 3)
    shaded_block(40, 35, 49, 43, 1, 2)
    box(45, 35, 46, 43, GOLD + 2)
    box(45, 35, 46, 35, GOLD + 3)
    rounded(48, 36, 51, 42, 1, METAL + 1)
    # The muzzle warms up before the shot and blazes while the beam runs.
    heat = 0 if frame < 7 else min(frame - 6, 6)
    box(50, 38, 51, 40, BEAM + (5 + heat * 2 if heat else 0))

    # Legs and feet.
    for x0 in (11, 25):
        shaded_block(x0, 56, x0 + 8, 68, 1, 2)
        box(x0 + 1, 61, x0 + 7, 62, METAL + 1)
    rounded(8, 68, 21, 74, 2, METAL + 3)
    rounded(23, 68, 36, 74, 2, METAL + 3)
    box(10, 73, 19, 73, METAL + 1)
    box(25, 73, 34, 73, METAL + 1)


def glow_index(level):
    level = max(0.0, min(1.0, level))
    return BEAM + min(BEAM_STEPS - 1, int(level * BEAM_STEPS))


def draw_charge(image, frame):
    """A ball of light gathering in front of the muzzle in the frames before the shot."""
    if frame < 9 or frame >= 13:
        return
    ox, oy = FIGURE_ORIGIN
    cx, cy = ox + 54, oy + MUZZLE_ROW
    radius = 1.5 + (frame - 9) * 1.2
    pixels = image.load()
    for y in range(int(cy - radius - 1), int(cy + radius + 2)):
        for x in range(int(cx - radius - 1), int(cx + radius + 2)):
            distance = math.hypot(x - cx, y - cy)
            if distance <= radius:
                pixels[x, y] = glow_index(1.05 - 0.6 * distance / radius)


def draw_beam(image, frame):
    if frame < 13:
        return
    ox, oy = FIGURE_ORIGIN
    start = ox + 52
    width, height = image.size
    reach = (120, 250, width)[frame - 13] if frame < 16 else width
    end = min(start + reach, width)
    centre = oy + MUZZLE_ROW
    pixels = image.load()
    phase = frame * 1.3
    for x in range(start, end):
        # The beam flares at the muzzle, then settles to a gently pulsing tube.
        flare = max(0.0, 1.0 - (x - start) / 14.0) * 4.0
        half = 4.2 + 0.9 * math.sin((x - start) / 7.0 - phase) + flare
        for y in range(int(centre - half - 3), int(centre + half + 4)):
            distance = abs(y - centre) / half
            level = 1.15 - distance * 0.85
            if distance > 1.0:
                level = 0.28 - (distance - 1.0) * 0.6  # faint halo
            if level > 0.02 and 0 <= y < height:
                pixels[x, y] = glow_index(level)
    # The travelling head of the beam is a bright ball until it leaves the picture.
    if end < width:
        for y in range(centre - 8, centre + 9):
            for x in range(end - 8, min(end + 6, width)):
                distance = math.hypot((x - end + 1) * 0.9, y - centre)
                if distance <= 7.5:
                    pixels[x, y] = glow_index(1.1 - distance / 7.5)
    # Sparks thrown off above and below the beam, the same pattern for the same frame.
    sparks = random.Random(frame)
    for _ in range(26):
        x = sparks.randrange(start + 10, max(start + 11, end))
        y = centre + sparks.choice((-1, 1)) * sparks.randrange(8, 16)
        pixels[x, y] = glow_index(sparks.uniform(0.45, 0.95))


def banner_frames():
    frames = []
    for frame in range(21):
        image = Image.new("P", BANNER_SIZE, 0)
        draw_robot(ImageDraw.Draw(image), frame)
        draw_charge(image, frame)
        draw_beam(image, frame)
        frames.append(image)
    mask = frames[0].point(lambda index: 255 if index else 0, "L")
    # Inclusive columns 14..65 and rows 10..84, as the window's layout expects.
    assert mask.getbbox() == (14, 10, 66, 85), mask.getbbox()
    return frames


def make_banner():
    write_gif(HERE / "banner.gif", *BANNER_SIZE, BANNER_PALETTE, banner_frames(), delay=7,
              loops=999, comment="Velmora banner")


# ---------------------------------------------------------------------------
# Strip: the maker's handle, one yellow letter under another


def bold_font(size):
    for path in BOLD_FONTS:
        if pathlib.Path(path).exists():
            return ImageFont.truetype(path, size)
    raise SystemExit("no bold TrueType font found")


def make_strip():
    width, height = 55, 171
    image = Image.new("RGB", (width, height), (0, 0, 0))
    draw = ImageDraw.Draw(image)
    font = bold_font(25)
    letters = "TOLVEK"
    cell = height / len(letters)
    for index, letter in enumerate(letters):
        left, top, right, bottom = draw.textbbox((0, 0), letter, font=font)
        x = (width - (right - left)) / 2 - left
        y = index * cell + (cell - (bottom - top)) / 2 - top
        draw.text((round(x), round(y)), letter, font=font, fill=(255, 222, 0))
    # Full-resolution chroma keeps the thin yellow strokes clean on black.
    image.save(HERE / "strip.jpg", "JPEG", quality=92, subsampling=0)


# ---------------------------------------------------------------------------
# BMP images inside ICO and CUR containers


def bmp_rows(width, bytes_per_row_unpadded):
    return (bytes_per_row_unpadded + 3) & ~3


def and_mask(opaque):
    """1 where the pixel is transparent; rows bottom-up, padded to 32 bits."""
    width, height = opaque.size
    stride = bmp_rows(width, (width + 7) // 8)
    pixels = opaque.load()
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if not pixels[x, y]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def bitmap_header(width, height, bits, image_size):
    # Height counts the colour rows and the mask rows together.
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, image_size, 0, 0, 0, 0)


def bmp_4bit(indexed, palette, opaque):
    width, height = indexed.size
    assert len(palette) == 16
    stride = bmp_rows(width, (width + 1) // 2)
    pixels = indexed.load()
    xor = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            row[x // 2] |= pixels[x, y] << (0 if x % 2 else 4)
        xor += row
    mask = and_mask(opaque)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return bitmap_header(width, height, 4, len(xor) + len(mask)) + table + bytes(xor) + mask


def bmp_24bit(rgb, opaque):
    width, height = rgb.size
    stride = bmp_rows(width, width * 3)
    pixels = rgb.load()
    xor = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixels[x, y]
            row += bytes((b, g, r))
        xor += row + bytes(stride - len(row))
    mask = and_mask(opaque)
    return bitmap_header(width, height, 24, len(xor) + len(mask)) + bytes(xor) + mask


def bmp_32bit(rgba):
    width, height = rgba.size
    pixels = rgba.load()
    xor = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b, a = pixels[x, y]
            xor += bytes((b, g, r, a))
    # Old readers that ignore alpha still get the shape from the mask.
    mask = and_mask(rgba.getchannel("A").point(lambda a: 255 if a >= 128 else 0))
    return bitmap_header(width, height, 32, len(xor) + len(mask)) + bytes(xor) + mask


def write_icon_file(path, kind, entries):
    """kind 1 is an icon, 2 a cursor. entries: (width, height, colours, field1, field2, bmp),
    where field1/field2 are planes and bit count for icons, the hot spot for cursors."""
    data = bytearray(struct.pack("<HHH", 0, kind, len(entries)))
    offset = 6 + 16 * len(entries)
    for width, height, colours, field1, field2, image in entries:
        data += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, field1, field2,
                            len(image), offset)
        offset += len(image)
    for entry in entries:
        data += entry[5]
    path.write_bytes(bytes(data))


# ---------------------------------------------------------------------------
# Hand cursor: index finger up, the fingertip is the hot spot

HAND = [
    "................................",
    "...........###..................",
    "..........#ooo#.................",
    "..........#ooo#.................",
    "..........#oo+#.................",
    "..........#oo+#.................",
    "..........#oo+#.................",
    "..........#oo+####..............",
    "..........#oo+#oo+####..........",
    "..........#oo+#oo+#oo+###.......",
    "..........#oo+#oo+#oo+#o+#......",
    "..........#oo+#oo+#oo+#o+#......",
    "......###.#oo+#oo+#oo+#o+#......",
    ".....#ooo##oo+#oo+#oo+#o+#......",
    ".....#oooo#ooooooooooooo+#......",
    ".....#ooooooooooooooooooo+#.....",
    "......#oooooooooooooooooo+#.....",
    "......#ooooooooooooooooo++#.....",
    ".......#oooooooooooooooo+#......",
    ".......#oooooooooooooooo+#......",
    "........#oooooooooooooo+#.......",
    "........#ooooooooooooo++#.......",
    ".........#ooooooooooooo+#.......",
    ".........#oooooooooooo+#........",
    ".........##############.........",
    ".........#++++++++++++#.........",
    ".........#++++++++++++#.........",
    ".........##############.........",
    "................................",
    "................................",
    "................................",
    "................................",
]
HAND_HOT_SPOT = (12, 1)
# The 16 colours of the standard VGA set; the hand uses black, silver and white.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def make_cursor():
    assert len(HAND) == 32 and all(len(row) == 32 for row in HAND)
    assert HAND[HAND_HOT_SPOT[1]][HAND_HOT_SPOT[0]] == "#"
    indices = {".": 0, "#": 0, "+": 7, "o": 15}
    indexed = Image.new("P", (32, 32), 0)
    opaque = Image.new("L", (32, 32), 0)
    for y, row in enumerate(HAND):
        for x, cell in enumerate(row):
            indexed.putpixel((x, y), indices[cell])
            opaque.putpixel((x, y), 0 if cell == "." else 255)
    image = bmp_4bit(indexed, VGA, opaque)
    write_icon_file(HERE / "hand.cur", 2, [(32, 32, 16, *HAND_HOT_SPOT, image)])


# ---------------------------------------------------------------------------
# Application icon: a yellow-to-orange V on a black field

ICON_SIZES = (16, 32, 48, 64, 128)
# The page's icons: browsers want 192 and 512 pixels to install it, and a maskable one that
# they may crop to any shape.
WEB_ICON_SIZES = (192, 256, 512)
MASKABLE_SIZE = 512
V_SHAPE = [(0.10, 0.15), (0.35, 0.15), (0.50, 0.60), (0.65, 0.15), (0.90, 0.15), (0.61, 0.87),
           (0.39, 0.87)]


def icon_rgba(size, maskable=False):
    """Drawn 8 times larger (4 from 256 pixels on, already smooth) and reduced, so small sizes
    keep smooth edges. A maskable icon fills its square and keeps the V inside the central
    circle of 80 % of its width, which every mask shape leaves whole."""
    scale = 8 if size < 256 else 4
    big = size * scale
    field = Image.new("L", (big, big), 0)
    if maskable:
        field.paste(255, (0, 0, big, big))
    else:
        ImageDraw.Draw(field).rounded_rectangle((0, 0, big - 1, big - 1), radius=big // 8, fill=255)
    letter = Image.new("L", (big, big), 0)
    shape = maskable_v() if maskable else V_SHAPE
    ImageDraw.Draw(letter).polygon([(x * big, y * big) for x, y in shape], fill=255)
    top, bottom = (255, 236, 40), (255, 112, 0)
    # Yellow at the V's top to orange at its foot.
    first, last = min(y for _, y in shape), max(y for _, y in shape)
    shade = Image.new("RGB", (1, big))
    for y in range(big):
        t = min(1.0, max(0.0, (y / big - first) / (last - first)))
        shade.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    shade = shade.resize((big, big))
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    image.paste((0, 0, 0, 255), mask=field)
    image.paste(shade, mask=letter)
    image.putalpha(field)
    return image.resize((size, size), Image.LANCZOS if size > 32 else Image.BOX)


def maskable_v():
    """The V shrunk about its box's centre and moved to the icon's centre, so that its farthest
    corner lies at 36 % of the width from the centre, inside the 40 % safe circle."""
    xs, ys = [x for x, _ in V_SHAPE], [y for _, y in V_SHAPE]
    cx, cy = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
    reach = max(math.hypot(x - cx, y - cy) for x, y in V_SHAPE)
    shrink = 0.36 / reach
    shape = [(0.5 + (x - cx) * shrink, 0.5 + (y - cy) * shrink) for x, y in V_SHAPE]
    assert all(math.hypot(x - 0.5, y - 0.5) <= 0.4 for x, y in shape)
    return shape


def make_web_icons():
    folder = HERE / "icons" / "web"
    folder.mkdir(parents=True, exist_ok=True)
    for size in WEB_ICON_SIZES:
        icon_rgba(size).save(folder / f"velmora-{size}.png", optimize=True)
    icon_rgba(MASKABLE_SIZE, maskable=True).save(folder / f"velmora-maskable-{MASKABLE_SIZE}.png",
                                                 optimize=True)


def make_icon():
    images = {size: icon_rgba(size) for size in ICON_SIZES}
    entries = []
    for bits in (32, 24, 4):
        for size in ICON_SIZES:
            rgba = images[size]
            opaque = rgba.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
            rgb = Image.new("RGB", rgba.size, (0, 0, 0))
            rgb.paste(rgba, mask=rgba.getchannel("A"))
            if bits == 32:
                image = bmp_32bit(rgba)
                colours = 0
            elif bits == 24:
                image = bmp_24bit(rgb, opaque)
                colours = 0
            else:
                indexed = rgb.quantize(16, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
                flat = indexed.getpalette()[: 16 * 3]
                flat += [0] * (48 - len(flat))
                palette = [tuple(flat[i : i + 3]) for i in range(0, 48, 3)]
                image = bmp_4bit(indexed, palette, opaque)
                colours = 16
            entries.append((size, size, colours, 1, bits, image))
    write_icon_file(HERE / "velmora.ico", 1, entries)
    for size, rgba in images.items():
        folder = HERE / "icons" / "hicolor" / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        rgba.save(folder / "velmora.png", optimize=True)


if __name__ == "__main__":
    make_banner()
    make_strip()
    make_cursor()
    make_icon()
    make_web_icons()
