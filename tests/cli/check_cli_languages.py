#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the built mezzurix-convert under the locale of each language it has a catalogue for
(cli/po/<language>.po): its help, an option and an error in the language, and for the languages
below the answers to queries typed in them; then how numbers are read and written where the
decimal sign is a comma, and that the C library's own messages keep their letters.

Usage: check_cli_languages.py PATH_TO_MEZZURIX_CONVERT PO_DIR
"""
import glob
import os
import re
import subprocess
import sys

PROGRAM = sys.argv[1]
PO_DIR = sys.argv[2]
failures = []

# locale: (query, expected standard output) rows, (query, expected standard error), help's first
# word, and an option's translated description
TYPED = {
    "de_DE.UTF-8": (
        [("24 Zoll in cm", "24 Zoll = 60,96 Zentimeter"),
         ("5 Fuß 10 Zoll in cm", "5 Fuß 10 Zoll = 177,8 Zentimeter"),
         ("1 Pfund in Gramm", "1 Pfund = 453,59237 Gramm"),
         ("100 km/h in Meilen pro Stunde", "100 Kilometer pro Stunde = 62,1371192 Meilen pro Stunde"),
         ("2 US cups in ml", "2 US-Tassen = 473,176473 Milliliter"),
         ("100 Pferdestärken in kW", "100 Pferdestärken = 73,549875 Kilowatt"),
         ("24 in to ft", "24 Zoll = 2 Fuß")],
        ("24 Zol in cm", 'mezzurix-convert: unbekannte Einheit „Zol“ (Spalte 4); meinten Sie „Zoll“?'),
        "Aufruf:", "Nur die Zahl des Ergebnisses ausgeben"),
    "fr_FR.UTF-8": (
        [("24 pouces en cm", "24 pouces = 60,96 centimètres"),
         ("1 livre en grammes", "1 livre = 453,59237 grammes"),
         ("1,5 l en ml", "1,5 litre = 1500 millilitres"),
         ("3 nœuds en km/h", "3 nœuds = 5,556 kilomètres par heure")],
        ("1 livre en pieds", "mezzurix-convert: impossible de convertir livres (Masse) en pieds (Distance) "
                             "à la colonne 12"),
        "Utilisation:", "N’écrire que le nombre du résultat"),
    "es_ES.UTF-8": (
        [("24 pulgadas a cm", "24 pulgadas = 60,96 centímetros"),
         ("1 libra a gramos", "1 libra = 453,59237 gramos"),
         ("100 CV a kW", "100 caballos de vapor = 73,549875 kilovatios")],
        ("1 libra a", "mezzurix-convert: ninguna unidad de destino en la columna 10"),
        "Uso:", "Escribir solo el número del resultado"),
}


def translations(language):
    """A catalogue's texts, msgid to msgstr, for the one-line entries."""
    with open(os.path.join(PO_DIR, language + ".po"), encoding="utf-8") as po:
        pairs = re.findall(r'^msgid "(.+)"\nmsgstr "(.*)"$', po.read(), re.M)
    return {source: text.replace('\\"', '"') for source, text in pairs}


def locale_of(language):
    """The generated locale of a catalogue's language: pt_BR's own, it_IT for it."""
    available = {name.lower().replace("-", "") for name in
                 subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()}
    code = language if "_" in language else f"{language}_{language.upper()}"
    wanted = f"{code}.UTF-8"
    if wanted.lower().replace("-", "") not in available:
        failures.append(f"{language}: no locale {wanted}")
    return wanted


def numeric(locale, keyword):
    return subprocess.run(["locale", keyword], capture_output=True, text=True,
                          env=dict(os.environ, LC_ALL=locale)).stdout.rstrip("\n")


LANGUAGES = sorted(os.path.basename(po)[:-3] for po in glob.glob(os.path.join(PO_DIR, "*.po")))
LOCALES = {language: locale_of(language) for language in LANGUAGES}
if not LANGUAGES:
    failures.append(f"no catalogues in {PO_DIR}")


def run(locale, *args):
    env = dict(os.environ, LC_ALL=locale)
    env.pop("LANGUAGE", None)
    return subprocess.run([PROGRAM, *args], capture_output=True, env=env, timeout=20)


def expect(name, actual, wanted):
    if actual != wanted:
        failures.append(f"{name}: {actual!r}, expected {wanted!r}")


for locale, (answers, (bad, message), usage, terse) in TYPED.items():
    for query, sentence in answers:
        result = run(locale, query)
        expect(f"{locale} {query}", (result.returncode, result.stdout.decode()), (0, sentence + "\n"))
    result = run(locale, bad)
    expect(f"{locale} {bad}", (result.returncode, result.stderr.decode()), (2, message + "\n"))
    help_text = run(locale, "--help").stdout.decode()
    expect(f"{locale} --help", (help_text.split()[0], terse in help_text), (usage, True))

# Every catalogue: the help's first word, an option and an error in the language.
for language, locale in LOCALES.items():
    texts = translations(language)
    help_text = run(locale, "--help").stdout.decode()
    expect(f"{locale} --help", (help_text.split()[:1], texts["Write the number of the result only"] in help_text),
           ([texts["Usage"] + ":"], True))
    result = run(locale, "24 in to")
    expect(f"{locale} 24 in to", (result.returncode, texts["no unit to convert into"] in result.stderr.decode()),
           (2, True))
    # The option parser's own messages and the help's placeholders are the language's too.
    for args, form, parts in [(["--bogus", "1 m ft"], "The following argument was not expected: %s", ["--bogus"]),
                              (["-d", "40", "1 m ft"], "%s: Value %s not in range %s to %s", ["--decimals", "40", "0", "30"]),
                              (["-t", "--json", "1 m ft"], "%s excludes %s", ["--terse", "--json"])]:
        wanted = texts[form]
        for part in parts:
            wanted = wanted.replace("%s", part, 1)
        expect(f"{locale} {args}", run(locale, *args).stderr.decode().splitlines()[0], f"mezzurix-convert: {wanted}")
    for placeholder in ("QUERY", "FILE", "[CATEGORY]"):
        expect(f"{locale} --help {placeholder}", texts[placeholder] in help_text, True)

# The C locale stays English and reads no other language's names.
result = run("C", "24 Zoll in cm")
expect("C", (result.returncode, result.stderr.decode()), (2, 'mezzurix-convert: unknown unit "Zoll" at column 4\n'))
expect("C --help", run("C", "--help").stdout.decode().split()[0], "Usage:")
# English locales, and a language without a catalogue where one is generated, keep English's singulars.
shipped = {language.split("_")[0] for language in LANGUAGES}
uncatalogued = [name for name in subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
                if re.fullmatch(r"[a-z]{2,3}_[A-Z]{2}\.utf8", name) and name[:2] != "en"
                and name.split("_")[0] not in shipped]
for locale in ["C.UTF-8", "en_US.UTF-8"] + uncatalogued[:1]:
    expect(locale, run(locale, "1", "ft", "m").stdout.decode(), "1 Foot = 0.3048 Meters\n")

# Where the decimal sign is a comma, a number is read as the window reads it, unless "." would read
# it as another number: then it is refused with both readings, and each option picks one.
for locale in (locale for locale in LOCALES.values() if numeric(locale, "decimal_point") == ","):
    spaced = numeric(locale, "thousands_sep") in (" ", "\u00a0", "\u202f")
    for args, wanted in [
            (["2,5 kg in g"], (0, "2,5 ", "2500")),
            (["1.5 kg in g"], (0, "1.5 ", "1500")),
            (["1,234.5 g in kg"], (0, "1,234.5 ", "1,2345")),
            (["-t", "2,5 kg in g"], (0, "2500", "2500")),
            (["-t", "1 g in kg"], (0, "0.001", "0.001")),
            (["--json", "1 g in kg"], (0, '"text":"0.001"', "0.001")),
            (["--regional", "1,250 kg in g"], (0, "1,250 ", "1250")),
            (["--regional", "-t", "1 g in kg"], (0, "0,001", "0,001")),
            (["--no-regional", "1,250 kg in g"], (0, "1,250 ", "1250000")),
            (["--no-regional", "1 g in kg"], (0, "1 ", "0.001"))]:
        result = run(locale, *args)
        out = result.stdout.decode()
        expect(f"{locale} {args}", (result.returncode, wanted[1] in out, wanted[2] in out),
               (wanted[0], True, True))
    # A locale that groups digits with spaces (French) reads "." as a point, and other comma
    # locales as the group sign: "1.500" is refused there too.
    for number, readings in [("1,250", ("1,25", "1250")), ("1.500", ("1500", "1,5" if spaced else "1.5"))]:
        result = run(locale, f"{number} m in cm")
        message = result.stderr.decode()
        expect(f"{locale} {number}", (result.returncode, all(r in message for r in readings),
                                      "--regional" in message and "--no-regional" in message), (2, True, True))
# French digit groups with a plain, a no-break and a narrow no-break space, and the one reading of
# a number grouped by "." or ",".
for number in ("1 234,5", "1\u00a0234,5", "1\u202f234,5", "1.234,5", "1,234.5"):
    result = run("fr_FR.UTF-8", "-t", f"{number} m en km")
    expect(f"fr_FR groups {number!r}", (result.returncode, result.stdout.decode()), (0, "1.2345\n"))

# The C library's messages keep their accents: no full device is written as "Ger?t", also where
# only LC_MESSAGES names the language.
for ctype in ({"LC_CTYPE": "de_DE.UTF-8"}, {}):
    with open("/dev/full", "w") as full:
        result = subprocess.run([PROGRAM, "1 m in cm"], stdout=full, capture_output=False, stderr=subprocess.PIPE,
                                env=dict({k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_CTYPE")},
                                         LANG="C", LC_MESSAGES="de_DE.UTF-8", **ctype), timeout=20)
    expect(f"write error {ctype}", (result.returncode, result.stderr.decode(errors="replace")),
           (2, "mezzurix-convert: Schreibfehler: Auf dem Gerät ist kein Speicherplatz mehr verfügbar\n"))

if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"{len(LANGUAGES)} languages checked, {len(TYPED)} with typed queries")
