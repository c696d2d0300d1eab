#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Calls the search provider on the session bus for each typed text of a table and compares the
titles GNOME Shell and KRunner get with the table's. Usage: typing_steps.py TABLE [--print]"""
import ast
import re
import subprocess
import sys

NAME = "org.example.Mezzurix.SearchProvider"
GNOME = ("/org/example/Mezzurix/SearchProvider", "org.gnome.Shell.SearchProvider2.")
KRUNNER = ("/runner", "org.kde.krunner1.")


def call(where, method, *args):
    out = subprocess.run(["gdbus", "call", "--session", "--timeout", "5", "--dest", NAME,
                          "--object-path", where[0], "--method", where[1] + method, "--", *args],
                         capture_output=True, text=True, check=True).stdout.strip()
    return re.sub(r"^\(@\w+(\{\w+\})? ", "(", out)


def ids_of(reply):
    return ast.literal_eval(reply)[0]


def gnome_titles(ids):
    if not ids:
        return []
    metas = call(GNOME, "GetResultMetas", repr(ids))
    return re.findall(r"'name': <'((?:[^'\\]|\\.)*)'>", metas)


def krunner_titles(text):
    return re.findall(r"\('(?:[^'\\]|\\.)*', '((?:[^'\\]|\\.)*)'", call(KRUNNER, "Match", text))


def main():
    table, printing = sys.argv[1], "--print" in sys.argv[2:]
    failed = False
    previous = []
    with open(table, encoding="utf-8") as rows:
        for line in rows:
            if not line.strip() or line.startswith("#"):
                continue
            text, _, want = line.rstrip("\n").partition("\t")
            terms = repr(text.split())
            first = ids_of(call(GNOME, "GetInitialResultSet", terms))
            refined = ids_of(call(GNOME, "GetSubsearchResultSet", repr(previous), terms))
            previous = first
            gnome = gnome_titles(first)
            krunner = krunner_titles(text)
            shown = " | ".join(gnome)
            if printing:
                print(f"{text}\t{shown}" + ("" if krunner == gnome else f"\tKRunner: {' | '.join(krunner)}"))
                continue
            for who, got in (("GNOME Shell", gnome), ("KRunner", krunner)):
                if " | ".join(got) != want:
                    print(f"{text!r}: {who} shows {' | '.join(got)!r}, not {want!r}", file=sys.stderr)
                    failed = True
            if refined != first:
                print(f"{text!r}: the refinement gives {refined}, a fresh search {first}", file=sys.stderr)
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
