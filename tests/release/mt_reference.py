#!/usr/bin/env python3
"""mt_reference.py SEED COUNT: the first COUNT uniform doubles of the engine
for SEED, from Python's own MT19937 (random.Random) with its state set by
the seeding rule (word i = seed * 69069^(i+1) mod 2^32) and each tempered
word scaled by 2^-32; printed with 15 significant digits, as VBScript's
CStr shows a double. An independent reference for the installed Generator."""
import random
import sys

seed, count = int(sys.argv[1]), int(sys.argv[2])
state = [seed * pow(69069, i + 1, 2 ** 32) % 2 ** 32 for i in range(624)]
engine = random.Random()
engine.setstate((3, tuple(state + [624]), None))
for _ in range(count):
    print("%.15g" % (engine.getrandbits(32) / 2.0 ** 32))
