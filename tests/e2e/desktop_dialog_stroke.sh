#!/usr/bin/env bash
# A pencil stroke under way when Ctrl+X opens the exit confirmation ends
# there: dragging on under the dialog draws nothing on the frozen canvas,
# before or after No closes it.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/real_desktop.sh" "$2"
start_real_desktop
launch_on_real_desktop

click_at 835 610  # the pencil
xdotool mousemove 100 120 mousedown 1 mousemove 200 120
# Canvas pixels are window pixels less (30, 29).
stroke_drawn() { [ "$(region_differs "$(shot stroke)" 100 118 100 5 "$app/PICTURE/01.GIF" 70 89)" != 0 ]; }
wait_for 20 stroke_drawn
xdotool key ctrl+x
wait_for 20 exit_panel_showing
xdotool mousemove 250 560 mousemove 700 560 mouseup 1
click_at 610 433  # No
# The window handles its input in order: once No has closed the panel, the
# drag under it has been handled too.
exit_panel_gone() { ! exit_panel_showing; }
wait_for 20 exit_panel_gone

s=$(shot after)
[ "$(region_differs "$s" 100 118 100 5 "$app/PICTURE/01.GIF" 70 89)" != 0 ] || fail "the stroke before the dialog was not drawn"
expect_region_shows "$s" 203 118 497 5 "$app/PICTURE/01.GIF" 173 89
expect_region_shows "$s" 240 555 470 10 "$app/PICTURE/01.GIF" 210 526
app_running || fail "the program ended"
echo "dialog stroke: passed"
