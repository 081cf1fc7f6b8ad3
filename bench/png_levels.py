#!/usr/bin/env python3
"""The three PNG levels against Pillow, ImageMagick, optipng and libpng on the generated set
(png_set make: 2000x2000 256 colours in 8x8 blocks, 1024x1024 16-colour sprite grid,
4000x4000 200-colour sprite sheet, 1000x1000 photo-like true colour, one 32x32 sprite).

Sizes in bytes; times are CPU seconds (user + system), the median of RUNS runs (one for max and
optipng). Ours, libpng (png_set save: libpng's default choices) and ImageMagick run as whole
processes reading the same input; Pillow's time is its save() alone, inside one Python
process; optipng runs on our "normal" output with palette and depth reductions off
(-o2 -nb -nc -np). A tool that is not installed is left out.

    png_levels.py CONVERT PNG_SET [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

PICTURES = ["blocks8.png", "sprites16.png", "sheet200.png", "photo24.png", "sprite32.png"]

PILLOW_SAVE = """
import sys, time
from PIL import Image
src, out, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
im = Image.open(src); im.load()
times = []
for _ in range(runs):
    start = time.process_time(); im.save(out); times.append(time.process_time() - start)
print(sorted(times)[runs // 2])
"""


def cpu(command):
    """CPU seconds of one run of the command."""
    proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    err = proc.stderr.read().decode()
    _, status, usage = os.wait4(proc.pid, 0)
    if status != 0:
        sys.exit(f"failed: {' '.join(command)}\n{err}")
    return usage.ru_utime + usage.ru_stime


def timed(command, out, runs):
    return statistics.median(cpu(command) for _ in range(runs)), os.path.getsize(out)


def pillow_python():
    for python in (sys.executable, "/usr/bin/python3"):
        if python and subprocess.run([python, "-c", "import PIL"], capture_output=True).returncode == 0:
            return python
    return None


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    convert, png_set = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) == 4 else 5
    python = pillow_python()
    magick = shutil.which("convert-im6.q16") or shutil.which("magick")
    optipng = shutil.which("optipng")
    columns = ["fast", "normal", "max", "libpng", "pillow", "magick", "optipng"]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([png_set, "make", folder], check=True)
        print("| picture | " + " | ".join(columns) + " |")
        print("|---" * (len(columns) + 1) + "|")
        for name in PICTURES:
            src = os.path.join(folder, name)
            out = lambda tag: os.path.join(folder, f"{tag}-{name}")
            rows = {}
            for level in ("fast", "normal", "max"):
                rows[level] = timed([convert, "--png", level, src, out(level)], out(level), 1 if level == "max" else runs)
            rows["libpng"] = timed([png_set, "save", src, out("libpng")], out("libpng"), runs)
            if python:
                seconds = float(subprocess.run([python, "-c", PILLOW_SAVE, src, out("pillow"), str(runs)],
                                               check=True, capture_output=True, text=True).stdout)
                rows["pillow"] = (seconds, os.path.getsize(out("pillow")))
            if magick:
                rows["magick"] = timed([magick, src, out("magick")], out("magick"), runs)
            if optipng:
                shutil.copy(out("normal"), out("optipng"))
                rows["optipng"] = timed([optipng, "-quiet", "-o2", "-nb", "-nc", "-np", out("optipng")], out("optipng"), 1)
            cells = [f"{rows[c][1]:,} ({rows[c][0]:.3f} s)" if c in rows else "—" for c in columns]
            print(f"| {name} | " + " | ".join(cells) + " |")


main()
