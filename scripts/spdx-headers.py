#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gives every file in git that has no SPDX header the two-line header, in its comment syntax.

Files that cannot carry a comment (pictures, data) are covered by .reuse/dep5 and left alone.
A file of a kind not listed below stops the sweep, so that none is passed over unseen.
Usage: scripts/spdx-headers.py (from anywhere in the repository)
"""
import fnmatch
import re
import subprocess
import sys
from pathlib import Path

COPYRIGHT = "2026 Mezzurix developers"
LICENSE = "GPL-3.0-or-later"
# AppStream wants its metadata under a permissive licence; the metainfo declares CC0-1.0.
OTHER_LICENSES = {"*.metainfo.xml*": "CC0-1.0"}
# Comment syntax by file name: what goes before and after each header line.
STYLES = [
    (("*.cpp", "*.h", "*.rc.in"), "// ", ""),
    (("CMakeLists.txt", "*.cmake", "*.sh", "*.py", "*.supp", ".gitignore", "*.desktop*",
      "*.service*", "*.ini*"), "# ", ""),
    (("*.md", "*.xml*", "*.qrc"), "<!-- ", " -->"),
    (("*.[1-8]",), '.\\" ', ""),
]
NOT_SWEPT = ("LICENSE", "LICENSES/*", ".reuse/*")
# Spelt in two pieces, so that licence scanners do not take this script's code for its header.
COPYRIGHT_TAG = "SPDX-" + "FileCopyrightText:"
LICENSE_TAG = "SPDX-" + "License-Identifier:"


def matches(path, patterns):
    return any(fnmatch.fnmatch(path, p) or fnmatch.fnmatch(Path(path).name, p) for p in patterns)


def dep5_patterns(root):
    text = (root / ".reuse" / "dep5").read_text()
    return [p for line in re.findall(r"^Files:(.*)$", text, re.M) for p in line.split()]


def style(path, first_line):
    for patterns, before, after in STYLES:
        if matches(path, patterns):
            return before, after
    if first_line.startswith("#!"):
        return "# ", ""
    return None


def main():
    root = Path(subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True,
                               text=True, check=True).stdout.strip())
    covered = dep5_patterns(root) + list(NOT_SWEPT)
    files = subprocess.run(["git", "-C", root, "ls-files"], capture_output=True, text=True,
                           check=True).stdout.split("\n")
    unknown, added = [], 0
    for path in filter(None, files):
        if matches(path, covered):
            continue
        try:
            lines = (root / path).read_text().splitlines(keepends=True)
        except UnicodeDecodeError:  # data: belongs in .reuse/dep5
            unknown.append(path)
            continue
        if any(LICENSE_TAG in line for line in lines[:10]):
            continue
        syntax = style(path, lines[0] if lines else "")
        if syntax is None:
            unknown.append(path)
            continue
        before, after = syntax
        license = next((l for p, l in OTHER_LICENSES.items() if matches(path, [p])), LICENSE)
        header = [f"{before}{COPYRIGHT_TAG} {COPYRIGHT}{after}\n",
                  f"{before}{LICENSE_TAG} {license}{after}\n"]
        # After a shebang or an XML declaration, which must stay first.
        at = 1 if lines and re.match(r"#!|<\?xml", lines[0]) else 0
        if at < len(lines) and lines[at].strip():
            header.append("\n")
        (root / path).write_text("".join(lines[:at] + header + lines[at:]))
        added += 1
    print(f"headers added to {added} files")
    if unknown:
        print("no comment syntax known for:", *unknown, sep="\n  ", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
