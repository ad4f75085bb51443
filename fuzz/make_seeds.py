#!/usr/bin/env python3
"""Writes small BMPs of every layout the reader knows into a folder: the fuzzer's seeds."""
import struct
import sys
from pathlib import Path


def bmp(width, height, bits, compression=0, header=40, palette=(), masks=()):
    rows = abs(height)
    stride = (width * bits + 31) // 32 * 4
    core = header == 12
    masks_after = header == 40 and masks
    offset = 14 + header + (4 * len(masks) if masks_after else 0) + len(palette) * (3 if core else 4)
    pixels = bytes((x * 37 + y * 11) & 0xFF for y in range(rows) for x in range(stride))
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression,
                           stride * rows, 2835, 2835, len(palette), 0)
        extra = list(masks) + [0] * ((header - 40) // 4 - len(masks)) if not masks_after else []
        info += b"".join(struct.pack("<I", m) for m in extra[: (header - 40) // 4])
    after = b"".join(struct.pack("<I", m) for m in masks) if masks_after else b""
    pal = b"".join(bytes((b, g, r)) + (b"" if core else b"\0") for r, g, b in palette)
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return head + info + after + pal + pixels


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    grey = [(i, i, i) for i in range(256)]
    seeds = {
        "1bit": bmp(13, 7, 1, palette=[(0, 0, 0), (255, 255, 255)]),
        "4bit": bmp(9, 5, 4, palette=grey[:16]),
        "8bit": bmp(7, 6, 8, palette=grey),
        "8bit-topdown": bmp(7, -6, 8, palette=grey[:20]),
        "8bit-core": bmp(5, 4, 8, header=12, palette=grey[:4]),
        "16bit": bmp(5, 3, 16),
        "16bit-565": bmp(5, 3, 16, 3, masks=(0xF800, 0x07E0, 0x001F)),
        "24bit": bmp(6, 4, 24),
        "32bit": bmp(4, 4, 32),
        "32bit-v5": bmp(4, -4, 32, 3, header=124, masks=(0xFF, 0xFF00, 0xFF0000)),
    }
    for name, data in seeds.items():
        (folder / f"{name}.bmp").write_bytes(data)


if __name__ == "__main__":
    main()
