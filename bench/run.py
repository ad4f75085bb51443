#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times thumbnail makers on large pictures: median wall time and peak memory of each
whole process, all tools taking turns in the same run, and the ratios of ours to theirs."""
import argparse
import shutil
import statistics
import struct
import subprocess
import sys
from pathlib import Path

WIDTH, HEIGHT, QUALITY = 110, 130, 100
FIT_BOX = 200  # fit mode: a 200 x 200 box, aspect kept


def matrix_product(a, b):
    return [[sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3)] for i in range(3)]


def inverse(m):
    (a, b, c), (d, e, f), (g, h, i) = m
    det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g)
    return [[(e * i - f * h) / det, (c * h - b * i) / det, (b * f - c * e) / det],
            [(f * g - d * i) / det, (a * i - c * g) / det, (c * d - a * f) / det],
            [(d * h - e * g) / det, (b * g - a * h) / det, (a * e - b * d) / det]]


def display_p3_profile():
    """A Display P3 matrix profile (ICC v2): the P3 primaries and D65 white, adapted to the
    D50 connection space with Bradford as ICC asks, and a 2.2 gamma."""
    def xyz(x, y):
        return [x / y, 1.0, (1 - x - y) / y]
    primaries = [xyz(0.680, 0.320), xyz(0.265, 0.690), xyz(0.150, 0.060)]
    d65, d50 = xyz(0.3127, 0.3290), [0.9642, 1.0, 0.8249]
    columns = [[primaries[j][i] for j in range(3)] for i in range(3)]
    scale = [sum(row[j] * w for j, w in enumerate(v)) for row, v in zip(inverse(columns), [d65] * 3)]
    to_xyz = [[columns[i][j] * scale[j] for j in range(3)] for i in range(3)]
    bradford = [[0.8951, 0.2664, -0.1614], [-0.7502, 1.7135, 0.0367], [0.0389, -0.0685, 1.0296]]
    cone = lambda w: [sum(bradford[i][j] * w[j] for j in range(3)) for i in range(3)]
    ratio = [[cone(d50)[i] / cone(d65)[i] if i == j else 0 for j in range(3)] for i in range(3)]
    adapted = matrix_product(matrix_product(inverse(bradford), matrix_product(ratio, bradford)), to_xyz)

    def s15(v):
        return struct.pack(">i", round(v * 65536))

    def xyz_tag(v):
        return b"XYZ \0\0\0\0" + b"".join(s15(c) for c in v)

    def text_tag(text):
        data = text.encode() + b"\0"
        return b"desc\0\0\0\0" + struct.pack(">I", len(data)) + data + bytes(12) + bytes(67)

    curve = b"curv\0\0\0\0" + struct.pack(">IH", 1, 0x0233) + b"\0\0"
    tags = [(b"desc", text_tag("Display P3 (bench)")), (b"wtpt", xyz_tag(d50)),
            (b"rXYZ", xyz_tag([adapted[i][0] for i in range(3)])),
            (b"gXYZ", xyz_tag([adapted[i][1] for i in range(3)])),
            (b"bXYZ", xyz_tag([adapted[i][2] for i in range(3)])),
            (b"rTRC", curve), (b"gTRC", curve), (b"bTRC", curve),
            (b"cprt", b"text\0\0\0\0" + b"MIT\0")]
    table, body = b"", b""
    offset = 128 + 4 + 12 * len(tags)
    for name, data in tags:
        data += bytes(-len(data) % 4)
        table += name + struct.pack(">II", offset + len(body), len(data))
        body += data
    size = offset + len(body)
    header = (struct.pack(">I", size) + b"lcms" + bytes([2, 0x10, 0, 0]) + b"mntrRGB XYZ " +
              bytes(12) + b"acsp" + bytes(24) + struct.pack(">I", 0) + b"".join(s15(c) for c in d50) +
              bytes(48))
    return header + struct.pack(">I", len(tags)) + table + body


def with_segments(jpeg, *segments):
    """A JPEG with APP segments put in right after its start marker."""
    return jpeg[:2] + b"".join(bytes([0xFF, marker]) + struct.pack(">H", len(data) + 2) + data
                               for marker, data in segments) + jpeg[2:]


def make_fixtures(folder):
    """Photographic-like pictures: gradients under noise, with shapes and a hard edge."""
    folder.mkdir(parents=True, exist_ok=True)

    def photo(size, out, *options, prefix=""):
        if out.exists():
            return
        w, h = size
        draw = [
            "-fill", "#c03020", "-draw", f"circle {w // 3},{h // 2} {w // 3 + w // 6},{h // 2}",
            "-fill", "#2060c0", "-draw", f"rectangle {w // 2},{h // 5} {w * 5 // 6},{h * 3 // 5}",
            "-stroke", "yellow", "-strokewidth", str(max(2, w // 400)),
            "-draw", f"line 0,{h - 1} {w - 1},0",
        ]
        print(f"making {out.name} ({w}x{h})", flush=True)
        tmp = out.with_name(out.stem + ".tmp" + out.suffix)
        subprocess.run(["convert", "-size", f"{w}x{h}", "gradient:#20305a-#e0a040",
                        "-seed", "7", "-attenuate", "0.5", "+noise", "Gaussian",
                        *draw, *options, prefix + str(tmp)], check=True)
        tmp.rename(out)

    fixtures = {
        "24 MP baseline JPEG": folder / "photo24.jpg",
        "12 MP baseline JPEG": folder / "photo12.jpg",
        "12 MP progressive JPEG": folder / "photo12-progressive.jpg",
        "12 MP 24-bit BMP": folder / "photo12.bmp",
    }
    jpeg = ["-sampling-factor", "2x2", "-quality", "90"]
    photo((6000, 4000), fixtures["24 MP baseline JPEG"], *jpeg, "-interlace", "none")
    photo((4000, 3000), fixtures["12 MP baseline JPEG"], *jpeg, "-interlace", "none")
    photo((4000, 3000), fixtures["12 MP progressive JPEG"], *jpeg, "-interlace", "JPEG")
    photo((4000, 3000), fixtures["12 MP 24-bit BMP"], "-type", "TrueColor", prefix="BMP3:")
    return fixtures


def make_fit_fixtures(folder, fixtures):
    """The fit-mode pictures: the 24 MP photo as a phone stores it (Display P3, tagged to be
    turned 90 degrees), and a 12 MP PNG."""
    tagged = folder / "photo24-p3-rotated.jpg"
    if not tagged.exists():
        exif = (b"Exif\0\0II*\0" + struct.pack("<IHHHIHH", 8, 1, 0x0112, 3, 1, 6, 0) +
                b"\0\0\0\0")
        icc = b"ICC_PROFILE\0\x01\x01" + display_p3_profile()
        tagged.write_bytes(with_segments(fixtures["24 MP baseline JPEG"].read_bytes(),
                                         (0xE1, exif), (0xE2, icc)))
    png = folder / "photo12.png"
    if not png.exists():
        print(f"making {png.name}", flush=True)
        subprocess.run(["convert", str(fixtures["12 MP baseline JPEG"]), "-define",
                        "png:color-type=2", str(png)], check=True)
    return {"24 MP JPEG, P3, rotated, fit": tagged, "12 MP PNG, fit, PNG out": png}


def fit_mode(launcher, thumb, scratch, fixtures, runs):
    """corvel-thumb in fit mode beside vipsthumbnail on the same work: a 200 x 200 box, the
    photo turned upright and its colours converted to sRGB, PNG in and out."""
    out = scratch / "out" / "fit"
    out.mkdir(parents=True, exist_ok=True)
    pictures = make_fit_fixtures(scratch / "fixtures", fixtures)

    def ours(src):
        kind = "png" if src.suffix == ".png" else "jpg"
        return [str(thumb), "--mode", "fit", "-s", f"{FIT_BOX}x{FIT_BOX}", "-t", kind, "-q",
                str(QUALITY), "--overwrite", "-j", "1", "-o", str(out), str(src)]

    def vips(src):
        target = f"{out / 'vips.png'}" if src.suffix == ".png" else f"{out / 'vips.jpg'}[Q={QUALITY}]"
        return ["vipsthumbnail", str(src), "-s", f"{FIT_BOX}x{FIT_BOX}", "--export-profile",
                "srgb", "-o", target]

    tools = {"corvel-thumb": ours, "vipsthumbnail": vips}
    print(f"\nfit mode, {FIT_BOX}x{FIT_BOX} box (upright, sRGB); median wall time, peak RSS")
    results = {}
    for label, path in pictures.items():
        samples = {name: [] for name in tools}
        for command in tools.values():
            measure(launcher, command(path))
        for _ in range(runs):
            for name, command in tools.items():
                samples[name].append(measure(launcher, command(path)))
        results[label] = {name: (statistics.median(t for t, _ in r), max(m for _, m in r))
                          for name, r in samples.items()}
        row = results[label]
        print(f"  {label:<32}" + "".join(f"{name}: {row[name][0]:.3f} s {row[name][1]:6.1f} MiB   "
                                          for name in tools) +
              f"ratio {row['corvel-thumb'][0] / row['vipsthumbnail'][0]:.3f}x")
    checks = []
    for label, row in results.items():
        if "JPEG" in label:
            checks.append((f"corvel-thumb: {label} <= 0.7 x vipsthumbnail",
                           row["corvel-thumb"][0] <= 0.7 * row["vipsthumbnail"][0]))
        checks.append((f"corvel-thumb: {label} peak memory < 16 MiB", row["corvel-thumb"][1] < 16))
    return checks


def measure(launcher, command, may_fail=False):
    """Wall seconds and peak resident memory (MiB) of one whole process (and its stderr)."""
    result = subprocess.run([str(launcher), *command], capture_output=True, text=True)
    if result.returncode != 0 and not may_fail:
        raise RuntimeError(f"{' '.join(command)} failed ({result.returncode}): {result.stderr}")
    seconds, kib = result.stdout.split()[-2:]
    if may_fail:
        return float(seconds), int(kib) / 1024, result.stderr
    return float(seconds), int(kib) / 1024


def hostile_files(launcher, thumb, scratch):
    """The bombs: small files claiming huge pictures, thousands of scans or very wide rows.
    Each must be refused with its reason or made, fast and within the decoding budget (512
    MiB), alone and with several jobs at once."""
    sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "fuzz"))
    import make_seeds  # noqa: E402 (the fuzzer's seed maker also makes the bombs)
    bombs = make_seeds.hostile(scratch / "hostile")
    out = scratch / "out" / "hostile"
    out.mkdir(parents=True, exist_ok=True)
    print("\nhostile files (corvel-thumb, one run each):")
    checks = []
    runs = [([b], 1) for b in bombs if "again" not in b.name] + [(bombs, 2), (bombs, 4)]
    for inputs, jobs in runs:
        label = inputs[0].name if len(inputs) == 1 else f"all {len(inputs)} at -j {jobs}"
        seconds, mib, err = measure(launcher, [
            str(thumb), "--overwrite", "-j", str(jobs), "-o", str(out), *map(str, inputs)],
            may_fail=True)
        reasons = [line.split(": ", 2)[-1] for line in err.splitlines() if line.strip()]
        print(f"  {label:<40} {seconds:7.3f} s {mib:7.1f} MiB  "
              f"{'; '.join(reasons) if reasons else 'made'}")
        checks.append((f"{label}: peak memory < 600 MiB", mib < 600))
        checks.append((f"{label}: under 10 s", seconds < 10))
    return checks


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--hostile-only", action="store_true",
                        help="only the hostile files (no other tools needed)")
    args = parser.parse_args()

    build = Path(args.build).resolve()
    scratch = build / "bench"
    out = scratch / "out"
    out.mkdir(parents=True, exist_ok=True)
    launcher = build / "bin" / "corvel-bench-measure"
    if not launcher.exists():
        sys.exit(f"{launcher} missing: build first (make build)")
    if args.hostile_only:
        checks = hostile_files(launcher, build / "bin" / "corvel-thumb", scratch)
        for text, ok in checks:
            print(f"{'met    ' if ok else 'MISSED '} {text}")
        return
    fixtures = make_fixtures(scratch / "fixtures")

    tools = {}
    thumb = build / "bin" / "corvel-thumb"
    if thumb.exists():
        tools["corvel-thumb"] = lambda src: [
            str(thumb), "-W", str(WIDTH), "-H", str(HEIGHT), "-t", "jpg", "-q", str(QUALITY),
            "--overwrite", "-j", "1", "-o", str(out / "corvel-thumb"), str(src)]
        (out / "corvel-thumb").mkdir(exist_ok=True)
    else:
        print(f"corvel-thumb: not built yet ({thumb} missing), skipped")
    core = build / "bin" / "corvel-bench-thumb"
    if core.exists():
        tools["engine core"] = lambda src: [
            str(core), str(src), str(out / "core.jpg"), str(WIDTH), str(HEIGHT), str(QUALITY)]
    tools["vipsthumbnail"] = lambda src: [
        "vipsthumbnail", str(src), "-s", f"{WIDTH}x{HEIGHT}!", "-o",
        f"{out / 'vips.jpg'}[Q={QUALITY}]"]
    tools["ImageMagick"] = lambda src: [
        "convert", str(src), "-sample", f"{WIDTH}x{HEIGHT}!", "-quality", str(QUALITY),
        str(out / "magick.jpg")]
    ours = [name for name in ("corvel-thumb", "engine core") if name in tools]
    if not ours:
        sys.exit("nothing of ours to measure: build first (make build)")

    print(f"{args.runs} runs per tool and picture, tools taking turns; "
          f"{WIDTH}x{HEIGHT} JPEG at quality {QUALITY}; median wall time, peak RSS\n")
    results = {}
    for label, path in fixtures.items():
        samples = {name: [] for name in tools}
        for name, command in tools.items():  # one untimed run each: warm caches
            measure(launcher, command(path))
        for _ in range(args.runs):
            for name, command in tools.items():
                samples[name].append(measure(launcher, command(path)))
        results[label] = {
            name: (statistics.median(t for t, _ in runs), max(m for _, m in runs))
            for name, runs in samples.items()}

    header = f"{'input':<24}" + "".join(f"{name:>22}" for name in tools)
    header += "".join(f"{n + ' / vips':>24}{n + ' / IM':>22}" for n in ours)
    print(header)
    print("-" * len(header))
    for label, row in results.items():
        line = f"{label:<24}"
        for name in tools:
            seconds, mib = row[name]
            line += f"{seconds:>10.3f} s {mib:>6.1f} MiB"
        for name in ours:
            line += f"{row[name][0] / row['vipsthumbnail'][0]:>23.3f}x"
            line += f"{row[name][0] / row['ImageMagick'][0]:>21.3f}x"
        print(line)

    if core.exists():
        runs = [measure(launcher, [str(core), "--start-only"]) for _ in range(args.runs)]
        print(f"\nstart-up alone (engine core program loading its libraries, nothing decoded): "
              f"{statistics.median(t for t, _ in runs):.3f} s, "
              f"{max(m for _, m in runs):.1f} MiB")

    print()
    checks = []
    for name in ours:
        big = results["24 MP baseline JPEG"]
        checks.append((f"{name}: 24 MP baseline JPEG <= 0.7 x vipsthumbnail",
                       big[name][0] <= 0.7 * big["vipsthumbnail"][0]))
        checks.append((f"{name}: 24 MP baseline JPEG <= 0.4 x ImageMagick",
                       big[name][0] <= 0.4 * big["ImageMagick"][0]))
        bmp = results["12 MP 24-bit BMP"]
        checks.append((f"{name}: 12 MP BMP <= 0.05 x ImageMagick",
                       bmp[name][0] <= 0.05 * bmp["ImageMagick"][0]))
        for label in ("24 MP baseline JPEG", "12 MP baseline JPEG", "12 MP 24-bit BMP"):
            checks.append((f"{name}: {label} peak memory < 16 MiB", results[label][name][1] < 16))
    if thumb.exists():
        checks += fit_mode(launcher, thumb, scratch, fixtures, args.runs)
        checks += hostile_files(launcher, thumb, scratch)
    for text, ok in checks:
        print(f"{'met    ' if ok else 'MISSED '} {text}")


if __name__ == "__main__":
    main()
