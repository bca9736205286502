#!/bin/bash
# Playing a source in the real program. "Open AC3" is clicked and a 32 s AC3
# source is typed into the GTK file chooser; the preview plays it for a few
# seconds while screenshots of the position text and slider show them move
# on every second, then Stop puts them back at the start, where they stay.
# The main dialog's close box then closes the player and ends the program.
source "$GUI_DIR/common.bash"

# position FILE: a screenshot of the position slider and text (dialog units
# 7,62 to 270,82) into FILE.
position() {
    park_mouse
    import -window "$WID" "$WORK/dialog.png"
    crop "$WORK/dialog.png" 7 62 263 20 "$1"
}
# differ A B: true when the two position shots differ.
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; }

# Started in the media folder, where the file chooser first looks.
cd "$MEDIA"
start_program

open_through_chooser "tone48.ac3"
window_gone '^Select an AC3 file$' || fail "the file chooser did not close"
sleep 1.5
position "$WORK/opened.png"

click 34 96 # "Play"
sleep 1.6
position "$WORK/played1.png"
sleep 1.2
position "$WORK/played2.png"
sleep 1.2
position "$WORK/played3.png"
differ "$WORK/opened.png" "$WORK/played1.png" || fail "the position did not move in the first second of play"
differ "$WORK/played1.png" "$WORK/played2.png" || fail "the position stood still while playing"
differ "$WORK/played2.png" "$WORK/played3.png" || fail "the position stood still while playing"

click 210 96 # "Stop"
sleep 1.6
position "$WORK/stopped1.png"
sleep 1.2
position "$WORK/stopped2.png"
differ "$WORK/stopped1.png" "$WORK/stopped2.png" && fail "the position moved while stopped"
differ "$WORK/opened.png" "$WORK/stopped1.png" && fail "Stop did not go back to the start"

# For a person to look at: opened, playing (three), stopped.
convert "$WORK/opened.png" "$WORK/played1.png" "$WORK/played2.png" "$WORK/played3.png" "$WORK/stopped1.png" \
    -bordercolor white -border 2 -append "$BUILD/gui-playback.png"

close_program
echo "ok: playback"
