#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# Runs one fuzz target for a while over a copy of its seed corpus.
#
#   fuzz/run.sh TARGET SECONDS [BUILD_DIR]
#
# TARGET is fuzz_cue_file, fuzz_answer_check, fuzz_language_setting or fuzz_vocabulary_list. The targets are
# built with clang and the sanitizers into BUILD_DIR (default build-fuzz) when missing.
# New inputs go to a temporary folder, so the seed corpus in the repository never grows.
# Crashing, hanging or leaking inputs are kept in BUILD_DIR/fuzz-findings/TARGET/; the
# script then exits non-zero.
set -eu

usage() {
    echo "usage: $0 fuzz_cue_file|fuzz_answer_check|fuzz_language_setting|fuzz_vocabulary_list SECONDS [BUILD_DIR]" >&2
    exit 2
}

[ $# -ge 2 ] && [ $# -le 3 ] || usage
target=$1
seconds=$2
case $target in
    fuzz_cue_file) max_len=65536 ;;
    fuzz_answer_check) max_len=4096 ;;
    fuzz_language_setting) max_len=256 ;;
    fuzz_vocabulary_list) max_len=16384 ;;
    *) usage ;;
esac
case $seconds in
    '' | *[!0-9]*) usage ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-build-fuzz}
case $build in
    /*) ;;
    *) build=$root/$build ;;
esac

if [ ! -x "$build/fuzz/$target" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DRECALLIX_SANITIZE=ON -DRECALLIX_BUILD_FUZZ=ON -DRECALLIX_BUILD_GUI=OFF \
        -DRECALLIX_BUILD_BENCH=OFF
fi
# Always brought up to date, so a run never tests stale code.
cmake --build "$build" --target "$target" -j "$(nproc)"

work=$(mktemp -d "${TMPDIR:-/tmp}/recallix-$target-XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir "$work/corpus"
cp "$root/fuzz/corpus/$target/"* "$work/corpus/"

findings=$build/fuzz-findings/$target
mkdir -p "$findings"

status=0
"$build/fuzz/$target" "$work/corpus" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" || status=$?

if [ "$status" -ne 0 ]; then
    echo "$target: finding (exit status $status); inputs kept in $findings" >&2
    exit "$status"
fi
echo "$target: no finding in $seconds seconds"
