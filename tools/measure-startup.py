#!/usr/bin/env python3
"""tools/measure-startup.py [BUILD_DIR]: start-up time of each program against
a bare Qt 6 window, offscreen.

For each program: the time from process start to the first line that
`drive PROGRAM` prints for a script holding only `dump` (the window shown,
the saved inputs loaded, the driver's catch-up with the main loop done), against
the time `bare_window` takes to print a line from a 0 ms timer after showing
one empty main window of the same size. Measured alternately, A B A B, nine
pairs; the median of the pairs' ratios is reported. Run after a build
(./run-tests or tools/build.sh drive bare_window)."""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build"))
programs = ["velmora", "drasin", "quorvel", "mestra", "palwick", "soberin"]


def to_pixels(tenth_mm):
    return round(tenth_mm * 96.0 / 254.0)


def first_line_ms(command, folder):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=folder)
    start = time.perf_counter()
    child = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    child.stdout.readline()
    elapsed = (time.perf_counter() - start) * 1000.0
    child.stdout.read()
    child.wait()
    return elapsed


def main():
    print(f"{'program':8} {'drive ms':>9} {'bare ms':>8} {'ratio':>6}  (medians of 9 pairs)")
    for program in programs:
        with open(os.path.join(root, "forms", program + ".json"), encoding="utf-8") as f:
            width, height = json.load(f)["forms"]["MAINFORM"]["size"]
        bare = [os.path.join(build, "tools", "startup", "bare_window"), str(to_pixels(width)), str(to_pixels(height))]
        drive_times, bare_times, ratios = [], [], []
        with tempfile.TemporaryDirectory() as folder:
            script = os.path.join(folder, "dump.txt")
            with open(script, "w") as f:
                f.write("dump\n")
            drive = [os.path.join(build, "drive"), program, script]
            first_line_ms(drive, folder)  # the first start writes the saved inputs; the others read them
            for _ in range(9):
                a = first_line_ms(drive, folder)
                b = first_line_ms(bare, folder)
                drive_times.append(a)
                bare_times.append(b)
                ratios.append(a / b)
        print(f"{program:8} {statistics.median(drive_times):9.1f} {statistics.median(bare_times):8.1f} "
              f"{statistics.median(ratios):6.2f}")


main()
