#!/usr/bin/env python3
"""Plants the faults of faults.tsv in the game's rules one at a time,
rebuilds the core tests and runs them, and reports which faults the tests
catch. A tool for people, not part of the test command; see tools/README.md.

    python3 tools/mutate/mutate.py [--build DIR] [--only N,M] [--check]

Every file is put back byte for byte after its fault, also when the run is
interrupted; the tree must have no uncommitted change in the files the list
names, so that nothing of anyone's work can be lost.
"""
import argparse
import pathlib
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
FAULTS = pathlib.Path(__file__).with_name("faults.tsv")
TARGET = "quellan_core_tests"


def unescape(text):
    out, k = [], 0
    while k < len(text):
        if text[k] == "\\" and k + 1 < len(text):
            out.append({"t": "\t", "n": "\n", "\\": "\\"}.get(text[k + 1], text[k : k + 2]))
            k += 2
        else:
            out.append(text[k])
            k += 1
    return "".join(out)


def read_faults():
    faults = []
    for number, line in enumerate(FAULTS.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 4:
            sys.exit(f"{FAULTS.name}:{number}: four tab-separated fields expected")
        path, find, replace, why = fields
        faults.append((number, path, unescape(find), unescape(replace), why))
    return faults


def check(faults):
    """Every fault's text must be found exactly once in its file."""
    bad = False
    for number, path, find, _, _ in faults:
        count = (ROOT / path).read_text(encoding="utf-8").count(find)
        if count != 1:
            print(f"{FAULTS.name}:{number}: found {count} times in {path}: {find!r}")
            bad = True
    return not bad


# The core tests take seconds; a fault that makes one loop for ever is caught
# as surely as one that makes it fail.
TEST_TIME_LIMIT = 120


def run(command, log, timeout=None):
    with open(log, "ab") as out:
        try:
            return subprocess.run(command, cwd=ROOT, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            out.write(f"\n--- stopped after {timeout} s\n".encode())
            return -1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build", help="the configured build folder")
    parser.add_argument("--only", help="comma-separated line numbers of faults.tsv")
    parser.add_argument("--check", action="store_true", help="only check that each fault applies")
    args = parser.parse_args()

    faults = read_faults()
    if args.only:
        wanted = {int(n) for n in args.only.split(",")}
        faults = [f for f in faults if f[0] in wanted]
    if not check(faults):
        return 2
    if args.check:
        print(f"{len(faults)} faults apply")
        return 0
    files = sorted({f[1] for f in faults})
    if subprocess.run(["git", "diff", "--quiet", "--", *files], cwd=ROOT).returncode != 0:
        sys.exit("uncommitted changes in the files the faults touch; commit or stash them first")

    build = pathlib.Path(args.build)
    binary = ROOT / build / "tests" / TARGET
    log = ROOT / build / "mutate.log"
    log.write_text("")
    build_command = ["cmake", "--build", str(build), "--target", TARGET, "-j2"]
    if run(build_command, log) != 0 or run([str(binary), "--gtest_brief=1"], log) != 0:
        sys.exit(f"the core tests do not pass without a fault; see {log}")

    current = {}  # the file being changed and its original bytes

    def restore(*_):
        for path, original in current.items():
            path.write_bytes(original)
        current.clear()

    signal.signal(signal.SIGINT, lambda *a: (restore(), sys.exit(130)))
    signal.signal(signal.SIGTERM, lambda *a: (restore(), sys.exit(143)))

    caught, survivors, stillborn = 0, [], []
    for number, path, find, replace, why in faults:
        file = ROOT / path
        original = file.read_bytes()
        current[file] = original
        try:
            file.write_bytes(original.decode("utf-8").replace(find, replace, 1).encode("utf-8"))
            started = time.time()
            with open(log, "a") as out:
                out.write(f"\n=== {number} {path}: {why}\n")
            if run(build_command, log) != 0:
                verdict = "does not build"
                stillborn.append((number, path, why))
            elif run([str(binary), "--gtest_brief=1"], log, TEST_TIME_LIMIT) != 0:
                verdict = "caught"
                caught += 1
            else:
                verdict = "SURVIVED"
                survivors.append((number, path, why))
            print(f"{number:3} {verdict:14} {time.time() - started:5.0f} s  {path}: {why}", flush=True)
        finally:
            restore()
    # Leave the test binary built from the tree as it is.
    run(build_command, log)

    total = caught + len(survivors)
    print(f"\ncaught {caught} of {total} faults ({100 * caught / max(total, 1):.0f} %)")
    for number, path, why in survivors:
        print(f"  survived: line {number}, {path}: {why}")
    for number, path, why in stillborn:
        print(f"  did not build (not counted): line {number}, {path}: {why}")
    return 0 if not survivors else 1


if __name__ == "__main__":
    sys.exit(main())
