#!/bin/bash
# run-scenario.sh DRIVER SCENARIO.scn MEDIA_DIR
#
# Runs one scenario through quorvane-script in a fresh home and config
# folder and compares the transcript with SCENARIO.expected. In the scenario
# and the transcript, $MEDIA is the test media folder, $WORK the scenario's
# temporary folder (the home folder is $WORK/home) and $BUILD the driver's
# folder. SCENARIO.setup, when present, runs first in $WORK (to lay down
# files and settings); SCENARIO.check, when present, runs last in $WORK
# (to check the files written). Both run under bash -eu.
#
# Transcripts of real-time playback hold positions that vary from run to
# run. SCENARIO.filter, when present, is a sed -E script applied to the
# transcript before the comparison: it replaces such values by the range
# they must lie in, e.g. s/"00:00:0[1-3]"/"00:00:01..03"/. The transcript as
# printed stays in $WORK/actual for SCENARIO.check to test exact relations.
set -eu
driver=$1
scenario=$2
MEDIA=$(cd "$3" && pwd)
BUILD=$(cd "$(dirname "$driver")" && pwd)
base=$(cd "$(dirname "$scenario")" && pwd)/$(basename "${scenario%.scn}")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export MEDIA WORK BUILD
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
unset DISPLAY WAYLAND_DISPLAY

substitute() { sed -e "s|\$MEDIA|$MEDIA|g" -e "s|\$WORK|$WORK|g" -e "s|\$BUILD|$BUILD|g"; }
unsubstitute() { sed -e "s|$WORK|\$WORK|g" -e "s|$MEDIA|\$MEDIA|g" -e "s|$BUILD|\$BUILD|g"; }

if [ -f "$base.setup" ]; then (cd "$WORK" && bash -eu "$base.setup"); fi

substitute <"$scenario" >"$WORK/scenario"
status=0
"$driver" "$WORK/scenario" >"$WORK/actual.raw" 2>"$WORK/stderr" || status=$?
unsubstitute <"$WORK/actual.raw" >"$WORK/actual"

cp "$WORK/actual" "$WORK/compared"
if [ -f "$base.filter" ]; then sed -E -f "$base.filter" <"$WORK/actual" >"$WORK/compared"; fi

if ! diff -u "$base.expected" "$WORK/compared"; then
    echo "--- transcript differs from $base.expected (stderr follows)"
    cat "$WORK/stderr"
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "--- quorvane-script exited with $status"
    cat "$WORK/stderr"
    exit 1
fi
if [ -f "$base.check" ]; then (cd "$WORK" && bash -eu "$base.check"); fi
echo "ok: $(basename "$base")"
