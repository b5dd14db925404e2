#!/usr/bin/env python3
"""check_help.py CHM WORKDIR: extracts the help file with extract_chmLib and
checks it against what the DLL refers to:
- the topic "index.htm" that the Help command opens;
- every help topic number the worksheet functions register
  (worksheet/FunctionTable.cpp) and every help context of the type library
  (resources/Stochal.idl) maps, through the file's context table (#IVB and
  #STRINGS), to a topic inside the file;
- every local link and picture of every topic exists in the file;
- the function topics name their function and each of its arguments.
The numbers are read here from the sources on their own, not through the
help builder, so a number the builder leaves out is caught."""

import os
import re
import shutil
import struct
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def source(relative):
    with open(os.path.join(ROOT, relative), encoding="utf-8") as text:
        return text.read()


def referenced_contexts():
    table = source("worksheet/FunctionTable.cpp")
    functions = {int(n): name for name, n in re.findall(r'"(\w+)", k\w+,\s*"[^"]*", (\d+)\)', table)}
    library = set(int(n) for n in re.findall(r"helpcontext\((\d+)\)", source("resources/Stochal.idl")))
    return functions, library


def context_table(folder):
    """context number -> topic path, from #IVB (pairs of context number and
    offset into #STRINGS, after a length word)."""
    with open(os.path.join(folder, "#IVB"), "rb") as ivb:
        data = ivb.read()
    with open(os.path.join(folder, "#STRINGS"), "rb") as strings:
        names = strings.read()
    (length,) = struct.unpack_from("<I", data, 0)
    table = {}
    for offset in range(4, 4 + length, 8):
        number, at = struct.unpack_from("<II", data, offset)
        table[number] = names[at:names.index(b"\0", at)].decode("utf-8")
    return table


def main():
    chm, work = sys.argv[1], sys.argv[2]
    folder = os.path.join(work, "extracted")
    shutil.rmtree(folder, ignore_errors=True)
    subprocess.run(["extract_chmLib", chm, folder], check=True, stdout=subprocess.DEVNULL)
    failures = []

    def exists(topic):
        return os.path.isfile(os.path.join(folder, topic.split("#")[0].lstrip("/")))

    if not exists("index.htm"):
        failures.append("no index.htm")
    functions, library = referenced_contexts()
    if len(functions) != 19 or not library:
        failures.append("read %d function topics and %d library contexts" % (len(functions), len(library)))
    table = context_table(folder)
    for number in sorted(set(functions) | library):
        if number not in table:
            failures.append("context %d is not mapped" % number)
        elif not exists(table[number]):
            failures.append("context %d maps to missing %s" % (number, table[number]))
    for number, name in functions.items():
        topic = table.get(number, "")
        if exists(topic):
            with open(os.path.join(folder, topic.lstrip("/")), encoding="utf-8") as page:
                text = page.read()
            if "<h1>%s</h1>" % name not in text:
                failures.append("context %d (%s) opens %s" % (number, name, topic))
    pages = [f for f in os.listdir(folder) if f.endswith(".htm")]
    for name in pages:
        with open(os.path.join(folder, name), encoding="utf-8") as page:
            for link in re.findall(r'(?:href|src)="([^"#:]+)', page.read()):
                if not exists(link):
                    failures.append("%s links to missing %s" % (name, link))
    for failure in failures:
        print("FAIL:", failure)
    print("%d topics, %d contexts checked: %s" % (len(pages), len(set(functions) | library),
                                                  "failed" if failures else "ok"))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
