#!/usr/bin/env bash
# Opening a website from the info panel minimises the window and so gives the
# desktop its own mode and the keyboard while the browser is open (a parent
# types the address bar, switches windows); once the window is activated
# again, 1024x768 and the keyboard lock are back, and the info panel is still
# open over the frozen screen.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/real_desktop.sh" "$2"
start_real_desktop
launch_on_real_desktop

info_panel_showing() { [ "$(region_differs "$(shot panel)" 322 299 290 90 "$app/PICTURE/CTRL-R-4.JPG" 10 40)" = 0 ]; }
xdotool key ctrl+r
wait_for 20 info_panel_showing
window=$(xdotool search --name "^$CAPTION\$" | head -n1)
click_at 511 426  # visit the product website
wait_for 20 test -s "$WORK/opened-urls"
wait_for 10 screen_mode_is "$DESKTOP_MODE"
wait_for 10 keyboard_free

xdotool windowactivate "$window"
wait_for 10 screen_mode_is "$PROGRAM_MODE"
wait_for 10 main_window_fullscreen
wait_for 10 keyboard_locked
wait_for 20 info_panel_showing
expect_region_hides "$(shot back)" 936 412 63 61 "$app/PICTURE/PAPIR1.JPG"

# The keys reach the program again, and the window manager's do not.
# Alt+F4, then a click that closes the info panel: once the panel has gone,
# the key before it has been handled (or taken by the window manager).
xdotool key alt+F4
click_at 668 282  # close the info panel
info_panel_gone() { ! info_panel_showing; }
wait_for 20 info_panel_gone
app_running || fail "Alt+F4 closed the program"
[ -z "$(wm_marks)" ] || fail "the window manager received: $(wm_marks | tr '\n' ' ')"
leave_by_yes
wait_app_exit 20
screen_mode_is "$DESKTOP_MODE" || fail "the desktop was left at $(screen_mode)"
echo "desktop website: passed"
