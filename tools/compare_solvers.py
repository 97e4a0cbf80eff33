#!/usr/bin/env python3
"""Runs two builds of the solve probe on the same inputs and compares them.

    tools/compare_solvers.py OLD_SOLVE NEW_SOLVE [--count 10000] [--seed 1] [--jobs 4]

For every solver of the six programs it draws --count random inputs (half of
them channels and pipes of the sizes the programs are used for, typed with
three or four significant digits; half spread over many decades, as singles
with all their digits), adds the extreme grids the tests hold, runs both
probes on each input and compares their printed outputs character for
character (every output is printed as its stored single, %.9g). It prints,
per solver, how many inputs gave the same outputs, how many differed only in
values, and how many changed their outcome (solved, no convergence,
arithmetic fault), with the first differences of each kind.

With --with-stderr it compares what the probes write to stderr too
(tools/compare_stored_singles.sh uses it for the checksum of every single a
run stored). Exit status 0 when every output agreed, 1 otherwise.
"""
import argparse
import concurrent.futures
import math
import random
import struct
import subprocess
import sys


def single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def as_single_text(x):
    return "%.9g" % single(x)


def typed(x, digits):
    """x as a user would type it: a few significant digits."""
    if x == 0:
        return "0"
    return "%.*g" % (digits, x)


class Draw:
    def __init__(self, rng):
        self.rng = rng

    def log(self, lo, hi):
        return math.exp(self.rng.uniform(math.log(lo), math.log(hi)))

    def uni(self, lo, hi):
        return self.rng.uniform(lo, hi)


# Each solver: its probe name and two ways to draw inputs (lists of floats).
def open_channel_realistic(d, with_m, with_slope):
    B = d.log(0.2, 10)
    Q = B ** 2.5 * d.log(0.05, 5)
    values = [Q, B, d.uni(0.01, 0.04)]
    if with_m:
        values.append(d.uni(0.1, 3))
    if with_slope:
        values += [d.log(30, 5000), d.uni(0, 0.3), d.uni(0, 0.2)]
    return values


def open_channel_wide(d, with_m, with_slope):
    values = [d.log(1e-6, 1e4), d.log(1e-3, 1e3), d.log(1e-3, 1)]
    if with_m:
        values.append(d.log(1e-3, 100))
    if with_slope:
        values += [d.log(1, 1e6), d.uni(0, 1), d.uni(0, 1)]
    return values


def compound_realistic(d, with_m):
    s = d.log(0.3, 5)
    values = [s ** 2.5 * d.log(0.5, 20), d.log(50, 5000), s * d.uni(0.5, 2), s * d.uni(0.3, 1.5),
              s * d.uni(0.3, 3), d.uni(0.012, 0.03), d.uni(0.02, 0.05), d.uni(0.02, 0.05), d.uni(0.02, 0.05)]
    if with_m:
        values.append(d.uni(0, 2) if d.rng.random() < 0.8 else 0.0)
    values += [d.uni(0, 10), d.uni(0.3, 3), d.uni(0.3, 3), d.uni(0, 0.3), d.uni(0, 0.2)]
    return values


def compound_wide(d, with_m):
    values = [d.log(1e-3, 1e13), d.log(1, 1e6), d.log(1e-2, 1e3), d.log(1e-2, 1e2), d.log(1e-2, 1e3),
              d.log(1e-3, 1), d.log(1e-3, 1), d.log(1e-3, 1), d.log(1e-3, 1)]
    if with_m:
        values.append(d.log(1e-3, 100) if d.rng.random() < 0.8 else 0.0)
    values += [d.log(1e-3, 1e4) if d.rng.random() < 0.8 else 0.0, d.log(1e-3, 100), d.log(1e-3, 100),
               d.uni(0, 1), d.uni(0, 1)]
    return values


def pipe_realistic(d, with_slope):
    D = d.log(0.2, 3)
    values = [D ** 2.67 * d.log(0.05, 4), D, d.uni(0.01, 0.025)]
    if with_slope:
        values.append(d.log(30, 5000))
    return values


def pipe_wide(d, with_slope):
    values = [d.log(1e-6, 1e4), d.log(1e-3, 1e3), d.log(1e-4, 1)]
    if with_slope:
        values.append(d.log(1, 1e6))
    return values


SOLVERS = [
    ("velmora", "VJ", lambda d: open_channel_realistic(d, True, True), lambda d: open_channel_wide(d, True, True)),
    ("velmora", "VS", lambda d: open_channel_realistic(d, True, False), lambda d: open_channel_wide(d, True, False)),
    ("drasin", "UJ", lambda d: open_channel_realistic(d, False, True), lambda d: open_channel_wide(d, False, True)),
    ("drasin", "US", lambda d: open_channel_realistic(d, False, False),
     lambda d: open_channel_wide(d, False, False)),
    ("quorvel", "CALC", lambda d: compound_realistic(d, True), lambda d: compound_wide(d, True)),
    ("mestra", "CALC", lambda d: compound_realistic(d, False), lambda d: compound_wide(d, False)),
    ("palwick", "OJ", lambda d: pipe_realistic(d, True), lambda d: pipe_wide(d, True)),
    ("palwick", "OS", lambda d: pipe_realistic(d, False), lambda d: pipe_wide(d, False)),
    ("soberin", "OJ", lambda d: pipe_realistic(d, True), lambda d: pipe_wide(d, True)),
]


def grid(*axes):
    rows = [[]]
    for axis in axes:
        rows = [r + [v] for r in rows for v in axis]
    return rows


def extreme_grids(program, solver):
    """The grids of extreme inputs that the test suites run."""
    Q, B, N, I, M = [1e-6, 0.06, 1e4], [1e-3, 0.3, 1e3], [1e-3, 0.016, 1.0], [1.0, 200.0, 1e6], [1e-3, 0.3, 100.0]
    if (program, solver) == ("velmora", "VJ"):
        return [[q, b, n, m, i, 0.1, 0.07] for q, b, n, m, i in grid(Q, B, N, M, I)]
    if (program, solver) == ("velmora", "VS"):
        return grid(Q, B, N, M)
    if (program, solver) == ("drasin", "UJ"):
        return [[q, b, n, i, 0.1, 0.07] for q, b, n, i in grid(Q, B, N, I)]
    if (program, solver) == ("drasin", "US"):
        return grid(Q, B, N)
    if solver == "CALC":
        rows = []
        for q, i, size, n in grid([1e-30, 1e-3, 3.45, 1e30], [1e-30, 1.0, 200.0, 1e30], [1e-6, 1.0, 1e4],
                                  [1e-30, 0.03, 1e3]):
            rows.append([q, i, size, size, size, n, n, n, n, 0.3, 5, 1, 1, 0.1, 0.07])
        for m, m1, m2, q in grid([0.0, 1e-6, 1e6], [0.0, 1e-6, 1e6], [0.0, 1e6], [0.01, 3.45, 500.0]):
            rows.append([q, 200, 0.8, 0.8, 0.6, 0.016, 0.03, 0.03, 0.03, m, m1, m2, m2, 0.1, 0.07])
        for q in [1e6, 1e9, 1e12, 2e12, 1e15, 1e17, 1e20]:
            rows.append([q, 200, 0.8, 0.8, 0.6, 0.016, 0.03, 0.03, 0.03, 0.3, 5, 1, 1, 0.1, 0.07])
        if program == "mestra":
            rows = [r[:9] + r[10:] for r in rows]
        return rows
    pipe = grid([1e-30, 1e-10, 1e-3, 0.3, 1e3, 1e30], [1e-30, 1e-6, 0.6, 1e3, 1e30], [1e-30, 0.013, 1e3],
                [1e-30, 1.0, 200.0, 1e30])
    if (program, solver) == ("palwick", "OS"):
        return [r[:3] for r in pipe[::4]]
    return pipe


def inputs_for(program, solver, realistic, wide, count, rng):
    d = Draw(rng)
    rows = []
    for k in range(count):
        if k % 2 == 0:
            digits = 3 + k % 4 // 2
            rows.append([typed(v, digits) for v in realistic(d)])
        else:
            rows.append([as_single_text(v) for v in wide(d)])
    rows += [[as_single_text(v) for v in r] for r in extreme_grids(program, solver)]
    return rows


def run(probe, program, solver, args, with_stderr):
    out = subprocess.run([probe, program, solver] + args, capture_output=True, text=True)
    return out.stdout + (out.stderr if out.returncode or with_stderr else "")


def outcome(text):
    for line in text.splitlines():
        if line.lower().startswith("status="):
            return line.split("=")[1]
    return "?"


DEPTHS = ("h2", "H", "Hc", "theta", "thetac")


def depth(text):
    """The searched depth (h2 of the compound tools) or angle of an output."""
    values = dict(line.partition("=")[::2] for line in text.splitlines())
    for name in DEPTHS:
        if name in values:
            return float(values[name])
    return None


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("old")
    p.add_argument("new")
    p.add_argument("--count", type=int, default=10000)
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--jobs", type=int, default=4)
    p.add_argument("--only", help="PROGRAM:SOLVER to compare just one solver")
    p.add_argument("--show", type=int, default=5, help="differences to print per solver and kind")
    p.add_argument("--with-stderr", action="store_true",
                   help="compare what the probes write to stderr as well (the checksum of stored singles)")
    a = p.parse_args()

    all_same = True
    with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
        for program, solver, realistic, wide in SOLVERS:
            if a.only and a.only != "%s:%s" % (program, solver):
                continue
            rng = random.Random("%d %s %s" % (a.seed, program, solver))
            rows = inputs_for(program, solver, realistic, wide, a.count, rng)
            old = list(pool.map(lambda r: run(a.old, program, solver, r, a.with_stderr), rows))
            new = list(pool.map(lambda r: run(a.new, program, solver, r, a.with_stderr), rows))
            same, values, outcomes = 0, [], []
            for r, o, n in zip(rows, old, new):
                if o == n:
                    same += 1
                elif outcome(o) != outcome(n):
                    outcomes.append((r, o, n))
                else:
                    values.append((r, o, n))
            all_same = all_same and same == len(rows)
            # Outcome changes by kind, with the range of the depth that the
            # solving side found.
            counts = {}
            for _, o, n in outcomes:
                key = "%s->%s" % (outcome(o), outcome(n))
                found = depth(o if outcome(o) == "0" else n)
                lo, hi, k = counts.get(key, (found, found, 0))
                counts[key] = (min(lo, found), max(hi, found), k + 1)
            print("%s %s: %d inputs, %d identical, %d differ in values, %d change outcome %s" %
                  (program, solver, len(rows), same, len(values), len(outcomes),
                   " ".join("%s:%d (depth %.6g..%.6g)" % (key, k, lo, hi)
                            for key, (lo, hi, k) in sorted(counts.items()))))
            for kind, cases in (("values", values), ("outcome", outcomes)):
                for r, o, n in cases[:a.show]:
                    diff = [(x, y) for x, y in zip(o.splitlines(), n.splitlines()) if x != y]
                    print("  %s: %s %s %s | %s" % (kind, program, solver, " ".join(r),
                                                   "; ".join("%s -> %s" % (x, y.split("=")[1]) for x, y in diff)))
            sys.stdout.flush()
    return 0 if all_same else 1


if __name__ == "__main__":
    sys.exit(main())
