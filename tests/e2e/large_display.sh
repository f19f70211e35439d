#!/usr/bin/env bash
# On a display without a 1024x768 mode (an Xvfb screen of the size given) the
# window covers the whole display: the frame at the largest scale that fits,
# centred on black, the mouse mapped to it, the keyboard locked.
# Usage: large_display.sh APP_DIR PROBE WIDTHxHEIGHT
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/real_desktop.sh" "$2"
size=${3:?the screen size}
width=${size%x*} height=${size#*x}
start_x "${size}x24"
install_recording_browser
app=$(copy_app)
start_app "$app"

# Where the 1024x768 frame stands, as the program places it.
if ((width * 768 <= height * 1024)); then
  shown_width=$width shown_height=$((width * 768 / 1024))
else
  shown_width=$((height * 1024 / 768)) shown_height=$height
fi
left=$(((width - shown_width) / 2)) top=$(((height - shown_height) / 2))
# The screen pixel at the middle of frame pixel (x, y).
screen_x() { echo $((left + ($1 * shown_width + shown_width / 2) / 1024)); }
screen_y() { echo $((top + ($1 * shown_height + shown_height / 2) / 768)); }

window_covers_display() {
  local id geometry
  id=$(xdotool search --onlyvisible --name "^$CAPTION\$" 2>/dev/null | head -n1) || return 1
  [ -n "$id" ] || return 1
  geometry=$(xwininfo -id "$id" 2>/dev/null) || return 1
  grep -q 'Absolute upper-left X:  0$' <<<"$geometry" && grep -q 'Absolute upper-left Y:  0$' <<<"$geometry" &&
    grep -q "Width: $width\$" <<<"$geometry" && grep -q "Height: $height\$" <<<"$geometry"
}
# The frame, taken back to 1024x768 from the screen, shows the canvas (the
# sampling there and back moves a few edge pixels, hence the allowance).
canvas_shown_scaled() {
  convert "$(shot scaled)" -crop "${shown_width}x${shown_height}+${left}+${top}" +repage -sample '1024x768!' \
    "$WORK/frame.png"
  [ "$(region_differs "$WORK/frame.png" 30 29 750 600 "$app/PICTURE/01.GIF")" -lt 9000 ]
}
wait_for 30 window_covers_display
wait_for 10 canvas_shown_scaled

s=$(shot covered)
# Black around the frame, on whichever sides it leaves free.
for corner in "0 0" "$((width - 1)) $((height - 1))"; do
  read -r x y <<<"$corner"
  [ "$(pixel "$s" "$x" "$y")" = "0 0 0" ] || fail "pixel $x,$y beside the frame is $(pixel "$s" "$x" "$y")"
done
keyboard_locked || fail "the keyboard is not locked"

# Yellow, then a click on the canvas's white ground (frame 130,79): the fill
# lands where the mouse was.
click_at "$(screen_x 218)" "$(screen_y 717)"
click_at "$(screen_x 130)" "$(screen_y 79)"
yellow_at_click() { [ "$(pixel "$(shot filled)" "$(screen_x 130)" "$(screen_y 79)")" = "255 255 0" ]; }
wait_for 20 yellow_at_click

# The exit confirmation, seen by its panel's ground over the canvas.
ground_before=$(pixel "$(shot before-exit)" "$(screen_x 330)" "$(screen_y 300)")
exit_panel_over_canvas() { [ "$(pixel "$(shot exit)" "$(screen_x 330)" "$(screen_y 300)")" != "$ground_before" ]; }
xdotool key ctrl+x
wait_for 20 exit_panel_over_canvas
click_at "$(screen_x 420)" "$(screen_y 433)"  # Yes
wait_app_exit 20
[ "$APP_STATUS" = 0 ] || fail "Yes ended the program with status $APP_STATUS"
echo "large display $size: passed"
