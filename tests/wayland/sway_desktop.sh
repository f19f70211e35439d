# Shared steps of the end-to-end tests on a Wayland desktop: sway running
# headless with XWayland and one 1920x1080 output, its shortcuts bound to
# commands that leave a mark, a keyboard (wtype's virtual keyboard) and a
# mouse (a virtual pointer that sway moves and clicks), screenshots with grim,
# and the program's 1024x768 frame read back from where it stands on the
# output.
# Usage, after tests/e2e/lib.sh: source sway_desktop.sh POINTER (the
# virtual_pointer executable). Sway refuses to run as root: as root it runs
# as nobody.

POINTER_HELPER=${1:?the virtual pointer helper}
SWAY_DIR=$WORK/sway
MARKS=$WORK/marks
SWAY_PID= KEYBOARD_PID= POINTER_PID=

# The shortcuts a child could leave with: mark name | keys as wtype sends
# them | sway's binding.
SWAY_SHORTCUTS=(
  "alt-tab|-M alt -k Tab -m alt|Mod1+Tab"
  "super-d|-M logo -k d -m logo|Mod4+d"
  "alt-f4|-M alt -k F4 -m alt|Mod1+F4"
  "ctrl-alt-left|-M ctrl -M alt -k Left -m alt -m ctrl|Ctrl+Mod1+Left"
)
# A binding that fires even while a program inhibits shortcuts: once its
# mark is there, every key sent before it has been handled.
SENTINEL_KEYS="-M logo -k F12 -m logo"

# The frame as the program shows it on the 1920x1080 output: scaled by
# 1080/768 to 1440x1080, centred, black beside it.
OUTPUT_SIZE=1920x1080
FRAME_LEFT=240 FRAME_SHOWN_WIDTH=1440

stop_sway_desktop() {
  exec 8>&- 2>/dev/null || true
  local pid
  for pid in "$POINTER_PID" "$KEYBOARD_PID" "$SWAY_PID"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
}
trap 'stop_sway_desktop; cleanup' EXIT

as_sway_user() {
  if [ "$(id -u)" = 0 ]; then
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
  else
    "$@"
  fi
}

write_sway_config() {
  local entry name binding
  {
    echo "xwayland enable"
    echo "output HEADLESS-1 resolution $OUTPUT_SIZE"
    for entry in "${SWAY_SHORTCUTS[@]}"; do
      name=${entry%%|*}
      binding=${entry##*|}
      echo "bindsym $binding exec touch $MARKS/$name"
    done
    echo "bindsym --inhibited Mod4+F12 exec touch $MARKS/sentinel"
  } >"$SWAY_DIR/config"
}

start_sway_desktop() {
  mkdir -p "$SWAY_DIR/runtime" "$MARKS"
  write_sway_config
  if [ "$(id -u)" = 0 ]; then
    chmod 711 "$WORK"
    chown -R nobody "$SWAY_DIR"
    chmod 777 "$MARKS"
  fi
  chmod 700 "$SWAY_DIR/runtime"
  as_sway_user env -i PATH=/usr/bin:/bin HOME="$SWAY_DIR" XDG_RUNTIME_DIR="$SWAY_DIR/runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$SWAY_DIR/config" >"$WORK/sway.log" 2>&1 &
  SWAY_PID=$!
  sway_answers() {
    local socket
    socket=$(ls "$SWAY_DIR"/runtime/sway-ipc.*.sock 2>/dev/null | head -n1)
    [ -n "$socket" ] && SWAYSOCK=$socket swaymsg -t get_version >/dev/null 2>&1
  }
  wait_for 20 sway_answers
  export SWAYSOCK WAYLAND_DISPLAY
  SWAYSOCK=$(ls "$SWAY_DIR"/runtime/sway-ipc.*.sock | head -n1)
  # An absolute path, so clients need no share in sway's runtime folder.
  WAYLAND_DISPLAY=$(ls "$SWAY_DIR"/runtime/wayland-? | head -n1)

  # The X display sway's XWayland serves, as a Wayland session's programs
  # find it beside WAYLAND_DISPLAY.
  swaymsg -q exec "echo \$DISPLAY >$MARKS/x-display"
  wait_for 10 test -s "$MARKS/x-display"
  export DISPLAY
  DISPLAY=$(cat "$MARKS/x-display")
  rm -f "$MARKS/x-display"

  # A keyboard and a mouse plugged in for the whole test: a device made
  # afresh for each key would reach the program only after its first keys.
  plug_keyboard
  mkfifo "$WORK/pointer-input"
  "$POINTER_HELPER" <"$WORK/pointer-input" >"$WORK/pointer.out" 2>&1 &
  POINTER_PID=$!
  exec 8>"$WORK/pointer-input"
  wait_for 10 grep -q ready "$WORK/pointer.out"
  seat_has_keyboard_and_pointer() { swaymsg -t get_seats | grep -q '"capabilities": 3'; }
  wait_for 10 seat_has_keyboard_and_pointer
}

# wtype's keyboard, kept plugged in by a Shift it would press an hour on.
# Once a short-lived keyboard has typed and gone, sway hands a client that
# starts then a keymap SDL cannot read, and SDL 2.26 crashes on it: a
# keyboard plugged in afresh before the program starts gives it a good one.
plug_keyboard() {
  [ -n "$KEYBOARD_PID" ] && kill "$KEYBOARD_PID" 2>/dev/null || true
  wtype -s 3600000 -k Shift_L &
  KEYBOARD_PID=$!
  keyboard_plugged() { swaymsg -t get_inputs | grep -q '"type": "keyboard"'; }
  wait_for 10 keyboard_plugged
}

send_keys() {
  # shellcheck disable=SC2086  # the keys are words for wtype
  wtype $1
}

press_sway_shortcuts() {
  local entry keys
  for entry in "${SWAY_SHORTCUTS[@]}"; do
    keys=${entry#*|}
    send_keys "${keys%|*}"
  done
}

# Sends the sentinel and waits until sway has handled it, and so every key
# before it.
sway_settled() {
  rm -f "$MARKS/sentinel"
  send_keys "$SENTINEL_KEYS"
  wait_for 20 test -e "$MARKS/sentinel"
  rm -f "$MARKS/sentinel"
}

shortcut_marks() { ls "$MARKS"; }
clear_shortcut_marks() { rm -f "$MARKS"/*; }
sway_got_every_shortcut() { [ "$(shortcut_marks | wc -l)" = "${#SWAY_SHORTCUTS[@]}" ]; }

# Screenshots of the whole output, in place of lib.sh's X ones.
shot() {
  local out=$WORK/$1.png
  grim "$out"
  echo "$out"
}

# The output position showing a frame position: sway takes whole pixels.
output_x() { echo $((FRAME_LEFT + ($1 * FRAME_SHOWN_WIDTH + FRAME_SHOWN_WIDTH / 2) / 1024)); }
output_y() { echo $((($1 * FRAME_SHOWN_WIDTH + FRAME_SHOWN_WIDTH / 2) / 1024)); }

click_frame_at() {
  swaymsg -q seat - cursor set "$(output_x "$1")" "$(output_y "$2")"
  swaymsg -q seat - cursor press button1
  swaymsg -q seat - cursor release button1
}
hover_frame_at() { swaymsg -q seat - cursor set "$(output_x "$1")" "$(output_y "$2")"; }

# The frame read back from a screenshot at 1024x768: a pixel differs from
# the composed frame only where the sampling lands on the next pixel over.
frame_shot() {
  local out=$WORK/$1-frame.png
  convert "$(shot "$1")" -crop "${FRAME_SHOWN_WIDTH}x1080+$FRAME_LEFT+0" +repage -sample 1024x768 "$out"
  echo "$out"
}

# Whether the frame shows a picture file in a region: x y w h FILE [FX FY]
# (where in the file the region starts, by default its top-left corner).
# Sampled back from its scaled form, the frame's fine lines and text stand a
# pixel off here and there; both are averaged over 4x4 blocks before they are
# compared, so that only another picture there differs in more than a few
# blocks (an outline picture in place of another, in about one block of six).
frame_region_shows() {
  local x=$1 y=$2 w=$3 h=$4 file=$5 fx=${6:-0} fy=${7:-0} differing
  convert "$(frame_shot poll)" -crop "${w}x${h}+${x}+${y}" +repage -scale 25% "$WORK/region.png"
  convert "$file" -crop "${w}x${h}+${fx}+${fy}" +repage -scale 25% "$WORK/reference.png"
  differing=$(compare -metric AE -fuzz 20% "$WORK/region.png" "$WORK/reference.png" null: 2>&1 || true)
  [ "$differing" -le $((w * h / 16 / 20)) ]
}
frame_pixel_is() { [ "$(pixel "$(frame_shot poll)" "$1" "$2")" = "$3" ]; }

# The output beside the frame is black: the program's window covers the
# whole output.
output_covered() {
  local s
  s=$(shot cover)
  [ "$(pixel "$s" 100 540)" = "0 0 0" ] && [ "$(pixel "$s" 1820 540)" = "0 0 0" ] &&
    [ "$(pixel "$s" 5 5)" = "0 0 0" ] && [ "$(pixel "$s" 1915 1075)" = "0 0 0" ]
}

painting_screen_shown() { output_covered && frame_region_shows 30 29 750 600 "$app/PICTURE/01.GIF"; }

# A Wayland window of the program's, not an XWayland one.
program_window_is_wayland() { swaymsg -q '[app_id="^vellumo$" shell="xdg_shell"] nop' 2>/dev/null; }
