#!/usr/bin/env python3
"""Samples small faults in the code and tells which ones the test suite catches.

    python3 tools/mutation_sample.py --seed 7 --count 100 [--build build/release] [--paths pages host] [--jobs 1]

From the seed it draws changes of the kinds a slip of the hand makes, in sources and headers: a
comparison flipped, a boundary moved (< to <=), a boolean or a "1"/"0" value text swapped, a number
changed, a call removed. Every place is equally likely, so each kind is drawn in proportion to its
places (the shares are printed first). For each change it edits one line, rebuilds the build folder
incrementally, runs the plain CTest suite (stopping at the first failure) and prints the verdict:
"caught" with the test that failed (and the test function, where its log names one), "MISSED",
"timeout" (a test or the run hit its time limit; not counted as caught) or "does not compile"
(not counted). The rate is caught over caught + missed + timeout. Every file is restored after each
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
import statistics
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


def code_end(line):
    """Where the code of a line ends: at a // comment outside string and character literals."""
    quote = None
    index = 0
    while index < len(line):
        char = line[index]
        if quote:
            if char == "\\":
                index += 1
            elif char == quote:
                quote = None
        elif char in "\"'":
            quote = char
        elif line.startswith("//", index):
            return index
        index += 1
    return len(line)


def candidates(paths):
    """Every change the rules allow, as (file, line index, kind, new line)."""
    found = []
    for base in paths:
        for folder, _, files in os.walk(os.path.join(ROOT, base)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as handle:
                    lines = handle.read().split("\n")
                for index, line in enumerate(lines):
                    if SKIP.search(line) or not line.strip():
                        continue
                    # Nothing in a comment at the end of the line.
                    end = code_end(line)
                    for kind, pattern, replacement in RULES:
                        for match in pattern.finditer(line, 0, end):
                            changed = line[: match.start()] + replacement + line[match.end():]
                            found.append((path, index, kind, changed))
                    for match in NUMBER.finditer(line, 0, end):
                        value = int(match.group(1))
                        changed = line[: match.start()] + str(value + 1) + line[match.end():]
                        found.append((path, index, "constant changed", changed))
                    # In a header a bare "name(...);" is a declaration; removing it cannot compile.
                    if CALL.match(line) and "=" not in line.split("(")[0] and not name.endswith(".h"):
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


TIMED_OUT = 124
CTEST_FAILED = re.compile(r"Test +#\d+: +(\S+) +[^*\n]*\*+(\w+)")  # "....***Failed", "Subprocess aborted***Exception"
QTEST_FAILED = re.compile(r"^(?:FAIL!|QFATAL) +: +(\w+::\w+(?:\([^)]*\))?)", re.M)


def run(command, log, timeout):
    """The exit code (TIMED_OUT when the time limit ended it) and the output, which also goes to the log."""
    with open(log, "a", encoding="utf-8") as out:
        out.write("$ " + " ".join(command) + "\n")
        out.flush()
        try:
            done = subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
            output, code = done.stdout, done.returncode
        except subprocess.TimeoutExpired as expired:
            output, code = expired.stdout or b"", TIMED_OUT
        text = output.decode("utf-8", "replace")
        out.write(text)
        return code, text


def failure(text):
    """(verdict, what failed) for a failed CTest run: the first failing test and its first failing function."""
    test = CTEST_FAILED.search(text)
    function = QTEST_FAILED.search(text)
    name = test.group(1) if test else "?"
    if function:
        name += " " + function.group(1)
    if (test and test.group(2) == "Timeout") or "Test function timed out" in text:
        return "timeout", name
    return "caught", name


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--build", default="build/release")
    parser.add_argument("--paths", nargs="+", default=["pages", "host"])
    parser.add_argument("--exclude", default="install_tree|debian_packages|host_sdk|fuzz_|tst_pageloadcycles",
                        help="CTest -E regex of tests left out (slow, and blind to the logic of pages and host)")
    parser.add_argument("--timeout", type=int, default=900, help="seconds for one build or test run")
    parser.add_argument("--log", default="/tmp/mutation_sample.log")
    parser.add_argument("--only", default="",
                        help="comma-separated numbers of the picked changes to run again, e.g. the missed ones "
                             "after new tests (same seed, count and paths, unchanged code)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2,
                        help="parallel compile and test jobs (leave a core free for other work)")
    options = parser.parse_args()

    pool = candidates(options.paths)
    # Every place is as likely as any other: a kind with few places must not weigh like one with many.
    picked = random.Random(options.seed).sample(pool, min(options.count, len(pool)))
    print(f"{len(pool)} possible changes in {' '.join(options.paths)}; seed {options.seed}, {len(picked)} picked")
    for kind in sorted({change[2] for change in pool}):
        places = sum(change[2] == kind for change in pool)
        drawn = sum(change[2] == kind for change in picked)
        print(f"  {kind:20} {places:6} places ({100.0 * places / len(pool):4.1f} %), "
              f"{drawn:4} drawn ({100.0 * drawn / max(len(picked), 1):4.1f} %)")
    headers = sum(change[0].endswith(".h") for change in picked)
    print(f"  {headers} of the drawn changes are in headers", flush=True)
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
            "--output-on-failure", "-E", options.exclude]
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    if run(build, options.log, options.timeout)[0] != 0:
        sys.exit(f"the unchanged tree does not build (see {options.log})")
    # A suite that fails unchanged would count every change as caught.
    if run(test, options.log, options.timeout)[0] != 0:
        sys.exit(f"the unchanged tree fails its tests (see {options.log})")

    counts = {"caught": 0, "MISSED": 0, "timeout": 0, "does not compile": 0}
    seconds = []
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
            near = [name for name in near_tests(path) if not re.search(options.exclude, name)]
            first = "^(" + "|".join(near) + ")$"
            verdict, by = "MISSED", ""
            # The near tests first: a caught change then costs one small build.
            steps = ([(build + ["--target"] + near, test + ["-R", first])] if near else []) + [
                (build, test[:-1] + [options.exclude + ("|" + first if near else "")])]
            for build_step, test_step in steps:
                if run(build_step, options.log, options.timeout)[0] != 0:
                    verdict = "does not compile"
                    break
                code, output = run(test_step, options.log, options.timeout)
                if code == TIMED_OUT:
                    verdict, by = "timeout", "the whole run"
                    break
                if code != 0:
                    verdict, by = failure(output)
                    break
            restore()
            counts[verdict] += 1
            seconds.append(time.monotonic() - started)
            print(f"{number:3}. {verdict:16} {where} {kind}: {before}  ->  {changed.strip() or '(removed)'}"
                  f"  [{seconds[-1]:.0f} s]" + (f"  by {by}" if by else ""), flush=True)
    finally:
        restore()
        run(build, options.log, options.timeout)
    counted = counts["caught"] + counts["MISSED"] + counts["timeout"]
    share = 100.0 * counts["caught"] / counted if counted else 0.0
    median = statistics.median(seconds) if seconds else 0.0
    print(f"caught {counts['caught']}, missed {counts['MISSED']}, timeout {counts['timeout']}, "
          f"did not compile {counts['does not compile']}: {share:.0f} % caught of {counted}; "
          f"median {median:.0f} s per change; log: {options.log}")


if __name__ == "__main__":
    main()
