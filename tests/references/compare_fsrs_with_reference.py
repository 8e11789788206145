#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
"""Runs random review sequences through an independent FSRS-5 implementation (the npm
package ts-fsrs, pinned below) and through our scheduler (fsrs_dump), and compares the
recall before each review, the stability and difficulty after it and the interval it
gives: each must agree to within 1e-6 (stability relative to its size, the interval
exactly). Each side carries its own state from review to review, so differences that
build up over a sequence count too.

    compare_fsrs_with_reference.py FSRS_DUMP MODULE_FOLDER [SEQUENCES [SEED]]

ts-fsrs is installed into MODULE_FOLDER (under the build tree) when it is not there yet;
when the npm registry cannot be reached the test is skipped (exit status 77)."""
import json
import shutil
import subprocess
import sys
from pathlib import Path

PACKAGE, VERSION = "ts-fsrs", "4.7.1"  # the last release on FSRS-5
TOLERANCE = 1e-6
SKIPPED = 77
HERE = Path(__file__).resolve().parent


def installed_version(folder):
    manifest = folder / "node_modules" / PACKAGE / "package.json"
    try:
        return json.loads(manifest.read_text(encoding="utf-8"))["version"]
    except (OSError, ValueError, KeyError):
        return None


def install(folder):
    if installed_version(folder) == VERSION:
        return
    if shutil.which("node") is None or shutil.which("npm") is None:
        print("SKIPPED: node and npm are needed for the reference (apt-get install nodejs npm)")
        sys.exit(SKIPPED)
    folder.mkdir(parents=True, exist_ok=True)
    try:
        result = subprocess.run(
            ["npm", "install", "--prefix", str(folder), "--no-audit", "--no-fund",
             "--no-save", f"{PACKAGE}@{VERSION}"],
            capture_output=True, text=True, timeout=300)
    except subprocess.TimeoutExpired:
        result = None
    if result is None or result.returncode != 0 or installed_version(folder) != VERSION:
        reason = "timed out" if result is None else next(
            (line for line in result.stderr.splitlines()
             if "error" in line and "log of this run" not in line), result.stderr.strip())
        print(f"SKIPPED: could not install {PACKAGE}@{VERSION} from the npm registry: {reason}")
        sys.exit(SKIPPED)


def parse(text):
    return [line.split() for line in text.splitlines() if line.strip()]


def relative(mine, theirs):
    """Stabilities run from a hundredth of a day to a century, and the reference keeps 8
    decimals of each value it computes: their differences count relative to the value."""
    return abs(mine - theirs) / max(abs(theirs), 1.0)


def compare(expected, ours):
    """The largest difference of each value, and the first rows that disagree."""
    largest = {"recall": 0.0, "stability (relative)": 0.0, "difficulty": 0.0, "interval": 0}
    faults, sequence = [], None
    if len(expected) != len(ours):
        return largest, [f"{len(ours)} lines against {len(expected)} in the reference"]
    for theirs, mine in zip(expected, ours):
        if theirs[0] == "sequence":
            sequence = theirs[1]
            if mine[:2] != theirs[:2] or float(mine[2]) != float(theirs[2]):
                faults.append(f"sequence header {mine} against {theirs}")
            continue
        differences = {
            "recall": abs(float(mine[2]) - float(theirs[2])),
            "stability (relative)": relative(float(mine[3]), float(theirs[3])),
            "difficulty": abs(float(mine[4]) - float(theirs[4])),
            "interval": abs(int(mine[5]) - int(theirs[5])),
        }
        for name, value in differences.items():
            largest[name] = max(largest[name], value)
        if mine[:2] != theirs[:2] or any(value > TOLERANCE for value in differences.values()):
            faults.append(f"sequence {sequence}: ours {' '.join(mine)}, "
                          f"reference {' '.join(theirs)}")
    return largest, faults


def main():
    dump, folder = sys.argv[1], Path(sys.argv[2])
    count = sys.argv[3] if len(sys.argv) > 3 else "400"
    seed = sys.argv[4] if len(sys.argv) > 4 else "20261208"
    install(folder)
    reference = subprocess.run(
        ["node", str(HERE / "fsrs_reference.mjs"), str(folder / "node_modules"), count, seed],
        capture_output=True, text=True, check=True).stdout
    ours = subprocess.run([dump], input=reference, capture_output=True, text=True,
                          check=True).stdout
    expected, mine = parse(reference), parse(ours)
    largest, faults = compare(expected, mine)
    reviews = sum(1 for row in expected if row[0] != "sequence")
    print(f"{count} sequences, {reviews} reviews; largest differences: " +
          ", ".join(f"{name} {value:.3g}" for name, value in largest.items()))
    for fault in faults[:20]:
        print(fault)
    if faults:
        print(f"{len(faults)} reviews disagree with {PACKAGE} {VERSION}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
