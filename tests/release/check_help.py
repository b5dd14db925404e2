#!/usr/bin/env python3
"""check_help.py CHM WORKDIR [--release]: extracts the help file with extract_chmLib and
checks it against what the DLL refers to:
- the topic "index.htm" that the Help command opens;
- every help topic number the worksheet functions register
  (worksheet/FunctionTable.cpp, qdists/Distributions.def) and every help context of the type library
  (resources/Stochal.idl) maps, through the file's context table (#IVB and
  #STRINGS), to a topic inside the file;
- every local link and picture of every topic exists in the file;
- the function topics name their function and each of its arguments.
With --release, every picture must be a real one: a PNG of a dialog's
size, not the placeholder that tests build (marked in its comment).
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
    listed = re.sub(r"//[^\n]*", "", source("qdists/Distributions.def"))
    functions.update((int(n), name) for name, n in
                     re.findall(r'\d+, \w+,\s*(\w+), \w+, "[^"]*", (\d+),', listed))
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


def picture_failures(folder, pictures):
    """Why each picture is not one a release may ship."""
    failures = []
    for picture in pictures:
        with open(os.path.join(folder, picture), "rb") as image:
            data = image.read()
        if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
            failures.append("%s is no PNG" % picture)
            continue
        width, height = struct.unpack_from(">II", data, 16)
        if b"placeholder" in data.lower():
            failures.append("%s is a placeholder" % picture)
        elif width < 150 or height < 80:
            failures.append("%s is %dx%d, too small for a dialog" % (picture, width, height))
    return failures


def main():
    chm, work = sys.argv[1], sys.argv[2]
    release = sys.argv[3:] == ["--release"]
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
    pictures = set()
    for name in pages:
        with open(os.path.join(folder, name), encoding="utf-8") as page:
            text = page.read()
        for link in re.findall(r'(?:href|src)="([^"#:]+)', text):
            if not exists(link):
                failures.append("%s links to missing %s" % (name, link))
        pictures.update(p for p in re.findall(r'<img src="([^"#:]+)"', text) if exists(p))
    if release:
        failures += picture_failures(folder, sorted(pictures))
    for failure in failures:
        print("FAIL:", failure)
    print("%d topics, %d contexts, %d pictures checked: %s" % (
        len(pages), len(set(functions) | library), len(pictures), "failed" if failures else "ok"))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
