#!/usr/bin/env python3
"""Checks the deep-water rule of the open-channel solvers through the probe.

    tools/check_deep_water.py SOLVE [--count 10000] [--seed 1] [--jobs 4]

Draws narrow channels and V-shaped ditches (bed widths of 1 mm to 0.5 m)
whose exact depth lies anywhere from 50 m to 100 km, one in four beyond
2048 m, for each of VJ, UJ, VS and US; the discharge is that of the depth
drawn, stored as a single. The exact depth of that discharge is found to
40 significant digits (mpmath) from the solvers' own equations: Manning's
formula with R raised to the single 0.6666667, as the capacity loop that
settles the depth has it; the critical condition A³/W = Q²/9.8 for VS; US's
closed form (Q²/(9.8·B²))^0.33333334. The rule: below 2048 m the solver
gives results and the depth it shows lies within 1 mm of the exact depth,
plus the half millimetre of its rounding to three decimals; from 2048 m it
reports no convergence. Channels within a centimetre of 2048 m are not
drawn.
"""
import argparse
import concurrent.futures
import math
import random
import struct
import subprocess
import sys

from mpmath import mp, mpf, findroot, log, sqrt

mp.dps = 40
RULE = 2048


def single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


TWO_THIRDS = mpf(single(0.6666667))
ONE_THIRD = mpf(single(0.33333334))


def manning(Q, B, n, m, I, H):
    A = B * H + m * H * H
    P = B + 2 * H * sqrt(1 + m * m)
    return log(1 / n * sqrt(1 / I) * A * (A / P) ** TWO_THIRDS / Q)


def critical(Q, B, m, H):
    A = B * H + m * H * H
    W = B + 2 * m * H
    return log(A ** 3 / W / (Q * Q / mpf(single(9.8))))


def draw(rng, trapezoid, is_critical):
    log = lambda lo, hi: math.exp(rng.uniform(math.log(lo), math.log(hi)))
    while True:
        B, n, I = single(log(0.001, 0.5)), single(log(0.01, 0.04)), single(log(30, 5000))
        m = single(log(0.01, 2)) if trapezoid else 0.0
        target = log(2100, 1e5) if rng.random() < 0.25 else log(50, 2040)
        if is_critical:
            A, W = target * (B + m * target), B + 2 * m * target
            Q = single(math.sqrt(A ** 3 / W * single(9.8)))
            if trapezoid:
                exact = findroot(lambda H: critical(mpf(Q), mpf(B), mpf(m), H), mpf(target))
            else:
                exact = (mpf(Q) ** 2 / (mpf(single(9.8)) * mpf(B) ** 2)) ** ONE_THIRD
        else:
            A, P = B * target + m * target ** 2, B + 2 * target * math.sqrt(1 + m * m)
            Q = single(1 / n * math.sqrt(1 / I) * A * (A / P) ** (2 / 3))
            exact = findroot(lambda H: manning(mpf(Q), mpf(B), mpf(n), mpf(m), mpf(I), H), mpf(target))
        if abs(exact - RULE) > 0.01:
            return [Q, B, n, m, I], float(exact)


def probe_args(solver, v):
    Q, B, n, m, I = ["%.9g" % x for x in v]
    return {
        "VJ": ["velmora", "VJ", Q, B, n, m, I, "0.1", "0.07"],
        "VS": ["velmora", "VS", Q, B, n, m],
        "UJ": ["drasin", "UJ", Q, B, n, I, "0.1", "0.07"],
        "US": ["drasin", "US", Q, B, n],
    }[solver]


def check(probe, solver, values, exact):
    out = subprocess.run([probe] + probe_args(solver, values), capture_output=True, text=True).stdout
    result = dict(line.split("=") for line in out.splitlines())
    status = int(float(result["STATUS"]))
    shown = float(result["H" if solver in ("VJ", "UJ") else "Hc"])
    if exact < RULE:
        ok = status == 0 and abs(shown - exact) <= 0.0015
        return ok, abs(shown - exact) if status == 0 else None
    return status == 1, None


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("solve")
    p.add_argument("--count", type=int, default=10000)
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--jobs", type=int, default=4)
    a = p.parse_args()
    failed = 0
    with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
        for solver, trapezoid, is_critical in (("VJ", True, False), ("UJ", False, False), ("VS", True, True),
                                               ("US", False, True)):
            rng = random.Random("%d %s" % (a.seed, solver))
            cases = [draw(rng, trapezoid, is_critical) for _ in range(a.count)]
            results = list(pool.map(lambda c: check(a.solve, solver, *c), cases))
            found = [r[1] for r in results if r[1] is not None]
            bad = [c for c, r in zip(cases, results) if not r[0]]
            deep = sum(1 for _, exact in cases if exact >= RULE)
            print("%s: %d channels, %d below 2048 m (largest distance of the shown depth from the exact one "
                  "%.2f mm), %d from 2048 m; %d break the rule" %
                  (solver, len(cases), len(cases) - deep, 1000 * max(found, default=0), deep, len(bad)))
            for values, exact in bad[:5]:
                print("  %s exact depth %.6f" % (" ".join(probe_args(solver, values)), exact))
            failed += len(bad)
            sys.stdout.flush()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
