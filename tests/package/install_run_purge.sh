#!/usr/bin/env bash
# The Debian package as a family meets it: installed with apt, started as an
# ordinary user under a private X server (the painting screen shows picture
# 1; Ctrl+P keeps the picture in that user's own folder), then purged, after
# which nothing of it is left. Run as root on a machine where the package is
# not otherwise in use.
# Usage: tests/package/install_run_purge.sh build-deb/vellumo_<version>_amd64.deb
if [ "$(id -u)" != 0 ]; then
  exec sudo "$0" "$@"
fi
deb=$(realpath "${1:?the package file}")
source "$(dirname "$0")/../e2e/lib.sh" /usr/lib/vellumo
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y "$@" >"$WORK/apt.log" 2>&1 ||
  fail "apt-get $*: $(tail -n 20 "$WORK/apt.log")"; }
user=vellumo-check
installed() { dpkg-query -W -f='${Status}' vellumo 2>/dev/null | grep -q 'install ok installed'; }

# A left-over of an interrupted run would hide what this run adds.
installed && apt_get purge vellumo
id "$user" >/dev/null 2>&1 && userdel --remove "$user" 2>/dev/null
useradd --create-home --shell /bin/sh "$user"
# However the check ends, the machine is left as it was found.
leave_nothing() {
  cleanup
  userdel --remove "$user" 2>/dev/null
  installed && apt-get -o DPkg::Lock::Timeout=600 -y purge vellumo >/dev/null 2>&1
  true
}
trap leave_nothing EXIT

# What the package holds, and which of those paths (shared folders) the
# system already had.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$WORK/contents"
while read -r path; do [ -e "$path" ] && echo "$path"; done <"$WORK/contents" >"$WORK/existed-before"

apt_get install "$deb"
[ "$(readlink -f /usr/games/vellumo)" = /usr/lib/vellumo/vellumo ] || fail "/usr/games/vellumo does not lead to the program"

# The program, started as the user would start it from the menu.
start_x
install_recording_browser
chmod 755 "$WORK" && touch "$WORK/opened-urls" && chmod 666 "$WORK/opened-urls"
runtime=$WORK/user-runtime
install -d -m 700 -o "$user" -g "$user" "$runtime"
home=$(getent passwd "$user" | cut -d: -f6)
setpriv --reuid="$user" --regid="$user" --init-groups --reset-env \
  env DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$runtime" PATH="$WORK/bin:/usr/bin:/bin" BROWSER="$BROWSER" \
  SDL_AUDIODRIVER=dummy CUPS_SERVER="$WORK/no-print-server.sock" \
  /usr/games/vellumo >"$WORK/app.out" 2>"$WORK/app.err" &
APP_PID=$!
wait_painting_screen /usr/lib/vellumo
pgrep -u "$user" -x vellumo-guard >/dev/null || fail "the display-mode guardian did not start beside the installed program"

click_at 50 49  # a red background
background_red() { [ "$(pixel "$(shot painting)" 50 49)" = "255 0 0" ]; }
wait_for 10 background_red
convert "$(shot painted)" -crop 750x600+30+29 +repage "$WORK/canvas-shown.png"
xdotool key ctrl+p
saved=$home/.local/share/vellumo/MY_PICTURE/01.GIF
saved_whole() { [ "$(stat -c %s "$saved" 2>/dev/null)" = $((54 + 2252 * 600)) ]; }
wait_for 20 saved_whole
[ "$(stat -c '%U %a' "$(dirname "$saved")")" = "$user 700" ] || fail "the picture's folder is not the user's own"
convert "bmp:$saved" "$WORK/saved.png"
[ "$(compare -metric AE "$WORK/saved.png" "$WORK/canvas-shown.png" null: 2>&1 || true)" = 0 ] ||
  fail "the saved picture differs from the canvas shown"
[ -e /usr/lib/vellumo/MY_PICTURE ] && fail "the program wrote beside itself"

kill -TERM "$APP_PID"
wait_app_exit 20
[ "$APP_STATUS" = 0 ] || fail "the program ended with status $APP_STATUS: $(cat "$WORK/app.err")"
grep -qx 'https://vellumo.orvenko.example/' "$WORK/opened-urls" || fail "leaving did not open the product website"
guardian_gone() { ! pgrep -u "$user" -x vellumo-guard >/dev/null; }
wait_for 10 guardian_gone

apt_get purge vellumo
installed && fail "still installed after the purge"
left=$(grep -vxF -f "$WORK/existed-before" "$WORK/contents" | while read -r path; do
  [ -e "$path" ] || [ -L "$path" ] && echo "$path"; done || true)
[ -z "$left" ] || fail "left after the purge: $left"
ls /var/lib/dpkg/info/vellumo.* >/dev/null 2>&1 && fail "dpkg still keeps records of the package"
echo "install_run_purge: passed"
