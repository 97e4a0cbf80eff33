#!/usr/bin/env python3
"""The solvers' stored steps worked out with exact arithmetic.

Each statement is evaluated with 60 significant digits (mpmath) and its
result rounded to single precision (round to nearest, ties to even), so the
singles this gives are those of a machine whose statement arithmetic has no
rounding error of its own. Square roots, general powers, sines and cosines are
exact to those 60 digits; an integer power is a product. Use it to check an
expected figure independently of the C++ code:

    tools/exact_steps.py drasin UJ 2214 5.231 0.039 24 0.71 0.26
    tools/exact_steps.py quorvel CALC 5.058 132 0.47 0.67 2.03 0.016 0.039 0.033 0.036 0.5 7.6 0.7 1.6 0.19 0.07
    tools/exact_steps.py palwick OS 0.239 2.88 0.019
    tools/exact_steps.py round 6.3e6

The inputs are read as the programs' edits give them: a decimal number
stored as a single. Outputs print like the solve probe's (%.9g) together with
the three-decimal text the window shows. Only cases whose values stay inside
the normal single range are modelled, and the loops carry no bounds.
"""
import struct
import sys

import mpmath
from mpmath import mp, mpf

mp.dps = 60


def s(x):
    """x rounded to the nearest single (ties to even)."""
    with mp.workprec(24):
        return +mpf(x)


def f32(text):
    """A number typed into an edit, as a single."""
    return mpf(struct.unpack("f", struct.pack("f", float(text)))[0])


def c(v):
    """A constant the program holds as a single."""
    return f32(repr(v))


def pw(x, y):
    """The general power operation."""
    if x == 0:
        return mpf(0)
    if y == int(y):
        return x ** int(y)
    return mpmath.power(x, y)


def rc45(x, d=mpf(3)):
    t = s(x * pw(10, d))
    r = s(mpmath.floor(t + mpf("0.5")) if t >= 0 else mpmath.ceil(t - mpf("0.5")))
    return s(r / pw(10, d))


def text3(x):
    """The text a label shows for x: its number text (six significant digits,
    decided by the seventh of eight generated) cut to three decimals; from
    1,000,000 up, the exact value cut to three decimals."""
    v = abs(float(x))
    sign = "-" if x < 0 else ""
    if v >= 1e6 or v == 0:
        whole = int(v)
        return sign + "%d.%03d" % (whole, int((mpf(v) - whole) * 1000))
    digits, exp = ("%.7e" % v).split("e")
    digits = digits.replace(".", "")
    six = int(digits[:6]) + (1 if int(digits[6]) >= 5 else 0)
    value = mpf(six) * mpf(10) ** (int(exp) - 5)
    whole = int(mpmath.floor(value))
    return sign + "%d.%03d" % (whole, int(mpmath.floor((value - whole) * 1000 + mpf("1e-9"))))


def uj(Q, B, n, I, Fbp, Fbs):
    H = s(B * 20)
    i = s(1 / I)
    while True:
        t = s(pw(H * B, c(1.6666666)) * mpmath.sqrt(i) / n)
        u = s(Q * pw(B + 2 * H, c(0.6666667)))
        f = s(t - u)
        t = s(mpmath.sqrt(i) * pw(H * B, c(0.6666667)) * B / n * c(1.6666666))
        u = s(pw(B + 2 * H, c(-0.33333334)) / H)
        u = s(u * Q * H * c(1.3333334))
        g = s(t - u)
        d = s(f / g)
        H = s(H - d)
        if not (c(0.00001) < abs(d)):
            break
    W = s(B)
    while True:
        A = s(B * H)
        S = s(H)
        R = s(A / (B + 2 * S))
        V = s(1 / n * mpmath.sqrt(i) * pw(R, c(0.6666667)))
        hv = s(V ** 2 / 2 / c(9.8))
        Fb = s(Fbs * H + hv + Fbp)
        Fbs_ = s(c(0.1) * V * mpmath.sqrt(H))
        Fr = s(V / mpmath.sqrt(c(9.8) * H))
        QD = s(A * V)
        if Q > QD:
            H = s(H + c(0.0001))
        else:
            break
    dH = s(A * c(0.2) / B)
    out = dict(H=H, W=W, A=A, S=S, R=R, V=V, hv=hv, Fb=Fb, Fbs=Fbs_, Fr=Fr, QD=QD, dH=dH)
    return {k: rc45(v) for k, v in out.items()}


def calc(Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fbp, Fbs):
    tt = c(0.6666667)
    vertical = 1 if m == 0 else 0
    sr = s(mpmath.sqrt(1 / I))
    count = s(-1)
    h3 = s(w * m1 / 100)
    L5 = s(h1 * m)
    L1 = s(mpmath.sqrt(L5 ** 2 + h1 ** 2))
    L2 = s(mpmath.sqrt(w ** 2 + h3 ** 2))
    step = s(1)
    h2 = s(-1)
    p15 = c(1.5)
    while True:
        h2 = s(h2 + step)
        L6 = s(h2 * m2)
        L7 = s(h2 * m3)
        L3 = s(mpmath.sqrt(h2 ** 2 + L6 ** 2))
        L4 = s(mpmath.sqrt(h2 ** 2 + L7 ** 2))
        W1 = s(2 * L5 + B)
        W2 = s(w + L6)
        W3 = s(w + L7)
        A1 = s((W1 + B) * h1 / 2 + W1 * (h2 + h3))
        P1 = s(2 * L1 + B)
        N1 = s(pw(((2 * L1 + B) * pw(n1, p15)) / P1, tt))
        R1 = s(A1 / P1)
        V1 = s((1 / N1) * pw(R1, tt) * sr)
        q1 = s(A1 * V1)
        A2 = s((W2 + w) * h2 / 2 + w * h3 / 2)
        P2 = s(L2 + L3)
        N2 = s(pw((L2 * pw(n2, p15) + L3 * pw(n3, p15)) / P2, tt))
        R2 = s(A2 / P2)
        V2 = s((1 / N2) * pw(R2, tt) * sr)
        q2 = s(A2 * V2)
        A3 = s((W3 + w) * h2 / 2 + w * h3 / 2)
        P3 = s(L2 + L4)
        N3 = s(pw((L2 * pw(n2, p15) + L4 * pw(n4, p15)) / P3, tt))
        R3 = s(A3 / P3)
        V3 = s((1 / N3) * pw(R3, tt) * sr)
        q3 = s(A3 * V3)
        N = s(pw(((2 * L1 + B) * pw(n1, p15) + L2 * pw(n2, p15) + L3 * pw(n3, p15) + L2 * pw(n2, p15)
                  + L4 * pw(n4, p15)) / (P1 + P2 + P3), tt))
        q1, q2, q3 = rc45(q1), rc45(q2), rc45(q3)
        CQ = s(q1 + q2 + q3)
        count = s(count + 1)
        if Q > CQ:
            continue
        if count == 0:
            state = 2
            break
        if step == 1:
            step, h2 = c(0.1), s(h2 - 1)
        elif step == c(0.1):
            step, h2 = c(0.01), s(h2 - c(0.1))
        elif step == c(0.01):
            step, h2 = c(0.001), s(h2 - c(0.01))
        else:
            state = 0
            break
    W1, W2, W3 = rc45(W1), rc45(W2), rc45(W3)
    WA = s(W1 + W2 + W3)
    h1, h2, h3 = rc45(h1), rc45(h2), rc45(h3)
    H = s(h1 + h2 + h3)
    A1, A2, A3 = rc45(A1), rc45(A2), rc45(A3)
    A = s(A1 + A2 + A3)
    V = s(CQ / A)
    SH = s(A / WA)
    hv = s(V ** 2 / 2 / c(9.8))
    Fr = s(V / mpmath.sqrt(c(9.8) * SH))
    if Fr < 1:
        Fb = s(Fbs * H + hv + Fbp)
    else:
        Fb = s((c(0.10) if vertical == 1 else c(0.13)) * V * pw(H, c(0.5)))
    out = dict(h1=h1, CQ=CQ, Q1=q1, Q2=q2, Q3=q3, WA=WA, W1=W1, W2=W2, W3=W3, H=H, h2=h2, h3=h3, A=A,
               A1=A1, A2=A2, A3=A3)
    for k, v in dict(P1=P1, P2=P2, P3=P3, R1=R1, R2=R2, R3=R3, N1=N1, N2=N2, N3=N3, N=N, V=V, V1=V1, V2=V2,
                     V3=V3, SH=SH, hv=hv, Fr=Fr, Fb=Fb).items():
        out[k] = rc45(v)
    out["state"] = mpf(state)
    return out


def palwick_os(Q, D, n):
    pi = c(3.1415927)
    steps = 0
    th = pi
    Kc = s(Q * pw(D, c(0.5)) * pw(8, c(1.5)) / pw(c(9.8), c(0.5)) / D ** 3)
    while True:
        if th > 2 * pi or th <= 0 or steps > 30:
            return dict(ok=mpf(0))
        sn = s(mpmath.sin(th))
        cs = s(mpmath.cos(th))
        f = s(Kc * pw(mpmath.sin(th / 2), c(0.5)) - pw(th - sn, c(1.5)))
        g = s((Kc / 4) * pw(mpmath.sin(th / 2), c(-0.5)) * mpmath.cos(th / 2)
              - c(1.5) * pw(th - sn, c(0.5)) * (1 - cs))
        d = s(f / g)
        th = s(th - d)
        steps += 1
        if not (abs(d) > c(0.00001)):
            break
    Hc = s(D / 2 * (1 - mpmath.cos(th / 2)))
    Ac = s(c(0.125) * (th - mpmath.sin(th)) * D ** 2)
    Vc = s(Q / Ac)
    QDc = s(Ac * Vc)
    Wc = s((D / 2 * 2) * mpmath.sin(pi - th / 2))
    Pc = s((D / 2) * th)
    Rc = s(Ac / Pc)
    Fbc = s(D - Hc)
    Ic = s(1 / (Vc * n / pw(Rc, c(0.6666667))) ** 2)
    free = s(c(0.125) * ((2 * pi - th) - mpmath.sin(2 * pi - th)) * D * D / Ac * 100)
    out = dict(Hc=Hc, Ac=Ac, Vc=Vc, QDc=QDc, Wc=Wc, Pc=Pc, Rc=Rc, Fbc=Fbc, Ic=Ic, free_pct=free)
    out = {k: rc45(v) for k, v in out.items()}
    out["thetac"] = th
    out["ok"] = mpf(-1)
    return out


SOLVERS = {
    ("drasin", "UJ"): uj,
    ("quorvel", "CALC"): calc,
    ("mestra", "CALC"): lambda *a: calc(*a[:9], mpf(0), *a[9:]),
    ("palwick", "OS"): palwick_os,
}


def main(argv):
    if len(argv) >= 2 and argv[0] == "round":
        for t in argv[1:]:
            r = rc45(f32(t))
            print("%s -> %.9g (%s)" % (t, float(r), text3(r)))
        return 0
    key = tuple(argv[:2])
    if key not in SOLVERS:
        print(__doc__)
        return 2
    out = SOLVERS[key](*[f32(a) for a in argv[2:]])
    for k, v in out.items():
        print("%s=%.9g  %s" % (k, float(v), text3(v)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
