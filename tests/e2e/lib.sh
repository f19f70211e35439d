# Shared steps of the end-to-end tests: a private X server of 1024x768x24,
# the real program started from a copy of the built application folder, a
# recording browser, screenshots and pixel comparisons.
# Usage: source lib.sh APP_DIR; every helper fails the test on error.
set -euo pipefail

APP_DIR=${1:?the built application folder}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-e2e.XXXXXX")
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
XVFB_PID= APP_PID=
CAPTION="Vellumo - Zoopa 4  by Orvenko Studio"

# What a sanitizer build writes when it finds a fault, in any copy of the
# program a test started: the test fails then, whatever it saw on screen.
sanitizer_reports() {
  grep -h -A40 -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$WORK"/*.err 2>/dev/null | head -n 80
}

cleanup() {
  local reports
  [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  reports=$(sanitizer_reports || true)
  rm -rf "$WORK"
  if [ -n "$reports" ]; then
    echo "FAIL: a sanitizer report:" >&2
    echo "$reports" >&2
    exit 1
  fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A private X server on a free display number.
start_x() {
  local size=${1:-1024x768x24} i
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for ((i = 0; i < 200; i++)); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
  done
  [ -s "$WORK/display" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  export DISPLAY=:$(head -n1 "$WORK/display")
}

# A browser that only records the addresses it is asked to open.
install_recording_browser() {
  mkdir -p "$WORK/bin"
  cat >"$WORK/bin/xdg-open" <<SH
#!/bin/sh
echo "\$1" >> "$WORK/opened-urls"
SH
  chmod +x "$WORK/bin/xdg-open"
  export PATH=$WORK/bin:$PATH
  export BROWSER=$WORK/bin/xdg-open
}

# A private copy of the application folder, so a test may tamper with it.
copy_app() {
  cp -r "$APP_DIR" "$WORK/app"
  echo "$WORK/app"
}

start_app() {
  local dir=$1
  SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} "$dir/vellumo" >>"$WORK/app.out" 2>>"$WORK/app.err" &
  APP_PID=$!
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }

# Wait for the program to end by itself; sets APP_STATUS.
wait_app_exit() {
  local limit=${1:-30} i
  for ((i = 0; i < limit * 10; i++)); do
    app_running || break
    sleep 0.1
  done
  app_running && fail "the program did not end"
  set +e
  wait "$APP_PID"
  APP_STATUS=$?
  set -e
  APP_PID=
}

# Poll a condition (a command) for up to `limit` seconds.
wait_for() {
  local limit=$1
  shift
  local i
  for ((i = 0; i < limit * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  fail "timed out waiting for: $*"
}

visible_window() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# The main window, once it stands full screen at the top-left corner.
main_window_fullscreen() {
  local id geometry
  id=$(xdotool search --onlyvisible --name "^$CAPTION\$" 2>/dev/null | head -n1) || return 1
  [ -n "$id" ] || return 1
  geometry=$(xwininfo -id "$id" 2>/dev/null) || return 1
  grep -q 'Absolute upper-left X:  0' <<<"$geometry" && grep -q 'Absolute upper-left Y:  0' <<<"$geometry" &&
    grep -q 'Width: 1024' <<<"$geometry" && grep -q 'Height: 768' <<<"$geometry"
}

shot() {
  local out=$WORK/$1.png
  import -window root "$out"
  echo "$out"
}

# "R G B" of one pixel of a picture file.
pixel() {
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# How many pixels of the screenshot's region (x y w h) differ from the w x h
# of a picture file at (fx, fy) (default: its top-left corner), allowing for
# small decoder differences.
region_differs() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5 file=$6 fx=${7:-0} fy=${8:-0}
  convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage "$WORK/region.png"
  convert "$file" -crop "${w}x${h}+${fx}+${fy}" +repage "$WORK/reference.png"
  compare -metric AE -fuzz 4% "$WORK/region.png" "$WORK/reference.png" null: 2>&1 || true
}

expect_region_shows() {
  local differing
  differing=$(region_differs "$@")
  [ "$differing" = 0 ] || fail "region $2,$3 ${4}x$5 differs from $(basename "$6") in $differing pixels"
}

expect_region_hides() {
  local differing
  differing=$(region_differs "$@")
  [ "$differing" != 0 ] || fail "region $2,$3 ${4}x$5 shows $(basename "$6"), which should be hidden"
}

# The splash stands centred (411,258 to 611,508); the main window is still hidden.
splash_showing() {
  local s
  s=$(shot splash)
  [ "$(pixel "$s" 511 383)" != "0 0 0" ] && [ "$(pixel "$s" 100 100)" = "0 0 0" ] &&
    [ "$(pixel "$s" 405 383)" = "0 0 0" ] && [ "$(pixel "$s" 617 383)" = "0 0 0" ]
}

# Whether the screen now shows a picture file in a region: the arguments
# of region_differs without the screenshot.
region_shows() { [ "$(region_differs "$(shot poll)" "$@")" = 0 ]; }
pixel_is() { [ "$(pixel "$(shot poll)" "$1" "$2")" = "$3" ]; }

# Wait for what an action brings to the screen, however busy the machine.
wait_shows() { wait_for 20 region_shows "$@"; }
wait_pixel() { wait_for 20 pixel_is "$@"; }

# The program handles events in the order they were sent. Once a mouse move
# over the more-pictures button has brought its hover look, and a move back
# over the canvas its resting look, every event sent before has been handled
# and its result shown: what must not have happened can be checked now.
# Painting screen only, with no dialog open; leaves the mouse over the canvas.
painting_screen_settled() {
  xdotool mousemove 900 320
  wait_shows 832 241 160 169 "$app/PICTURE/MOREIMAGES2.JPG"
  xdotool mousemove 400 100
  wait_shows 832 241 160 169 "$app/PICTURE/MOREIMAGES1.JPG"
}

# Wait until the painting screen shows full screen with its canvas. The
# start-up state is set straight after the canvas is first shown, and the
# last pause of start-up handles events as the program does afterwards.
wait_painting_screen() {
  local app=$1
  wait_for 60 main_window_fullscreen
  wait_shows 30 29 750 600 "$app/PICTURE/01.GIF"
}

# A private X server and browser, and the program started from its own copy
# of the application folder (in $app) and shown on its painting screen.
launch_painting_screen() {
  start_x
  install_recording_browser
  app=$(copy_app)
  start_app "$app"
  wait_painting_screen "$app"
}

# Mouse actions at window positions; what they bring is waited for by the
# caller.
click_at() { xdotool mousemove "$1" "$2" click 1; }
hover_at() { xdotool mousemove "$1" "$2"; }

# Bytes of audio written so far (the device opens at the first sound).
audio_written() { stat -c %s "$SDL_DISKAUDIOFILE" 2>/dev/null || echo 0; }

# Wait until the disk audio driver has written `bytes` more than `from`
# (176,400 bytes a second): sound is measured in what was mixed, not in time.
wait_audio_past() {
  local from=$1 bytes=$2
  audio_past() { [ "$(audio_written)" -ge "$((from + bytes))" ]; }
  wait_for 60 audio_past
}

# Largest absolute sample in the raw S16 audio written after byte `from`.
loudest_since() {
  local file=$1 from=$2
  tail -c "+$((from + 1))" "$file" | od -An -v -td2 -w2 |
    awk 'BEGIN { m = 0 } { v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m }'
}
