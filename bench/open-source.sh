#!/bin/bash
# open-source.sh [BUILD_DIR]
#
# How long "Open AC3" takes end to end on large sources: a 48 kHz source of
# one hour (86.4 MB) and a sparse source of 5 GB (frames at its head, a hole
# after them, so it takes no disk space). Each open runs through the scenario
# driver with the real files and media framework: the file dialog's answer,
# the probe (at most 2560 bytes of the head), the total time from the media
# framework, the second measure, the label and the new preview player.
#
# For each source it prints the label shown, the wall time of one driver run
# that starts the program, opens the source once and ends, and the time of
# one open alone: a run that opens the source 20 times, less a run that
# opens nothing, divided by 10. Each figure is the median of 5 runs.
# The sources are made once into BUILD_DIR/bench-media.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
driver=$build/quorvane-script
if [ ! -x "$driver" ]; then
    echo "open-source.sh: build the driver first: cmake --build $build --target quorvane-script" >&2
    exit 1
fi

media=$build/bench-media
mkdir -p "$media"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY

# 36 s at 48 kHz, 192 kbit/s: 1125 frames of 768 bytes. AC3 frames stand
# alone, so 100 copies in a row are a valid source of exactly one hour.
chunk=$media/chunk36s.ac3
if [ ! -s "$chunk" ]; then
    gst-launch-1.0 -q audiotestsrc samplesperbuffer=1536 num-buffers=1125 \
        ! audio/x-raw,rate=48000,channels=2 ! audioconvert ! avenc_ac3 bitrate=192000 \
        ! filesink location="$chunk.part" >/dev/null
    mv "$chunk.part" "$chunk"
fi
hour=$media/hour.ac3
if [ ! -s "$hour" ]; then
    for _ in $(seq 100); do cat "$chunk"; done >"$hour.part"
    mv "$hour.part" "$hour"
fi
sparse=$media/sparse5g.ac3
if [ ! -s "$sparse" ]; then
    cp "$chunk" "$sparse.part"
    truncate -s 5000000000 "$sparse.part"
    mv "$sparse.part" "$sparse"
fi

runs=5
opens=10

# Milliseconds of one driver run of scenario $1.
run_ms() {
    local t0 t1
    t0=$(date +%s%N)
    "$driver" "$1" >"$work/out" 2>"$work/err"
    t1=$(date +%s%N)
    echo $(((t1 - t0) / 1000000))
}
median_ms() {
    local i
    for i in $(seq $runs); do run_ms "$1"; done | sort -n | sed -n "$(((runs + 1) / 2))p"
}
seconds() { printf '%d.%03d s' $(($1 / 1000)) $(($1 % 1000)); }

echo "# nothing opened" >"$work/base.scn"
base=$(median_ms "$work/base.scn")

printf '%-14s %16s  %-28s %10s %10s\n' source bytes label "one run" "per open"
for source in "$hour" "$sparse"; do
    printf 'pick %s\nclick 1000\nshow\n' "$source" >"$work/once.scn"
    for _ in $(seq $opens); do printf 'pick %s\nclick 1000\n' "$source"; done >"$work/many.scn"

    run_ms "$work/once.scn" >/dev/null
    if grep -q '^box' "$work/out"; then
        echo "open-source.sh: opening $source failed:" >&2
        cat "$work/out" >&2
        exit 1
    fi
    label=$(sed -n 's/^control 1001 visible "\(.*\)"$/\1/p' "$work/out")
    once=$(median_ms "$work/once.scn")
    many=$(median_ms "$work/many.scn")
    per=$(((many - base) / opens))
    printf '%-14s %16s  %-28s %10s %10s\n' "$(basename "$source")" "$(stat -c %s "$source")" "$label" \
        "$(seconds "$once")" "$(seconds "$per")"
done
echo "(a run that opens nothing: $(seconds "$base"); medians of $runs runs; $(nproc) cores)"
