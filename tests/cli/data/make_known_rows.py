#!/usr/bin/python3
"""Known answers for the seeded row commands of the command-line tool and
for QRAND and QRANDBETWEEN over a 3 x 4 caller.

Made once with Debian's python3 and numpy:

    /usr/bin/python3 tests/cli/data/make_known_rows.py tests

The words are numpy's MT19937 (state set directly to the 69069 fill), not
ours; the mappings and the sampling and shuffling routines are transcribed
here from their written rules.

tests/cli/data/known_rows.txt, one case a line:
    shuffle SEED  ORDER...              rows of the 12-row file, shuffled
    sample SEED COUNT UNIQUE WEIGHTED  ROWS...   rows drawn from the same file
  The file's row i (from 0) is "r<i>,<weight i>" with the weights below.
tests/worksheet/data/known_uniform.txt, one case a line:
    qrand SEED  twelve values, row by row over 3 rows x 4 columns
    qrandbetween SEED MIN MAX  twelve values likewise
"""
import os
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from mt69069 import bit_generator  # noqa: E402

WEIGHTS = [1, 0, 2.5, 4, 0, 0.5, 3, 1, 0, 2, 6, 1.5]


class Words:
    def __init__(self, seed):
        self.bitgen = bit_generator(seed)

    def word(self):
        return int(self.bitgen.random_raw())

    def unit(self):
        return self.word() / 2**32


def uniform_int(words, lo, hi):
    rng = (hi - lo) % 2**32
    if rng == 0:
        return lo
    if 4294967295 // rng <= 4:
        w = words.word()
        while w > rng:
            w = words.word()
        return (lo + w + 2**31) % 2**32 - 2**31
    n = rng + 1
    if 2**31 % n == 0:
        f = 2**31 // n
    else:
        f, r = 2, 2**31
        while (r // n) // 32 >= n:
            r //= 2
            f *= 2
    return (lo + (words.word() // f) % n + 2**31) % 2**32 - 2**31


def shuffle(seed, n):
    words = Words(seed)
    order = list(range(n))
    for i in range(1, n):
        j = uniform_int(words, 0, i)
        order[i], order[j] = order[j], order[i]
    return order


def weighted_pick(weights, x):
    if x <= weights[0]:
        return 0
    for k in range(1, len(weights)):
        x = x - weights[k - 1]
        if x <= weights[k]:
            return k
    return len(weights) - 1


def sample(seed, count, unique, weighted):
    stream = Words(seed)
    n = len(WEIGHTS)
    out = []
    if weighted and not unique:
        total = 0.0
        for w in WEIGHTS:
            total += w
        for _ in range(count):
            out.append(weighted_pick(WEIGHTS, stream.unit() * total))
    elif weighted:
        candidates = [(i, w) for i, w in enumerate(WEIGHTS) if w > 0]
        total = 0.0
        for _, w in candidates:
            total += w
        for _ in range(count):
            if not candidates:
                break
            k = weighted_pick([w for _, w in candidates], stream.unit() * total)
            out.append(candidates[k][0])
            total -= candidates[k][1]
            del candidates[k]
    elif unique:
        positions = list(range(n))
        for _ in range(count):
            k = int(len(positions) * stream.unit())
            out.append(positions[k])
            del positions[k]
    else:
        for _ in range(count):
            out.append(int(n * stream.unit()))
    return out


def main(tests):
    with open(os.path.join(tests, "cli", "data", "known_rows.txt"), "w") as f:
        f.write("# shuffle SEED ORDER / sample SEED COUNT UNIQUE WEIGHTED ROWS (see make_known_rows.py)\n")
        f.write("# weights " + " ".join(repr(w) for w in WEIGHTS) + "\n")
        for seed in (1, 20240611):
            f.write("shuffle %d %s\n" % (seed, " ".join(map(str, shuffle(seed, len(WEIGHTS))))))
            for count, unique, weighted in ((10, 0, 0), (6, 1, 0), (10, 0, 1), (12, 1, 1)):
                rows = sample(seed, count, unique, weighted)
                f.write("sample %d %d %d %d %s\n" % (seed, count, unique, weighted, " ".join(map(str, rows))))
    with open(os.path.join(tests, "worksheet", "data", "known_uniform.txt"), "w") as f:
        f.write("# qrand SEED V... / qrandbetween SEED MIN MAX V... over 3 x 4, row by row"
                " (see tests/cli/data/make_known_rows.py)\n")
        for seed in (1, 20240611):
            words = Words(seed)
            f.write("qrand %d %s\n" % (seed, " ".join("%.17g" % words.unit() for _ in range(12))))
            for lo, hi in ((1, 6), (-1000, 1000000), (-2147483648, 2147483647)):
                words = Words(seed)
                f.write("qrandbetween %d %d %d %s\n"
                        % (seed, lo, hi, " ".join(str(uniform_int(words, lo, hi)) for _ in range(12))))


if __name__ == "__main__":
    main(sys.argv[1])
