#!/usr/bin/env bash
# On a real desktop with a window manager, the keyboard is the program's from
# the splash to the end: another client trying to take it every 0.2 s is
# refused every time, across the splash, the switch of windows and of the
# display mode and the pauses; the window manager's shortcuts never reach it,
# so the program keeps running at 1024x768. After Yes they work again. A
# client that held the keyboard before the program started gets no more than
# it had: once it lets go, the program takes the lock by itself.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/real_desktop.sh" "$2"
start_real_desktop

# Without the program every shortcut reaches the window manager.
press_wm_shortcuts
wait_for 10 wm_got_every_shortcut
clear_wm_marks

install_recording_browser
app=$(copy_app)
start_app "$app"
splash_showing() { xdotool search --onlyvisible --classname vellumo >/dev/null 2>&1; }
wait_for 15 splash_showing
start_grab_probe
wait_painting_screen "$app"
screen_mode_is "$PROGRAM_MODE" || fail "the program runs at $(screen_mode)"

press_wm_shortcuts
app_running || fail "a shortcut ended the program"
[ -z "$(wm_marks)" ] || fail "the window manager received: $(wm_marks | tr '\n' ' ')"
screen_mode_is "$PROGRAM_MODE" || fail "the display went to $(screen_mode)"
main_window_fullscreen || fail "the main window left full screen"
expect_probe_always_refused

# Yes gives the desktop its mode and the keyboard back.
leave_by_yes
wait_app_exit 20
screen_mode_is "$DESKTOP_MODE" || fail "the desktop was left at $(screen_mode)"
keyboard_free || fail "the keyboard is still held"
press_wm_shortcuts
wait_for 10 wm_got_every_shortcut

"$GRAB_PROBE" hold 3 >"$WORK/holder.log" &
holder=$!
wait_for 10 grep -q held "$WORK/holder.log"
start_app "$app"
wait_for 15 splash_showing
wait "$holder"
wait_for 20 keyboard_locked
app_running || fail "the program ended"
echo "desktop keyboard: passed"
