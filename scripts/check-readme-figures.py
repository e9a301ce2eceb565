#!/usr/bin/env python3
"""Checks the figures README.md gives against what the workbench counts.

    check-readme-figures.py WORKBENCH PLUGIN README

Renders the gallery into a scratch folder (its last line counts pictures, pages and variants)
and reads the workbench's --help for its device types, fieldbuses, languages and faults. Every
figure and list of the README that the program can count must be the program's; the script
names each one that is not and exits 1 (2 when the workbench cannot be run).
"""

import os
import re
import subprocess
import sys
import tempfile


def run(command):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = subprocess.run(command, capture_output=True, text=True, env=environment, timeout=900)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} exited with {result.returncode}:\n{result.stderr}")
    return result.stdout


def help_list(help_text, option):
    """The names --help gives after "--option <x>  Something: a, b, c."."""
    match = re.search(r"--" + option + r" <\w+>\s+[^:]*:\s*([^.]+)\.", help_text)
    if not match:
        sys.exit(f"--help does not list the values of --{option}")
    return [name.strip() for name in " ".join(match.group(1).split()).split(",")]


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    workbench, plugin, readme_path = sys.argv[1:]
    with open(readme_path, encoding="utf-8") as file:
        readme = file.read()
    # The README breaks lines anywhere: one space for every run of blanks.
    flat = " ".join(readme.split())

    problems = []

    def expect(what, stated, counted):
        if stated is None:
            problems.append(f"{what}: the README no longer says it (update this script)")
        elif stated != counted:
            problems.append(f"{what}: the README says {stated}, the program counts {counted}")
        else:
            print(f"ok  {what}: {counted}")

    def stated(pattern, group=1):
        match = re.search(pattern, flat)
        return match.group(group) if match else None

    with tempfile.TemporaryDirectory() as folder:
        output = run([workbench, "--plugin", plugin, "--screenshots", folder, "--all-variants"])
    gallery = re.search(r"(\d+) pictures of (\d+) pages in (\d+) variants", output)
    if not gallery:
        sys.exit(f"the gallery did not say what it rendered:\n{output}")
    pictures, pages, variants = (int(n) for n in gallery.groups())

    sentence = re.search(r"the (\d+) pages in (\d+) variants take about .*?\((\d+) pictures\)", flat)
    expect("gallery pages", int(sentence.group(1)) if sentence else None, pages)
    expect("gallery variants", int(sentence.group(2)) if sentence else None, variants)
    expect("gallery pictures", int(sentence.group(3)) if sentence else None, pictures)

    # The plug-in's pages: the tree's pages and the ones the host always creates.
    static_row = stated(r"\| `staticContentFunction` \|[^|]*\|([^|]*)\|")
    static_pages = len(re.findall(r'"(\w+)"', static_row)) if static_row is not None else 0
    for pattern in (r"the (\d+) pages of the drive's", r"one table of all (\d+) pages", r"the (\d+) page identifiers"):
        figure = stated(pattern)
        expect("plug-in pages, " + pattern.split("(")[0].strip(), int(figure) if figure else None, pages + static_pages)

    help_text = run([workbench, "--plugin", plugin, "--help"])
    lists = [
        ("device types, command line", "device", r"`--device ([\w\\|]+)`"),
        ("device types, toolbar", "device", r"device type \(([\w, ]+)\)"),
        ("fieldbuses, command line", "fieldbus", r"`--fieldbus ([\w\\|]+)`"),
        ("languages, command line", "language", r"`--language ([\w\\|]+)`"),
        ("faults, command line", "fault", r"`--fault NAME` \| start with a fault injected: (.*?) \(repeatable\)"),
        ("faults, rehearsals", "fault", r"`--fault ([-\w]+\|[-\w|]+)`"),
    ]
    for what, option, pattern in lists:
        text = stated(pattern)
        names = [w for w in re.findall(r"[-\w]+", text) if w != "or"] if text is not None else None
        expect(what, names, help_list(help_text, option))

    for problem in problems:
        print(f"FAIL {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
