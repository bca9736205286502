# Shared steps of the GUI tests, sourced by each test script. They drive the
# real program with the X server's own input (xdotool) and read what it
# shows from screenshots (ImageMagick). Nothing here talks to the program
# any other way.
#
# A script is run as: SCRIPT QUORVANE_EXE MEDIA_DIR BUILD_DIR WORK_DIR

set -euo pipefail
# shellcheck disable=SC2034  # MEDIA, BUILD and SETTINGS are for the scripts
EXE=$1 MEDIA=$2 BUILD=$3 WORK=$4
# shellcheck disable=SC2034
SETTINGS="$XDG_CONFIG_HOME/Pellimor/Quorvane.ini"
# The main dialog's template size, in dialog units.
DIALOG_DLU_W=277 DIALOG_DLU_H=213

PID="" WID=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

stop_program() {
    if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill "$PID" 2>/dev/null || true; fi
}
trap stop_program EXIT

# Starts the program and waits for its main dialog "Quorvane" to show.
# (Its display connection also owns an unmapped window of that name,
# hence --onlyvisible.)
start_program() {
    "$EXE" &
    PID=$!
    WID=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quorvane$' | head -n 1) ||
        fail "the main dialog did not appear"
    [ -n "$WID" ] || fail "the main dialog did not appear"
    measure_dialog
}

# The dialog's size in pixels: the layout keeps the template's proportions,
# so a dialog unit is WIDTH / 277 by HEIGHT / 213 pixels.
measure_dialog() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    DIALOG_W=$WIDTH DIALOG_H=$HEIGHT
}

# px_x DLU, px_y DLU: a dialog-unit position in pixels of the dialog.
px_x() { echo $(($1 * DIALOG_W / DIALOG_DLU_W)); }
px_y() { echo $(($1 * DIALOG_H / DIALOG_DLU_H)); }

# click X Y [BUTTON]: a mouse click at a dialog-unit position of the dialog.
click() {
    xdotool mousemove --window "$WID" "$(px_x "$1")" "$(px_y "$2")" click "${3:-1}"
    sleep 0.3
}

# press WINDOW KEY...: keys typed into the window. Without a window manager
# the keyboard follows the mouse, so the mouse goes there first.
press() {
    local window=$1
    shift
    xdotool mousemove --window "$window" 2 2
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key "$@"
    sleep 0.2
}

# Moves the mouse off the dialog, so no control under it is highlighted.
park_mouse() { xdotool mousemove 0 0; }

# shot WINDOW FILE: a screenshot of the window, taken once two in a row
# agree (the window has finished drawing).
shot() {
    local window=$1 file=$2 _
    import -window "$window" "$file"
    for _ in $(seq 20); do
        sleep 0.2
        import -window "$window" "$file.next.png"
        if [ "$(compare -metric AE "$file" "$file.next.png" null: 2>&1 || true)" = "0" ]; then
            rm -f "$file.next.png"
            return 0
        fi
        mv "$file.next.png" "$file"
    done
    fail "the window $window kept changing"
}

# crop FILE X Y W H OUT: a dialog-unit region of a dialog screenshot.
crop() {
    local x y w h
    x=$(px_x "$2") y=$(px_y "$3") w=$(px_x "$4") h=$(px_y "$5")
    convert "$1" -crop "${w}x${h}+${x}+${y}" +repage "$6"
}

# blank FILE X Y W H: true when the region is one plain colour (no control
# drawn there).
blank() {
    crop "$@" "$WORK/region.png"
    [ "$(convert "$WORK/region.png" -format '%k' info:)" = "1" ]
}

# same A B X Y W H: true when both screenshots show the same pixels there.
same() {
    crop "$1" "${@:3}" "$WORK/a.png"
    crop "$2" "${@:3}" "$WORK/b.png"
    [ "$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true)" = "0" ]
}

# window_gone NAME: waits until no visible window has that name.
window_gone() {
    local _
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# close_box WINDOW: what a click on the window's close box does (there is no
# window manager to draw one).
close_box() { "$GUI_DIR/x11-close" "$1"; }

# Waits for the program to end; its exit status is returned.
wait_program() {
    local status=0
    wait "$PID" || status=$?
    PID=""
    return "$status"
}

# Closes the main dialog through its close box and checks that the program
# ends within ten seconds with status 0.
close_program() {
    local _ status=0
    close_box "$WID"
    for _ in $(seq 100); do
        kill -0 "$PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PID" 2>/dev/null && fail "the program did not end after its close box"
    wait_program || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# open_through_chooser NAME: "Open AC3", then NAME typed into the file
# chooser's location bar. The chooser opens in the program's working folder,
# so a bare file name is typed (a typed whole path can be garbled by the
# chooser's completion).
open_through_chooser() {
    local chooser
    click 32 14 # "Open AC3"
    chooser=$(timeout 30 xdotool search --sync --onlyvisible --name '^Select an AC3 file$' | head -n 1) ||
        fail "the file chooser did not appear"
    sleep 0.5
    press "$chooser" ctrl+l
    xdotool type --delay 20 "$1"
    press "$chooser" Return
}
