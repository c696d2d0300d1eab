#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the bash completion of mezzurix-convert in bash, as bash calls it, for every unit name.

Usage: check_completion.py PATH_TO_COMPLETION PATH_TO_MEZZURIX_CONVERT
"""
import json
import os
import pty
import select
import subprocess
import sys
import tempfile
import time

COMPLETION, PROGRAM = os.path.abspath(sys.argv[1]), sys.argv[2]
failures = []

# Each case: the words as bash splits the line (the last is being completed). bash gets them all
# at once and prints, for each, the replies and the options the function asked for.
DRIVER = r'''
source "$1"
compopt() { local IFS=" "; options+=("$*"); }
while IFS= read -r -d '' line; do
    eval "COMP_WORDS=($line)"
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=() options=()
    _mezzurix_convert
    ((${#COMPREPLY[@]} == 0)) || printf '%s\x1f' "${COMPREPLY[@]}"
    printf '\x1e%s' "${options[*]}"
    printf '\x1d'
done
'''


def complete(cases):
    """The replies and options for each case, a list of words; every reply list is checked to
    hold each reply once and no empty one."""
    text = "".join(" ".join("'" + w.replace("'", "'\\''") + "'" for w in words) + "\0" for words in cases)
    result = subprocess.run(["bash", "-c", DRIVER, "driver", COMPLETION], input=text.encode(),
                            capture_output=True, timeout=600, env=dict(os.environ, LC_ALL="C.UTF-8"))
    if result.returncode != 0:
        sys.exit(f"bash failed: {result.stderr.decode()}")
    answers = []
    for record in result.stdout.decode().split("\x1d")[:-1]:
        replies, options = record.split("\x1e")
        listed = replies.split("\x1f")[:-1]
        if len(listed) != len(set(listed)) or "" in listed:
            failures.append(f"replies repeated or empty: {listed[:12]}")
        answers.append((listed, options))
    return answers


def escaped(name):
    return name.replace(" ", "\\ ").replace("(", "\\(").replace(")", "\\)")


listing = [json.loads(line) for line in subprocess.run([PROGRAM, "--list", "--json"], capture_output=True,
                                                       check=True).stdout.decode().splitlines()]
category_of = {}
for entry in listing:
    for unit in entry["units"]:
        for name in unit["names"]:
            category_of.setdefault(name.lower(), set()).add(entry["category"])
names = [name for entry in listing for unit in entry["units"] for name in unit["names"] if not set(name) & set("'\"")]

with tempfile.TemporaryDirectory() as folder:
    os.mkdir(os.path.join(folder, "queries dir"))
    P = "mezzurix-convert"
    # (name, words, replies the reply list starts with, replies it must hold, options asked for)
    ROWS = [
        ("file after -f", [P, "-f", folder + "/quer"], [folder + "/queries dir"], [], "-o filenames"),
        ("file after --file", [P, "--file", folder + "/q"], [folder + "/queries dir"], [], "-o filenames"),
        ("decimals", [P, "-d", "3"], ["3", "30"], [], ""),
        ("list", [P, "--list", "ma"], ["mass"], [], ""),
        ("options", [P, "--js"], ["--json"], [], ""),
        ("rates options", [P, "--"], [], ["--update-rates", "--offline"], ""),
        ("list currencies", [P, "--list", "cu"], ["currencies"], [], ""),
        ("no options in the query", [P, "24", "in", "-"], [], ["->"], "-o nosort"),
        ("sq", [P, "24", "sq"], [], ["sq\\ ft", "sq\\ in", "Sq\\ Feet"], "-o nosort"),
        ("cu", [P, "24", "cu"], [], ["cu\\ ft", "cu\\ in", "Cubic\\ feet"], "-o nosort"),
        ("cubic", [P, "24", "cubic"], [], ["cubic\\ inch", "Cubic\\ yards"], "-o nosort"),
        ("sq ft, second word", [P, "24", "sq", "f"], ["Feet", "ft", "foot"], [], "-o nosort"),
        ("sq ft, quoted", [P, "24", "'sq f"], [], ["sq ft", "Sq Feet"], "-o nosort"),
        ("sq ft, escaped", [P, "24", "sq\\ f"], [], ["sq\\ ft", "Sq\\ Feet"], "-o nosort"),
        ("parentheses escaped", [P, "1", "lb", "to", "Pounds("], ["Pounds\\(avdp\\)"], [], "-o nosort"),
        ("separator words", [P, "24", "in", "i"], [], ["in", "into"], "-o nosort"),
        ("after an escaped name", [P, "24", "cu\\ ft", "to", "c"], ["Cubic\\ inches"], ["cm²"], "-o nosort"),
        ("glued unit", [P, "24in", "to", "f"], ["Feet", "ft"], [], "-o nosort"),
        ("after ->", [P, "24", "in", "->", "f"], ["Feet", "ft"], [], "-o nosort"),
        ("after \u2192", [P, "24", "in", "\u2192", "f"], ["Feet", "ft"], [], "-o nosort"),
        ("after =", [P, "24", "in", "=", "f"], ["Feet", "ft"], [], "-o nosort"),
        ("after a name of several words", [P, "-d", "2", "24", "sq", "in", "=>", "s"], ["Sq\\ Inches"], [],
         "-o nosort"),
    ]
    answers = complete([row[1] for row in ROWS])
    for (name, words, first, held, options), (replies, asked) in zip(ROWS, answers):
        if replies[:len(first)] != first or not set(held) <= set(replies) or options not in asked:
            failures.append(f"{name}: {words} gave {replies[:12]} with options {asked!r}")

# Every name of several words is offered whole from its start, escaped, and word by word. Names
# that start alike share one completion, asked once.
wanted = {}
for name in names:
    words = name.split(" ")
    wanted.setdefault((P, "24", name[:2]), []).append(escaped(name))
    if len(words) > 1:
        wanted.setdefault((P, "24", *words[:-1], words[-1][:1]), []).append(escaped(words[-1]))
for words, (replies, _) in zip(wanted, complete([list(w) for w in wanted])):
    for want in wanted[words]:
        if want not in replies:
            failures.append(f"{list(words)} does not offer {want!r}: {replies[:10]}")

# After a separator, every unit's names offer its own category's units first.
cases, froms = [], []
for entry in listing:
    for unit in entry["units"]:
        from_name = unit["names"][1] if len(unit["names"]) > 1 else unit["names"][0]
        if set(from_name) & set("'\"") or len(category_of[from_name.lower()]) > 1:
            continue
        cases.append([P, "1", *from_name.split(" "), "to", ""])
        froms.append((from_name, entry["category"], len(entry["units"])))
for words, (from_name, category, unit_count), (replies, _) in zip(cases, froms, complete(cases)):
    own = {n for n in names if category in category_of[n.lower()]}
    head = [r.replace("\\", "") for r in replies[:unit_count]]
    if not head or not all(r in own for r in head):
        failures.append(f"after {from_name!r} to: {head} are not all {category} units")



def typed_in_bash(keys, folder, expected):
    """What an interactive bash shows after `keys` are typed, the completion loaded: read until
    `expected` shows, or for a few seconds."""
    pid, fd = pty.fork()
    if pid == 0:
        os.chdir(folder)
        os.execvpe("bash", ["bash", "--norc", "--noprofile", "-i"], dict(os.environ, PS1="$ ", TERM="dumb"))
    shown = b""

    def read_until(done, seconds):
        nonlocal shown
        end = time.monotonic() + seconds
        while time.monotonic() < end and not done(shown):
            if select.select([fd], [], [], 0.05)[0]:
                try:
                    shown += os.read(fd, 4096)
                except OSError:
                    break

    os.write(fd, b"source '" + COMPLETION.encode() + b"'; echo LOADED\n")
    read_until(lambda text: b"\nLOADED" in text, 10)
    shown = b""
    os.write(fd, keys)
    read_until(lambda text: expected.encode() in text.replace(b"\x1b[K", b""), 5)
    # A little longer, for anything bash would show after it (a second blank).
    read_until(lambda text: False, 0.2)
    typed = shown
    os.write(fd, b"\x15exit\n")
    read_until(lambda text: False, 0.2)
    os.waitpid(pid, 0)
    return typed.decode("utf-8", "replace")


# As bash itself shows it: a directory after -f gets its "/" and no space; an open quote is closed.
with tempfile.TemporaryDirectory() as folder:
    os.mkdir(os.path.join(folder, "queries dir"))
    for keys, shown in ((b"mezzurix-convert -f quer\t", "mezzurix-convert -f queries\\ dir/"),
                        (b"mezzurix-convert 24 'sq fo\t", "mezzurix-convert 24 'sq foot' "),
                        (b"mezzurix-convert 1 lb to Pounds\\(\t", "mezzurix-convert 1 lb to Pounds\\(avdp\\) ")):
        line = typed_in_bash(keys, folder, shown).split("\r")[-1].replace("\x1b[K", "")
        if not line.endswith(shown) or line.endswith(shown + " "):
            failures.append(f"typing {keys!r} in bash shows {line!r}, expected {shown!r}")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(ROWS) + sum(map(len, wanted.values())) + len(froms) + 3} checks in {len(ROWS) + len(wanted) + len(froms)} "
      f"completions, {len(failures)} failed")
sys.exit(1 if failures else 0)
