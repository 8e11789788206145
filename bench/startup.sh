#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# startup.sh BUILD_DIR [RUNS]
# Start-up to the first shown window: Recallix against a Qt program whose window shows one
# line of text and one that shows an empty window, started in turn, RUNS times each.
# Prints the medians and the ratios, of the wall clock and of the processor time the
# process took (user and system), which the other work of a shared machine disturbs less.
set -euo pipefail
build_dir=$1
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

python3 - "$build_dir/bench" "$runs" <<'PYTHON'
import os, statistics, subprocess, sys, time

bench, runs = sys.argv[1], int(sys.argv[2])
programs = ("startup_recallix", "startup_label", "startup_minimal")
wall = {p: [] for p in programs}
cpu = {p: [] for p in programs}
for _ in range(runs):
    for program in programs:
        start = time.perf_counter()
        child = subprocess.Popen([os.path.join(bench, program)], stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        _, _, usage = os.wait4(child.pid, 0)
        wall[program].append((time.perf_counter() - start) * 1000)
        cpu[program].append((usage.ru_utime + usage.ru_stime) * 1000)
for name, times in (("start-up to first window", wall), ("start-up processor time", cpu)):
    r, l, m = (statistics.median(times[p]) for p in programs)
    print(f"{name} (median of runs, ms): recallix {r:.1f}, one text label {l:.1f}, "
          f"minimal Qt window {m:.1f}, ratio {r / l:.2f}, to empty {r / m:.2f}")
PYTHON
