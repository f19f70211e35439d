#!/usr/bin/env bash
# A picture one byte too long ends the program silently right after the
# splash, before the display is touched, and opens nothing.
source "$(dirname "$0")/lib.sh" "$1"
start_x
install_recording_browser
app=$(copy_app)
printf 'x' >>"$app/PICTURE/ZVUCNIK2.JPG"
before=$(xdpyinfo | grep dimensions)
start_app "$app"
wait_app_exit 60
[ "$APP_STATUS" = 2 ] || fail "expected status 2 for a damaged picture, got $APP_STATUS"
[ ! -e "$WORK/opened-urls" ] || fail "a website was opened: $(cat "$WORK/opened-urls")"
[ "$(xdpyinfo | grep dimensions)" = "$before" ] || fail "the display mode changed"
[ "$(pixel "$(shot after)" 511 383)" = "0 0 0" ] || fail "a window was left on the screen"
[ ! -s "$WORK/app.err" ] || fail "the program wrote: $(cat "$WORK/app.err")"
echo "tampered: passed"
