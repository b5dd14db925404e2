#!/usr/bin/python3
"""Reference tables for e^x - 1 and for the incomplete beta ratio where one
shape is at most 1 and the other above it, with the smaller tail's x between
0.1 and 0.3 (the region served by the upward recurrence and the asymptotic
expansion in x's complement).

Made once with Debian's python3 and mpmath at 50 significant digits:

    /usr/bin/python3 tests/special/data/make_elementary_reference.py tests/special/data

Files (one row per line, '#' starts a comment; 17 significant digits, so
each value is the double nearest the exact one):
  exp_minus_one.txt   x e^x-1
  beta_cdf_recurrence.txt  a b x P Q
"""
import os
import sys

import mpmath as mp

mp.mp.dps = 50


def fmt(v):
    return "%.17g" % float(v)


def write(folder, name, header, rows):
    with open(os.path.join(folder, name), "w") as out:
        out.write("# " + header + "  (mpmath %s, 50 digits; see make_elementary_reference.py)\n" % mp.__version__)
        for row in rows:
            out.write(" ".join(fmt(v) for v in row) + "\n")


def exp_rows():
    # Both sides of |x| = 0.15, where the rational form hands over to exp.
    xs = [-30.0, -5.0, -1.0, -0.5, -0.25, -0.150390625, -0.15, -0.1, -1e-3, -1e-10, 0.0,
          1e-10, 1e-3, 0.1, 0.15, 0.150390625, 0.2, 0.5, 1.0, 2.0, 10.0, 100.0, 700.0]
    return [(x, mp.expm1(mp.mpf(x))) for x in xs]


def beta_row(a, b, x):
    p = mp.betainc(a, b, 0, x, regularized=True)
    q = mp.betainc(a, b, x, 1, regularized=True)
    return (a, b, x, p, q)


def beta_rows():
    rows = []
    # b0 up to 15 takes 20 upward steps first; above 15 the expansion alone.
    for a in (0.05, 0.3, 0.9, 1.0):
        for b in (1.5, 5.0, 14.5, 15.0, 15.5, 40.0, 120.0):
            for x in (0.1, 0.15, 0.2, 0.25, 0.29):
                rows.append(beta_row(a, b, x))
                # Reached through the swap: shapes exchanged, x on the other side.
                rows.append(beta_row(b, a, float(1 - mp.mpf(x))))
    # Both shapes at most 1, a0 < min(0.2, b0), x0^a0 > 0.9 and x0 < 0.3.
    for a in (0.02, 0.05, 0.1):
        for b in (0.3, 0.7, 1.0):
            for x in (0.05, 0.2, 0.29):
                if a < min(0.2, b) and x ** a > 0.9:
                    rows.append(beta_row(a, b, x))
    return rows


def main(folder):
    write(folder, "exp_minus_one.txt", "x e^x-1", exp_rows())
    write(folder, "beta_cdf_recurrence.txt", "a b x P Q", beta_rows())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
