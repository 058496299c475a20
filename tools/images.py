#!/usr/bin/env python3
"""Turns a text pixel map (.pix) into a 16-colour .bmp or .ico.

A .pix file holds a 'kind bmp' or 'kind ico' line, then one text row per pixel
row, one character per pixel: a hex digit 0-f picks a colour of the standard
16-colour palette; '.' is transparent (icons only). Lines starting with # are
comments. The image is named after the file: Lamp.pix -> Lamp.bmp.
"""
import os
import struct
import sys

PALETTE = [  # the standard VGA order, as 16-colour Windows bitmaps use it
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def read_pixmap(path):
    kind, rows = None, []
    with open(path) as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            if line.startswith('kind '):
                kind = line.split()[1]
                continue
            rows.append(line)
    if kind not in ('bmp', 'ico') or not rows or len({len(r) for r in rows}) != 1:
        sys.exit(f'{path}: needs a kind line and rows of equal length')
    return kind, rows


def pixel_data(rows):
    """4-bit pixels, bottom row first, each row padded to 4 bytes."""
    out = bytearray()
    width = len(rows[0])
    for row in reversed(rows):
        indices = [0 if c == '.' else int(c, 16) for c in row]
        if width % 2:
            indices.append(0)
        line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        out += line + b'\0' * (-len(line) % 4)
    return bytes(out)


def mask_data(rows):
    """1-bit AND mask, bottom row first: set where transparent."""
    out = bytearray()
    for row in reversed(rows):
        bits = 0
        line = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (c == '.')
            if i % 8 == 7:
                line.append(bits)
                bits = 0
        if len(row) % 8:
            line.append(bits << (8 - len(row) % 8))
        out += line + b'\0' * (-len(line) % 4)
    return bytes(out)


def info_header(width, height, image_size):
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0) + palette


def bmp(rows):
    pixels = pixel_data(rows)
    header = info_header(len(rows[0]), len(rows), len(pixels))
    offset = 14 + len(header)
    return struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset) + header + pixels


def ico(rows):
    width, height = len(rows[0]), len(rows)
    body = pixel_data(rows) + mask_data(rows)
    image = info_header(width, height * 2, 0) + body
    entry = struct.pack('<BBBBHHII', width, height, 16, 0, 1, 4, len(image), 6 + 16)
    return struct.pack('<HHH', 0, 1, 1) + entry + image


def main():
    source, out_dir = sys.argv[1], sys.argv[2]
    kind, rows = read_pixmap(source)
    os.makedirs(out_dir, exist_ok=True)
    stem = os.path.splitext(os.path.basename(source))[0]
    with open(os.path.join(out_dir, f'{stem}.{kind}'), 'wb') as f:
        f.write(bmp(rows) if kind == 'bmp' else ico(rows))


if __name__ == '__main__':
    main()
