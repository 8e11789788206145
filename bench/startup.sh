#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# startup.sh BUILD_DIR [RUNS]
# Start-up to the first shown window: Recallix against a Qt program whose window shows one
# line of text and one that shows an empty window, started in turn, RUNS times each.
# Prints the medians and the ratios.
set -euo pipefail
build_dir=$1
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

time_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

recallix_times=()
minimal_times=()
label_times=()
for ((i = 0; i < runs; i++)); do
  recallix_times+=("$(time_ms "$build_dir/bench/startup_recallix")")
  label_times+=("$(time_ms "$build_dir/bench/startup_label")")
  minimal_times+=("$(time_ms "$build_dir/bench/startup_minimal")")
done
recallix=$(printf '%s\n' "${recallix_times[@]}" | median)
label=$(printf '%s\n' "${label_times[@]}" | median)
minimal=$(printf '%s\n' "${minimal_times[@]}" | median)
awk -v r="$recallix" -v l="$label" -v m="$minimal" 'BEGIN {
  printf "start-up to first window (median of runs, ms): recallix %.1f, one text label %.1f, minimal Qt window %.1f, ratio %.2f, to empty %.2f\n",
         r / 1000, l / 1000, m / 1000, r / l, r / m }'
