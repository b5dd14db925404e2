#!/usr/bin/env python3
"""check_package.py MSI x86|x64|x64+x86: checks an installer's tables with
msiinfo, and the DLLs it holds with msiextract.

Each DLL's bitness is read from its own PE header. The registry rows must be
exactly the per-user registration of those DLLs (every value of
installer/registration.py, in HKEY_CURRENT_USER): the classes of each view
naming the DLL of that view's bitness, the 32-bit view at its own place when
the package holds both, no value written twice (so no order of writing can
change what stays), the owned keys marked for removal and Office's button
event interface absent. A DLL's component is 64-bit exactly when the DLL is;
the help file lies beside each DLL."""

import os
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "installer"))
import registration  # noqa: E402

HKCU = "1"
COMPONENT_64BIT = 256
# The machine field of the PE file header.
PE_MACHINES = {0x8664: 64, 0x014C: 32}
# Each kind of package: its summary template and the bitness of its DLLs.
KINDS = {"x86": ("Intel;1033", [32]), "x64": ("x64;1033", [64]), "x64+x86": ("x64;1033", [64, 32])}


def table(msi, name):
    text = subprocess.run(["msiinfo", "export", msi, name], check=True, capture_output=True, text=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:]]


def pe_bits(path):
    with open(path, "rb") as dll:
        data = dll.read(4096)
    offset = struct.unpack_from("<I", data, 0x3C)[0]
    if data[:2] != b"MZ" or data[offset:offset + 4] != b"PE\0\0":
        return None
    return PE_MACHINES.get(struct.unpack_from("<H", data, offset + 4)[0])


def folders(msi):
    """Directory id -> its path below the install folder, as msiextract lays it out."""
    parents = {row[0]: (row[1], row[2].split("|")[-1]) for row in table(msi, "Directory")}

    def path(directory):
        parent, name = parents[directory]
        return "" if not parent or name in (".", "SourceDir") else os.path.join(path(parent), name)
    return {directory: path(directory) for directory in parents}


def files(msi):
    """(file id, name, folder, 64-bit component) of every file."""
    components = {c[0]: (c[2], bool(int(c[3]) & COMPONENT_64BIT)) for c in table(msi, "Component")}
    paths = folders(msi)
    found = []
    for row in table(msi, "File"):
        directory, win64 = components[row[1]]
        found.append((row[0], row[2].split("|")[-1], paths[directory], win64))
    return found


def expected_rows(dll_ids):
    """The rows of a registration naming the DLL files of the given ids ({bits: id})."""
    views = registration.package_views(dll64=dll_ids.get(64) and "[#%s]" % dll_ids[64],
                                       dll32=dll_ids.get(32) and "[#%s]" % dll_ids[32])
    rows = set()
    for e in registration.all_entries(views, "[STOCHALHELPDIR]"):
        value = "" if e.value is None else ("#%d" % e.value if e.kind == "integer" else e.value)
        rows.add((e.key, "*" if e.value is None else (e.name or ""), value))
    rows |= {(key, "-", "") for key in registration.owned_keys(views)}
    return rows


def check_files(msi, want_bits):
    """The failures, and {bits: file id} of the DLLs."""
    failures, dll_ids = [], {}
    package_files = files(msi)
    with tempfile.TemporaryDirectory() as unpacked:
        subprocess.run(["msiextract", "-C", unpacked, msi], check=True, capture_output=True)
        for file_id, name, folder, win64 in package_files:
            if name != "Stochal.dll":
                continue
            bits = pe_bits(os.path.join(unpacked, folder, name))
            if bits is None or bits in dll_ids:
                failures.append("%s: not one DLL of each bitness" % os.path.join(folder, name))
                continue
            dll_ids[bits] = file_id
            if win64 != (bits == 64):
                failures.append("the %d-bit DLL's component is %s" % (bits, "64-bit" if win64 else "32-bit"))
            if ("StochalHelp.chm", folder) not in {(f[1], f[2]) for f in package_files}:
                failures.append("no help file beside %s" % os.path.join(folder, name))
    if sorted(dll_ids) != sorted(want_bits):
        failures.append("DLLs of %s bits, not %s" % (sorted(dll_ids), sorted(want_bits)))
    if len(package_files) != 2 * len(want_bits):
        failures.append("files are %s" % sorted(os.path.join(f[2], f[1]) for f in package_files))
    return failures, dll_ids


def check_registry(msi, dll_ids):
    failures = []
    rows = table(msi, "Registry")
    if any(r[1] != HKCU for r in rows):
        failures.append("a registry row outside HKEY_CURRENT_USER")
    values = [(r[2].lower(), r[3]) for r in rows if r[3] not in ("*", "-")]
    for value in sorted({v for v in values if values.count(v) > 1}):
        failures.append("written twice: %s" % (value,))
    found = {(r[2], r[3], r[4]) for r in rows}
    want = expected_rows(dll_ids)
    for row in sorted(want - found):
        failures.append("missing registry row %s" % (row,))
    for row in sorted(found - want):
        failures.append("unexpected registry row %s" % (row,))
    if any(registration.OFFICE_BUTTON_EVENTS in r[2] for r in rows):
        failures.append("Office's interface key is written")
    # The registry view of the component decides where its keys go: the 64-bit
    # one whenever there is a 64-bit DLL (it reaches the 32-bit view's own
    # place unredirected), the 32-bit one for 32-bit Windows' package.
    registry_components = {r[5] for r in rows}
    components = {c[0]: bool(int(c[3]) & COMPONENT_64BIT) for c in table(msi, "Component")}
    if any(components[c] != (64 in dll_ids) for c in registry_components):
        failures.append("a registry component of the wrong bitness")
    return failures


def check(msi, kind):
    template, want_bits = KINDS[kind]
    failures = []
    summary = subprocess.run(["msiinfo", "suminfo", msi], check=True, capture_output=True, text=True).stdout
    if "Template: " + template not in summary:
        failures.append("summary template is not " + template)
    file_failures, dll_ids = check_files(msi, want_bits)
    failures += file_failures
    if not file_failures:
        failures += check_registry(msi, dll_ids)
    return failures, len(expected_rows(dll_ids))


def main():
    failures, rows = check(sys.argv[1], sys.argv[2])
    for failure in failures:
        print("FAIL:", failure)
    print("%s: %d registry rows checked, %s" % (os.path.basename(sys.argv[1]), rows,
                                                "failed" if failures else "ok"))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
