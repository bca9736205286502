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

# 1000 frames at 44.1 kHz, 192 kbit/s: frame-size codes 20 and 21 alternate
# (834 and 836 bytes) to keep the rate exact, 835,918 bytes, 34.83 s.
encode tone44.ac3 audiotestsrc samplesperbuffer=1536 num-buffers=1000 \
    ! audio/x-raw,rate=44100,channels=2 ! audioconvert ! avenc_ac3 bitrate=192000

# 1000 frames of 2304 bytes at 32 kHz, 384 kbit/s: 2,304,000 bytes, 48 s.
encode tone32.ac3 audiotestsrc samplesperbuffer=1536 num-buffers=1000 \
    ! audio/x-raw,rate=32000,channels=2 ! audioconvert ! avenc_ac3 bitrate=384000

# A 4 s Theora video, 160 x 120 at 25 frames a second, without sound.
encode clip.ogv videotestsrc num-buffers=100 ! video/x-raw,width=160,height=120,framerate=25/1 \
    ! theoraenc ! oggmux

# A 4 s film clip with AC3 sound: 160 x 120 VP8 video and 125 AC3 frames of
# 768 bytes (48 kHz, 192 kbit/s) in Matroska. The sound's first frame comes
# first, 526 bytes in, so the clip opens as an AC3 source and its preview
# shows the picture.
encode clip.mkv audiotestsrc samplesperbuffer=1536 num-buffers=125 ! audio/x-raw,rate=48000,channels=2 \
    ! audioconvert ! avenc_ac3 bitrate=192000 ! ac3parse ! mux. \
    videotestsrc num-buffers=100 ! video/x-raw,width=160,height=120,framerate=25/1 ! vp8enc ! mux. \
    matroskamux name=mux
