#!/usr/bin/env python3
"""Checks the translated string tables against the source list.

Every language file must be a JSON object holding exactly the text numbers of
tools/strings/source.tsv, each a non-empty string that keeps the layout of the
German source text: the same number of CR LF line breaks, a leading or trailing
blank where the German text has one (the reader completes those texts), the
menu accelerator where the source has one, and the completion marks of the
texts that a reader continues.

Usage: check_strings.py [language codes...]   (default: all fourteen)
Exit status 0 when every file passes, 1 otherwise.
"""
import json
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SOURCE = ROOT / "tools" / "strings" / "source.tsv"
STRINGS = ROOT / "program" / "resources" / "strings"
LANGUAGES = ["zh", "ru", "pl", "fi", "es", "it", "pt", "cs", "tr", "ko", "nl", "bg", "ja", "sv"]
# The text loader appends blanks to these languages' entries itself.
LOADER_PADS = {"zh", "ko", "ja"}
TITLE = "500"


def load_source():
    rows = {}
    lines = SOURCE.read_text(encoding="utf-8").splitlines()
    for line in lines[1:]:
        number, german, english, french, _note = line.split("\t")
        unescape = lambda s: s.replace("\\r\\n", "\r\n").replace("\\t", "\t").replace("\\\\", "\\")
        rows[number] = (unescape(german), unescape(english), unescape(french))
    return rows


def check_entry(code, number, text, source):
    german, english, _french = source
    problems = []
    if not isinstance(text, str) or not text.strip():
        return ["empty or not a string"]
    if text.count("\r\n") != german.count("\r\n"):
        problems.append(f"{text.count(chr(13) + chr(10))} line breaks, source has {german.count(chr(13) + chr(10))}")
    if text.replace("\r\n", "").count("\r") or text.replace("\r\n", "").count("\n"):
        problems.append("bare CR or LF")
    if "\t" in text:
        problems.append("tab character")
    if german.startswith(" ") != text.startswith(" "):
        problems.append("leading blank differs from the source")
    trailing_wanted = german.endswith(" ")
    if number == TITLE and code in LOADER_PADS:
        trailing_wanted = False
    if trailing_wanted != text.endswith(" "):
        problems.append("trailing blank differs from the source")
    if ("&" in german or "&" in english) != ("&" in text):
        problems.append("menu accelerator '&' missing or added")
    if text.count("&") > 1:
        problems.append("more than one accelerator")
    if german.endswith("V-") and not text.endswith("V-"):
        problems.append("must end in 'V-' (the version follows)")
    if german.endswith("(Min. ") or german.endswith("(Max. "):
        if "(" not in text:
            problems.append("must open the bracket that the flow limit closes")
    for place in ("%1", "%2"):
        if text.count(place) != german.count(place):
            problems.append(f"the place '{place}' that the program fills is missing or doubled")
    if "Kelto" in german and "Kelto" not in text:
        problems.append("brand name 'Kelto' missing")
    for unit in ("°C", "°F"):
        if unit in german and unit not in text:
            problems.append(f"unit {unit} missing")
    return problems


def check_file(code, source):
    path = STRINGS / f"{code}.json"
    try:
        table = json.loads(path.read_text(encoding="utf-8"))
    except (OSError, ValueError) as error:
        return [f"{path.name}: {error}"]
    if not isinstance(table, dict):
        return [f"{path.name}: not a JSON object"]
    problems = []
    missing = sorted(set(source) - set(table), key=int)
    unknown = sorted(set(table) - set(source), key=lambda k: (not k.isdigit(), k))
    if missing:
        problems.append(f"{path.name}: missing text numbers {', '.join(missing)}")
    if unknown:
        problems.append(f"{path.name}: text numbers outside the list {', '.join(unknown)}")
    for number in sorted(set(source) & set(table), key=int):
        for problem in check_entry(code, number, table[number], source[number]):
            problems.append(f"{path.name} {number}: {problem}")
    return problems


def main(argv):
    source = load_source()
    codes = argv[1:] or LANGUAGES
    problems = []
    for code in codes:
        problems += check_file(code, source)
    for problem in problems:
        print(problem)
    print(f"{len(codes)} file(s) checked against {len(source)} text numbers, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
