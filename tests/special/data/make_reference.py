#!/usr/bin/python3
"""Reference tables for the special-function tests.

Made once with Debian's python3 and mpmath 1.2.1 at 50 significant digits
(scipy only supplies starting points for mpmath's root finding):

    /usr/bin/python3 tests/special/data/make_reference.py tests/special/data

Every value is printed with 17 significant digits, so it is the double
nearest the exact value. Inputs are exact doubles; probabilities P and Q
are given as a pair of doubles and the quantile is that of the smaller one
(P when P <= Q, otherwise 1 - Q), which is what the solvers invert.

Files (one row per line, '#' starts a comment):
  normal_cdf.txt       x P Q                 P = Phi(x), Q = 1 - Phi(x)
  normal_quantile.txt  P Q x
  gamma_cdf.txt        a x P Q               regularised incomplete gamma
  gamma_quantile.txt   a P Q x               shape a, unit rate
  beta_cdf.txt         a b x P Q             regularised incomplete beta
  beta_quantile.txt    a b P Q x
  log_gamma.txt        a lnGamma(a)
  gamma_function.txt   x Gamma(x)
  log_beta.txt         a b lnB(a, b)
  digamma.txt          x psi(x)
"""
import os
import sys

import mpmath as mp
from scipy import special

mp.mp.dps = 50


def fmt(v):
    return "%.17g" % float(v)


def write(folder, name, header, rows):
    with open(os.path.join(folder, name), "w") as out:
        out.write("# " + header + "  (mpmath %s, 50 digits; see make_reference.py)\n" % mp.__version__)
        for row in rows:
            out.write(" ".join(fmt(v) for v in row) + "\n")


def pairs_from_tails(smalls):
    """(P, Q) pairs of doubles: each small tail value as P and as Q."""
    out = []
    for s in smalls:
        big = float(1 - mp.mpf(s))
        out.append((s, big))
        out.append((big, s))
    return out


def tail_values(lowest_exponent, step=1):
    vals = []
    for e in range(-1, lowest_exponent - 1, -step):
        for m in (1.0, 2.5, 7.3):
            vals.append(float(mp.mpf(m) * mp.mpf(10) ** e))
    vals += [0.5, 0.49, 0.3, 0.2, 0.17]
    return sorted(set(v for v in vals if v <= 0.5))


def phi(x):
    return mp.ncdf(x)


def normal_rows():
    cdf = []
    x = -38.0
    while x <= 38.0:
        for v in (x, x + 0.0371):
            v = float(v)
            cdf.append((v, phi(v), phi(-mp.mpf(v))))
        x += 0.25
    for v in (0.0, 1e-20, -1e-20, 0.66291, -0.66291, 0.663, 5.656854248, -5.656854248, 5.66, -5.66):
        cdf.append((v, phi(v), phi(-mp.mpf(v))))
    quant = []
    smalls = tail_values(-300) + [1e-16, 2e-16]
    for p, q in pairs_from_tails(smalls):
        small = min(p, q)
        z = mp.findroot(lambda t: phi(t) - small, mp.mpf(special.ndtri(small)))
        quant.append((p, q, z if p <= q else -z))
    return cdf, quant


def gamma_p(a, x):
    return mp.gammainc(a, 0, x, regularized=True)


def gamma_q(a, x):
    return mp.gammainc(a, x, mp.inf, regularized=True)


GAMMA_SHAPES = [1e-3, 0.01, 0.1, 0.5, 0.9, 1.0, 1.5, 2.0, 3.7, 10.0, 12.5, 17.5, 20.0, 33.3, 100.0, 350.0, 1000.0, 2000.0]


def gamma_inverse(a, p, q):
    lower = p <= q
    small = mp.mpf(p if lower else q)
    guess = special.gammaincinv(a, p) if lower else special.gammainccinv(a, q)
    if not guess > 0:
        return None
    # Solve on a log scale so that tiny quantiles converge.
    f = (lambda t: mp.log(gamma_p(a, mp.exp(t))) - mp.log(small)) if lower else \
        (lambda t: mp.log(gamma_q(a, mp.exp(t))) - mp.log(small))
    return mp.exp(mp.findroot(f, mp.log(guess), tol=mp.mpf(10) ** -40))


def gamma_rows():
    cdf, quant = [], []
    for a in GAMMA_SHAPES:
        # Below P = 1e10 * DBL_MIN (2.2e-298) the published inverse stops.
        for p, q in pairs_from_tails(tail_values(-297, 4)):
            x = gamma_inverse(a, p, q)
            if x is None or not (mp.mpf("1e-300") < x < mp.mpf("1e300")):
                continue
            quant.append((a, p, q, x))
            xd = float(x)
            if xd > 0:
                cdf.append((a, xd, gamma_p(a, xd), gamma_q(a, xd)))
    return cdf, quant


BETA_SHAPES = [(0.1, 0.1), (0.5, 0.5), (1.0, 1.0), (0.2, 3.0), (3.0, 0.2), (2.0, 5.0), (7.5, 7.5), (1.0, 40.0),
               (20.0, 0.7), (30.0, 60.0), (75.0, 75.0), (149.5, 0.5), (0.5, 149.5), (140.0, 10.0), (100.0, 50.0),
               (8.5, 12.0), (0.5, 9.0), (15.0, 9.5)]
# Shapes far below machine precision take the ratio's own small-shape
# expansions; they get a fixed grid of x instead of quantiles.
TINY_BETA_SHAPES = [(1e-20, 0.5), (0.5, 1e-20), (1e-20, 3.0), (3.0, 1e-20)]
TINY_BETA_X = [1e-5, 0.01, 0.3, 0.7, 0.99]


def beta_inverse(a, b, p, q):
    """X with I_X(a, b) = p (p <= q) or 1 - I_X(a, b) = q, by Newton's method
    on the logarithm of the smaller tail, started from scipy."""
    lower = p <= q
    small = mp.mpf(p if lower else q)
    # Work in the variable of the smaller tail (x, or y = 1 - x with the
    # shapes swapped) so that quantiles near 1 keep their precision.
    sa, sb = (a, b) if lower else (b, a)
    guess = special.betaincinv(sa, sb, float(small))
    if not 0 < guess < 1:
        return None
    t = mp.mpf(guess)
    lnb = mp.log(mp.beta(sa, sb))
    for _ in range(200):
        tail = mp.betainc(sa, sb, 0, t, regularized=True)
        dens = mp.exp((sa - 1) * mp.log(t) + (sb - 1) * mp.log(1 - t) - lnb)
        step = (mp.log(tail) - mp.log(small)) * tail / dens
        new = t - step
        if new <= 0:
            new = t / 2
        t = new
        if abs(step) < abs(t) * mp.mpf(10) ** -35:
            break
    assert abs(mp.betainc(sa, sb, 0, t, regularized=True) / small - 1) < mp.mpf(10) ** -25
    return t if lower else 1 - t


def beta_rows():
    cdf, quant = [], []
    for a, b in BETA_SHAPES:
        for p, q in pairs_from_tails(tail_values(-100)):
            x = beta_inverse(a, b, p, q)
            if x is None or not (mp.mpf("1e-290") < x < 1 - mp.mpf("1e-15")):
                continue
            quant.append((a, b, p, q, x))
            xd = float(x)
            # Q by the symmetry 1 - I_x(a, b) = I_(1-x)(b, a), free of
            # cancellation, with 1 - x held exactly.
            with mp.workdps(400):
                q_exact = mp.betainc(b, a, 0, 1 - mp.mpf(xd), regularized=True)
            cdf.append((a, b, xd, mp.betainc(a, b, 0, xd, regularized=True), q_exact))
    for a, b in TINY_BETA_SHAPES:
        for xd in TINY_BETA_X:
            cdf.append((a, b, xd, mp.betainc(a, b, 0, xd, regularized=True),
                        mp.betainc(b, a, 0, 1 - mp.mpf(xd), regularized=True)))
    return cdf, quant


def log_gamma_rows():
    rows = []
    for a in [1e-3, 0.01, 0.1, 0.25, 0.5, 0.79, 0.8, 0.81, 1.0, 1.5, 2.0, 2.25, 2.26, 3.0, 4.5, 7.25, 9.99, 10.0,
              12.5, 50.0, 171.5, 1000.0, 2000.0, 2001.5]:
        rows.append((a, mp.loggamma(a)))
    return rows


def gamma_function_rows():
    rows = []
    for x in [1e-3, 0.01, 0.1, 0.5, 1.0, 1.5, 2.0, 3.3, 5.0, 10.0, 20.5, 50.0, 75.25, 100.0, 149.5, 150.0, 170.5]:
        rows.append((x, mp.gamma(x)))
    return rows


def log_beta_rows():
    shapes = [1e-3, 0.3, 1.0, 1.7, 2.5, 7.9, 8.0, 8.5, 12.0, 40.0, 149.5, 1200.0]
    return [(a, b, mp.log(mp.beta(a, b))) for a in shapes for b in shapes]


def digamma_rows():
    return [(x, mp.digamma(x)) for x in [1e-20, 1e-3, 0.3, 0.5, 1.0, 1.4616321449683622, 2.0, 2.9, 3.0, 3.5,
                                          7.0, 30.0, 1000.0, 1e10]]


def main(folder):
    cdf, quant = normal_rows()
    write(folder, "normal_cdf.txt", "x P Q", cdf)
    write(folder, "normal_quantile.txt", "P Q x", quant)
    cdf, quant = gamma_rows()
    write(folder, "gamma_cdf.txt", "a x P Q", cdf)
    write(folder, "gamma_quantile.txt", "a P Q x", quant)
    cdf, quant = beta_rows()
    write(folder, "beta_cdf.txt", "a b x P Q", cdf)
    write(folder, "beta_quantile.txt", "a b P Q x", quant)
    write(folder, "log_gamma.txt", "a lnGamma(a)", log_gamma_rows())
    write(folder, "gamma_function.txt", "x Gamma(x)", gamma_function_rows())
    write(folder, "log_beta.txt", "a b lnB(a, b)", log_beta_rows())
    write(folder, "digamma.txt", "x psi(x)", digamma_rows())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
