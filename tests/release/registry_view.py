#!/usr/bin/env python3
"""Registry exports (reg export, UTF-16) as sets of (key, value name, data)
for the installation test.

registry_view.py expect DLL64|- DLL32|- HELPDIR
    what a per-user installation of those DLLs must write, as lines
registry_view.py read FILE.reg ROOT
    the values and empty keys of the export below ROOT that lie in the keys
    an installation owns, ROOT cut off, as lines
registry_view.py mirror FILE.reg FROM TO OUT.reg
    the owned COM keys a 64-bit process reads, of the export, moved from
    root FROM to TO (REGEDIT4)
registry_view.py unmirror ROOT OUT.reg
    a REGEDIT4 file that deletes those COM keys below ROOT
registry_view.py owned
    every key an installation owns whole, in either view, one a line
"""

import functools
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
                                "installer"))
import registration  # noqa: E402


def parse(path):
    """(key, name, data) for every value, and (key, None, None) for every key."""
    with open(path, "rb") as raw:
        text = raw.read().decode("utf-16")
    entries, key = set(), None
    for line in text.replace("\r", "").split("\n"):
        if line.startswith("["):
            key = line[1:-1]
            entries.add((key, None, None))
        elif "=" in line and key:
            name, data = line.split("=", 1)
            name = None if name == "@" else name.strip('"')
            if data.startswith('"'):
                data = data[1:-1].replace("\\\\", "\\")
            entries.add((key, name, data))
    return entries


@functools.lru_cache(maxsize=None)
def every_owned_key():
    # The keys do not depend on the DLLs' paths.
    return tuple(registration.owned_keys(registration.package_views(dll64="-", dll32="-")))


def owned(key, keys=None):
    key = key.lower() + "\\"
    return any(key.startswith(k.lower() + "\\") for k in (keys or every_owned_key()))


def class_keys():
    """The COM keys a 64-bit client reads: the shared ones and the 64-bit view's."""
    return [k for k in every_owned_key()
            if k.startswith(registration.CLASSES + "\\") and not k.startswith(registration.WOW64_CLASSES + "\\")]


def write_reg(path, blocks):
    with open(path, "w", encoding="utf-8", newline="") as reg:
        reg.write("REGEDIT4\r\n\r\n" + "\r\n".join(blocks) + "\r\n")


def mirror(path, source, target, out):
    """Copies the owned COM keys of the export from root source to root target."""
    with open(path, "rb") as raw:
        text = raw.read().decode("utf-16").replace("\r", "")
    blocks, keep = [], False
    for block in text.split("\n\n")[1:]:
        header = block.split("\n", 1)[0]
        key = header[1:-1]
        keep = key.lower().startswith(source.lower() + "\\") and owned(key[len(source) + 1:], class_keys())
        if keep:
            blocks.append(block.replace("[" + source, "[" + target, 1).replace("\n", "\r\n") + "\r\n")
    write_reg(out, blocks)


def expected(dll64, dll32, help_dir):
    lines = set()
    views = registration.package_views(dll64=None if dll64 == "-" else dll64, dll32=None if dll32 == "-" else dll32)
    for e in registration.all_entries(views, help_dir):
        if e.value is None:
            lines.add("%s" % e.key)
        elif e.kind == "integer":
            lines.add("%s|%s|dword:%08x" % (e.key, e.name or "@", e.value))
        else:
            lines.add("%s|%s|%s" % (e.key, e.name or "@", e.value))
    return {canonical(line) for line in lines}


def read(path, root):
    """Below root: every value, and every key that is empty (no value, no subkey)."""
    prefix = root.lower() + "\\"
    entries = [(k[len(prefix):], n, d) for k, n, d in parse(path) if k.lower().startswith(prefix)]
    entries = [e for e in entries if owned(e[0])]
    keys = {k for k, n, d in entries}
    parents = {k.rsplit("\\", 1)[0] for k in keys if "\\" in k}
    lines = {"%s|%s|%s" % (k, n or "@", d) for k, n, d in entries if d is not None}
    filled = {k for k, n, d in entries if d is not None}
    lines |= {k for k in keys if k not in filled and k not in parents}
    return {canonical(line) for line in lines}


def canonical(line):
    """Key names compare without regard to case, as the registry does."""
    key, _, rest = line.partition("|")
    return key.lower() + ("|" + rest if rest else "")


def main():
    command = sys.argv[1]
    if command == "expect":
        out = expected(*sys.argv[2:5])
    elif command == "read":
        out = read(sys.argv[2], sys.argv[3])
    elif command == "owned":
        out = every_owned_key()
    elif command == "mirror":
        mirror(*sys.argv[2:6])
        return
    else:
        write_reg(sys.argv[3], ["[-%s\\%s]\r\n" % (sys.argv[2], k) for k in class_keys()])
        return
    for line in sorted(out):
        print(line)


if __name__ == "__main__":
    main()
