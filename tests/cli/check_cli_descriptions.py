#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the built mezzurix-convert under the locale of each language with unit names
(engine/units/names/<code>.po): its --list shows every unit's description and every category in
that language and no English description the language does not spell alike, --explain describes
both units in it, and an error names both categories in it.

Usage: check_cli_descriptions.py PATH_TO_MEZZURIX_CONVERT NAMES_DIR
"""
import glob
import os
import re
import subprocess
import sys

PROGRAM = sys.argv[1]
NAMES_DIR = sys.argv[2]
failures = []
ENTRY = re.compile(r'^msgctxt "([a-z0-9_]+)\|(description|category)"\nmsgid "(.*)"\nmsgstr "(.*)"$', re.M)
# A query of two units of the window and a typed-only one, and one across two categories.
EXPLAINED = ("1 lb to kg", ("pound", "kilogram"))
TYPED_ONLY = ("1 h to min", ("hour", "minute"))
ACROSS = ("5 kg to h", ("mass", "time"))
# A refusal that names the two categories without units.
DENSITY = ("2 cups of flour to grams", ("volume", "mass"))


def run(locale, *args):
    env = dict(os.environ, LC_ALL=locale)
    env.pop("LANGUAGE", None)
    return subprocess.run([PROGRAM, *args], capture_output=True, env=env, timeout=20)


def entries(code):
    """The catalogue's descriptions and category names: {(key, role): (english, translation)}."""
    with open(os.path.join(NAMES_DIR, code + ".po"), encoding="utf-8") as po:
        return {(key, role): (english, text) for key, role, english, text in ENTRY.findall(po.read())}


def locale_of(code):
    return f"{code}.UTF-8" if "_" in code else f"{code}_{code.upper()}.UTF-8"


codes = sorted(os.path.basename(po)[:-3] for po in glob.glob(os.path.join(NAMES_DIR, "*.po")))
if not codes:
    failures.append(f"no catalogues in {NAMES_DIR}")
for code in codes:
    locale = locale_of(code)
    table = entries(code)
    described = {text for (key, role), (_, text) in table.items() if role == "description"}
    # An English description is shown only where the language's is the same words.
    english = {source for (key, role), (source, text) in table.items() if role == "description" and source != text}
    categories = {text for (key, role), (_, text) in table.items() if role == "category"}
    # The units' part of the list, up to the sentence on composed units; the currencies follow.
    listing = run(locale, "--list").stdout.decode().split(".\n", 1)[0]
    shown = []
    for line in listing.splitlines():
        if line.startswith("  ") and " \u2014 " in line:
            shown.append(line.split(" \u2014 ", 1)[1].rsplit(":", 1)[0].rstrip("\u00a0"))
        elif not line.startswith(" ") and line not in categories and line != listing.splitlines()[-1]:
            failures.append(f"{locale} --list: the category {line!r} is not the language's")
    for description in shown:
        if description not in described or description in english:
            failures.append(f"{locale} --list: {description!r} is no description of the language")
    if sorted(shown) != sorted(text for (key, role), (_, text) in table.items() if role == "description"):
        failures.append(f"{locale} --list: {len(shown)} descriptions shown, the catalogue has {len(described)}")
    if "(typed only)" in listing:
        failures.append(f"{locale} --list: (typed only) in English")
    for query, keys in (EXPLAINED, TYPED_ONLY):
        explained = run(locale, "--explain", query).stdout.decode()
        for key in keys:
            source, text = table[(key, "description")]
            if not re.search(f":\\s{re.escape(text)}\\s?;", explained) or (source != text and source in explained):
                failures.append(f"{locale} --explain {query!r}: {key} is not described as {text!r}:\n{explained}")
    # The explanation writes its factors with the answer's decimal sign.
    answer, *lines = run(locale, "--regional", "--explain", "2 kg to lb").stdout.decode().splitlines()
    if re.search(r"\d,\d", answer) and any(re.search(r"\d\.\d", line) for line in lines):
        failures.append(f"{locale} --explain: factors with '.' after the answer {answer!r}:\n" + "\n".join(lines))
    query, keys = ACROSS
    message = run(locale, query).stderr.decode()
    for key in keys:
        if f"({table[(key, 'category')][1]})" not in message:
            failures.append(f"{locale} {query!r}: no category {table[(key, 'category')][1]!r} in {message!r}")
    query, keys = DENSITY
    message = run(locale, query).stderr.decode()
    for key in keys:
        source, text = table[(key, "category")]
        if text not in message or (source != text and re.search(rf"\b{re.escape(source)}\b", message)):
            failures.append(f"{locale} {query!r}: the category {text!r} is not named in {message!r}")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"{len(codes)} languages' descriptions checked")
