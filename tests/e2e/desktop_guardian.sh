#!/usr/bin/env bash
# Whatever ends the program, the desktop gets its own mode back: after a
# SIGKILL or a crash the display-mode guardian restores 1920x1080 and ends. It
# holds no single-instance lock, leaves alone a mode set afterwards by other
# means, and goes with the program after a normal end.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/real_desktop.sh" "$2"
start_real_desktop
install_recording_browser
app=$(copy_app)
ulimit -c 0  # a crash here needs no core file

# Started and switched to its own mode, with its guardian running.
start_switched() {
  start_app "$app"
  wait_for 30 main_window_fullscreen
  wait_for 10 screen_mode_is "$PROGRAM_MODE"
  GUARDIAN=$(our_guardians)
  [ -n "$GUARDIAN" ] || fail "no display-mode guardian runs"
  if ls -l "/proc/$GUARDIAN/fd" | grep -q vellumo.lock; then fail "the guardian holds the single-instance lock"; fi
}

# The SIGSEGV sent here must end the program as a crash would; a sanitizer
# build would otherwise catch it and report it as a fault of its own.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}handle_segv=0
for signal in KILL SEGV; do
  start_switched
  kill "-$signal" "$APP_PID"
  wait_app_exit 20
  wait_for 10 screen_mode_is "$DESKTOP_MODE"
  wait_for 10 no_guardian_left
  echo "SIG$signal: the desktop has its mode back"
done

# A mode chosen after the program's own is not undone.
start_switched
xrandr -s 1280x1024
wait_for 10 screen_mode_is 1280x1024
kill -KILL "$APP_PID"
wait_app_exit 20
wait_for 10 no_guardian_left
screen_mode_is 1280x1024 || fail "the guardian replaced the mode set afterwards with $(screen_mode)"
xrandr -s "$DESKTOP_MODE"
wait_for 10 screen_mode_is "$DESKTOP_MODE"

# A normal end: the program gives the mode back itself and the guardian goes too.
start_switched
wait_painting_screen "$app"
leave_by_yes
wait_app_exit 20
screen_mode_is "$DESKTOP_MODE" || fail "Yes left the desktop at $(screen_mode)"
wait_for 10 no_guardian_left
echo "desktop guardian: passed"
