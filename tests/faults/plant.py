#!/usr/bin/env python3
"""Plants each fault of faults.txt in the program, one at a time, and runs the
suites until one fails: a table of which fault the tests catch, and where.

    tests/faults/plant.py [--only ID[,ID...]] [--out FILE]

Run from a checkout whose builds `make test` has made (build/native,
build/fuzz, build/win with its packages). Each fault is taken out again before
the next, and the trees are rebuilt clean at the end. Window code is built and
tested only under Wine; portable code natively first, then under Wine only if
nothing native caught it. Every suite but the installer's and the Debian
package's runs.
"""
import argparse
import os
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
FAULTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "faults.txt")


def read_faults(path):
    faults, fault, part = [], None, None
    for line in open(path, encoding="utf-8").read().split("\n"):
        if line.startswith("== "):
            ident, _, what = line[3:].partition(": ")
            fault = {"id": ident, "what": what, "from": [], "to": []}
            faults.append(fault)
            part = None
        elif fault is None or (part is None and line.startswith("#")):
            continue
        elif line.startswith("file: "):
            fault["file"] = line[6:]
        elif line in ("from:", "to:"):
            part = line[:-1]
        elif part:
            fault[part].append(line)
    for f in faults:
        for part in ("from", "to"):
            while f[part] and f[part][-1] == "":
                f[part].pop()
            f[part] = "\n".join(f[part])
    return faults


def run(command, log):
    with open(log, "a") as out:
        out.write("$ " + " ".join(command) + "\n")
        out.flush()
        return subprocess.run(command, cwd=ROOT, stdout=out, stderr=subprocess.STDOUT).returncode


def first_failure(log, since):
    """The first test that failed in the log after byte `since`: a GoogleTest
    case where one is named, else the CTest entry."""
    text = open(log, errors="replace").read()[since:]
    case = re.search(r"\[  FAILED  \] (\S+)", text)
    if case:
        return case.group(1)
    entry = re.search(r"\d+ - (\S+) \(Failed|\d+ - (\S+) \(Timeout|\d+ - (\S+) \(SEGFAULT|\d+ - (\S+) \(Subprocess", text)
    if entry:
        return next(g for g in entry.groups() if g)
    return "failed"


def window_only(path):
    """A file that only the Windows build compiles."""
    listed = open(os.path.join(ROOT, "cmake", "windows.cmake")).read()
    return path in listed or path.startswith(("app/main", "resources/"))


def suites(log, windows_only):
    """Runs the suites a fault can reach, the quickest to fail first; returns
    what caught it, or None. The installer and Debian package tests are left
    out: no fault here is in packaging, and they need the packages rebuilt
    each time."""
    ctest = ["ctest", "--stop-on-failure", "--output-on-failure", "--timeout", "900"]
    if not windows_only:
        start = os.path.getsize(log)
        if run(["cmake", "--build", "build/native", "-j", "2"], log) != 0:
            return "BUILD FAILED"
        for order in (["-R", "^native_tests$"], ["-E", "^native_tests$"]):
            if run(ctest + ["--test-dir", "build/native"] + order, log) != 0:
                return "native: " + first_failure(log, start)
    start = os.path.getsize(log)
    if run(["cmake", "--build", "build/win", "-j", "2"], log) != 0:
        return "BUILD FAILED"
    if run(["scripts/wine-session.sh"] + ctest + ["--test-dir", "build/win", "-E", "^(install|deb_install)$"], log) != 0:
        return "wine: " + first_failure(log, start)
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--only", default="")
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "faults.txt"))
    args = parser.parse_args()
    wanted = set(filter(None, args.only.split(",")))
    faults = [f for f in read_faults(FAULTS) if not wanted or f["id"] in wanted]
    log = os.path.join(ROOT, "build", "faults.log")
    open(log, "w").close()
    os.environ["GTEST_FAIL_FAST"] = "1"
    # Stopped from outside, it still takes the planted fault out again.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    rows = []
    for fault in faults:
        path = os.path.join(ROOT, fault["file"])
        original = open(path, encoding="utf-8", newline="").read()
        if original.count(fault["from"]) != 1:
            rows.append((fault["id"], "NOT PLANTED: text found %d times" % original.count(fault["from"]), 0))
            print("%-26s %s" % rows[-1][:2], flush=True)
            continue
        started = time.time()
        try:
            with open(path, "w", encoding="utf-8", newline="") as out:
                out.write(original.replace(fault["from"], fault["to"]))
            caught = suites(log, window_only(fault["file"]))
        finally:
            with open(path, "w", encoding="utf-8", newline="") as out:
                out.write(original)
        rows.append((fault["id"], caught or "NOT CAUGHT", round(time.time() - started)))
        print("%-26s %-70s %4d s" % rows[-1], flush=True)
    # Leave the builds as the source is.
    run(["cmake", "--build", "build/native", "-j", "2"], log)
    run(["cmake", "--build", "build/win", "-j", "2"], log)
    with open(args.out, "w") as out:
        for row in rows:
            out.write("%s\t%s\t%d\n" % row)
    caught = sum(1 for r in rows if not r[1].startswith("NOT"))
    print("%d of %d faults caught" % (caught, len(rows)))


if __name__ == "__main__":
    sys.exit(main())
