#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What mezzurix-convert echoes: answers into several units as their JSON values say, what was
typed without its control characters, and usage errors naming only what the user typed.

Usage: check_answer_texts.py PATH_TO_MEZZURIX_CONVERT
"""
import json
import re
import subprocess
import sys

PROGRAM = sys.argv[1]
failures = []
checked = 0


def run(args, stdin=b""):
    return subprocess.run([PROGRAM, *args], input=stdin, capture_output=True, timeout=60)


def check(name, ok, detail=""):
    global checked
    checked += 1
    if not ok:
        failures.append(f"{name}: {detail}")


# Answers into several units: the JSON value of each part is what its text says (exactly for the
# whole parts, within the digits shown for the last), and the text of the answer is the parts'.
TARGETS = ["mi ft in", "yd ft in", "ft in", "lb oz", "st lb", "h min s", "gal qt pt", "km m cm"]
VALUES = ["0", "-0", "1e-300", "0.5", "12", "71.99999999999", "-70", "1234.5678", "1e15", "1e20", "-1e20",
          "1e21", "1e300"]
queries = [f"{value} {target.split()[-1]} to {target}" for target in TARGETS for value in VALUES]
for options in ([], ["-d", "2"], ["--digits", "17"]):
    result = run(["--json", *options], "\n".join(queries).encode() + b"\n")
    check(f"json {options}", result.returncode == 0, result.stderr[:300])
    for query, line in zip(queries, result.stdout.decode().splitlines()):
        answer = json.loads(line)
        parts = answer["parts"]
        where = f"{options} {query}: {line}"
        check("parts in the text", answer["text"].split()[::2] == [part["text"] for part in parts], where)
        for i, part in enumerate(parts):
            # Each value carries the answer's sign; the text of the first part alone shows it.
            written, value = abs(float(part["text"])), abs(part["value"])
            if i + 1 < len(parts):
                check("whole part as written", written == value == int(value), where)
            else:
                decimals = len(part["text"].partition(".")[2].partition("E")[0])
                check("last part as written", abs(written - value) <= 10 ** -decimals * max(1, written), where)
            check("sign on the first part alone", part["text"].startswith("-") == (i == 0 and answer["text"].startswith("-")),
                  where)
check("exact split", run(["-t", "1e20 in to mi ft in"]).stdout == b"1578282828282828 mi 1493 ft 4 in\n")
check("no sign on zero", run(["-t", "-0 ft to ft in"]).stdout == b"0 ft 0 in\n")

# Every control character, typed between the words and within the numbers, in every output style
# and as the word an error names: neither output holds one raw (a line feed ends each line), and
# the answer shows it as the error messages do.
CONTROLS = [chr(c) for c in range(1, 0x20)] + ["\x7f"] + [chr(c) for c in range(0x80, 0xA0)]
SHAPES = ["5 ft{}10 in to cm", "1{}1/2 in to ft", "24{}in to ft", "24 in to ft{}x", "24 i{}n to ft"]
RAW = re.compile(rb"[\x00-\x09\x0b-\x1f\x7f]|\xc2[\x80-\x9f]")
typed = [shape.format(control) for shape in SHAPES for control in CONTROLS]
runs = [(f"{style} lines", run(style, "\n".join(typed).encode() + b"\n"))
        for style in ([], ["-t"], ["--json"], ["--explain"])]
# As an argument, every control character once, the shapes taken in turn (each start of a program
# under the sanitizers costs a tenth of a second), and a line feed, which no line can hold, in every
# shape: the answer or the error is one line.
arguments = [SHAPES[i % len(SHAPES)].format(control) for i, control in enumerate(CONTROLS)]
arguments += [shape.format("\n") for shape in SHAPES if shape.format("\n") not in arguments]
for query in arguments:
    result = run([query])
    check(f"argument {query.encode()!r} on one line", result.stdout.count(b"\n") + result.stderr.count(b"\n") == 1,
          f"{result.stdout!r} {result.stderr!r}")
    runs.append((f"argument {query.encode()!r}", result))
for name, result in runs:
    check(name, not RAW.search(result.stdout) and not RAW.search(result.stderr), f"{result.stdout!r} {result.stderr!r}")
check("carriage return shown", run(["5 ft\r10 in to cm"]).stdout == b"5 ft\\x0D10 in = 177.8 Centimeters\n")
check("shown as in messages", b'"10 in\\x0D5 ft"' in run(["10 in\r5 ft to cm"]).stderr)

# An unknown option before the query: the message names what was typed, in the order typed, and
# never the "--" the program puts before the query itself.
for args, named in ((["--bogus", "24", "in", "ft"], "argument was not expected: --bogus\n"),
                    (["--bogus", "-40", "C", "F"], "argument was not expected: --bogus\n"),
                    (["--bogus", "--other", "24", "in", "ft"], "arguments were not expected: --bogus --other\n"),
                    (["-t", "-x", "24 in ft"], "argument was not expected: -x\n"),
                    (["--bogus"], "argument was not expected: --bogus\n"),
                    (["--b\x1bogus", "24", "in", "ft"], "argument was not expected: --b\\x1Bogus\n")):
    result = run(args)
    message = result.stderr.decode()
    check(f"unknown option {args}", result.returncode == 1 and named in message and " -- " not in message, repr(message))

for failure in failures:
    print("FAIL:", failure)
print(f"{checked - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
