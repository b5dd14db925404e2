"""The engine's seeding rule and range rule, for the reference scripts.

MT19937's state is filled multiplicatively (word i = seed * 69069^(i+1)
mod 2^32) and numpy's MT19937 then runs from that state, so the words come
from an implementation independent of ours. Imported by the scripts that
make the committed reference data; the tests themselves never run Python.
"""
import numpy as np


def fill(seed):
    """The 624 state words of a seed."""
    v, key = seed, []
    for _ in range(624):
        v = (69069 * v) % 2**32
        key.append(v)
    return key


def bit_generator(seed):
    """numpy's MT19937 set to the state of a seed, before its first twist."""
    generator = np.random.MT19937()
    generator.state = {"bit_generator": "MT19937",
                       "state": {"key": np.array(fill(seed), dtype=np.uint32), "pos": 624}}
    return generator


def divisor(n):
    """The small-range divisor of the closed-range rule: the halving loop."""
    if 2**31 % n == 0:
        return 2**31 // n
    f, r = 2, 2**31
    while (r // n) // 32 >= n:
        r //= 2
        f *= 2
    return f
