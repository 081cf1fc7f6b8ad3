#!/usr/bin/env python3
"""Pillow's nearest stretch and rotation of bench_transform's piece (2000 x 2000, 256 colours,
diagonal bands), for the figures recorded in bench_transform.cpp: median CPU milliseconds."""
import time

from PIL import Image

SIDE = 2000
im = Image.new("P", (SIDE, SIDE))
im.putpalette([(i * k) & 0xFF for i in range(256) for k in (1, 7, 13)])
im.putdata([(x // 3 + y // 5) & 0xFF for y in range(SIDE) for x in range(SIDE)])


def median_ms(work, runs=15):
    times = []
    for _ in range(runs):
        start = time.process_time()
        work()
        times.append(time.process_time() - start)
    return sorted(times)[runs // 2] * 1000


print(f"stretch 150 % NEAREST: {median_ms(lambda: im.resize((SIDE * 3 // 2, SIDE * 3 // 2), Image.NEAREST)):.1f} ms")
print(f"rotate 33 NEAREST expand: {median_ms(lambda: im.rotate(33, Image.NEAREST, expand=True)):.1f} ms")
