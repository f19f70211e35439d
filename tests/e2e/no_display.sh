#!/usr/bin/env bash
# Without any display the program says so on standard error and fails.
source "$(dirname "$0")/lib.sh" "$1"
set +e
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$APP_DIR/vellumo" >"$WORK/out" 2>"$WORK/err"
status=$?
set -e
[ "$status" != 0 ] && [ "$status" != 124 ] || fail "expected a failure status, got $status"
grep -qi display "$WORK/err" || fail "nothing about the display on standard error: $(cat "$WORK/err")"
echo "no display: passed"
