#!/usr/bin/env bash
# The rest of a session goes on a Wayland desktop as on X: the gallery opens
# and a thumbnail brings its picture, Ctrl+P saves it, Ctrl+R shows the info
# panel and its visit button opens the product website, and SIGTERM ends the
# program the way closing its window does, the compositor's shortcuts working
# again.
source "$(dirname "$0")/../e2e/lib.sh" "$1"
source "$(dirname "$0")/sway_desktop.sh" "$2"
start_sway_desktop
plug_keyboard
install_recording_browser
export CUPS_SERVER=$WORK/nobody-listens.sock
app=$(copy_app)
start_app "$app"
wait_for 60 painting_screen_shown

click_frame_at 912 325  # more pictures
wait_for 20 frame_region_shows 629 596 131 122 "$app/PICTURE/GALERIJA1BELE_81.JPG"  # the last thumbnail
click_frame_at 263 246  # thumbnail 7
wait_for 20 frame_region_shows 30 29 750 600 "$app/PICTURE/07.GIF"

# Ctrl+P keeps the picture shown as a BMP beside the program; no print
# server listens, so the page goes nowhere, quietly.
saved=$app/MY_PICTURE/01.GIF
banner_showing() { frame_region_shows 312 259 400 250 "$app/PICTURE/PRINTING.JPG"; }
banner_gone() { ! banner_showing; }
send_keys "-M ctrl -k p -m ctrl"
wait_for 20 banner_showing
wait_for 20 test -s "$saved"
[ "$(head -c 2 "$saved")" = BM ] || fail "Ctrl+P: the saved picture is not a BMP"
[ "$(identify -format '%wx%h' "bmp:$saved")" = 750x600 ] || fail "Ctrl+P: the saved picture is not 750x600"
wait_for 30 banner_gone

info_panel_showing() { frame_region_shows 322 299 290 90 "$app/PICTURE/CTRL-R-4.JPG" 10 40; }
send_keys "-M ctrl -k r -m ctrl"
wait_for 20 info_panel_showing
click_frame_at 511 426  # visit the product website
wait_for 20 grep -qx "https://vellumo.orvenko.example/" "$WORK/opened-urls"
app_running || fail "visiting the website ended the program"

rm -f "$WORK/opened-urls"
kill -TERM "$APP_PID"
wait_app_exit 20
[ "$APP_STATUS" = 0 ] || fail "SIGTERM: status $APP_STATUS"
grep -qx "https://vellumo.orvenko.example/" "$WORK/opened-urls" || fail "SIGTERM: the unload did not open the website"
program_window_is_wayland && fail "SIGTERM: a window was left"
press_sway_shortcuts
wait_for 10 sway_got_every_shortcut
echo "gallery, dialogs and SIGTERM on Wayland: passed"
