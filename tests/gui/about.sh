#!/bin/bash
# The about box, reached as a Linux user reaches a window's commands: a
# right click on the dialog's background opens the window menu, whose last
# item is "About Quorvane". Esc closes the box; Esc in the main dialog then
# ends the program without its close steps, so no settings are written.
source "$GUI_DIR/common.bash"

start_program
# An empty place between "Start" and "Homepage", empty in every mode.
click 100 190 3
# The menu has the keyboard: its last item, then Enter.
sleep 0.3
xdotool key Up
xdotool key Return

about=$(timeout 15 xdotool search --sync --onlyvisible --name '^About Quorvane$' | head -n 1) ||
    fail "the about box did not appear"
park_mouse
shot "$about" "$BUILD/gui-about.png"
# The box has text and an icon: it is not an empty window.
[ "$(convert "$BUILD/gui-about.png" -format '%k' info:)" -gt 1 ] ||
    fail "the about box is empty"

press "$about" Escape
window_gone '^About Quorvane$' || fail "Esc did not close the about box"
xdotool search --onlyvisible --name '^Quorvane$' >/dev/null || fail "the main dialog went with the about box"

# Esc in the main dialog: the dialog ends as cancelled.
press "$WID" Escape
status=0
wait_program || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ ! -f "$SETTINGS" ] || fail "Esc ran the close steps: $SETTINGS was written"
echo "about: the window menu opens the about box; see $BUILD/gui-about.png"
