#!/usr/bin/env bash
# The Windows build as a family gets it: the installer run under Wine into a
# folder with letters outside ASCII, the installed vellumo.exe started on a
# private X server and driven with xdotool: the splash, the painting screen
# equal to the Linux program's, a fill in red, the gallery and back, Ctrl+P
# saving and printing the picture, Ctrl+X and Yes ending it with the product
# website opened, the end of the session closing it too; then the
# uninstaller taking away what was installed.
# Usage: wine_e2e.sh BUILD_WINDOWS_DIR LINUX_APP_DIR
set -euo pipefail
windows=$(cd "${1:?the Windows build folder}" && pwd)
source "$(dirname "$0")/../e2e/lib.sh" "${2:?the built Linux application folder}"
start_x
install_recording_browser

# As in lib.sh, but the move is sent again until its look shows: now and then
# Wine misses the pointer's first move over a window that has just come up.
painting_screen_settled() {
  moved_to_show() { xdotool mousemove $(($1 + 1)) "$2" mousemove "$1" "$2" && region_shows "${@:3}"; }
  wait_for 20 moved_to_show 900 320 832 241 160 169 "$app/PICTURE/MOREIMAGES2.JPG"
  wait_for 20 moved_to_show 400 100 832 241 160 169 "$app/PICTURE/MOREIMAGES1.JPG"
}

# The Linux program's painting screen, the picture the Windows one must show.
linux_app=$(copy_app)
start_app "$linux_app"
wait_painting_screen "$linux_app"
app=$linux_app painting_screen_settled
linux_screen=$(shot linux-painting)
# A new X server for Wine: the keyboard focus the Linux window took went
# with it, and keys would reach no window at all.
kill -9 "$APP_PID" "$XVFB_PID"
wait "$APP_PID" "$XVFB_PID" 2>/dev/null || true
APP_PID=
rm "$WORK/display"  # start_x waits for the new server to write its number there
start_x

# A Wine of the test's own; Wine hands addresses to xdg-open, the recording
# one, and prints through CUPS, here the private server of the Linux print
# test. Its printers are read when the prefix is made.
source "$(dirname "$0")/../e2e/print_server.sh"
start_print_server
export WINEPREFIX=$WORK/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; stop_print_server; cleanup' EXIT
wineboot --init >"$WORK/wineboot.log" 2>&1 || fail "no Wine prefix: $(cat "$WORK/wineboot.log")"

# No space in it: Wine would quote the argument, and NSIS reads /D= unquoted.
folder='Čarobna-bojanka'
wine "$windows/vellumo-setup.exe" /S "/D=C:\\$folder" >"$WORK/setup.log" 2>&1 || fail "the installer failed"
app=$WINEPREFIX/drive_c/$folder
installed() { (cd "$1" && find . -type f ! -name uninstall.exe | sort | xargs sha256sum); }
[ "$(installed "$app")" = "$(installed "$windows/app")" ] ||
  fail "the installed files differ from the application folder"
[ "$(find "$app/PICTURE" -type f | wc -l)" = 149 ] || fail "not 147 pictures and two icons installed"
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Vellumo.lnk')
[ -n "$shortcut" ] || fail "no Start-menu entry"

start_app() {
  (cd "$1" && SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} exec wine "$1/vellumo.exe") >>"$WORK/app.out" 2>>"$WORK/app.err" &
  APP_PID=$!
}
started=$SECONDS
start_app "$app"
wait_for 60 splash_showing
wait_painting_screen "$app"
echo "start-up to the painting screen under Wine: $((SECONDS - started)) s"
painting_screen_settled
differing=$(region_differs "$(shot windows-painting)" 0 0 1024 768 "$linux_screen")
[ "$differing" = 0 ] || fail "the painting screen differs from the Linux one in $differing pixels"

# A second copy finds the first running and leaves it alone.
(cd "$app" && SDL_AUDIODRIVER=dummy timeout 60 wine "$app/vellumo.exe") >>"$WORK/app.out" 2>>"$WORK/app.err" ||
  fail "the second copy ended with status $?"
app_running || fail "the second copy ended the first"

# A fill outside the puppy paints the whole background red.
click_at 50 49
wait_pixel 50 49 "255 0 0"
[ "$(pixel "$(shot fill)" 770 529)" = "255 0 0" ] || fail "the fill did not reach the far side"

# The gallery, and back to the red page.
click_at 912 325
wait_shows 629 596 131 122 "$app/PICTURE/GALERIJA1BELE_81.JPG"
expect_region_shows "$(shot gallery)" 54 48 131 122 "$app/PICTURE/GALERIJA1BELE_01.JPG"
click_at 126 20
wait_pixel 50 49 "255 0 0"

# Ctrl+P keeps the picture in the installed folder's MY_PICTURE and prints
# one landscape page on the default printer.
saved=$app/MY_PICTURE/01.GIF
xdotool key ctrl+p
wait_for 30 test -s "$saved"
[ "$(head -c 2 "$saved")" = BM ] || fail "the saved picture is not a BMP"
[ "$(pixel "bmp:$saved" 20 20)" = "255 0 0" ] || fail "the saved picture is not the red page"
printed() { [ "$(lpstat -W completed -o q 2>/dev/null | wc -l)" = 1 ] && [ -s "$cups/out.pdf" ]; }
wait_for 60 printed
pdfinfo "$cups/out.pdf" >"$WORK/pdfinfo"
grep -q '^Pages: *1$' "$WORK/pdfinfo" || fail "not one page: $(cat "$WORK/pdfinfo")"
# Wine's PostScript driver prints a landscape page turned on the upright
# sheet: the picture's 750 pixels run up the sheet, its top-left corner at
# the printable area's (this queue's Letter sheet keeps 18 pt on the left and
# 36 pt at the bottom free), at 96 of its pixels an inch. Rendered at 96 dots
# an inch, the drawing's extent shows all three.
pdftoppm -r 96 -png -singlefile "$cups/out.pdf" "$WORK/page"
extent=$(convert "$WORK/page.png" -fuzz 10% -format '%@' info:)  # WxH+X+Y
read -r width height left top <<<"${extent//[x+]/ }"
near() { (($1 - $2 <= 2 && $2 - $1 <= 2)); }
near "$height" 750 && near "$left" 24 && near "$((top + height))" 1008 ||
  fail "the picture is printed at ${width}x$height+$left+$top, not upright 750 high from 24,1008"

# Ctrl+X and Yes: the program ends and opens the product website.
exit_panel_showing() { [ "$(region_differs "$(shot panel)" 322 269 380 130 "$app/PICTURE/CTRLX.JPG" 10 10)" = 0 ]; }
painting_screen_settled
xdotool key ctrl+x
wait_for 20 exit_panel_showing
click_at 420 433
wait_app_exit 30
[ "$APP_STATUS" = 0 ] || fail "the program ended with status $APP_STATUS"
wait_for 20 grep -qx 'https://vellumo.orvenko.example/' "$WORK/opened-urls"

# The end of the session closes it the way a window close does: the program
# ends by itself, and opens the website as it leaves.
start_app "$app"
wait_painting_screen "$app"
wineboot --end-session
wait_app_exit 30
[ "$APP_STATUS" = 0 ] || fail "the end of the session ended the program with status $APP_STATUS"
opened_twice() { [ "$(grep -cx 'https://vellumo.orvenko.example/' "$WORK/opened-urls")" = 2 ]; }
wait_for 20 opened_twice

# The uninstaller runs from a copy of itself and returns at once: what it
# removes is waited for. The printed picture stays, in its folder.
wine "$app/uninstall.exe" /S >"$WORK/uninstall.log" 2>&1 || fail "the uninstaller failed"
uninstalled() { [ ! -e "$app/vellumo.exe" ] && [ ! -e "$app/uninstall.exe" ] && [ ! -e "$shortcut" ]; }
wait_for 60 uninstalled
left=$(cd "$app" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./MY_PICTURE ./MY_PICTURE/01.GIF " ] || fail "the uninstaller left: $left"
echo "windows e2e: passed"
