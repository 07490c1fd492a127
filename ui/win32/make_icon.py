#!/usr/bin/env python3
"""Writes a Windows icon file of 16-colour (4 bits per pixel) pictures, one per XPM given.

Usage: make_icon.py OUTPUT.ico PICTURE.xpm...

Each picture keeps its own colours, at most fifteen of them beside the black of palette entry 0,
which every transparent pixel takes so that the mask shows the screen through unchanged (the screen
is ANDed with the mask, then XORed with the colour). ImageMagick writes 4-bit icons only by
quantising, which moves the colours; this keeps them exact.
"""
import re
import struct
import sys

STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
TRANSPARENT = None
BLACK = (0, 0, 0)


def read_xpm(path):
    """Width, height and rows of colours (None where transparent) of an XPM file."""
    with open(path, encoding="ascii") as xpm:
        strings = STRING.findall(xpm.read())
    width, height, count, chars = map(int, strings[0].split()[:4])
    colours = {}
    for line in strings[1:1 + count]:
        key, visuals = line[:chars], line[chars:].split()
        value = visuals[visuals.index("c") + 1]  # the colour visual
        colours[key] = (TRANSPARENT if value.lower() == "none"
                        else tuple(int(value[i:i + 2], 16) for i in (1, 3, 5)))
    rows = [[colours[row[x:x + chars]] for x in range(0, width * chars, chars)]
            for row in strings[1 + count:1 + count + height]]
    return width, height, rows


def packed_rows(rows, bits):
    """Bottom-up rows of `bits`-bit values, each padded to whole 32-bit words, as a DIB keeps them."""
    data = bytearray()
    for row in reversed(rows):
        value, filled = 0, 0
        line = bytearray()
        for item in row:
            value = (value << bits) | item
            filled += bits
            if filled == 8:
                line.append(value)
                value, filled = 0, 0
        if filled:
            line.append(value << (8 - filled))
        line.extend(b"\0" * (-len(line) % 4))
        data += line
    return bytes(data)


def picture(width, height, rows):
    """The icon image: header, 16-entry palette, colour bits and the 1-bit transparency mask."""
    palette = [BLACK]
    for row in rows:
        for colour in row:
            if colour is not TRANSPARENT and colour not in palette:
                palette.append(colour)
    if len(palette) > 16:
        sys.exit(f"make_icon.py: {len(palette)} colours do not fit a 16-colour picture")
    palette += [BLACK] * (16 - len(palette))
    indices = [[0 if colour is TRANSPARENT else palette.index(colour) for colour in row]
               for row in rows]
    mask = [[1 if colour is TRANSPARENT else 0 for colour in row] for row in rows]
    bits = packed_rows(indices, 4) + packed_rows(mask, 1)
    # The height counts the colour bits and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 4, 0, len(bits), 0, 0, 16, 0)
    colours = b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in palette)
    return header + colours + bits


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: make_icon.py OUTPUT.ico PICTURE.xpm...")
    images = [(w, h, picture(w, h, rows)) for w, h, rows in map(read_xpm, sys.argv[2:])]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for width, height, image in images:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(image),
                                 offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as output:
        output.write(directory + b"".join(image for _, _, image in images))


if __name__ == "__main__":
    main()
