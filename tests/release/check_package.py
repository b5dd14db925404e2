#!/usr/bin/env python3
"""check_package.py MSI x86|x64: checks an installer's tables with msiinfo.
The registry rows must be exactly the per-user registration (every value of
installer/registration.py, in HKEY_CURRENT_USER, naming the installed DLL),
the owned keys marked for removal, Office's button event interface absent,
and the files the DLL and the help file, for the package's platform."""

import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "installer"))
import registration  # noqa: E402

HKCU = "1"


def table(msi, name):
    text = subprocess.run(["msiinfo", "export", msi, name], check=True, capture_output=True, text=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:]]


def expected_rows(win64):
    rows = set()
    for e in registration.all_entries("[#StochalDll]", "[STOCHALHELPDIR]", win64):
        value = "" if e.value is None else ("#%d" % e.value if e.kind == "integer" else e.value)
        rows.add((e.key, "*" if e.value is None else (e.name or ""), value))
    rows |= {(key, "-", "") for key in registration.owned_keys()}
    return rows


def check(msi, arch):
    failures = []
    win64 = arch == "x64"
    summary = subprocess.run(["msiinfo", "suminfo", msi], check=True, capture_output=True, text=True).stdout
    template = "x64;1033" if win64 else "Intel;1033"
    if "Template: " + template not in summary:
        failures.append("summary template is not " + template)
    rows = table(msi, "Registry")
    if any(r[1] != HKCU for r in rows):
        failures.append("a registry row outside HKEY_CURRENT_USER")
    found = {(r[2], r[3], r[4]) for r in rows}
    want = expected_rows(win64)
    for row in sorted(want - found):
        failures.append("missing registry row %s" % (row,))
    for row in sorted(found - want):
        failures.append("unexpected registry row %s" % (row,))
    if any(registration.OFFICE_BUTTON_EVENTS in r[2] for r in rows):
        failures.append("Office's interface key is written")
    files = sorted(r[2].split("|")[-1] for r in table(msi, "File"))
    if files != ["Stochal.dll", "StochalHelp.chm"]:
        failures.append("files are %s" % files)
    components = table(msi, "Component")
    # Attribute 256: a 64-bit component, whose keys go to the 64-bit view.
    if any(bool(int(c[3]) & 256) != win64 for c in components):
        failures.append("a component of the wrong bitness")
    return failures


def main():
    failures = check(sys.argv[1], sys.argv[2])
    for failure in failures:
        print("FAIL:", failure)
    print("%s: %d registry rows checked, %s" % (os.path.basename(sys.argv[1]), len(expected_rows(sys.argv[2] == "x64")),
                                                "failed" if failures else "ok"))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
