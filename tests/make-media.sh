#!/bin/sh
# Makes the test media with GStreamer's encoders into the folder given.
# Each file is made once; a rerun keeps the files already there.
set -eu
out=$1
mkdir -p "$out"

# encode NAME PIPELINE...: runs the pipeline into NAME unless it exists.
encode() {
    name=$1
    shift
    [ -s "$out/$name" ] && return 0
    gst-launch-1.0 -q "$@" ! filesink location="$out/$name.part" >/dev/null
    mv "$out/$name.part" "$out/$name"
}

# 1000 frames of 1536 bytes at 48 kHz, 384 kbit/s: 1,536,000 bytes, 32 s.
encode tone48.ac3 audiotestsrc samplesperbuffer=1536 num-buffers=1000 \
    ! audio/x-raw,rate=48000,channels=2 ! audioconvert ! avenc_ac3 bitrate=384000
