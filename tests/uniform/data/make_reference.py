#!/usr/bin/python3
"""Reference sequences for the engine tests.

Made once with Debian's python3 (numpy's MT19937, whose state is set
directly to the 69069 multiplicative fill, so the twist and tempering are
numpy's own, not ours):

    /usr/bin/python3 tests/uniform/data/make_reference.py > tests/uniform/data/sequences.txt

Each line: seed, then the first 12 tempered words, then word 1000 and word
1300 (counting from 1, across two regenerations).
Seed 0 rows use the stand-in seed 4357, which the engine takes for 0.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from mt69069 import divisor, bit_generator  # noqa: E402

def words(seed, count):
    bitgen = bit_generator(seed)
    return [int(w) for w in bitgen.random_raw(count)]

print("# seed w1..w12 w1000 w1300 (numpy MT19937 with the 69069 fill)")
for seed in (1, 2, 5489, 4357, 123456789, 2**31, 2**32 - 2, 2**32 - 1):
    w = words(seed, 1300)
    print(seed, *w[:12], w[999], w[1299])
print("# the seed 0 row: the engine maps 0 to 4357")
w = words(4357, 1300)
print(0, *w[:12], w[999], w[1299])

# UniformInt rows: "int seed min max" then ten draws, each consuming words
# of the main stream as the closed-range rule says (small-range divisor for
# ranges up to 858993459, rejection above).
def uniform_ints(seed, lo, hi, count):
    w = iter(words(seed, 5000))
    rng = (hi - lo) % 2**32
    out = []
    for _ in range(count):
        if rng == 0:
            out.append(lo)
            continue
        if 4294967295 // rng <= 4:
            x = next(w)
            while x > rng:
                x = next(w)
        else:
            n = rng + 1
            x = (next(w) // divisor(n)) % n
        v = (lo + x) % 2**32
        out.append(v - 2**32 if v >= 2**31 else v)
    return out

print("# int seed min max v1..v10")
for seed, lo, hi in ((1, 1, 6), (7, 0, 9), (7, 0, 1), (42, -1000, 1000), (42, 0, 858993459),
                     (42, 0, 858993460), (3, -2147483648, 2147483647), (3, -2147483647, 2147483646),
                     (99, 0, 65535), (99, -5, 123456)):
    print("int", seed, lo, hi, *uniform_ints(seed, lo, hi, 10))
