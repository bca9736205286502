#!/bin/bash
# bench/split-vs-cp.sh [BUILD]
#
# Splits a generated AC3 source of about 1.5 GB into 3 parts ("By size")
# and copies the same source with cp, side by side in one run, and reports
# the times of both processes, their ratio (cp time / split time: 1.0 means
# as fast as cp) and the peak resident memory of each; split_job_s is the
# time of the split job alone, inside split_bench. The goal: a ratio of 0.8
# or more and a split under 32 MiB.
#
# The split runs in split_bench (bench/split_bench.cpp), the real main
# dialog on the scripted desktop without a media framework, built here in
# BUILD (default: build, configured as Release when new). Both programs
# read the source from the page cache (it is read once before); outputs go
# to the same file system and are synced away between runs. Every run
# checks its outputs: the copy and the concatenated parts equal the source.
#
# Environment: RUNS (default 5) timed rounds of cp and split; BENCH_DIR, where
# the source and outputs go (default: a temporary folder, removed after).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${RUNS:-5}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")
cmake --build "$build" -j "$(nproc)" --target split_bench >/dev/null
bench=$build/bench/split_bench

work=${BENCH_DIR:-}
if [ -z "$work" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work/home/.config"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config

# 1000 copies of a 1000-frame, 32 s stream (1536-byte frames at 48 kHz):
# 1,536,000,000 bytes of whole frames, 32,000 s.
source=$work/source.ac3
if [ ! -s "$source" ]; then
    gst-launch-1.0 -q audiotestsrc samplesperbuffer=1536 num-buffers=1000 \
        ! audio/x-raw,rate=48000,channels=2 ! audioconvert ! avenc_ac3 bitrate=384000 \
        ! filesink location="$work/tone.ac3" >/dev/null
    for _ in $(seq 1000); do cat "$work/tone.ac3"; done >"$source"
fi
size=$(stat -c %s "$source")
total_seconds=32000
cat "$source" >/dev/null  # into the page cache

# seconds and peak KiB of a command, from /usr/bin/time
measure() { /usr/bin/time -f '%e %M' -o "$work/time" "$@" >"$work/out" && cat "$work/time"; }

run_cp() {
    rm -f "$work/copy.ac3" && sync
    read -r cp_s cp_kib < <(measure cp "$source" "$work/copy.ac3")
    cmp "$source" "$work/copy.ac3"
    rm -f "$work/copy.ac3" && sync
}
run_split() {
    rm -rf "$work/parts" && mkdir "$work/parts" && sync
    read -r split_s split_kib < <(measure "$bench" "$source" "$total_seconds" "$work/parts/" 3)
    grep -q '"Splitting is done!"' "$work/out" || { cat "$work/out"; exit 1; }
    job_s=$(sed -n 's/.*split_seconds=\([0-9.]*\).*/\1/p' "$work/out")
    cat "$work"/parts/source_*.ac3 | cmp - "$source"
}

echo "source: $size bytes, $total_seconds s; build $build ($build_type)"
# One round untimed: the first large write after the source was made is
# slow for whichever program comes first.
run_cp
run_split
printf '%-4s %8s %8s %12s %12s %12s %6s\n' run cp_s split_s split_job_s cp_peak_KiB split_peak_KiB ratio
ratios=
for run in $(seq "$runs"); do
    # Each program goes first in every other run.
    if [ $((run % 2)) -eq 1 ]; then run_cp; run_split; else run_split; run_cp; fi
    ratio=$(awk -v a="$cp_s" -v b="$split_s" 'BEGIN { printf "%.2f", a / b }')
    printf '%-4s %8s %8s %12s %12s %12s %6s\n' "$run" "$cp_s" "$split_s" "$job_s" "$cp_kib" "$split_kib" "$ratio"
    ratios="$ratios $ratio"
done
echo "parts: $(stat -c %s "$work"/parts/source_*.ac3 | tr '\n' ' ')(concatenated = source)"
median=$(printf '%s\n' $ratios | sort -n | awk '{ r[NR] = $1 } END { print r[int((NR + 1) / 2)] }')
echo "ratio cp/split (whole processes), median of $runs: $median (goal >= 0.8)"
echo "split peak RSS: $split_kib KiB (goal < 32768)"
