#!/usr/bin/env python3
"""Packs PNG images into one Windows icon file (.ico), one entry for each, as
Windows Vista and later read them: pack-ico.py OUTPUT.ico IMAGE.png...
Each PNG must be square, 1 to 256 pixels, 32-bit RGBA; it is stored as it is."""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"pack-ico.py: {name} is not a PNG image")
    width, height, depth, colour_type = struct.unpack(">IIBB", data[16:26])
    if width != height or not 1 <= width <= 256:
        sys.exit(f"pack-ico.py: {name} is {width}x{height}, not square and at most 256")
    if depth != 8 or colour_type != 6:
        sys.exit(f"pack-ico.py: {name} is not 8-bit RGBA")
    return width


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    output, names = sys.argv[1], sys.argv[2:]
    images = []
    for name in names:
        with open(name, "rb") as file:
            data = file.read()
        images.append((png_size(data, name), data))
    images.sort(key=lambda image: image[0])
    # ICONDIR, then one ICONDIRENTRY per image, then the images.
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for size, data in images:
        # A size of 256 is written as 0; planes and bit count are given, so that
        # tools need not look into the PNG for them.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        blobs += data
        offset += len(data)
    with open(output, "wb") as file:
        file.write(header + entries + blobs)


if __name__ == "__main__":
    main()
