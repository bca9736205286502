#!/bin/bash
# A film clip with AC3 sound in the real program: the preview window shows
# its 160 x 120 picture, sized to the video; "Full screen" from the window's
# context menu covers the screen and Esc brings the window back; the
# window's close box closes the preview and the source with it.
source "$GUI_DIR/common.bash"

# geometry WINDOW: "X,Y WxH" of a window.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X,$Y ${WIDTH}x$HEIGHT"
}

cd "$MEDIA"
start_program

open_through_chooser "clip.mkv"

# The title is the file's name and two blanks.
preview=$(timeout 30 xdotool search --sync --onlyvisible --name '^clip\.mkv  $' | head -n 1) ||
    fail "the preview window did not appear"
sleep 1
[ "$(geometry "$preview" | cut -d' ' -f2)" = "160x120" ] || fail "preview window $(geometry "$preview"), not 160x120"
shot "$preview" "$WORK/picture.png"
[ "$(convert "$WORK/picture.png" -format '%k' info:)" -gt 8 ] || fail "the preview window shows no picture"
windowed=$(geometry "$preview")

# The context menu's first item is "Full screen".
xdotool mousemove --window "$preview" 80 60 click 3
sleep 0.5
xdotool key Down Return
sleep 1
[ "$(geometry "$preview")" = "0,0 1280x1024" ] || fail "full screen gave $(geometry "$preview")"
import -window root "$WORK/fullscreen.png"
convert "$WORK/fullscreen.png" -resize 25% "$BUILD/gui-video-fullscreen.png"

press "$preview" Escape
sleep 1
[ "$(geometry "$preview")" = "$windowed" ] || fail "Esc left the window at $(geometry "$preview"), not $windowed"

# The preview window's close box: the player and the source are closed.
close_box "$preview"
window_gone '^clip\.mkv  $' || fail "the preview window stayed after its close box"
close_program
echo "ok: video"
