#!/usr/bin/env bash
# On a Wayland desktop (sway, with XWayland beside it, as a Wayland session
# offers both) the program shows itself as a Wayland window and holds the
# lock: from the moment its splash shows to Yes, none of the compositor's
# shortcuts fires. Its painting screen covers the output with the frame
# scaled to fit, a click fills where the frame shows it, and Ctrl+X and Yes
# end it, after which the shortcuts work again.
source "$(dirname "$0")/../e2e/lib.sh" "$1"
source "$(dirname "$0")/sway_desktop.sh" "$2"
start_sway_desktop

# Without the program every shortcut reaches the compositor.
press_sway_shortcuts
wait_for 10 sway_got_every_shortcut
clear_shortcut_marks
desktop_background=$(pixel "$(shot desktop)" 960 540)
plug_keyboard

install_recording_browser
app=$(copy_app)
started=$(date +%s%N)
start_app "$app"
splash_showing() { [ "$(pixel "$(shot splash)" 960 540)" != "$desktop_background" ]; }
wait_for 20 splash_showing
program_window_is_wayland || fail "the program did not show itself as a Wayland window"

# Shortcuts pressed all through the rest of start-up: the splash, the
# change to the main window and to full screen, the pauses.
keep_pressing() {
  while [ ! -e "$WORK/stop-pressing" ]; do
    press_sway_shortcuts
  done
}
keep_pressing &
presser=$!
wait_for 60 painting_screen_shown
shown=$(date +%s%N)
touch "$WORK/stop-pressing"
wait "$presser"
echo "start-up to the painting screen: $(((shown - started) / 1000000)) ms (measured by screenshots)"
sway_settled
app_running || fail "a shortcut ended the program"
[ -z "$(shortcut_marks)" ] || fail "during start-up the compositor received: $(shortcut_marks | tr '\n' ' ')"

# Once running, the same.
press_sway_shortcuts
sway_settled
app_running || fail "a shortcut ended the program"
[ -z "$(shortcut_marks)" ] || fail "the compositor received: $(shortcut_marks | tr '\n' ' ')"
output_covered || fail "the program no longer covers the output"

# A click where the frame shows the canvas fills there (read away from the
# pointer, which the screenshot shows).
click_frame_at 113 284
wait_for 20 frame_pixel_is 60 100 "255 0 0"

# Ctrl+X and Yes end the program and give the compositor its shortcuts back.
send_keys "-M ctrl -k x -m ctrl"
wait_for 20 frame_region_shows 322 269 380 130 "$app/PICTURE/CTRLX.JPG" 10 10
click_frame_at 420 433
wait_app_exit 20
[ "$APP_STATUS" = 0 ] || fail "the program ended with status $APP_STATUS"
grep -qx "https://vellumo.orvenko.example/" "$WORK/opened-urls" || fail "the product website was not opened"
press_sway_shortcuts
wait_for 10 sway_got_every_shortcut
echo "lock and screen on Wayland: passed"
