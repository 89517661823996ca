#!/usr/bin/env python3
"""Writes an icon of 16-colour images, as the oldest Windows shells want them.

    python3 tools/artwork/ico16.py OUT.ico IMAGE.png...

Each square PNG (read through ImageMagick) becomes one 4-bit image of the
standard 16-colour palette, every pixel the palette's nearest colour, with a
mask that leaves the pixels less than half opaque transparent. The images
are written in the order given.
"""
import struct
import subprocess
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def read_rgba(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    pixels = subprocess.run(["convert", path, "-depth", "8", "rgba:-"], check=True,
                            capture_output=True).stdout
    if width != height or len(pixels) != width * height * 4:
        sys.exit(f"ico16.py: {path} is not a square RGBA image")
    return width, pixels


def nearest(r, g, b):
    return min(range(16), key=lambda i: (PALETTE[i][0] - r) ** 2 + (PALETTE[i][1] - g) ** 2
               + (PALETTE[i][2] - b) ** 2)


def image_bytes(size, rgba):
    colour_stride = (size * 4 + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    colours, mask = bytearray(), bytearray()
    for y in reversed(range(size)):  # bottom-up rows
        row, mask_row = bytearray(colour_stride), bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = rgba[(y * size + x) * 4:(y * size + x) * 4 + 4]
            index = nearest(r, g, b) if a >= 128 else 0
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if a < 128:
                mask_row[x // 8] |= 0x80 >> (x % 8)
        colours += row
        mask += mask_row
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(colours) + bytes(mask)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    decoded = [read_rgba(path) for path in sys.argv[2:]]
    images = [image_bytes(size, rgba) for size, rgba in decoded]
    sizes = [size for size, _ in decoded]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as file:
        file.write(out + b"".join(images))


if __name__ == "__main__":
    main()
