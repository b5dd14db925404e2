#!/usr/bin/python3
"""Known answers for seeded distribution draws: the first 20 draws of each
distribution at two or three parameter sets, for seeds 1 and 20240611, as
CInternalGenerator(seed).Next... gives them.

Made once with Debian's python3, numpy, scipy and mpmath:

    /usr/bin/python3 tests/engine/data/make_known_draws.py STOCHAL > tests/engine/data/known_draws.txt

where STOCHAL is a built command-line tool (stochal draw prints the engine's
draws with 17 significant digits, so they round-trip exactly).

The independent values: the uniforms are numpy's MT19937 words (state set
directly to the 69069 fill) times 2^-32; continuous draws are the exact
quantile (mpmath, 50 digits) of each uniform; discrete draws come from the
Python transcriptions below of the samplers as specified (Ahrens and
Dieter's Poisson, the binomial's count or rounded normal, Bernoulli trials
for the negative binomial, the geometric's logarithm quotient, inversion of
the hypergeometric masses), with exact normal and exponential deviates.

Each line: name, the arguments of the engine operation joined by commas,
seed, draw index, the engine's value, the independent value, and after '#'
why the two differ where they do. The script stops if a discrete draw
differs, or a continuous one differs by more than its distribution's stated
accuracy.
"""
import math
import subprocess
import sys
from fractions import Fraction

import mpmath as mp
from scipy import special
import os

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from mt69069 import bit_generator  # noqa: E402

mp.mp.dps = 50
SEEDS = (1, 20240611)
COUNT = 20


class Stream:
    """The distribution stream: numpy's MT19937 words times 2^-32."""

    def __init__(self, seed):
        self.bitgen = bit_generator(seed)

    def unit(self):
        return int(self.bitgen.random_raw()) / 2**32


def normal_quantile(u):
    return mp.sqrt(2) * mp.erfinv(2 * mp.mpf(u) - 1)


def gamma_quantile(a, u):
    a, u = mp.mpf(a), mp.mpf(u)
    start = mp.mpf(special.gammaincinv(float(a), float(u)))
    return mp.findroot(lambda x: mp.gammainc(a, 0, x, regularized=True) - u, start, tol=mp.mpf(10) ** -45)


def beta_quantile(a, b, u):
    a, b, u = mp.mpf(a), mp.mpf(b), mp.mpf(u)
    start = mp.mpf(special.betaincinv(float(a), float(b), float(u)))
    f = lambda x: mp.betainc(a, b, 0, x, regularized=True) - u
    lo, hi = start * (1 - mp.mpf(10) ** -6), min(start * (1 + mp.mpf(10) ** -6), 1)
    if f(lo) * f(hi) > 0:
        lo, hi = mp.mpf(0), mp.mpf(1)
    return mp.findroot(f, (lo, hi), solver="illinois", tol=mp.mpf(10) ** -45)


# Continuous: quantile(params, u) exact, with the reason our value may differ.
def continuous(quantile, why):
    def draw(params, stream):
        return quantile(params, stream.unit())
    return draw, why


WHY_WRITTEN = "rounding of the closed form's log, pow or sqrt"
WHY_NORMAL = "Newton steps stop below 1e-13 relative; the normal cumulative is good to a few ulp"
CONTINUOUS = {
    "Normal": continuous(lambda a, u: a[0] + a[1] * normal_quantile(u), WHY_NORMAL),
    "Lognormal": continuous(lambda a, u: mp.exp(a[0] + a[1] * normal_quantile(u)),
                            WHY_NORMAL + "; exp magnifies it by |mu + sigma z|"),
    "Uniform": continuous(lambda a, u: a[0] + mp.mpf(u) * (a[1] - a[0]), WHY_WRITTEN),
    "Triangular": continuous(lambda a, u: triangular(a, u), WHY_WRITTEN),
    "Beta": continuous(lambda a, u: beta_quantile(a[0], a[1], u),
                       "the search for X stops at its relative tolerance 1e-8"),
    "Pareto": continuous(lambda a, u: a[1] * ((1 - mp.mpf(u)) ** (-1 / mp.mpf(a[0])) - 1), WHY_WRITTEN),
    "Burr": continuous(lambda a, u: a[1] * ((1 - mp.mpf(u)) ** (-1 / mp.mpf(a[0])) - 1) ** (1 / mp.mpf(a[2])),
                       WHY_WRITTEN),
    "Gamma": continuous(lambda a, u: a[1] * gamma_quantile(a[0], u),
                        "the inverse incomplete gamma iteration stops at its tolerance"),
    "Weibull": continuous(lambda a, u: a[1] * (-mp.log(1 - mp.mpf(u))) ** (1 / mp.mpf(a[0])), WHY_WRITTEN),
    "Exponential": continuous(lambda a, u: -a[0] * mp.log(1 - mp.mpf(u)), WHY_WRITTEN),
}
# Relative accuracy the engine's continuous draws must keep.
ACCURACY = {"Beta": 1e-7, "Gamma": 1e-10, "Lognormal": 1e-12}
DEFAULT_ACCURACY = 1e-13


def triangular(a, u):
    lo, hi, peak = (mp.mpf(v) for v in a)
    u = mp.mpf(u)
    f = (peak - lo) / (hi - lo)
    if u == 0:
        return lo
    if u < f:
        return lo + mp.sqrt(u * (hi - lo) * (peak - lo))
    if u == f:
        return peak
    return hi - mp.sqrt((1 - u) * (hi - lo) * (hi - peak))


def exact_normal(u):
    return float(normal_quantile(u))


def exact_exponential(u):
    return float(-mp.log(1 - mp.mpf(u)))


def bernoulli(p, s):
    return 1 if s.unit() < p else 0


def binomial(n, p, s):
    mean, other = n * p, n * (1 - p)
    if mean > 10 and other > 10:
        x = mean + math.sqrt(n * p * (1 - p)) * exact_normal(s.unit())
        k = math.floor(x + 0.5)
        return max(k, 0)
    return sum(1 for _ in range(n) if s.unit() < p)


FACT = [1.0, 1.0, 2.0, 6.0, 24.0, 120.0, 720.0, 5040.0, 40320.0, 362880.0]
A = [-0.5, 0.3333333343, -0.2499998565, 0.1999997049, -0.1666848753, 0.1428833286,
     -0.1241963125, 0.1101687109, -0.1142650302]


def poisson(lam, s):
    if lam < 10:
        m = max(1, int(lam))
        p = q = p0 = math.exp(-lam)
        pp = [0.0] * 36
        l = 0
        while True:
            u = s.unit()
            if u <= p0:
                return 0
            if l > 0:
                j = min(l, m) if u > 0.458 else 1
                for k in range(j, l + 1):
                    if u <= pp[k]:
                        return k
                if l == 35:
                    continue
            for k in range(l + 1, 36):
                p = p * lam / k
                q = q + p
                pp[k] = q
                if u <= q:
                    return k
            l = 35
    sq = math.sqrt(lam)
    d = 6 * lam * lam
    big_l = int(lam - 1.1484)
    t = exact_normal(s.unit())
    g = lam + sq * t
    u = 0.0
    if g >= 0:
        k = int(g)
        if k >= big_l:
            return k
        fk = float(k)
        difmuk = lam - fk
        u = s.unit()
        if d * u >= difmuk ** 3:
            return k
    omega = 0.398942280401433 / sq
    b1 = 0.0416666666666667 / lam
    b2 = 0.3 * b1 * b1
    c3 = 0.142857142857143 * b1 * b2
    c2 = b2 - 15 * c3
    c1 = b1 - 6 * b2 + 45 * c3
    c0 = 1 - b1 + 3 * b2 - 15 * c3
    c = 0.1069 / lam
    kflag = -1
    e = 0.0
    if g >= 0:
        kflag = 0
    while True:
        if kflag != 0:
            while True:
                e = exact_exponential(s.unit())
                u = 2 * s.unit() - 1
                t = 1.8 + math.copysign(e, u)
                if t > -0.6744:
                    break
            k = int(lam + sq * t)
            fk = float(k)
            difmuk = lam - fk
            kflag = 1
        if k < 10:
            px = -lam
            py = lam ** k / FACT[k]
        else:
            dl = 0.0833333333 / fk
            dl = dl - 4.8 * dl ** 3
            v = difmuk / fk
            if abs(v) <= 0.25:
                poly = 0.0
                for coefficient in reversed(A):
                    poly = poly * v + coefficient
                px = fk * v * v * poly - dl
            else:
                px = fk * math.log(1 + v) - difmuk - dl
            py = 0.398942280401433 / math.sqrt(fk)
        x = (0.5 - difmuk) / sq
        xx = x * x
        fx = -0.5 * xx
        fy = omega * (((c3 * xx + c2) * xx + c1) * xx + c0)
        if kflag == 0:
            if fy - u * fy <= py * math.exp(px - fx):
                return k
        elif c * abs(u) <= py * math.exp(px + e) - fy * math.exp(fx + e):
            return k
        kflag = 1


def negative_binomial(r, p, s):
    failures = successes = 0
    while successes < r:
        if s.unit() < p:
            successes += 1
        else:
            failures += 1
    return failures


def geometric(p, s):
    u = s.unit()
    return math.floor(math.log(1 - u) / math.log(1 - p)) + 1


def hypergeometric(bad, good, size, s):
    total = math.comb(good + bad, size)
    u = Fraction(s.unit())
    cumulative = Fraction(0)
    for k in range(size):
        cumulative += Fraction(math.comb(bad, size - k) * math.comb(good, k), total)
        if u < cumulative:
            return k
    return size


DISCRETE = {
    "Bernoulli": lambda a, s: bernoulli(a[0], s),
    "Binomial": lambda a, s: binomial(int(a[0]), a[1], s),
    "Poisson": lambda a, s: poisson(a[0], s),
    "NegativeBinomial": lambda a, s: negative_binomial(int(a[0]), a[1], s),
    "Geometric": lambda a, s: geometric(a[0], s),
    "Hypergeometric": lambda a, s: hypergeometric(int(a[0]), int(a[1]), int(a[2]), s),
}

# Parameters in the order of the engine operation (and of stochal draw).
CASES = [
    ("Bernoulli", "bernoulli", [(0.3,), (0.5,)]),
    # counted trials (mean 10 is not above 10, and 5.1), then the normal rule
    ("Binomial", "binomial", [(20, 0.5), (170, 0.03), (40, 0.5)]),
    ("Poisson", "poisson", [(3.5,), (9.99,), (42.5,)]),
    ("NegativeBinomial", "negativebinomial", [(3, 0.5), (10, 0.3)]),
    ("Geometric", "geometric", [(0.3,), (0.05,)]),
    ("Hypergeometric", "hypergeometric", [(20, 10, 5), (80, 60, 30)]),
    ("Normal", "normal", [(0.0, 1.0), (3.0, 2.5)]),
    ("Lognormal", "lognormal", [(0.0, 1.0), (1.5, 0.4)]),
    ("Uniform", "uniform", [(0.0, 1.0), (-3.0, 7.5)]),
    ("Triangular", "triangular", [(0.0, 10.0, 5.0), (-1.0, 7.0, 2.0)]),
    ("Beta", "beta", [(2.0, 3.0), (0.3, 0.5)]),
    ("Pareto", "pareto", [(1.0, 1.0), (3.0, 2.5)]),
    ("Burr", "burr", [(1.0, 1.0, 1.0), (3.0, 1.5, 2.0)]),
    ("Gamma", "gamma", [(0.5, 2.0), (3.0, 1.5), (25.0, 1.0)]),
    ("Weibull", "weibull", [(1.7, 3.0), (0.5, 1.0)]),
    ("Exponential", "exponential", [(1.0,), (3.0,)]),
]


def fmt(v):
    return repr(float(v)) if isinstance(v, float) or not isinstance(v, int) else str(v)


def text(v):
    return "%.17g" % v


def ulps(a, b):
    if a == b:
        return 0
    return abs(a - b) / math.ulp(max(abs(a), abs(b)))


def engine_draws(tool, command, params, seed):
    words = [tool, "draw", command] + [text(p) for p in params] + ["-n", str(COUNT), "--seed", str(seed)]
    out = subprocess.run(words, check=True, capture_output=True, text=True).stdout.split()
    return [{"TRUE": "1", "FALSE": "0"}.get(w, w) for w in out]


def main(tool):
    print(__doc__.strip().replace("\n", "\n# ").join(["# ", ""]))
    print("# name arguments seed index engine independent  # reason where they differ")
    for name, command, sets in CASES:
        for params in sets:
            args = ",".join(text(p) for p in params)
            for seed in SEEDS:
                ours = engine_draws(tool, command, params, seed)
                stream = Stream(seed)
                for index in range(COUNT):
                    if name in DISCRETE:
                        theirs = DISCRETE[name](params, stream)
                        if int(ours[index]) != theirs:
                            sys.exit("%s %s seed %d draw %d: engine %s, transcription %d"
                                     % (name, args, seed, index, ours[index], theirs))
                        print(name, args, seed, index, ours[index], theirs)
                        continue
                    draw, why = CONTINUOUS[name]
                    exact = draw(params, stream)
                    theirs = float(exact)
                    mine = float(ours[index])
                    relative = abs(mp.mpf(mine) - exact) / abs(exact) if exact != 0 else abs(mine)
                    if relative > ACCURACY.get(name, DEFAULT_ACCURACY):
                        sys.exit("%s %s seed %d draw %d: engine %r, exact %r" % (name, args, seed, index, mine, theirs))
                    note = "" if mine == theirs else "  # %.3g ulp: %s" % (ulps(mine, theirs), why)
                    print(name, args, seed, index, text(mine), text(theirs) + note)


if __name__ == "__main__":
    main(sys.argv[1])
