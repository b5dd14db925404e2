#!/usr/bin/python3
"""Reference fills for the Random Fill tests.

Made once with Debian's python3 and numpy's MT19937, whose state is set
directly to the 69069 multiplicative fill (numpy does the twist and the
tempering); the mappings to [0, 1) and to a closed integer range and the
unique walk are written here from their rules, one number at a time:

    /usr/bin/python3 tests/commands/fill/data/make_reference.py > tests/commands/fill/data/fills.txt

Each line: kind seed min max rows columns, then the rows x columns values
in the order they are drawn (column by column, top to bottom).
kind "unit": reals w * 2^-32, printed exactly as the word w (min and max 0).
kind "int": whole numbers in [min, max].
kind "unique": whole numbers in [min, max], distinct within each column.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from mt69069 import divisor, bit_generator  # noqa: E402


class Words:
    def __init__(self, seed):
        self.bitgen = bit_generator(seed)

    def next(self):
        return int(self.bitgen.random_raw())


def uniform_int(words, lo, hi):
    """Closed range [lo, hi] on the unsigned difference, read back signed."""
    rng = (hi - lo) % 2**32
    if rng == 0:
        return lo
    if 4294967295 // rng <= 4:
        x = words.next()
        while x > rng:
            x = words.next()
    else:
        n = rng + 1
        x = (words.next() // divisor(n)) % n
    v = (lo + x) % 2**32
    return v - 2**32 if v >= 2**31 else v


def step_walk(used, lo, hi, v, k):
    """The walk one number at a time: the (k+1)-th unused number after v."""
    met = 0
    while True:
        v = lo if v == hi else v + 1
        if v not in used:
            if met == k:
                return v
            met += 1


def gap_walk(used, lo, hi, v, k):
    """The same walk taken a run of unused numbers at a time, for ranges too
    wide to step through: between consecutive used numbers (cyclically)
    lie runs of unused ones."""
    marks = sorted(used)
    i = marks.index(v)
    for step in range(1, len(marks) + 1):
        a = marks[(i + step - 1) % len(marks)]
        b = marks[(i + step) % len(marks)]
        run = (b - a - 1) % (hi - lo + 1) if len(marks) > 1 else hi - lo
        if k < run:
            x = a + 1 + k
            return x if x <= hi else x - (hi - lo + 1)
        k -= run
    raise ValueError("no unused number")


def unique_column(words, lo, hi, rows):
    span = hi - lo + 1
    v = uniform_int(words, lo, hi)
    used = {v}
    out = [v]
    for _ in range(rows - 1):
        free = span - len(used)
        # k on 0 .. free-1; a limit of 2^31 or more is the same unsigned range.
        k = 0 if free - 1 < 1 else uniform_int(words, 0, free - 1) % 2**32
        w = gap_walk(used, lo, hi, v, k)
        if span <= 100000:
            assert w == step_walk(used, lo, hi, v, k)
        v = w
        used.add(v)
        out.append(v)
    return out


def line(kind, seed, lo, hi, rows, cols):
    words = Words(seed)
    values = []
    for _ in range(cols):
        if kind == "unit":
            values += [words.next() for _ in range(rows)]
        elif kind == "int":
            values += [uniform_int(words, lo, hi) for _ in range(rows)]
        else:
            values += unique_column(words, lo, hi, rows)
    print(kind, seed, lo, hi, rows, cols, *values)


print("# kind seed min max rows columns values... (numpy MT19937 with the 69069 fill)")
line("unit", 1, 0, 0, 5, 3)
line("unit", 20240601, 0, 0, 700, 1)
line("int", 1, 1, 6, 10, 1)
line("int", 7, -1000, 1000, 4, 5)
line("int", 3, -2147483648, 2147483647, 6, 2)
line("unique", 1, 1, 10, 10, 3)
line("unique", 5, 1, 10, 4, 4)
line("unique", 11, -3, 3, 7, 2)
line("unique", 42, 1, 1000, 300, 2)
line("unique", 9, 0, 1, 2, 3)
line("unique", 13, -2147483648, 2147483647, 8, 2)
line("unique", 17, 100, 2100000000, 5, 2)
