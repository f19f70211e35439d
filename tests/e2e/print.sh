#!/usr/bin/env bash
# Ctrl+P: the canvas is saved pixel for pixel, the banner shows for three
# seconds, and exactly one landscape page reaches a private print server,
# however long the keys are held. Without a server the file is still saved
# and the banner still comes and goes.
source "$(dirname "$0")/lib.sh" "$1"
start_x
install_recording_browser

source "$(dirname "$0")/print_server.sh"
start_print_server
trap 'stop_print_server; cleanup' EXIT
jobs_done() { lpstat -W completed -o q 2>/dev/null | wc -l; }
job_arrived() { [ "$(jobs_done)" -ge 1 ]; }

app=$(copy_app)
start_app "$app"
wait_painting_screen "$app"
click_at 50 49          # a red background
wait_pixel 50 49 "255 0 0"
click_at 93 717         # green
click_at 405 479        # the puppy's chest
wait_pixel 405 479 "52 204 103"
s=$(shot before-print)
convert "$s" -crop 750x600+30+29 +repage "$WORK/canvas-shown.png"

banner_showing() { [ "$(region_differs "$(shot banner)" 312 259 400 250 "$app/PICTURE/PRINTING.JPG")" = 0 ]; }
# A child leaning on the keys: the first Ctrl+P starts the print and the
# others reach the program within its three seconds of banner.
xdotool key --repeat 7 --delay 40 ctrl+p
wait_for 20 banner_showing
job_arrived_or_report() {
  job_arrived && return 0
  [ "$SECONDS" -lt "$give_up" ] && return 1
  fail "no job arrived; jobs: $(lpstat -W all -o 2>&1); server log: $(tail -n 20 "$cups/error_log")"
}
give_up=$((SECONDS + 60))
wait_for 120 job_arrived_or_report
banner_showing && fail "the banner stayed"
# Every key has been handled once a hover sent after them shows; a second
# print would have been sent to the server by now and be done with it.
painting_screen_settled
banner_showing && fail "a second print started"
no_job_pending() { [ -z "$(lpstat -o q 2>/dev/null)" ]; }
wait_for 30 no_job_pending
[ "$(jobs_done)" = 1 ] || fail "expected one job, got $(jobs_done)"
pdfinfo "$cups/out.pdf" >"$WORK/pdfinfo"
grep -q '^Pages: *1$' "$WORK/pdfinfo" || fail "not one page: $(cat "$WORK/pdfinfo")"
read -r w h < <(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p' "$WORK/pdfinfo")
awk -v w="$w" -v h="$h" 'BEGIN { exit !(w > h) }' || fail "the page is not landscape: $w x $h"

# The saved file is a BMP equal to the canvas as it was shown.
saved=$app/MY_PICTURE/01.GIF
[ "$(head -c 2 "$saved")" = BM ] || fail "the saved picture is not a BMP"
[ "$(identify -format '%wx%h' "bmp:$saved")" = 750x600 ] || fail "the saved picture is not 750x600"
convert "bmp:$saved" "$WORK/saved.png"
[ "$(compare -metric AE "$WORK/saved.png" "$WORK/canvas-shown.png" null: 2>&1 || true)" = 0 ] ||
  fail "the saved picture differs from the canvas shown"

# Without a print server: saved and bannered all the same, nothing else.
rm -f "$saved"
export CUPS_SERVER=$WORK/nobody-listens.sock
kill -TERM "$APP_PID"
wait_app_exit 20
start_app "$app"
wait_painting_screen "$app"
xdotool key ctrl+p
wait_for 20 banner_showing
wait_for 20 test -s "$saved"
banner_gone() { ! banner_showing; }
wait_for 30 banner_gone
app_running || fail "the program ended"
echo "print: passed"
