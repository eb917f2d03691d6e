#!/usr/bin/env python3
"""Where a Windows program's bytes come from, read from the GNU ld map its link writes
(build-windows/ampora.map): the input sections the linker kept in the loaded sections, summed by
library, largest first; with --objects, the largest objects too.
    bench/link-map.py MAP [--objects N]"""
import re
import sys
from collections import Counter

# Sections that take room in the file; the symbol table and debug sections are stripped.
LOADED = {".text", ".data", ".rdata", ".pdata", ".xdata", ".tls", ".idata", ".CRT", ".rsrc"}
GROUPS = [  # the first pattern that matches an input file (library and member) names its group
    (r"qrc_qstyle", "Qt Widgets' standard icons (resources)"),
    (r"libQt6Gui\.a|Gui_resources", "Qt Gui"),
    (r"libQt6Core\.a|Core_resources", "Qt Core"),
    (r"libQt6Widgets\.a|Widgets_resources", "Qt Widgets"),
    (r"libQt6Svg", "Qt Svg"),
    (r"qwindows|QWindowsIntegration", "Windows platform plugin"),
    (r"libqsvg", "SVG image and icon plugins"),
    (r"Harfbuzz", "HarfBuzz"),
    (r"Freetype", "FreeType"),
    (r"Pcre2", "PCRE2"),
    (r"Libpng", "libpng"),
    (r"ZLIB", "zlib"),
    (r"libstdc\+\+", "libstdc++"),
    (r"/lib(gcc|gcc_eh|ssp|pthread|mingw32|mingwex|msvcrt|moldname)\.a|crt2|crtbegin|crtend",
     "C run-time, libgcc, threads"),
    (r"qrc_(art|fonts)|\.rc\.res", "Ampora's art, fonts and icon"),
    (r"ampora_|main\.cpp|Windows(DllSearch|Terminate)", "Ampora's code"),
    (r"\.a\(", "Windows import libraries and GUIDs"),
]


def group_of(path):
    for pattern, group in GROUPS:
        if re.search(pattern, path):
            return group
    return "other"


def main():
    if len(sys.argv) not in (2, 4) or (len(sys.argv) == 4 and sys.argv[2] != "--objects"):
        sys.exit("usage: link-map.py MAP [--objects N]")
    lines = open(sys.argv[1], encoding="utf-8", errors="replace").read().split("\n")
    entry = re.compile(r"^ (\S+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$")
    groups, objects = Counter(), Counter()
    output, pending = None, None
    for line in lines:
        if re.match(r"^\.\S+", line):
            output = line.split()[0]
            continue
        if output not in LOADED:
            continue
        if re.match(r"^ \S+$", line):  # a long section name: its figures are on the next line
            pending = line
            continue
        match = entry.match(line if pending is None or not line.startswith("      ") else
                            pending + line)
        pending = None
        if not match or "(size before relaxing)" in line:
            continue
        size, where = int(match.group(2), 16), match.group(3).strip()
        library = re.sub(r"\(.*\)$", "", where)
        groups[group_of(where)] += size
        objects[where.replace(library, library.rsplit("/", 1)[-1])] += size
    total = sum(groups.values())
    print(f"| Library | KB | Share |\n|---|---|---|")
    for group, size in groups.most_common():
        print(f"| {group} | {size / 1000:,.0f} | {100 * size / total:.1f} % |")
    print(f"| all | {total / 1000:,.0f} | |")
    if len(sys.argv) == 4:
        print()
        for where, size in objects.most_common(int(sys.argv[3])):
            print(f"{size / 1000:8,.1f} KB  {where}")


if __name__ == "__main__":
    main()
