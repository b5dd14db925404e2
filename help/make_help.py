#!/usr/bin/env python3
"""Builds StochalHelp.chm: writes the topics, the contents, the index and the
context map into a staging folder, then compiles them with chmcmd.

usage: make_help.py --stage DIR --out FILE (--shots DIR | --placeholders)

The worksheet functions' names, arguments and topic numbers are read from
worksheet/FunctionTable.cpp and, for the distributions, from
qdists/Distributions.def; the Generator methods with their help
contexts from resources/Stochal.idl. Dialog pictures are taken from --shots
(PNG files named as in topics.COMMANDS); a picture missing there fails the
build. Only with --placeholders (for tests, which need no pictures) does a
missing picture become a placeholder, drawn as one and marked in the PNG's
comment with PLACEHOLDER_MARK, so a check can refuse it."""

import argparse
import html
import os
import re
import shutil
import subprocess
import sys

import topics

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HERE = os.path.dirname(os.path.abspath(__file__))
PLACEHOLDER_MARK = "Stochal help placeholder picture"


def read(relative):
    with open(os.path.join(ROOT, relative), encoding="utf-8") as source:
        return source.read()


def listed_functions():
    """The distributions' worksheet functions, from the list of distributions."""
    text = re.sub(r"//[^\n]*", "", read("qdists/Distributions.def"))
    functions = []
    for entry in text.split("STOCHAL_DISTRIBUTION(")[1:]:
        name, help_text, topic = re.match(
            r'\w+, \w+, "[^"]*", \d+, \w+,\s*(\w+), \w+, "([^"]*)", (\d+),', entry).groups()
        arguments = re.findall(r'\((?:Whole|Real|Optional), (\w+), \w+,\s*"([^"]*)"', entry)
        functions.append((name, arguments, help_text, int(topic)))
    return functions


def worksheet_functions():
    """(name, [(argument, help)], help text, topic) in registration order."""
    text = read("worksheet/FunctionTable.cpp")
    arg_lists = {}
    for name, body in re.findall(r"constexpr ArgText (k\w+)\[\] = \{(.*?)\};", text, re.S):
        arg_lists[name] = re.findall(r'\{"([^"]*)",\s*"([^"]*)"\}|(kSeed)', body)
    seed = re.search(r'constexpr ArgText kSeed = \{"([^"]*)",\s*"([^"]*)"\}', text).groups()
    table = text[text.index("BuildTable()"):]
    before, after = table.split('#include "qdists/Distributions.def"')

    def rows(part):
        found = re.findall(r'Row\(&\w+, "\w+", "(\w+)", (k\w+),\s*"([^"]*)", (\d+)\)', part)
        return [(name, [seed if s else (a, h) for a, h, s in arg_lists[args]], help_text, int(topic))
                for name, args, help_text, topic in found]

    return rows(before) + listed_functions() + rows(after)


def generator_methods():
    """(name, parameter text, help string, help context) in interface order."""
    idl = read("resources/Stochal.idl")
    body = re.search(r"interface IGenerator : IDispatch\s*\{(.*?)\};", idl, re.S).group(1)
    pattern = r'\[id\(\d+\), helpstring\("([^"]*)"\), helpcontext\((\d+)\)\]\s*HRESULT (\w+)\((.*?)\);'
    return [(name, " ".join(params.split()), helpstring, int(context))
            for helpstring, context, name, params in re.findall(pattern, body, re.S)]


def class_context():
    idl = read("resources/Stochal.idl")
    return int(re.search(r'helpcontext\((\d+)\)\s*\]\s*coclass Generator', idl).group(1))


def page(title, body):
    return ("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html><head>"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
            "<title>%s</title><link rel=\"stylesheet\" href=\"style.css\"></head><body>\n"
            "<h1>%s</h1>\n%s\n<p class=\"nav\"><a href=\"index.htm\">Stochal help</a></p>"
            "</body></html>\n") % (html.escape(title), html.escape(title), body)


def function_file(name):
    return name.lower() + ".htm"


def method_file(name):
    return "generator-" + name.lower() + ".htm"


def function_page(name, arguments, help_text):
    summary, meanings, result, example, note = topics.FUNCTIONS[name]
    signature = "%s(%s)" % (name, ", ".join(a for a, _ in arguments))
    rows = "".join("<tr><td><code>%s</code></td><td>%s</td></tr>" % (html.escape(a), html.escape(meanings[a]))
                   for a, _ in arguments)
    body = ("<p>%s</p><p class=\"syntax\"><code>%s</code></p>"
            "<h2>Arguments</h2><table>%s</table>"
            "<h2>Result</h2><p>%s</p>"
            "<h2>Errors</h2><p><code>#VALUE!</code> when an argument is outside the values above "
            "or cannot be read as a number. The function is volatile: it draws again at every "
            "recalculation, unless it takes a seed and is given one.</p>"
            "<h2>Example</h2><p><code>%s</code> %s</p>"
            "<p class=\"note\">Function Wizard text: %s</p>") % (
        html.escape(summary), html.escape(signature), rows, html.escape(result),
        html.escape(example), html.escape(note), html.escape(help_text))
    return page(name, body)


def method_page(name, params, helpstring):
    body = ("<p>%s. A method of the <a href=\"generator.htm\">Generator</a> class.</p>"
            "<p class=\"syntax\"><code>HRESULT %s(%s)</code></p>"
            "<h2>Result and errors</h2><p>The [out, retval] value is the result in VBA. "
            "Parameters that the matching worksheet function would refuse make the call fail "
            "with <code>E_INVALIDARG</code> (in VBA: run-time error 5, invalid procedure call "
            "or argument), and nothing is drawn.</p>") % (
        html.escape(helpstring), html.escape(name), html.escape(params))
    return page("Generator." + name, body)


def generator_page(methods):
    items = "".join("<li><a href=\"%s\">%s</a> &mdash; %s</li>" % (method_file(n), n, html.escape(h))
                    for n, _, h, _ in methods)
    body = ("<p>The automation class <code>Generator</code> (ProgID <code>Stochal.Generator</code>) "
            "lets macros draw the same numbers as the worksheet functions. All instances share "
            "one engine with the worksheet functions and the commands, so <code>Seed</code> "
            "makes everything that follows reproducible.</p>"
            "<h2>VBA example</h2><pre>Sub SeededNumbers()\n"
            "    Dim g As Object\n"
            "    Set g = CreateObject(\"Stochal.Generator\")\n"
            "    g.Seed 1\n"
            "    Range(\"A1\").Value = g.Next               ' 0.973821102175862\n"
            "    Range(\"A2\").Value = g.NextBetween(1, 6)\n"
            "    Range(\"A3\").Value = g.NextNormal(100, 15)\n"
            "End Sub</pre>"
            "<p>With a reference to \"Stochal 1.0 Type Library\" (Tools, References in the VBA "
            "editor) you can declare <code>Dim g As New Stochal.Generator</code> instead.</p>"
            "<h2>Methods</h2><ul>%s</ul>") % items
    return page("The Generator class", body)


def command_page(caption, title, shots, description):
    pictures = "".join("<p><img src=\"images/%s\" alt=\"%s\"></p>" % (image, html.escape(alt))
                       for image, alt in shots)
    body = "<p>Menu: Tools, Stochal, %s &mdash; ribbon: Stochal tab.</p><p>%s</p>%s" % (
        html.escape(caption), html.escape(description), pictures)
    return page(title, body)


def index_page(functions):
    commands = "".join("<li><a href=\"%s\">%s</a></li>" % (f, html.escape(c)) for f, c, _, _, _ in topics.COMMANDS)
    funcs = "".join("<li><a href=\"%s\">%s</a> &mdash; %s</li>" % (
        function_file(n), n, html.escape(topics.FUNCTIONS[n][0])) for n, _, _, _ in functions)
    body = ("<p>Stochal is a random-number add-in for Microsoft Excel: worksheet functions for "
            "uniform numbers, sixteen distributions and samples, menu commands that fill, sample "
            "and shuffle ranges, and an automation class for macros.</p>"
            "<h2>Commands</h2><p>In Excel with menus, the commands are under Tools, Stochal; "
            "with the ribbon, on the Stochal tab (groups Random Numbers and Stochal).</p><ul>%s"
            "<li>Help... opens this file.</li></ul>"
            "<h2>Worksheet functions</h2><p>In the Function Wizard under the category Stochal.</p>"
            "<ul>%s</ul>"
            "<h2>Macros</h2><p><a href=\"generator.htm\">The Generator class</a>.</p>"
            "<h2>Seeds and reproducibility</h2><p>Every number comes from one Mersenne Twister "
            "(MT19937) engine with a fixed seeding rule, so the same seed gives the same numbers "
            "on every machine and in every version. QRAND and QRANDBETWEEN take an optional seed "
            "(a whole number of at least 1): a seeded cell keeps its value at every recalculation "
            "and does not disturb the other functions. <code>Generator.Seed</code> reseeds the "
            "shared engine that the other functions, the commands and the macros draw from. "
            "The command-line tool <code>stochal</code> runs the same engine outside Excel to "
            "check a workbook's numbers.</p>"
            "<h2>Where the numbers come from</h2><p>Uniform numbers are MT19937 words scaled to "
            "[0, 1); whole numbers in a range are mapped without bias. Distribution functions "
            "draw by inverting the distribution function of a uniform number where that is exact "
            "and by the published samplers otherwise; discrete samples and shuffles use the same "
            "engine.</p>") % (commands, funcs)
    return page("Stochal help", body)


STYLE = ("body{font-family:Verdana,Arial,sans-serif;font-size:10pt;margin:12px}"
         "h1{font-size:14pt}h2{font-size:11pt;margin-top:14px}"
         "table{border-collapse:collapse}td{border:1px solid #ccc;padding:3px 6px;vertical-align:top}"
         "pre,code{font-family:'Courier New',monospace}.syntax{font-size:11pt}"
         ".note,.nav{color:#555;font-size:9pt}")


def placeholder(path, alt):
    subprocess.run(["convert", "-size", "640x90", "xc:#f4f4f4", "-fill", "#a00000", "-pointsize", "13",
                    "-gravity", "center", "-annotate", "0", "PLACEHOLDER: %s, not taken" % alt,
                    "-set", "comment", PLACEHOLDER_MARK, path], check=True)


def add_pictures(stage, shots_folder):
    """Copies every command's pictures into the stage, or draws placeholders
    when shots_folder is None; a picture missing from the folder fails."""
    missing = []
    for _, _, _, shots, _ in topics.COMMANDS:
        for image, alt in shots:
            target = os.path.join(stage, "images", image)
            if shots_folder is None:
                placeholder(target, alt)
            elif os.path.isfile(os.path.join(shots_folder, image)):
                shutil.copy(os.path.join(shots_folder, image), target)
            else:
                missing.append(image)
    if missing:
        sys.exit("help: no picture %s in %s" % (", ".join(missing), shots_folder))


def write(stage, name, text):
    with open(os.path.join(stage, name), "w", encoding="utf-8") as out:
        out.write(text)


def context_map(functions, methods):
    """context number -> topic file."""
    mapping = {topic: function_file(name) for name, _, _, topic in functions}
    mapping[class_context()] = "generator.htm"
    for name, _, _, context in methods:
        mapping[context] = method_file(name)
    return mapping


def project(files, mapping, chm_name):
    aliases = "".join("IDH_%d=%s\n" % (n, f) for n, f in sorted(mapping.items()))
    defines = "".join("#define IDH_%d %d\n" % (n, n) for n in sorted(mapping))
    return ("[OPTIONS]\nCompiled file=%s\nContents file=toc.hhc\nIndex file=index.hhk\n"
            "Default topic=index.htm\nTitle=Stochal Help\nLanguage=0x409 English (United States)\n\n"
            "[FILES]\n%s\n[ALIAS]\n%s\n[MAP]\n%s") % (chm_name, "\n".join(files) + "\n", aliases, defines)


def sitemap(entries, tag):
    items = "".join("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%s\">"
                    "<param name=\"Local\" value=\"%s\"></OBJECT>\n" % (html.escape(n), f) for n, f in entries)
    return "<HTML><BODY><OBJECT type=\"text/site properties\"></OBJECT><%s>\n%s</%s></BODY></HTML>\n" % (
        tag, items, tag)


def compile_chm(stage, chm_name):
    """chmcmd records a context's topic under the project folder's full path;
    run from a root of its own, that path is the topic's path inside the CHM."""
    root_bin = os.path.join(stage, "bin")
    os.makedirs(root_bin, exist_ok=True)
    shutil.copy(os.path.realpath(shutil.which("chmcmd")), os.path.join(root_bin, "chmcmd"))
    libs = subprocess.run(["ldd", os.path.join(root_bin, "chmcmd")], capture_output=True, text=True).stdout
    needed = re.findall(r"(/\S+)", libs) + ["/lib/x86_64-linux-gnu/libpthread.so.0",
                                            "/lib/x86_64-linux-gnu/libdl.so.2"]
    for lib in needed:
        if os.path.exists(lib):
            target = os.path.join(stage, lib.lstrip("/"))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy(os.path.realpath(lib), target)
    command = ["chroot", ".", "/bin/chmcmd", "--no-html-scan", "StochalHelp.hhp"]
    if os.geteuid() != 0:
        command = ["unshare", "-r"] + command
    result = subprocess.run(command, cwd=stage, capture_output=True, text=True)
    if result.returncode != 0 or not os.path.exists(os.path.join(stage, chm_name)):
        sys.exit("chmcmd failed (%d): %s%s" % (result.returncode, result.stdout, result.stderr))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stage", required=True)
    parser.add_argument("--out", required=True)
    pictures = parser.add_mutually_exclusive_group(required=True)
    pictures.add_argument("--shots", help="folder of the dialog pictures (PNG)")
    pictures.add_argument("--placeholders", action="store_true", help="marked placeholder pictures, for tests")
    args = parser.parse_args()

    if os.path.exists(args.stage):
        shutil.rmtree(args.stage)
    os.makedirs(os.path.join(args.stage, "images"))
    functions = worksheet_functions()
    methods = generator_methods()
    files = ["index.htm", "generator.htm", "style.css"]
    write(args.stage, "style.css", STYLE)
    write(args.stage, "index.htm", index_page(functions))
    write(args.stage, "generator.htm", generator_page(methods))
    for name, arguments, help_text, _ in functions:
        write(args.stage, function_file(name), function_page(name, arguments, help_text))
        files.append(function_file(name))
    for name, params, helpstring, _ in methods:
        write(args.stage, method_file(name), method_page(name, params, helpstring))
        files.append(method_file(name))
    for file_name, caption, title, shots, description in topics.COMMANDS:
        write(args.stage, file_name, command_page(caption, title, shots, description))
        files += [file_name] + ["images/" + image for image, _ in shots]
    add_pictures(args.stage, None if args.placeholders else args.shots)
    toc = [("Stochal help", "index.htm")]
    toc += [(c.rstrip("."), f) for f, c, _, _, _ in topics.COMMANDS]
    toc += [(n, function_file(n)) for n, _, _, _ in functions]
    toc += [("Generator class", "generator.htm")] + [("Generator." + n, method_file(n)) for n, _, _, _ in methods]
    write(args.stage, "toc.hhc", sitemap(toc, "UL"))
    write(args.stage, "index.hhk", sitemap(sorted(toc[1:]), "UL"))
    chm_name = os.path.basename(args.out)
    write(args.stage, "StochalHelp.hhp", project(files, context_map(functions, methods), chm_name))
    compile_chm(args.stage, chm_name)
    shutil.copy(os.path.join(args.stage, chm_name), args.out)


if __name__ == "__main__":
    main()
