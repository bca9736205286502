#!/bin/bash
# The three split modes on screen. The real program is driven with real
# mouse clicks on its radio buttons, placed by the template's dialog units
# times the dialog's measured size. What each mode shows is read from
# screenshots, region by region: a region with no control in it is one
# plain colour; a row the two splits share looks the same in both; a mode
# shown again looks as it did at first. The dialog is then closed through
# its close box, which saves the output folder.
source "$GUI_DIR/common.bash"

# expect SHOT ink|blank X Y W H WHAT: the region (dialog units) of a
# screenshot shows a control (ink) or none (blank, one plain colour).
# Controls are checked at their template rectangles; empty places a
# little inside, clear of their neighbours.
expect() {
    local file=$1 want=$2 got=ink
    if blank "$file" "$3" "$4" "$5" "$6"; then got=blank; fi
    [ "$got" = "$want" ] || fail "$(basename "$file" .png): ${*:7}: $got where $want was expected"
}

start_program
park_mouse
shot "$WID" "$WORK/first.png"

click 114 44 # "By size"
park_mouse
shot "$WID" "$WORK/size.png"
click 193 44 # "By time"
park_mouse
shot "$WID" "$WORK/time.png"
click 30 45 # "By frame"
park_mouse
shot "$WID" "$WORK/frame.png"

# Side by side for a person to look at: By frame, By size, By time.
convert "$WORK/first.png" "$WORK/size.png" "$WORK/time.png" -bordercolor white -border 4 +append \
    "$BUILD/gui-modes.png"

# By frame, at first display.
f="$WORK/first.png"
expect "$f" ink 7 65 229 14 "position slider"
expect "$f" ink 13 89 42 14 "Play"
expect "$f" ink 101 89 42 14 "Pause"
expect "$f" ink 189 89 42 14 "Stop"
expect "$f" ink 7 111 42 14 "Start Time"
expect "$f" ink 60 111 82 14 "start time fields"
expect "$f" ink 7 134 42 14 "End Time"
expect "$f" ink 60 134 84 14 "end time fields"
expect "$f" ink 7 163 40 8 "Output File label"
expect "$f" ink 59 160 173 14 "output file field"
expect "$f" ink 236 160 34 14 "output file Browse"
expect "$f" ink 7 183 50 14 "Start"
expect "$f" blank 237 134 31 12 "place of the output directory Browse"
expect "$f" blank 254 111 14 12 "place of the preview's Close"

# By size and By time: their own row, the output directory row, Start.
s="$WORK/size.png" t="$WORK/time.png"
expect "$s" ink 7 84 54 8 "Split file number label"
expect "$s" ink 65 80 40 14 "number of parts field"
expect "$s" ink 106 80 20 14 "number of parts up-down"
expect "$s" ink 140 83 46 8 "each size label"
expect "$s" ink 7 182 50 14 "Start"
expect "$t" ink 7 82 54 8 "Split file time label"
expect "$t" ink 64 80 45 15 "seconds per part field"
expect "$t" ink 111 80 20 14 "seconds per part up-down"
expect "$t" ink 7 183 50 14 "Start"
for m in "$s" "$t"; do
    expect "$m" ink 7 136 51 8 "Output directory label"
    expect "$m" ink 64 134 169 13 "output directory field"
    expect "$m" ink 235 133 34 14 "output directory Browse"
    expect "$m" blank 8 66 227 12 "place of the position slider"
    expect "$m" blank 8 97 262 5 "place of Play, Pause and Stop"
    expect "$m" blank 8 112 261 12 "place of the start time row"
    expect "$m" blank 8 161 261 12 "place of the output file row"
    expect "$m" blank 254 111 14 12 "place of the preview's Close"
done
same "$s" "$t" 0 130 277 20 || fail "the output directory row differs between By size and By time"
! same "$s" "$t" 0 78 100 20 || fail "By size and By time show the same parts row"

# By frame again: as at first, texts included.
same "$WORK/first.png" "$WORK/frame.png" 0 58 277 155 || fail "By frame again does not look as at first"

# The close box runs the close steps: the output folder is saved.
close_program
[ -f "$SETTINGS" ] || fail "no settings file at $SETTINGS"
grep -qx '\[Option\]' "$SETTINGS" || fail "no [Option] section in the settings"
grep -q '^output_folder=' "$SETTINGS" || fail "the output folder was not saved"
echo "modes: By frame, By size and By time show their controls; see $BUILD/gui-modes.png"
