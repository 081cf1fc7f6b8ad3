#!/usr/bin/env python3
"""Opening a file as a whole process: `pixmo3-convert --info FILE` against peer_open (libpng
for the PNG, plain stdio for the BMP) on a 4000x4000 8-bit PNG and BMP. Each command runs
under /usr/bin/time -v, alternating ours and the peer's; peak RSS is time's "Maximum resident
set size", CPU time (user + system) is the same rusage read in microseconds (time prints
hundredths). Prints the medians and the ratios ours / peer.

    open_cost.py CONVERT PEER [RUNS]
"""
import os
import re
import statistics
import subprocess
import sys
import tempfile


def measure(command):
    """(cpu seconds, peak kB) of one run of the command under /usr/bin/time -v."""
    proc = subprocess.Popen(["/usr/bin/time", "-v", *command], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    report = proc.stderr.read().decode()
    _, status, usage = os.wait4(proc.pid, 0)
    if status != 0:
        sys.exit(f"failed: {' '.join(command)}\n{report}")
    peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", report).group(1))
    return usage.ru_utime + usage.ru_stime, peak


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    convert, peer = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) == 4 else 11
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([peer, "make", folder], check=True)
        print(f"{'file':10} {'cpu ours':>9} {'cpu peer':>9} {'ratio':>6} {'rss ours':>10} {'rss peer':>10} {'ratio':>6}")
        for name in ("open8.png", "open8.bmp"):
            path = os.path.join(folder, name)
            ours, theirs = [], []
            for _ in range(runs):
                ours.append(measure([convert, "--info", path]))
                theirs.append(measure([peer, "info", path]))
            cpu = [statistics.median(c for c, _ in side) for side in (ours, theirs)]
            rss = [statistics.median(r for _, r in side) for side in (ours, theirs)]
            print(f"{name:10} {cpu[0]:8.3f}s {cpu[1]:8.3f}s {cpu[0] / cpu[1]:5.2f}x "
                  f"{rss[0]:8.0f}kB {rss[1]:8.0f}kB {rss[0] / rss[1]:5.2f}x")


main()
