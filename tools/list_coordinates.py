#!/usr/bin/env python3
"""List the parameter coordinates that a text names, and check a drive description against them.

    list_coordinates.py TEXT                     one coordinate a line, grouped by letter
    list_coordinates.py TEXT --check DRIVE.json  the coordinates that DRIVE.json lacks
    list_coordinates.py TEXT --check DRIVE.json --allow-missing M513

A coordinate is a capital letter followed by two to four digits ("J40", "I210"), standing
alone or at the end of an object or slot name ("ParaTextEdit_J41", "onJ40Changed").
Ranges written "G469 to G477" or "I445 … I449" count with every coordinate in between. Names such as
"CiA402" (A402) or "lineEditCompI32Number" are not coordinates.

With --check the exit code is 1 when coordinates are missing (apart from the allowed ones),
and 0 otherwise.
"""

import argparse
import json
import re
import sys

COORDINATE = re.compile(r"(?<![A-Z0-9])([A-Z])(\d{2,4})(?!\d)")
RANGE = re.compile(r"\b([A-Z])(\d{2,4})[\"`]? (?:to|\u2026|\.\.\.) [\"`]?([A-Z])(\d{2,4})\b")
# Words in which a letter and digits are not a coordinate.
NOT_BEFORE = ("Ci", "Comp")


def coordinates(text):
    found = set()
    for match in COORDINATE.finditer(text):
        start = match.start()
        if any(text[max(0, start - len(word)):start] == word for word in NOT_BEFORE):
            continue
        found.add(match.group(1) + match.group(2))
    for match in RANGE.finditer(text):
        first_letter, first, last_letter, last = match.groups()
        if first_letter != last_letter or int(first) > int(last) or int(last) - int(first) > 50:
            continue
        width = len(first)
        for line in range(int(first), int(last) + 1):
            found.add(first_letter + str(line).rjust(width, "0"))
    return found


def sort_key(coordinate):
    return coordinate[0], int(coordinate[1:])


def defined(path):
    with open(path, encoding="utf-8") as handle:
        description = json.load(handle)
    result = set()
    for entry in description.get("parameters", []):
        text = entry.get("coordinate", "")
        match = re.fullmatch(r"([A-Z])(\d{1,5})", text)
        if match:
            # Canonical form: at least two digits, as the coordinates are written.
            result.add(match.group(1) + match.group(2).rjust(2, "0"))
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("text", help="text file to read the coordinates from")
    parser.add_argument("--check", metavar="DRIVE", help="drive description (JSON) to check")
    parser.add_argument("--allow-missing", default="", metavar="LIST",
                        help="comma-separated coordinates the description may leave out")
    args = parser.parse_args()

    with open(args.text, encoding="utf-8") as handle:
        named = coordinates(handle.read())

    if not args.check:
        for letter in sorted({c[0] for c in named}):
            group = sorted((c for c in named if c[0] == letter), key=sort_key)
            print(f"{letter} ({len(group)}): {' '.join(group)}")
        print(f"{len(named)} coordinates")
        return 0

    allowed = {c.strip() for c in args.allow_missing.split(",") if c.strip()}
    have = defined(args.check)
    missing = sorted(named - have - allowed, key=sort_key)
    extra = sorted(have - named, key=sort_key)
    print(f"{len(named)} coordinates named, {len(have)} defined, "
          f"{len(named & have)} of them named, {len(missing)} missing")
    if extra:
        print("defined but not named: " + " ".join(extra))
    if missing:
        print("missing: " + " ".join(missing))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
