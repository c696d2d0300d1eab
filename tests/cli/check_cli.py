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
    ("negative value", ["-40", "C", "F"], b"", b"-40 Degrees Celsius = -40 Degrees Fahrenheit\n", 0, ""),
    ("terse", ["-t", "24", "in", "ft"], b"", b"2\n", 0, ""),
    ("decimals", ["-d", "2", "24", "in", "ft"], b"", b"24 Inches = 2.00 Feet\n", 0, ""),
    ("decimals terse", ["-t", "--decimals=30", "1", "ft", "yd"], b"",
     b"0.333333333333334000000000000000\n", 0, ""),
    ("one-shot failure", ["24", "fet", "in"], b"", b"", 2,
     'mezzurix-convert: unknown unit "fet" at column 4; did you mean "feet"?\n'),
    ("incompatible", ["24 in to kg"], b"", b"", 2, "Inches (Distance) into Kilograms (Mass)"),
    ("result beyond range", ["1e308 mi to in"], b"", b"", 2, "beyond the range"),
    ("batch with a bad middle line", [], b"24 in ft\n24 fet in\n1 lb kg\n",
     SENTENCE + b"\n1 Pound = 0.45359237 Kilograms\n", 2,
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
    # At most 9 significant digits by default, without noise; --digits for more or fewer.
    ("feet into meters", ["5 feet in meters"], b"", b"5 Feet = 1.524 Meters\n", 0, ""),
    ("no noise, feet into yards", ["-t", "12 ft to yd"], b"", b"4\n", 0, ""),
    ("no noise, Celsius", ["-t", "-18 \u00b0C to \u00b0F"], b"", b"-0.4\n", 0, ""),
    ("no noise, kilogram-force", ["-t", "1 kgf to N"], b"", b"9.80665\n", 0, ""),
    ("no noise, calories", ["-t", "1 cal to J"], b"", b"4.1868\n", 0, ""),
    ("no noise, speed", ["30 mph to ft/s"], b"", b"30 Miles per hour = 44 Feet per second\n", 0, ""),
    ("nine digits", ["-t", "100 km/h to mph"], b"", b"62.1371192\n", 0, ""),
    ("nine digits, several units", ["175 cm to ft in"], b"", b"175 Centimeters = 5 ft 8.8976378 in\n", 0, ""),
    ("more digits, several units", ["--digits", "3", "175 cm to ft in"], b"", b"175 Centimeters = 5 ft 8.9 in\n", 0, ""),
    ("digits 17", ["-t", "--digits", "17", "1 kgf to N"], b"", b"9.8066499997877798\n", 0, ""),
    ("digits 15", ["-t", "--digits=15", "12 ft to yd"], b"", b"4.00000000000001\n", 0, ""),
    ("digits 1", ["-t", "--digits", "1", "100 km/h to mph"], b"", b"60\n", 0, ""),
    ("digits 0 refused", ["--digits", "0", "1 m cm"], b"", b"", 1, "mezzurix-convert: "),
    ("digits 18 refused", ["--digits", "18", "1 m cm"], b"", b"", 1, "mezzurix-convert: "),
    ("digits with decimals refused", ["--digits", "5", "-d", "2", "1 m cm"], b"", b"", 1, "excludes"),
    ("decimals keep the window's digits", ["-t", "-d", "14", "12 ft to yd"], b"", b"4.00000000000001\n", 0, ""),
    ("whole numbers keep their digits", ["-t", "1 TB to B"], b"", b"1099511627776\n", 0, ""),
    ("others are rounded", ["-t", "1234567890123.4 B to B"], b"", b"1234567890000\n", 0, ""),
    # The singular after exactly 1 or -1, on either side.
    ("singular foot", ["1 ft to m"], b"", b"1 Foot = 0.3048 Meters\n", 0, ""),
    ("singular pound", ["1 lb to g"], b"", b"1 Pound = 453.59237 Grams\n", 0, ""),
    ("singular square foot", ["1 sq ft to sq in"], b"", b"1 Square foot = 144 Square inches\n", 0, ""),
    ("singular speed", ["1 mph to km/h"], b"", b"1 Mile per hour = 1.609344 Kilometers per hour\n", 0, ""),
    ("singular kilobyte", ["1 KB to B"], b"", b"1 Kilobyte = 1024 Bytes\n", 0, ""),
    ("singular result", ["12 in to ft"], b"", b"12 Inches = 1 Foot\n", 0, ""),
    ("minus one", ["-1 lb to oz"], b"", b"-1 Pound = -16 Ounces\n", 0, ""),
    ("one with decimals stays plural", ["-d", "2", "1 ft to in"], b"", b"1 Foot = 12.00 Inches\n", 0, ""),
    ("1.0 stays plural", ["1.0 ft to in"], b"", b"1.0 Feet = 12 Inches\n", 0, ""),
    ("1.00 stays plural", ["1.00 ft to in"], b"", b"1.00 Feet = 12 Inches\n", 0, ""),
    ("a half is plural", ["0.5 ft to in"], b"", b"0.5 Feet = 6 Inches\n", 0, ""),
    ("one after rounding", ["1.0000000001 ft to ft"], b"", b"1.0000000001 Feet = 1 Foot\n", 0, ""),
    # Units answer in the names the user typed, where those have a form of their own.
    ("named as typed, into", ["5 cc in ml"], b"", b"5 Cubic centimeters = 5 Milliliters\n", 0, ""),
    ("named as typed, from", ["200 ml to l"], b"", b"200 Milliliters = 0.2 Liters\n", 0, ""),
    ("tonnes", ["3 tonnes in kg"], b"", b"3 Tonnes = 3000 Kilograms\n", 0, ""),
    ("binary prefixes", ["1 MiB in KiB"], b"", b"1 Mebibyte = 1024 Kibibytes\n", 0, ""),
    ("composed unit as typed", ["2 mL/min in L/h"], b"", b"2 mL/min = 0.12 Liters per hour\n", 0, ""),
    ("terse unchanged", ["-t", "5 ml in cc"], b"", b"5\n", 0, ""),
    ("json names as typed", ["--json", "1 ml in tsp"], b"",
     b'{"query":"1 ml in tsp","value":1,"from":"Cubic centimeters","into":"US teaspoons","from_name":"Milliliter",'
     b'"into_name":"US teaspoons","category":"Volume","result":0.20288413621105797,"text":"0.202884136"}\n', 0, ""),
    # --explain: the answer, both units, the factor and its distance from the exact ratio.
    ("explain", ["--explain", "1 L to qt"], b"",
     "1 Liter = 1.05668821 Quarts\n"
     "Liters: liter (cubic decimeter); 1 Liter = 0.001 m\u00b3 (SI Brochure); dimension m\u00b3\n"
     "Quarts: US liquid quart (57.75 cubic inches); 1 Quart = 0.000946352946 m\u00b3 (NIST Handbook 44); dimension m\u00b3\n"
     "table factor 1.056688209, exact 1.0566882094325936\u2026, within 4.1e-10\n".encode(), 0, ""),
    ("explain exact factor", ["--explain", "5 ft to m"], b"",
     "5 Feet = 1.524 Meters\n"
     "Feet: international foot (12 inches); 1 Foot = 0.3048 m (NIST SP 811); dimension m\n"
     "Meters: meter, the SI unit of length; 1 Meter = 1 m (SI Brochure); dimension m\n"
     "table factor 0.3048, exact 0.3048, the nearest double\n".encode(), 0, ""),
    ("explain temperature", ["--explain", "-459.67 F to C"], b"",
     "-459.67 Degrees Fahrenheit = -273.15 Degrees Celsius\n"
     "Fahrenheit: degree Fahrenheit (5/9 kelvin; water freezes at 32); x Fahrenheit = (x + 459.67) \u00d7 5/9 K"
     " = 0.555555555555555\u2026 K (NIST SP 811); dimension K\n"
     "Celsius: degree Celsius (kelvin less 273.15); x Celsius = (x + 273.15) \u00d7 1 K (SI Brochure); dimension K\n"
     "table formula, with the offsets, exact result -273.15, within 2.1e-16\n".encode(), 0, ""),
    ("explain formula factor", ["--explain", "3 ft to yd"], b"", None, 0, ""),
    ("explain and terse", ["--explain", "-t", "1 m cm"], b"", b"", 1, "mezzurix-convert: "),
]

# Separator symbols are words of the query wherever they stand, after options or a negative value.
for separator in ("->", "=>", "\u2192", ">", "=", "to"):
    ROWS += [
        (f"separator {separator}", ["24", "in", separator, "ft"], b"", SENTENCE, 0, ""),
        (f"separator {separator} after options", ["-d", "2", "-t", "24", "in", separator, "ft"], b"", b"2.00\n", 0, ""),
        (f"separator {separator}, negative value", ["-40", "C", separator, "F"], b"",
         b"-40 Degrees Celsius = -40 Degrees Fahrenheit\n", 0, ""),
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
check("list names", "  Megagrams \u2014 megagram (metric ton): Mg, t, ".encode() in run(["--list", "mass"]).stdout)

check("explain formula factor text",
      run(["--explain", "3 ft to yd"]).stdout.endswith(
          b"table formula, factor 0.333333333333334, exact 0.33333333333333333\xe2\x80\xa6, within 2.0e-15\n"))

# Every unit of --list --json carries its definition, and --explain of every pair of the table,
# one a line in a batch, finds its factor within 1e-9 of the exact ratio (or the offsets' result).
listing = [json.loads(line) for line in run(["--list", "--json"]).stdout.decode().splitlines()]
pairs = []
window_pairs = 0
for category in listing:
    for unit in category["units"]:
        check(f"definition of {unit['name']}", all(unit.get(k) for k in
              ("singular", "description", "definition", "amount", "si_unit", "source")), repr(unit))
        pairs += [f"2 {unit['name']} to {into['name']}" for into in category["units"]]
        window_pairs += sum(unit["in_window"] and into["in_window"] for into in category["units"])
check("pairs", window_pairs == 521 and len(pairs) > 521, f"{len(pairs)}, {window_pairs} of the window's")
result = run(["--explain"], "\n".join(pairs).encode() + b"\n")
check("explain every pair", result.returncode == 0, result.stderr[:300])
factor_lines = [line for line in result.stdout.decode().splitlines() if line.startswith("table ")]
check("explain lines", len(factor_lines) == 521, str(len(factor_lines)))
# A pair with a unit the window does not list goes through the two definitions.
route_lines = [line for line in result.stdout.decode().splitlines() if line.startswith("through the definitions")]
check("explain definitions lines", len(route_lines) == len(pairs) - 521, str(len(route_lines)))
check("typed only marked", b"  Kelvin (typed only) \xe2\x80\x94 kelvin" in run(["--list", "temp"]).stdout)
check("Cal explained", b'"Cal" with a capital C is the kilocalorie' in run(["--explain", "1 Cal to cal"]).stdout)
zero = run(["0 mpg to L/100km"])
check("no answer for 0 mpg", zero.returncode == 2 and b"no answer: 0 mpg is no distance" in zero.stderr, repr(zero))
for line in factor_lines:
    closeness = line.rsplit(", ", 1)[-1]
    check(f"factor close: {line}", closeness == "the nearest double"
          or (closeness.startswith("within ") and float(closeness[7:]) <= 1e-9))

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
                                        "from_name": "Inches", "into_name": "Feet",
                                        "category": "Distance", "result": 2, "text": "2"}, lines[0])
    check("json error", objects[1]["error"] == "invalid-utf8" and objects[1]["line"] == 2
          and objects[1]["query"] == "24 \ufffd\x01 in ft", lines[1])
    # The window's caption in "from", what a person says in "from_name", the singular after 1.
    check("json third", objects[2]["result"] == 0.45359237 and objects[2]["from"] == "Pounds(avdp)"
          and objects[2]["from_name"] == "Pound" and objects[2]["into_name"] == "Kilograms", lines[2])
# JSON keeps the whole double, whatever the text shows.
answer = json.loads(run(["--json", "1 kgf to N"]).stdout)
check("json full double", answer["result"] == 9.80664999978778 and answer["text"] == "9.80665", repr(answer))

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
