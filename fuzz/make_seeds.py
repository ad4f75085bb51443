#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes small BMPs, GIFs, JPEGs, PNGs and WebPs of the layouts the readers know into a
folder: the fuzzer's seeds."""
import struct
import sys
import zlib
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


def lzw(indices, min_size, clear_when_full=True):
    """LZW codes as GIF encoders write them, packed least significant bit first."""
    clear = 1 << min_size
    out = bytearray()
    state = {"bits": 0, "count": 0, "size": min_size + 1, "next": clear + 2}

    def put(code):
        state["bits"] |= code << state["count"]
        state["count"] += state["size"]
        while state["count"] >= 8:
            out.append(state["bits"] & 0xFF)
            state["bits"] >>= 8
            state["count"] -= 8
        # The decoder makes each entry one code later; it widens once the next code may need it.
        if state["next"] >= 1 << state["size"] and state["size"] < 12:
            state["size"] += 1

    def reset():
        put(clear)
        state["size"], state["next"] = min_size + 1, clear + 2
        return {}

    table = reset()
    prefix = None
    for index in indices:
        if prefix is None:
            prefix = index
        elif (prefix, index) in table:
            prefix = table[(prefix, index)]
        else:
            put(prefix)
            if state["next"] < 4096:
                table[(prefix, index)] = state["next"]
                state["next"] += 1
            prefix = index
            if state["next"] == 4096 and clear_when_full:
                table = reset()
    put(prefix)
    put(clear + 1)
    if state["count"]:
        out.append(state["bits"] & 0xFF)
    return bytes(out)


def sub_blocks(data):
    return b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                    for i in range(0, len(data), 255)) + b"\0"


def gif(screen, frames, table=None, extensions=False):
    """frames: dicts of rect (x, y, w, h), indices, min_size, and optionally local (a table),
    interlaced, transparent."""
    def table_bytes(colours):
        field = max(0, (len(colours) - 1).bit_length() - 1)
        padded = list(colours) + [(0, 0, 0)] * ((2 << field) - len(colours))
        return field, b"".join(bytes(c) for c in padded)

    head = b"GIF89a" + struct.pack("<HH", *screen)
    if table:
        field, data = table_bytes(table)
        head += bytes([0x80 | field << 4 | field, 0, 0]) + data
    else:
        head += b"\0\0\0"
    if extensions:
        head += b"\x21\xFE" + sub_blocks(b"seed") + b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\0\0\0"
    for f in frames:
        x, y, w, h = f["rect"]
        if "transparent" in f:
            head += b"\x21\xF9\x04\x01\0\0" + bytes([f["transparent"]]) + b"\0"
        flags, local = 0, b""
        if "local" in f:
            field, local = table_bytes(f["local"])
            flags = 0x80 | field
        indices = f["indices"]
        if f.get("interlaced"):
            flags |= 0x40
            rows = [indices[r * w:(r + 1) * w] for r in range(h)]
            order = [r for start, step in ((0, 8), (4, 8), (2, 4), (1, 2))
                     for r in range(start, h, step)]
            indices = [p for r in order for p in rows[r]]
        head += b"," + struct.pack("<HHHHB", x, y, w, h, flags) + local
        head += bytes([f["min_size"]]) + sub_blocks(lzw(indices, f["min_size"]))
    return head + b";"


def segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


def jpeg(width, height, sampling=((1, 1),), restart=0, frame_type=0xC0, adobe=None,
         precision=8):
    """A flat baseline JPEG: every block codes "no change, end of block" with one-code Huffman
    tables. Plain to make, and it carries every marker the decoder reads. `frame_type` 0xC9
    makes it arithmetic-coded (the data then decodes as whatever it happens to say), `adobe`
    adds an Adobe marker with that colour transform (four components: CMYK 0, YCCK 2)."""
    components = len(sampling)
    out = b"\xFF\xD8"
    if adobe is not None:
        out += segment(0xEE, b"Adobe" + struct.pack(">HHHB", 100, 0, 0, adobe))
    out += segment(0xDB, bytes([0]) + bytes([1] * 64))
    frame = struct.pack(">BHHB", precision, height, width, components)
    frame += b"".join(bytes([i + 1, h << 4 | v, 0]) for i, (h, v) in enumerate(sampling))
    out += segment(frame_type, frame)
    one_code = bytes([1] + [0] * 15) + b"\0"
    if frame_type == 0xC9:
        out += segment(0xCC, b"\x00\x10\x10\x05")  # conditioning tables
    else:
        out += segment(0xC4, b"\x00" + one_code) + segment(0xC4, b"\x10" + one_code)
    if restart:
        out += segment(0xDD, struct.pack(">H", restart))
    scan = b"".join(bytes([i + 1, 0x00]) for i in range(components))
    out += segment(0xDA, bytes([components]) + scan + b"\x00\x3F\x00")
    h_max = max(h for h, _ in sampling) if components > 1 else 1
    v_max = max(v for _, v in sampling) if components > 1 else 1
    mcus = -(-width // (8 * h_max)) * -(-height // (8 * v_max))
    blocks = sum(h * v for h, v in sampling) if components > 1 else 1
    data, bits = bytearray(), ""

    def flush(bits):
        bits += "1" * (-len(bits) % 8)
        data.extend(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
        return ""

    for mcu in range(mcus):
        bits += "00" * blocks
        if restart and (mcu + 1) % restart == 0 and mcu + 1 < mcus:
            bits = flush(bits)
            data.extend(bytes([0xFF, 0xD0 + ((mcu + 1) // restart - 1) % 8]))
    flush(bits)
    return out + bytes(data) + b"\xFF\xD9"


def progressive(width, height, components=1, extra_scans=0, data=True):
    """A flat progressive JPEG (4:4:4): a DC scan of all components, then an AC scan of each,
    every block one code of a one-code table; then `extra_scans` more AC scans of the first
    component with no data at all, each still a pass over the whole picture. Without `data`
    the scans hold nothing: a few hundred bytes for any claimed size."""
    out = b"\xFF\xD8" + segment(0xDB, bytes([0]) + bytes([1] * 64))
    frame = struct.pack(">BHHB", 8, height, width, components)
    frame += b"".join(bytes([i + 1, 0x11, 0]) for i in range(components))
    out += segment(0xC2, frame)
    one_code = bytes([1] + [0] * 15) + b"\0"
    out += segment(0xC4, b"\x00" + one_code) + segment(0xC4, b"\x10" + one_code)
    blocks = -(-width // 8) * -(-height // 8)

    def coded(count):
        if not data:
            return b""
        whole, rest = divmod(count, 8)
        return b"\x00" * whole + (bytes([0xFF >> rest]) if rest else b"")

    scan = b"".join(bytes([i + 1, 0x00]) for i in range(components))
    out += segment(0xDA, bytes([components]) + scan + b"\x00\x00\x00") + coded(blocks * components)
    for i in range(components):
        out += segment(0xDA, bytes([1, i + 1, 0x00, 1, 63, 0])) + coded(blocks)
    out += segment(0xDA, bytes([1, 1, 0x00, 1, 63, 0])) * extra_scans
    return out + b"\xFF\xD9"


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


# Adam7: each pass's start and step in x and y.
ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2))


def png(width, height, colour=6, depth=8, interlaced=False, chunks=(), palette=None, cut=0):
    """Rows of varied samples, filters 0 to 4 in turn; `chunks` go before the pixels."""
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    bits = channels * depth

    def rows(w, h, seed):
        out = b""
        for y in range(h):
            row_bytes = (w * bits + 7) // 8
            out += bytes([y % 5]) + bytes((x * 31 + y * 17 + seed) & 0xFF for x in range(row_bytes))
        return out

    if interlaced:
        data = b"".join(rows((width - x0 + dx - 1) // dx, (height - y0 + dy - 1) // dy, i)
                        for i, (x0, y0, dx, dy) in enumerate(ADAM7)
                        if width > x0 and height > y0)
    else:
        data = rows(width, height, 0)
    if colour == 3:  # palette indices must stay inside the palette
        data = bytes(b % 4 if i % ((width * bits + 7) // 8 + 1) else b for i, b in enumerate(data))
    out = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, int(interlaced)))
    if palette is not None:
        out += png_chunk(b"PLTE", bytes(palette)) + png_chunk(b"tRNS", bytes([0, 128, 255]))
    for kind, payload in chunks:
        out += png_chunk(kind, payload)
    out += png_chunk(b"IDAT", zlib.compress(data)) + png_chunk(b"IEND", b"")
    return out[:-cut] if cut else out


def png_claim(width, height, interlaced=False):
    """A header claiming the size, then a few rows of zeros: the data runs out early."""
    rows = zlib.compress(bytes(4 * width + 1) * 4)
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, int(interlaced))) +
            png_chunk(b"IDAT", rows) + png_chunk(b"IEND", b""))


# Small WebPs our encoder wrote (6 x 4): lossless, lossy, lossy with an alpha chunk.
WEBP_LOSSLESS = bytes.fromhex(
    "524946462c000000574542505650384c1f0000002f05c000101710adbaeaea688605056ddb30edfec66f248b38"
    "a2ffa1d37d0200")
WEBP_LOSSY = bytes.fromhex(
    "52494646540000005745425056503820480000009002009d012a0600040002c04c25a8b3000a91c2030403f403"
    "dffc160000fef0fcef1748d7da1aaeb6c5cbbaf0a89566d9676ac4cff53dec7ff2d62c86cbfc702814ffe20ac00000")
WEBP_ALPHA = bytes.fromhex(
    "524946467800000057454250565038580a00000010000000050000030000414c50480a000000010750cd8808"
    "4444ff0356503820480000009002009d012a0600040002c04c25a8b3000a91c2030403f403dffc160000fef0"
    "fcef1748d7da1aaeb6c5cbbaf0a89566d9676ac4cff53dec7ff2d62c86cbfc702814ffe20ac00000")


def webp_lossless_claim(width, height):
    """A lossless header claiming the size (14 bits a side), then a few bytes of data."""
    header = b"\x2f" + struct.pack("<I", (width - 1) | (height - 1) << 14) + bytes(16)
    body = b"WEBP" + riff_chunk(b"VP8L", header)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def riff_chunk(kind, data):
    return kind + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def webp_extended(image_chunks, width=6, height=4, flags=0, extra=()):
    """An extended file: VP8X, the chunks in `extra`, then the picture's own chunks."""
    vp8x = struct.pack("<I", flags)[:1] + b"\0\0\0" + struct.pack("<I", width - 1)[:3] + struct.pack("<I", height - 1)[:3]
    body = b"WEBP" + riff_chunk(b"VP8X", vp8x) + b"".join(riff_chunk(k, d) for k, d in extra) + image_chunks
    return b"RIFF" + struct.pack("<I", len(body)) + body


def hostile(folder):
    """The bombs: files small on disk whose claims cost time or memory, each to be refused at
    once or read within the bounds."""
    folder.mkdir(parents=True, exist_ok=True)
    gif_claim = (b"GIF89a" + struct.pack("<HHBBB", 65535, 2048, 0x80, 0, 0) + b"\0" * 6 +
                 b"," + struct.pack("<HHHHB", 0, 0, 65535, 2048, 0) + b"\x02\x02\x4C\x01\0;")
    wide = 134217728
    bmp_head = (b"BM" + struct.pack("<IHHI", 14 + 40 + 8 + wide // 8, 0, 0, 14 + 40 + 8) +
                struct.pack("<IiiHHIIiiII", 40, wide, 1, 1, 1, 0, wide // 8, 0, 0, 2, 0) +
                b"\0\0\0\0\xFF\xFF\xFF\0")
    files = {
        "progressive-claim-16384x8192-3.jpg": progressive(16384, 8192, 3, data=False),
        "progressive-claim-16384x8192-4.jpg": progressive(16384, 8192, 4, data=False),
        "progressive-3000-scans.jpg": progressive(16384, 8192, 1, extra_scans=3000, data=False),
        # Within the budget alone (256 MiB of coefficients), not twice at once.
        "progressive-claim-16384x8192-1.jpg": progressive(16384, 8192, 1, data=False),
        "progressive-claim-16384x8192-1-again.jpg": progressive(16384, 8192, 1, data=False),
        "gif-claim-65535x2048.gif": gif_claim,
        # An interlaced PNG is held whole: 10000 x 10000 is refused by the budget; the plain
        # one claims as much and is read row by row until its data runs out.
        "png-interlaced-claim-10000x10000.png": png_claim(10000, 10000, interlaced=True),
        "png-claim-10000x10000.png": png_claim(10000, 10000),
        "webp-claim-16383x16383.webp": webp_lossless_claim(16383, 16383),
        "webp-claim-10000x10000.webp": webp_lossless_claim(10000, 10000),
    }
    for name, data in files.items():
        (folder / name).write_bytes(data)
    wide_bmp = folder / "bmp-1bit-134217728x1.bmp"
    if not wide_bmp.exists() or wide_bmp.stat().st_size != len(bmp_head) + wide // 8:
        with open(wide_bmp, "wb") as out:
            out.write(bmp_head)
            out.write(b"\x55" * (wide // 8))
    return sorted(folder.iterdir())


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

    colours = [(i * 17, 255 - i * 17, (i * 53) & 0xFF) for i in range(16)]
    noise = [(x * 7 + y * 13 + (x * y) % 11) & 0xFF for y in range(48) for x in range(64)]
    gifs = {
        "4colours": gif((9, 7), [{"rect": (0, 0, 9, 7), "min_size": 2,
                                  "indices": [(x + y) % 4 for y in range(7) for x in range(9)]}],
                        table=colours[:4]),
        "256colours": gif((64, 48), [{"rect": (0, 0, 64, 48), "min_size": 8, "indices": noise}],
                          table=[(i, i, 255 - i) for i in range(256)], extensions=True),
        "interlaced": gif((5, 11), [{"rect": (0, 0, 5, 11), "min_size": 4, "interlaced": True,
                                     "indices": [y for y in range(11) for x in range(5)]}],
                          table=colours),
        "small-frame-local-table": gif((12, 10), [
            {"rect": (3, 2, 4, 3), "min_size": 2, "local": colours[4:8], "transparent": 1,
             "indices": [i % 4 for i in range(12)]},
            {"rect": (0, 0, 12, 10), "min_size": 2, "indices": [1] * 120}]),
    }
    for name, data in gifs.items():
        (folder / f"{name}.gif").write_bytes(data)

    cmyk = ((1, 1), (1, 1), (1, 1), (1, 1))
    jpegs = {
        "grey": jpeg(13, 9),
        "420": jpeg(35, 21, ((2, 2), (1, 1), (1, 1))),
        "422-restarts": jpeg(40, 16, ((2, 1), (1, 1), (1, 1)), restart=2),
        "444": jpeg(16, 8, ((1, 1), (1, 1), (1, 1))),
        "cmyk-adobe": jpeg(12, 10, cmyk, adobe=0),
        "ycck-adobe": jpeg(12, 10, ((2, 2), (1, 1), (1, 1), (2, 2)), adobe=2),
        "cmyk-plain": jpeg(9, 9, cmyk),
        "arithmetic": jpeg(24, 16, ((2, 2), (1, 1), (1, 1)), frame_type=0xC9),
        "arithmetic-progressive": jpeg(16, 16, frame_type=0xCA),
        "12bit": jpeg(8, 8, precision=12),
        "lossless": jpeg(8, 8, frame_type=0xC3),
        "progressive-grey": progressive(21, 13),
        "progressive-444": progressive(16, 16, 3),
        "progressive-cmyk": progressive(8, 8, 4),
        "progressive-many-scans": progressive(8, 8, 1, extra_scans=120),
        # Large claims the bounds keep cheap: the fuzzer starts from them too.
        "progressive-claim": progressive(16384, 8192, 3, data=False),
        "progressive-claim-grey": progressive(8192, 4096, 1, data=False),
        "baseline-claim": jpeg(1, 1)[:-2].replace(struct.pack(">HH", 1, 1), struct.pack(">HH", 8192, 8192), 1) + b"\xFF\xD9",
    }
    # EXIF orientation segments (APP1) right after the start marker: sound ones in both byte
    # orders, and damaged ones the parser must ignore.
    def exif(order, entries, value=6, ifd=8):
        pack = "<" if order == b"II" else ">"
        body = order + struct.pack(pack + "HI", 42, ifd) + struct.pack(pack + "H", entries)
        body += struct.pack(pack + "HHIHH", 0x0112, 3, 1, value, 0) + b"\0\0\0\0"
        return jpeg(14, 10)[:2] + segment(0xE1, b"Exif\0\0" + body) + jpeg(14, 10)[2:]
    jpegs.update({
        "exif-6-le": exif(b"II", 1),
        "exif-8-be": exif(b"MM", 1, value=8),
        "exif-many-entries": exif(b"II", 0xFFFF),
        "exif-far-ifd": exif(b"MM", 1, ifd=0xFFFFFF00),
        "exif-cut": jpeg(14, 10)[:2] + segment(0xE1, b"Exif\0\0II*\0") + jpeg(14, 10)[2:],
        # ICC profile segments (APP2): one claiming more parts than it has, one of junk bytes.
        "icc-missing-part": jpeg(14, 10)[:2] + segment(0xE2, b"ICC_PROFILE\0\x01\x02" + bytes(128)) + jpeg(14, 10)[2:],
        "icc-junk": jpeg(14, 10)[:2] + segment(0xE2, b"ICC_PROFILE\0\x01\x01" + struct.pack(">I", 132) + b"mntrRGB XYZ " + bytes(116)) + jpeg(14, 10)[2:],
    })
    for name, data in jpegs.items():
        (folder / f"{name}.jpg").write_bytes(data)

    grey_palette = [v for i in range(4) for v in (i * 80, 255 - i * 60, i * 30)]
    exif_le = b"II*\0" + struct.pack("<IHHHIHH", 8, 1, 0x0112, 3, 1, 6, 0) + b"\0\0\0\0"
    icc = struct.pack(">I", 132) + b"mntrRGB XYZ " + bytes(116)
    pngs = {
        "rgba": png(9, 7),
        "rgb-16bit": png(5, 4, colour=2, depth=16),
        "grey-1bit": png(13, 5, colour=0, depth=1),
        "grey-alpha": png(6, 6, colour=4),
        "palette-trns": png(7, 5, colour=3, depth=8, palette=grey_palette),
        "palette-2bit": png(9, 3, colour=3, depth=2, palette=grey_palette),
        "interlaced-rgba": png(11, 9, interlaced=True),
        "interlaced-grey-16bit": png(5, 10, colour=0, depth=16, interlaced=True),
        "iccp": png(6, 4, chunks=[(b"iCCP", b"junk\0\0" + zlib.compress(icc))]),
        "iccp-bad-zlib": png(6, 4, chunks=[(b"iCCP", b"junk\0\0" + b"\x78\x9c" + bytes(30))]),
        "iccp-no-name": png(6, 4, chunks=[(b"iCCP", b"\0\0" + zlib.compress(icc))]),
        "exif": png(6, 4, chunks=[(b"eXIf", exif_le)]),
        "cut": png(20, 20, cut=30),
    }
    for name, data in pngs.items():
        (folder / f"{name}.png").write_bytes(data)

    exif_be = b"MM\0*" + struct.pack(">IHHHIHH", 8, 1, 0x0112, 3, 1, 8, 0) + b"\0\0\0\0"
    webps = {
        "lossless": WEBP_LOSSLESS,
        "lossy": WEBP_LOSSY,
        "lossy-alpha": WEBP_ALPHA,
        "iccp-exif": webp_extended(WEBP_LOSSLESS[12:], flags=0x28,
                                   extra=[(b"ICCP", icc), (b"EXIF", exif_be)]),
        "exif-headed": webp_extended(WEBP_LOSSLESS[12:], flags=0x08,
                                     extra=[(b"EXIF", b"Exif\0\0" + exif_le)]),
        "chunk-too-long": WEBP_LOSSLESS[:16] + struct.pack("<I", 0xFFFFFF00) + WEBP_LOSSLESS[20:],
        "cut": WEBP_LOSSY[:60],
    }
    for name, data in webps.items():
        (folder / f"{name}.webp").write_bytes(data)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--hostile":
        for path in hostile(Path(sys.argv[2])):
            print(path)
    else:
        main()
