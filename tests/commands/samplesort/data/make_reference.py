#!/usr/bin/python3
"""Reference row orders for the seeded Sample and Sort script tests.

Made once with Debian's python3 and numpy, independently of the product:
numpy's MT19937 with its state set directly to the 69069 multiplicative
fill, the sampling rule and the forward row shuffle transcribed from their
published descriptions.

    /usr/bin/python3 tests/commands/samplesort/data/make_reference.py > tests/commands/samplesort/data/orders.txt

Each line: a case name, then the 0-based positions in output order (rows
drawn by Sample, or p[0..n-1] of the Sort permutation). After a reseed both
streams start at the first word of the seed's sequence.
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from mt69069 import divisor, bit_generator  # noqa: E402


def words(seed):
    bitgen = bit_generator(seed)
    while True:
        for w in bitgen.random_raw(1000):
            yield int(w)


def units(seed):
    for w in words(seed):
        yield w * 2.0**-32


def with_replacement(u, n, count):
    return [math.floor(n * next(u)) for _ in range(count)]


def weighted_position(x, weights):
    for k, w in enumerate(weights[:-1]):
        if x <= w:
            return k
        x -= w
    return len(weights) - 1


def weighted_with_replacement(u, weights, count):
    total = 0.0
    for w in weights:
        total += w
    return [weighted_position(next(u) * total, weights) for _ in range(count)]


def unique(u, n, count):
    left, out = list(range(n)), []
    for _ in range(count):
        k = math.floor(len(left) * next(u))
        out.append(left.pop(k))
    return out


def weighted_unique(u, weights, count):
    cands = [(i, w) for i, w in enumerate(weights) if w > 0]
    total = 0.0
    for _, w in cands:
        total += w
    out = []
    for _ in range(count):
        if not cands:
            break
        k = weighted_position(next(u) * total, [w for _, w in cands])
        out.append(cands[k][0])
        total -= cands[k][1]
        del cands[k]
    return out


def uniform_int(w, hi):
    # Closed range 0..hi with hi small: the divisor rule of the main stream.
    n = hi + 1
    return (next(w) // divisor(n)) % n


def shuffle(seed, n):
    w, p = words(seed), list(range(n))
    for i in range(1, n):
        j = uniform_int(w, i)
        p[i], p[j] = p[j], p[i]
    return p


WEIGHTS = [1, 0, 2, 0, 3, 4]  # the weight column of the test sheet
cases = [
    ("sample-equal", with_replacement(units(11), 6, 10)),
    ("sample-unique", unique(units(12), 6, 6)),
    ("sample-weighted", weighted_with_replacement(units(13), WEIGHTS, 12)),
    ("sample-weighted-unique", weighted_unique(units(14), WEIGHTS, 6)),
    ("sort-rows", shuffle(21, 6)),
    ("sort-cells", shuffle(22, 18)),
]
for name, positions in cases:
    print(name, *positions)
