#!/usr/bin/env bash
# The real program under a private X server: CPU time used while it sits idle
# on the painting screen for ten seconds, and its peak memory.
# Usage: bench/idle_and_memory.sh build/app
source "$(dirname "$0")/../tests/e2e/lib.sh" "$1"
start_x
install_recording_browser
start_app "$APP_DIR"
wait_for 30 main_window_fullscreen
sleep 3.5  # past the second pause

ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 10
after=$(ticks)
echo "idle CPU over 10 s: $(( (after - before) * 1000 / hz )) ms"
grep -E 'VmHWM|VmRSS' "/proc/$APP_PID/status"
