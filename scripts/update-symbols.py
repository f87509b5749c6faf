#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

"""Brings debian/libquirepress1.symbols up to the library last built by
scripts/build-packages.sh.

    scripts/update-symbols.py

Every symbol the library exports becomes a demangled (c++) line: a symbol
already in the file keeps the version it first appeared in, a new one gets
the version in debian/changelog. What the C++ standard library's templates
leave exported (std:: type information, virtual tables and local statics)
is marked optional: it follows the compiler, not the engine's interface.

A symbol the file has and the library no longer exports is printed and left
out. That breaks every program built against the older library: unless
nothing outside the engine could have used it, raise the SONAME (the major
version) instead. The package build fails on such a symbol until the file
is brought up to date.
"""

import os
import re
import subprocess
import sys
import tempfile

PACKAGE = "libquirepress1"
SYMBOLS = f"debian/{PACKAGE}.symbols"
SYMBOL_LINE = re.compile(r'^ (?:\((?P<tags>[^)]*)\))?(?P<name>"[^"]*"|\S+) (?P<version>\S+)$')
# What comes before the qualified name in a demangled name.
PREFIXES = ("typeinfo name for ", "typeinfo for ", "vtable for ", "guard variable for ", "void ")


def changelog(field):
    return subprocess.run(["dpkg-parsechangelog", "-S", field], check=True, capture_output=True, text=True).stdout.strip()


def demangled(names):
    output = subprocess.run(["c++filt"], input="\n".join(names) + "\n", check=True, capture_output=True, text=True)
    return output.stdout.splitlines()


def from_standard_library(name):
    for prefix in PREFIXES:
        if name.startswith(prefix):
            name = name[len(prefix):]
    return name.startswith(("std::", "__gnu_cxx::"))


def main():
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    upstream = re.sub(r"-[^-]*$", "", changelog("Version"))
    built = f"build-package/quillbill-{upstream}/debian/{PACKAGE}"
    if not os.path.isdir(built):
        sys.exit(f"no {built}: run scripts/build-packages.sh first")

    with tempfile.NamedTemporaryFile("r", suffix=".symbols") as generated:
        command = ["dpkg-gensymbols", f"-p{PACKAGE}", f"-P{built}", f"-v{upstream}", "-c0", "-q", f"-O{generated.name}"]
        if os.path.exists(SYMBOLS):
            command.append(f"-I{SYMBOLS}")
        subprocess.run(command, check=True)
        lines = generated.read().splitlines()

    header = [line for line in lines if line and not line.startswith((" ", "#", "*"))]
    symbols, missing, mangled = [], [], []
    for line in lines:
        if line.lstrip().startswith("#MISSING"):
            missing.append(line)
            continue
        found = SYMBOL_LINE.match(line)
        if not found:
            continue
        tags = [tag for tag in (found.group("tags") or "").split("|") if tag]
        name = found.group("name")
        if "c++" in tags:
            symbols.append((name.strip('"'), tags, found.group("version")))
        else:
            mangled.append((name, tags, found.group("version")))
    names = [name.split("@")[0] for name, _, _ in mangled]
    for (name, tags, version), readable in zip(mangled, demangled(names)):
        tags = ["c++"] + tags
        if from_standard_library(readable) and not any(tag.startswith("optional") for tag in tags):
            tags.append("optional=templinst")
        symbols.append((readable + "@" + name.split("@", 1)[1], tags, version))

    # A constructor's or destructor's variants (complete, base object,
    # deleting) demangle alike: one (c++) line stands for them all.
    lines_by_name = {}
    for name, tags, version in sorted(symbols):
        lines_by_name.setdefault(name, f' ({"|".join(tags)})"{name}" {version}')
    before = set()
    if os.path.exists(SYMBOLS):
        with open(SYMBOLS) as file:
            before = {line.rstrip("\n") for line in file}
    with open(SYMBOLS, "w") as file:
        for line in header:
            file.write(line + "\n")
        file.write("* Build-Depends-Package: libquirepress-dev\n")
        for name in sorted(lines_by_name):
            file.write(lines_by_name[name] + "\n")
    added = [line for line in lines_by_name.values() if line not in before]
    print(f"{SYMBOLS}: {len(lines_by_name)} lines, {len(added)} new")
    for line in added:
        print("new: " + line.strip())
    for line in missing:
        print("no longer exported, left out: " + line, file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
