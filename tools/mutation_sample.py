#!/usr/bin/env python3
"""Samples small faults in the code and tells which ones the test suite catches.

    python3 tools/mutation_sample.py --seed 7 --count 100 [--build build/release] [--paths pages host] [--jobs 1]

From the seed it picks changes of the kinds a slip of the hand makes: a comparison flipped, a
boundary moved (< to <=), a boolean or a "1"/"0" value text swapped, a number changed, a call
removed. For each it changes one line, rebuilds the build folder incrementally, runs the plain
CTest suite (stopping at the first failure) and prints the change with "caught" or "missed". A
change that does not compile is reported and not counted. Every file is restored after each
change and when the run is interrupted; the build folder is rebuilt at the end.

Lines that change nothing a test could observe are never picked: logging, asserts, comments,
includes, layout margins and spacing. A change that is equivalent anyway (a loop bound that
cannot be reached) counts as missed: read the missed ones.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

SKIP = re.compile(
    r"^\s*(//|\*|/\*|#)|q(Debug|Info|Warning|Critical)|Q_ASSERT|Q_UNUSED|static_assert|setContentsMargins"
    r"|setSpacing|Q_OBJECT|Q_PROPERTY|template\s*<|operator"
)

# (kind, pattern, replacement); a pattern matches once per candidate.
RULES = [
    ("comparison flipped", re.compile(r"(?<=[\w)\]] )==(?= )"), "!="),
    ("comparison flipped", re.compile(r"(?<=[\w)\]] )!=(?= )"), "=="),
    ("boundary moved", re.compile(r"(?<=[\w)\]] )<(?= [\w(-])"), "<="),
    ("boundary moved", re.compile(r"(?<=[\w)\]] )<=(?= )"), "<"),
    ("boundary moved", re.compile(r"(?<=[\w)\]] )>(?= [\w(-])"), ">="),
    ("boundary moved", re.compile(r"(?<=[\w)\]] )>=(?= )"), ">"),
    ("boolean swapped", re.compile(r"\btrue\b"), "false"),
    ("boolean swapped", re.compile(r"\bfalse\b"), "true"),
    ("logic swapped", re.compile(r"(?<= )&&(?= )"), "||"),
    ("logic swapped", re.compile(r"(?<= )\|\|(?= )"), "&&"),
    ("value text swapped", re.compile(r'"1"'), '"0"'),
    ("value text swapped", re.compile(r'"0"'), '"1"'),
]
NUMBER = re.compile(r"(?<![\w.\"'])([1-9]\d{0,4})(?![\w.\"'])")
CALL = re.compile(r"^\s+(?!return\b|delete\b|const\b|auto\b|if\b|for\b|while\b|else\b|case\b)[\w:>.\-]+\(.*\);\s*$")


def candidates(paths):
    """Every change the rules allow, as (file, line index, kind, new line)."""
    found = []
    for base in paths:
        for folder, _, files in os.walk(os.path.join(ROOT, base)):
            for name in sorted(files):
                if not name.endswith(".cpp"):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as handle:
                    lines = handle.read().split("\n")
                for index, line in enumerate(lines):
                    if SKIP.search(line) or not line.strip():
                        continue
                    for kind, pattern, replacement in RULES:
                        for match in pattern.finditer(line):
                            changed = line[: match.start()] + replacement + line[match.end():]
                            found.append((path, index, kind, changed))
                    for match in NUMBER.finditer(line):
                        value = int(match.group(1))
                        changed = line[: match.start()] + str(value + 1) + line[match.end():]
                        found.append((path, index, "constant changed", changed))
                    if CALL.match(line) and "=" not in line.split("(")[0]:
                        found.append((path, index, "call removed", ""))
    return sorted(found)


def near_tests(path):
    """The test executables of the folder that mirrors the changed file's folder."""
    parts = os.path.relpath(path, ROOT).split(os.sep)
    folder = parts[1] if parts[0] == "pages" and len(parts) > 2 else parts[0]
    tests = os.path.join(ROOT, "tests", folder)
    if not os.path.isdir(tests):
        return []
    return sorted(name[:-4] for name in os.listdir(tests) if name.startswith("tst_") and name.endswith(".cpp"))


def run(command, log, timeout):
    with open(log, "a", encoding="utf-8") as out:
        out.write("$ " + " ".join(command) + "\n")
        out.flush()
        try:
            return subprocess.run(command, cwd=ROOT, stdout=out, stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return 124


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--build", default="build/release")
    parser.add_argument("--paths", nargs="+", default=["pages", "host"])
    parser.add_argument("--exclude", default="install_tree|debian_packages|tst_pageloadcycles",
                        help="CTest -E regex of tests left out (slow and blind to logic)")
    parser.add_argument("--timeout", type=int, default=900, help="seconds for one build or test run")
    parser.add_argument("--log", default="/tmp/mutation_sample.log")
    parser.add_argument("--only", default="",
                        help="comma-separated numbers of the picked changes to run again, e.g. the missed ones "
                             "after new tests (same seed, count and paths, unchanged code)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2,
                        help="parallel compile and test jobs (leave a core free for other work)")
    options = parser.parse_args()

    pool = candidates(options.paths)
    # Each kind of slip is as likely as any other, whatever its number of places.
    generator = random.Random(options.seed)
    by_kind = {}
    for change in pool:
        by_kind.setdefault(change[2], []).append(change)
    for changes in by_kind.values():
        generator.shuffle(changes)
    picked = []
    kinds = sorted(by_kind)
    while len(picked) < min(options.count, len(pool)):
        kind = generator.choice([kind for kind in kinds if by_kind[kind]])
        picked.append(by_kind[kind].pop())
    print(f"{len(pool)} possible changes in {' '.join(options.paths)}; seed {options.seed}, {len(picked)} picked")
    numbered = list(enumerate(picked, 1))
    if options.only:
        wanted = {int(number) for number in options.only.split(",")}
        numbered = [(number, change) for number, change in numbered if number in wanted]
    open(options.log, "w").close()

    current = {}  # path -> original text, while changed

    def restore(*_):
        for path, text in current.items():
            with open(path, "w", encoding="utf-8") as handle:
                handle.write(text)
        current.clear()

    def interrupted(signum, _frame):
        restore()
        print("interrupted; every file is restored", file=sys.stderr)
        sys.exit(128 + signum)

    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)

    build = ["cmake", "--build", options.build, "--parallel", str(options.jobs)]
    test = ["ctest", "--test-dir", options.build, "--parallel", str(options.jobs), "--stop-on-failure",
            "-E", options.exclude]
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    if run(build, options.log, options.timeout) != 0:
        sys.exit(f"the unchanged tree does not build (see {options.log})")
    # A suite that fails unchanged would count every change as caught.
    if run(test, options.log, options.timeout) != 0:
        sys.exit(f"the unchanged tree fails its tests (see {options.log})")

    caught = missed = broken = 0
    try:
        for number, (path, index, kind, changed) in numbered:
            with open(path, encoding="utf-8") as handle:
                text = handle.read()
            lines = text.split("\n")
            before = lines[index].strip()
            lines[index] = changed
            current[path] = text
            with open(path, "w", encoding="utf-8") as handle:
                handle.write("\n".join(lines))
            where = f"{os.path.relpath(path, ROOT)}:{index + 1}"
            started = time.monotonic()
            near = near_tests(path)
            first = "^(" + "|".join(near) + ")$"
            if near and run(build + ["--target"] + near, options.log, options.timeout) != 0:
                verdict = "does not compile"
                broken += 1
            elif near and run(test + ["-R", first], options.log, options.timeout) != 0:
                verdict = "caught"
                caught += 1
            elif run(build, options.log, options.timeout) != 0:
                verdict = "does not compile"
                broken += 1
            elif run(test[:-1] + [options.exclude + ("|" + first if near else "")], options.log, options.timeout) != 0:
                verdict = "caught"
                caught += 1
            else:
                verdict = "MISSED"
                missed += 1
            restore()
            print(f"{number:3}. {verdict:16} {where} {kind}: {before}  ->  {changed.strip() or '(removed)'}"
                  f"  [{time.monotonic() - started:.0f} s]", flush=True)
    finally:
        restore()
        run(build, options.log, options.timeout)
    counted = caught + missed
    share = 100.0 * caught / counted if counted else 0.0
    print(f"caught {caught} of {counted} ({share:.0f} %); {broken} did not compile; log: {options.log}")


if __name__ == "__main__":
    main()
