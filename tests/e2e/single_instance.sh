#!/usr/bin/env bash
# A second copy started while one runs ends at once and leaves the first alone.
source "$(dirname "$0")/lib.sh" "$1"
start_x
install_recording_browser
app=$(copy_app)
start_app "$app"
wait_for 30 splash_showing  # the lock is taken before anything is shown
set +e
timeout 10 "$app/vellumo" >"$WORK/second.out" 2>&1
status=$?
set -e
[ "$status" = 0 ] || fail "the second copy ended with status $status"
app_running || fail "the first copy ended"
wait_for 30 main_window_fullscreen
echo "single instance: passed"
