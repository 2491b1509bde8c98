#!/usr/bin/env python3
"""Draws the device pane's pictures and writes them beside this script.

    UsedSwatch.bmp              16 x 16, 8 bits per pixel: legend of used memory
    FreeSwatch.bmp              16 x 16, 8 bits per pixel: legend of free memory
    DefaultDevice.ico           one 67 x 66 image, 8 bits per pixel: a portable player
    TransferListBackground.gif  GIF87a, 172 x 160: pale watermark behind the transfer list

Only the standard library is used, and the output is committed, so the build
never needs Python. Run it again after changing a picture below.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# --- colours ---------------------------------------------------------------

# Legend colours beside the memory texts: the hues of the gauge's used and
# free slices, a little lighter so that they read at 16 pixels.
USED = (215, 172, 64)
FREE = (53, 172, 103)


def shade(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


# --- pictures as rows of RGB tuples (None = transparent) -------------------


def swatch(colour):
    """A flat square with a darker one-pixel frame and a light top-left bevel."""
    frame, light = shade(colour, 0.62), shade(colour, 1.18)
    rows = []
    for y in range(16):
        row = []
        for x in range(16):
            if x in (0, 15) or y in (0, 15):
                row.append(frame)
            elif x == 1 or y == 1:
                row.append(light)
            else:
                row.append(colour)
        rows.append(row)
    return rows


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius**2


def inside_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def device_icon(width=67, height=66):
    """A silver pocket player: screen with a note on it, click wheel below."""
    left, top, right, bottom = 15, 2, 52, height - 2
    outline, metal_top, metal_bottom = (64, 68, 76), (236, 238, 242), (170, 176, 188)
    screen_top, screen_bottom, glyph = (70, 130, 200), (160, 205, 240), (250, 250, 255)
    wheel, wheel_rim, button = (224, 226, 230), (120, 124, 134), (200, 202, 208)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            px, py = x + 0.5, y + 0.5
            if not inside_rounded_rect(px, py, left, top, right, bottom, 7):
                row.append(None)
                continue
            if not inside_rounded_rect(px, py, left + 1.2, top + 1.2, right - 1.2, bottom - 1.2, 6):
                row.append(outline)
                continue
            colour = mix(metal_top, metal_bottom, y / height)
            # Screen.
            if 20 <= x < 47 and 8 <= y < 31:
                if x in (20, 46) or y in (8, 30):
                    colour = outline
                else:
                    colour = mix(screen_top, screen_bottom, (y - 8) / 22)
                    # A beamed pair of notes on the screen.
                    if inside_circle(px, py, 28.5, 25, 2.6) or inside_circle(px, py, 37.5, 23, 2.6):
                        colour = glyph
                    elif (30 <= x < 31 and 13 <= y <= 25) or (39 <= x < 40 and 11 <= y <= 23):
                        colour = glyph
                    elif 30 <= x < 40 and 0 <= (13 - (x - 30) * 0.2) - y + 2 < 2.5:
                        colour = glyph
            # Click wheel and its centre button.
            elif inside_circle(px, py, 33.5, 46, 11.5):
                if not inside_circle(px, py, 33.5, 46, 10.5):
                    colour = wheel_rim
                elif inside_circle(px, py, 33.5, 46, 4.5):
                    colour = wheel_rim if not inside_circle(px, py, 33.5, 46, 3.5) else button
                else:
                    colour = mix(wheel, (255, 255, 255), max(0.0, (46 - py) / 12))
            row.append(colour)
        rows.append(row)
    return rows


def list_background(width=172, height=160):
    """A pale note, arrow and player, light enough for list text on top."""
    paper, ink = (255, 255, 255), (222, 231, 244)
    levels = 8  # coverage steps of the anti-aliasing, which bound the palette

    def covered(x, y):
        # Two beamed notes.
        if inside_circle(x, y, 33, 108, 8.5) or inside_circle(x, y, 63, 100, 8.5):
            return True
        if 39.5 <= x <= 42.5 and 52 <= y <= 108 or 69.5 <= x <= 72.5 and 44 <= y <= 100:
            return True
        if 39.5 <= x <= 72.5:
            top = 52 - (x - 39.5) * 8 / 33
            if top <= y <= top + 9:
                return True
        # Arrow from the notes to the player.
        if 84 <= x <= 104 and 76 <= y <= 88:
            return True
        if 104 <= x <= 118 and abs(y - 82) <= (118 - x) * 14 / 14:
            return True
        # Player: body with a screen and wheel cut out.
        if inside_rounded_rect(x, y, 124, 44, 158, 122, 7):
            if 130 <= x <= 152 and 51 <= y <= 79:
                return False
            if inside_circle(x, y, 141, 100, 11) and not inside_circle(x, y, 141, 100, 8.5):
                return False
            return True
        return False

    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            hits = sum(covered(x + (i + 0.5) / 4, y + (j + 0.5) / 4) for i in range(4) for j in range(4))
            row.append(mix(paper, ink, round(hits / 16 * levels) / levels))
        rows.append(row)
    return rows


# --- palettes --------------------------------------------------------------


def palette_of(rows, first=()):
    colours = list(first)
    for row in rows:
        for c in row:
            if c is not None and c not in colours:
                colours.append(c)
    if len(colours) > 256:
        raise ValueError("%d colours do not fit an 8-bit palette" % len(colours))
    return colours


# --- file formats ----------------------------------------------------------


def dib_bytes(rows, palette, with_mask):
    """BITMAPINFOHEADER, palette and bottom-up 8-bit pixels (plus the AND
    mask of an icon, whose header then counts both halves in its height)."""
    height, width = len(rows), len(rows[0])
    stride = (width + 3) & ~3
    mask_stride = ((width + 31) // 32) * 4
    index = {c: i for i, c in enumerate(palette)}
    pixels = bytearray()
    for row in reversed(rows):
        pixels += bytes(index.get(c, 0) for c in row) + bytes(stride - width)
    mask = bytearray()
    if with_mask:
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for x, c in enumerate(row):
                if c is None:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
    header = struct.pack(
        "<IiiHHIIiiII",
        40,
        width,
        height * 2 if with_mask else height,
        1,
        8,
        0,
        len(pixels) + len(mask) if with_mask else len(pixels),
        2835,
        2835,
        len(palette),
        0,
    )
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colour_table + bytes(pixels) + bytes(mask)


def bmp_file(rows):
    dib = dib_bytes(rows, palette_of(rows), with_mask=False)
    colours = struct.unpack_from("<I", dib, 32)[0]
    offset = 14 + 40 + 4 * colours
    return b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, offset) + dib


def ico_file(rows):
    height, width = len(rows), len(rows[0])
    # Transparent pixels must be black in the colour half: the screen is
    # ANDed with the mask and then XORed with them.
    palette = palette_of(rows, first=[(0, 0, 0)])
    dib = dib_bytes(rows, palette, with_mask=True)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width & 0xFF, height & 0xFF, 0, 0, 1, 8, len(dib), 6 + 16)
    return directory + entry + dib


def lzw_codes(indices, min_code_size):
    """GIF's variable-width LZW, as (code, width) pairs."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out = [(clear, min_code_size + 1)]
    table, next_code, width = {}, end + 1, min_code_size + 1
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix, k)
        if key in table:
            prefix = table[key]
            continue
        out.append((prefix, width))
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            # The decoder adds this entry only on reading the next code, so
            # the width grows once the entry just added needs the wider code.
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            out.append((clear, width))
            table, next_code, width = {}, end + 1, min_code_size + 1
        prefix = k
    out.append((prefix, width))
    out.append((end, width))
    return out


def pack_codes(codes):
    data, acc, bits = bytearray(), 0, 0
    for code, width in codes:
        acc |= code << bits
        bits += width
        while bits >= 8:
            data.append(acc & 0xFF)
            acc >>= 8
            bits -= 8
    if bits:
        data.append(acc & 0xFF)
    return bytes(data)


def lzw_decode(data, min_code_size, count):
    """The decoder side, used to check the encoder before a file is written."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    pos, acc, bits = 0, 0, 0
    width, table, prev, out = min_code_size + 1, None, None, []
    while True:
        while bits < width:
            acc |= data[pos] << bits
            pos += 1
            bits += 8
        code = acc & ((1 << width) - 1)
        acc >>= width
        bits -= width
        if code == clear:
            table = [[i] for i in range(clear)] + [None, None]
            width, prev = min_code_size + 1, None
            continue
        if code == end:
            break
        if prev is None:
            entry = table[code]
        else:
            entry = table[code] if code < len(table) else prev + prev[:1]
            table.append(prev + entry[:1])
            if len(table) == (1 << width) and width < 12:
                width += 1
        out += entry
        prev = entry
    if len(out) != count:
        raise ValueError("LZW stream decodes to %d pixels, not %d" % (len(out), count))
    return out


def gif87a_file(rows):
    height, width = len(rows), len(rows[0])
    palette = palette_of(rows)
    depth = max(1, (len(palette) - 1).bit_length())
    table = palette + [(0, 0, 0)] * ((1 << depth) - len(palette))
    index = {c: i for i, c in enumerate(palette)}
    indices = [index[c] for row in rows for c in row]
    min_code_size = max(2, depth)
    data = pack_codes(lzw_codes(indices, min_code_size))
    if lzw_decode(data, min_code_size, len(indices)) != indices:
        raise ValueError("LZW round trip failed")
    out = bytearray(b"GIF87a")
    out += struct.pack("<HHBBB", width, height, 0x80 | ((depth - 1) << 4) | (depth - 1), 0, 0)
    out += b"".join(bytes(c) for c in table)
    out += b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + bytes([min_code_size])
    for start in range(0, len(data), 255):
        block = data[start : start + 255]
        out += bytes([len(block)]) + block
    out += b"\x00;"
    return bytes(out)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    write("UsedSwatch.bmp", bmp_file(swatch(USED)))
    write("FreeSwatch.bmp", bmp_file(swatch(FREE)))
    write("DefaultDevice.ico", ico_file(device_icon()))
    write("TransferListBackground.gif", gif87a_file(list_background()))
