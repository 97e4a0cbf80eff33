#!/usr/bin/env python3
"""Runs two builds' solver benchmarks side by side and prints a table.

    tools/compare_benchmarks.py OLD_DIR NEW_DIR [--rounds 3] [--repetitions 5]

OLD_DIR and NEW_DIR each hold solver_bench and compound_culvert_bench (as
build/tests/bench does). The two builds run by turns, --rounds times, each
run with --repetitions repetitions; the table gives, per benchmark, the
median over all repetitions, in microseconds per call, and the ratio.
Benchmarks only one build has show "-" for the other.
"""
import argparse
import json
import os
import statistics
import subprocess
import sys

BINARIES = ("solver_bench", "compound_culvert_bench")


def run(path, repetitions):
    out = subprocess.run([path, "--benchmark_format=json", "--benchmark_repetitions=%d" % repetitions],
                         capture_output=True, text=True, check=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("run_type") != "iteration":
            continue
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
        times.setdefault(b["run_name"], []).append(b["real_time"] * scale)
    return times


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("old")
    p.add_argument("new")
    p.add_argument("--rounds", type=int, default=3)
    p.add_argument("--repetitions", type=int, default=5)
    a = p.parse_args()
    samples = {"old": {}, "new": {}}
    order = []
    for _ in range(a.rounds):
        for binary in BINARIES:
            for side, folder in (("old", a.old), ("new", a.new)):
                for name, times in run(os.path.join(folder, binary), a.repetitions).items():
                    samples[side].setdefault(name, []).extend(times)
                    if name not in order:
                        order.append(name)
    print("| benchmark | before (µs) | after (µs) | before / after |")
    print("|---|---|---|---|")
    for name in order:
        old = samples["old"].get(name)
        new = samples["new"].get(name)
        o = statistics.median(old) if old else None
        n = statistics.median(new) if new else None
        print("| %s | %s | %s | %s |" % (name, "%.3g" % o if o else "-", "%.3g" % n if n else "-",
                                         "%.1f" % (o / n) if o and n else "-"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
