#!/bin/sh
# preview-open.sh BUILD_DIR: the time the preview player takes to open a
# one-hour AC3 source (graph built and prerolled; goal: under 300 ms), and
# what its once-a-second position poll costs while idle.
#
# The source is made here with GStreamer's encoder, once per build folder:
# 112,500 frames at 48 kHz (one hour), mono at 64 kbit/s (28.8 MB).
set -eu
build=$(cd "${1:-build}" && pwd)
media=$build/bench-media
mkdir -p "$media"
source=$media/hour48.ac3
if [ ! -s "$source" ]; then
    echo "making a one-hour AC3 source (a few seconds)..."
    gst-launch-1.0 -q audiotestsrc samplesperbuffer=1536 num-buffers=112500 \
        ! audio/x-raw,rate=48000,channels=1 ! audioconvert ! avenc_ac3 bitrate=64000 \
        ! filesink location="$source.part" >/dev/null
    mv "$source.part" "$source"
fi
# No sound device and no display are needed: the sinks fall back by themselves.
HOME=$(mktemp -d)
export HOME XDG_CONFIG_HOME=$HOME/.config
trap 'rm -rf "$HOME"' EXIT
unset DISPLAY WAYLAND_DISPLAY
echo "preview open, goal: under 300 ms for a one-hour source"
"$build/bench/preview_open" "$source"
