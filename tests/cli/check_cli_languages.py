#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the built mezzurix-convert under each translated locale: answers to queries typed in the
language, one error, the help, and numbers that keep "." without --regional.

Usage: check_cli_languages.py PATH_TO_MEZZURIX_CONVERT
"""
import os
import subprocess
import sys

PROGRAM = sys.argv[1]
failures = []

# locale: (query, expected standard output) rows, (query, expected standard error), help's first
# word, and an option's translated description
LANGUAGES = {
    "de_DE.UTF-8": (
        [("24 Zoll in cm", "24 Zoll = 60.96 Zentimeter"),
         ("5 Fuß 10 Zoll in cm", "5 Fuß 10 Zoll = 177.8 Zentimeter"),
         ("1 Pfund in Gramm", "1 Pfund (avdp) = 453.59237 Gramm"),
         ("100 km/h in Meilen pro Stunde", "100 Kilometer/Stunde = 62.1371192 Meilen/Stunde"),
         ("24 in to ft", "24 Zoll = 2 Fuß")],
        ("24 Zol in cm", 'mezzurix-convert: unbekannte Einheit "Zol" in Spalte 4; meinten Sie "Zoll"?'),
        "Aufruf:", "Nur die Zahl des Ergebnisses ausgeben"),
    "fr_FR.UTF-8": (
        [("24 pouces en cm", "24 Pouces = 60.96 Centimètres"),
         ("1 livre en grammes", "1 Livres (avdp) = 453.59237 Grammes")],
        ("1 livre en pieds", "mezzurix-convert: impossible de convertir Livres (avdp) (Masse) en Pieds (Distance) "
                             "à la colonne 12"),
        "Utilisation:", "N’écrire que le nombre du résultat"),
    "es_ES.UTF-8": (
        [("24 pulgadas a cm", "24 Pulgadas = 60.96 Centímetros"),
         ("1 libra a gramos", "1 Libras (avdp) = 453.59237 Gramos")],
        ("1 libra a", "mezzurix-convert: ninguna unidad de destino en la columna 10"),
        "Uso:", "Escribir solo el número del resultado"),
}


def run(locale, *args):
    env = dict(os.environ, LC_ALL=locale)
    env.pop("LANGUAGE", None)
    return subprocess.run([PROGRAM, *args], capture_output=True, env=env, timeout=20)


def expect(name, actual, wanted):
    if actual != wanted:
        failures.append(f"{name}: {actual!r}, expected {wanted!r}")


for locale, (answers, (bad, message), usage, terse) in LANGUAGES.items():
    for query, sentence in answers:
        result = run(locale, query)
        expect(f"{locale} {query}", (result.returncode, result.stdout.decode()), (0, sentence + "\n"))
    result = run(locale, bad)
    expect(f"{locale} {bad}", (result.returncode, result.stderr.decode()), (2, message + "\n"))
    help_text = run(locale, "--help").stdout.decode()
    expect(f"{locale} --help", (help_text.split()[0], terse in help_text), (usage, True))

# The C locale stays English and reads no other language's names.
result = run("C", "24 Zoll in cm")
expect("C", (result.returncode, result.stderr.decode()), (2, 'mezzurix-convert: unknown unit "Zoll" at column 4\n'))
expect("C --help", run("C", "--help").stdout.decode().split()[0], "Usage:")
# English locales and languages without a catalogue keep English's singulars.
for locale in ("C.UTF-8", "en_US.UTF-8", "it_IT.UTF-8"):
    expect(locale, run(locale, "1", "ft", "m").stdout.decode(), "1 Foot = 0.3048 Meters\n")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"{len(LANGUAGES)} languages checked")
