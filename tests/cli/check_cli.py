#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the built mezzurix-convert: output, exit status and messages, hostile input, no Qt.

Usage: check_cli.py PATH_TO_MEZZURIX_CONVERT
"""
import json
import os
import select
import subprocess
import sys
import tempfile

PROGRAM = sys.argv[1]
SENTENCE = b"24 Inches = 2 Feet\n"
failures = []
checked = 0


def run(args, stdin=b"", timeout=20):
    return subprocess.run([PROGRAM, *args], input=stdin, capture_output=True, timeout=timeout)


def check(name, ok, detail=""):
    global checked
    checked += 1
    if not ok:
        failures.append(f"{name}: {detail}")


# (name, arguments, standard input, expected output or None, exit status, part of standard error)
ROWS = [
    ("words", ["24", "in", "ft"], b"", SENTENCE, 0, ""),
    ("one argument", ["24 in to ft"], b"", SENTENCE, 0, ""),
    ("names", ["24", "inches", "into", "feet"], b"", SENTENCE, 0, ""),
    ("negative value", ["-40", "C", "F"], b"", b"-40 Celsius = -40 Fahrenheit\n", 0, ""),
    ("terse", ["-t", "24", "in", "ft"], b"", b"2\n", 0, ""),
    ("decimals", ["-d", "2", "24", "in", "ft"], b"", b"24 Inches = 2.00 Feet\n", 0, ""),
    ("decimals terse", ["-t", "--decimals=30", "1", "ft", "yd"], b"",
     b"0.333333333333334000000000000000\n", 0, ""),
    ("one-shot failure", ["24", "fet", "in"], b"", b"", 2,
     'mezzurix-convert: unknown unit "fet" at column 4; did you mean "feet"?\n'),
    ("incompatible", ["24 in to kg"], b"", b"", 2, "Inches (Distance) into Kilograms (Mass)"),
    ("result beyond range", ["1e308 mi to in"], b"", b"", 2, "beyond the range"),
    ("batch with a bad middle line", [], b"24 in ft\n24 fet in\n1 lb kg\n",
     SENTENCE + b"\n1 Pounds(avdp) = 0.45359237 Kilograms\n", 2,
     'mezzurix-convert: line 2: unknown unit "fet" at column 4'),
    ("batch, CRLF and no last newline", ["-t"], b"24 in ft\r\n1 m cm", b"2\n100\n", 0, ""),
    ("5,000-byte line", [], b"x" * 5000 + b"\n24 in ft\n", b"\n" + SENTENCE, 2,
     "line 1: the query is longer than 4096 bytes at column 4097\n"),
    ("long line of two-byte characters", [], "°".encode() * 2100 + b"\n", b"\n", 2,
     "line 1: the query is longer than 4096 bytes at column 2049\n"),
    ("5,000-byte argument", ["x" * 5000], b"", b"", 2, "the query is longer than 4096 bytes at column 4097\n"),
    ("4,096-byte line", ["-t"], b"24 in ft" + b" " * 4088 + b"\n", b"2\n", 0, ""),
    ("4,096-byte line, CRLF", ["-t"], b"24 in ft" + b" " * 4088 + b"\r\n", b"2\n", 0, ""),
    ("4,097-byte line, CRLF", ["-t"], b"24 in ft" + b" " * 4089 + b"\r\n", b"\n", 2, "longer than 4096 bytes"),
    ("invalid UTF-8", [], b"24 \xff in ft\n24 in ft\n", b"\n" + SENTENCE, 2, "line 1: invalid UTF-8 at column 4"),
    ("unknown option", ["--bogus"], b"", b"", 1, "mezzurix-convert: "),
    ("decimals out of range", ["-d", "31", "1", "m", "cm"], b"", b"", 1, "mezzurix-convert: "),
    ("terse and json", ["-t", "--json", "1", "m", "cm"], b"", b"", 1, "mezzurix-convert: "),
    ("unknown list category", ["--list", "nope"], b"", b"", 1, 'unknown category "nope"'),
    ("missing file", ["-f", "/nonexistent/queries"], b"", b"", 1, "/nonexistent/queries"),
    ("directory for a file", ["-f", "/"], b"", b"", 1, "mezzurix-convert: /: Is a directory"),
    ("directory for a file, long option", ["--file=/tmp"], b"", b"", 1, "/tmp: Is a directory"),
    ("version", ["--version"], b"", None, 0, ""),
    ("help", ["--help"], b"", None, 0, ""),
    ("list", ["--list", "mass"], b"", None, 0, ""),
]

# Separator symbols are words of the query wherever they stand, after options or a negative value.
for separator in ("->", "=>", "\u2192", ">", "=", "to"):
    ROWS += [
        (f"separator {separator}", ["24", "in", separator, "ft"], b"", SENTENCE, 0, ""),
        (f"separator {separator} after options", ["-d", "2", "-t", "24", "in", separator, "ft"], b"", b"2.00\n", 0, ""),
        (f"separator {separator}, negative value", ["-40", "C", separator, "F"], b"",
         b"-40 Celsius = -40 Fahrenheit\n", 0, ""),
        (f"separator {separator}, after --", ["-t", "--", "24", "in", separator, "ft"], b"", b"2\n", 0, ""),
    ]

# Blank lines and lines starting with "#" give an empty output line each, and no failure.
for style, args in (("sentence", []), ("terse", ["-t"]), ("json", ["--json"])):
    ROWS.append((f"blank and comment lines, {style}", args, b"\n  \t \n# a note\n#\n\r\n", b"\n" * 5, 0, ""))
ROWS.append(("comment between answers", ["-t"], b"24 in ft\n# 1 m cm\n\n1 m cm\n", b"2\n\n\n100\n", 0, ""))

for name, args, stdin, expected, status, message in ROWS:
    result = run(args, stdin)
    check(name, result.returncode == status, f"exit {result.returncode}, expected {status}")
    if expected is not None:
        check(name, result.stdout == expected, f"output {result.stdout[:200]!r}")
    check(name, message in result.stderr.decode("utf-8", "replace"), f"stderr {result.stderr[:300]!r}")

check("version text", run(["--version"]).stdout.startswith(b"mezzurix-convert 1.00\n"))
check("help text", run(["--help"]).stdout.startswith(b"Usage: mezzurix-convert"))
check("list names", b"  Megagrams: Mg, t, " in run(["--list", "mass"]).stdout)

# Answers and messages reach a terminal that shows both in the order of the lines: each message
# (written here as its "line N" alone) right before the empty output line of its query.
ORDERED = [
    (b"24 in ft\n24 fet in\n1 lb kg\n", ["2", "line 2", "", "0.45359237"]),
    (b"1 m cm\n2 m cm\nx\n3 m cm\n24 fet in\n", ["100", "200", "line 3", "", "300", "line 5", ""]),
]
for stdin, expected in ORDERED:
    result = subprocess.run([PROGRAM, "-t"], input=stdin, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=20)
    seen = [line.split(": ")[1] if line.startswith("mezzurix-convert: ") else line
            for line in result.stdout.decode().split("\n")[:-1]]
    check(f"order {stdin!r}", seen == expected, repr(result.stdout))

# JSON: one valid object a line, in order, with invalid UTF-8 replaced and the error's line.
result = run(["--json"], b"24 in ft\n24 \xff\x01 in ft\n1 lb kg\n")
lines = result.stdout.decode("utf-8").splitlines()
objects = [json.loads(line) for line in lines]
check("json lines", len(objects) == 3 and result.returncode == 2, repr(lines))
if len(objects) == 3:
    check("json answer", objects[0] == {"query": "24 in ft", "value": 24, "from": "Inches", "into": "Feet",
                                        "category": "Distance", "result": 2, "text": "2"}, lines[0])
    check("json error", objects[1]["error"] == "invalid-utf8" and objects[1]["line"] == 2
          and objects[1]["query"] == "24 \ufffd\x01 in ft", lines[1])
    check("json third", objects[2]["result"] == 0.45359237, lines[2])

# Output that cannot be written is no answer: exit 2 and a message, never a silent 0.
for args, stdin in ((["24", "in", "ft"], b""), ([], b"24 in ft\n"), (["--list"], b"")):
    with open("/dev/full", "wb") as full:
        result = subprocess.run([PROGRAM, *args], input=stdin, stdout=full, stderr=subprocess.PIPE, timeout=20)
    check(f"write error {args}", result.returncode == 2 and b"write error" in result.stderr, repr(result))

# A file of queries.
with tempfile.NamedTemporaryFile("wb", suffix=".txt", delete=False) as f:
    f.write(b"24 in ft\n12 in ft\n")
result = run(["-t", "-f", f.name])
os.unlink(f.name)
check("file", result.stdout == b"2\n1\n" and result.returncode == 0, repr(result))

# Random bytes end in exit 2 with one output line per input line, and no hang.
noise = os.urandom(1 << 20)
result = run([], noise, timeout=30)
check("random bytes", result.returncode == 2, f"exit {result.returncode}")
output_lines = result.stdout.count(b"\n")
check("random bytes lines", output_lines == noise.count(b"\n") + (0 if noise.endswith(b"\n") else 1),
      f"{output_lines} lines")

# Talking line by line: each answer arrives before the next query is written.
with subprocess.Popen([PROGRAM, "-t"], stdin=subprocess.PIPE, stdout=subprocess.PIPE) as talk:
    for query, answer in ((b"24 in ft\n", b"2\n"), (b"1 m cm\n", b"100\n")):
        talk.stdin.write(query)
        talk.stdin.flush()
        ready, _, _ = select.select([talk.stdout], [], [], 10)
        check("answer before the next query", ready and talk.stdout.readline() == answer)
    talk.stdin.close()
    check("conversation exit", talk.wait(10) == 0)

# No Qt: the program links the engine and the C++ runtime only.
needed = subprocess.run(["readelf", "-d", PROGRAM], capture_output=True, text=True, check=True).stdout
check("no Qt library", "NEEDED" in needed and "Qt" not in needed, needed)

for failure in failures:
    print("FAIL:", failure)
print(f"{checked - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
