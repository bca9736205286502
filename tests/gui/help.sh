#!/bin/bash
# The "Help" button opens the help book beside the program in the help
# viewer, at its introduction; the viewer closes on its own, and the main
# dialog closes as usual afterwards.
source "$GUI_DIR/common.bash"

start_program
click 245 190 # "Help"
help=$(timeout 15 xdotool search --sync --onlyvisible --name '^Help: ' | head -n 1) ||
    fail "the help viewer did not appear"
park_mouse
shot "$help" "$BUILD/gui-help.png"

close_box "$help"
window_gone '^Help: ' || fail "the help viewer did not close"
close_program
echo "help: the help viewer shows the book; see $BUILD/gui-help.png"
