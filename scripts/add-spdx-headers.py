#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

"""Puts the SPDX licence and copyright lines at the top of every source file.

    scripts/add-spdx-headers.py [--check] [FOLDER]

Each C++, CMake, shell and Python file that git tracks in FOLDER (the
repository by default) gets, as its first lines (after a #! line),

    // SPDX-License-Identifier: <licence of its folder>
    // SPDX-FileCopyrightText: 2026 The Quillbill developers

with "#" instead of "//" where that is the file's comment. The licences are
those of debian/copyright: the report engine (quirepress/) is under
LGPL-3.0-or-later, the examples under 0BSD, everything else under
GPL-3.0-or-later. A file that already carries a licence line is left as it
is, so a second run changes nothing; one whose line names another licence is
reported and fails the run. Report definitions, SQL scripts, translations,
pages, pictures and the like get no header: debian/copyright covers them.

--check changes nothing: it lists the files that would change, and fails if
there are any.

README.md shows examples/invoice-html/main.cpp whole, and .ci/run checks that
the two are the same: give the README's copy the same header.
"""

import os
import re
import subprocess
import sys

COPYRIGHT = "SPDX-FileCopyrightText: 2026 The Quillbill developers"

# The first folder that matches decides; keep these in step with the
# Files: stanzas of debian/copyright.
LICENCES = [
    ("quirepress/", "LGPL-3.0-or-later"),
    ("examples/", "0BSD"),
    ("", "GPL-3.0-or-later"),
]

# Never touched: the licence texts and the Debian packaging, which
# debian/copyright describes on its own.
SKIPPED_FOLDERS = ("LICENSES/", "debian/")

# The example that README.md shows whole.
README_EXAMPLE = "examples/invoice-html/main.cpp"

LICENCE_LINE = re.compile(r"SPDX-License-Identifier:\s*(\S+)")


def comment_of(path, first_line):
    """The line comment of the file's language, or None for no header."""
    name = os.path.basename(path)
    if name.endswith((".cpp", ".h", ".cpp.in", ".h.in")):
        return "//"
    if name == "CMakeLists.txt" or name.endswith((".cmake", ".cmake.in", ".sh", ".py", ".pc.in")):
        return "#"
    if first_line.startswith("#!"):
        return "#"
    return None


def licence_of(path):
    for folder, licence in LICENCES:
        if path.startswith(folder):
            return licence
    raise AssertionError(path)


def tracked_files(top):
    output = subprocess.run(["git", "-C", top, "ls-files", "-z"], check=True, capture_output=True).stdout
    return [name for name in output.decode().split("\0") if name]


def header_for(path, text):
    """The new text of the file, None when it needs no change, or raises
    ValueError when its licence line names another licence."""
    lines = text.splitlines(keepends=True)
    first = lines[0] if lines else ""
    comment = comment_of(path, first)
    if comment is None:
        return None
    licence = licence_of(path)
    for line in lines[:5]:
        found = LICENCE_LINE.search(line)
        if found:
            if found.group(1) != licence:
                raise ValueError(f"{path}: says {found.group(1)}, its folder is {licence}")
            return None
    newline = "\r\n" if first.endswith("\r\n") else "\n"
    header = [f"{comment} SPDX-License-Identifier: {licence}{newline}", f"{comment} {COPYRIGHT}{newline}"]
    keep = 1 if first.startswith("#!") else 0
    rest = lines[keep:]
    if rest and rest[0].strip():
        header.append(newline)
    return "".join(lines[:keep] + header + rest)


def main(arguments):
    check = "--check" in arguments
    folders = [argument for argument in arguments if argument != "--check"]
    top = folders[0] if folders else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    changed, failed = [], []
    for path in tracked_files(top):
        if path.startswith(SKIPPED_FOLDERS):
            continue
        full = os.path.join(top, path)
        if not os.path.isfile(full) or os.path.islink(full):
            continue
        with open(full, "rb") as file:
            raw = file.read()
        try:
            text = raw.decode("utf-8")
        except UnicodeDecodeError:
            continue
        try:
            new_text = header_for(path, text)
        except ValueError as problem:
            failed.append(str(problem))
            continue
        if new_text is None:
            continue
        changed.append(path)
        if not check:
            mode = os.stat(full).st_mode
            with open(full, "wb") as file:
                file.write(new_text.encode("utf-8"))
            os.chmod(full, mode)
    for path in changed:
        print(("would add a header: " if check else "header added: ") + path)
    if README_EXAMPLE in changed:
        print(f"README.md shows {README_EXAMPLE}: give its copy the same header (.ci/run compares them)")
    for problem in failed:
        print("licence line of another folder: " + problem, file=sys.stderr)
    print(f"{len(changed)} {'to change' if check else 'changed'}, {len(failed)} with another licence")
    return 1 if failed or (check and changed) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
