# Shared steps of the end-to-end tests on a real desktop: Xorg with the dummy
# video driver (a 1920x1080 desktop that also offers 1024x768) and the openbox
# window manager with the shortcuts a child could use to get away, the
# keyboard-grab probe, the screen's mode and the display-mode guardian.
# Usage, after lib.sh: source real_desktop.sh PROBE (the keyboard_grab_probe
# executable). Xorg needs root: without it the test is skipped.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GRAB_PROBE=${1:?the keyboard grab probe}
DESKTOP_MODE=1920x1080
PROGRAM_MODE=1024x768
PROBE_PID=

# mark name : the keys as xdotool sends them
WM_SHORTCUTS=(alt-f4:alt+F4 alt-tab:alt+Tab super:super alt-space:alt+space ctrl-alt-left:ctrl+alt+Left
  ctrl-esc:ctrl+Escape alt-f2:alt+F2)

start_real_desktop() {
  if [ "$(id -u)" != 0 ]; then
    echo "SKIP: Xorg with the dummy video driver needs root"
    exit 77
  fi
  local i
  Xorg -displayfd 3 -config "$E2E_DIR/xorg-dummy.conf" -noreset -nolisten tcp -logfile "$WORK/xorg.log" \
    -novtswitch -sharevts 3>"$WORK/display" >"$WORK/xorg.out" 2>&1 &
  XVFB_PID=$!  # the cleanup stops whichever server runs
  for ((i = 0; i < 300; i++)); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
  done
  [ -s "$WORK/display" ] || fail "Xorg did not start: $(tail -n 20 "$WORK/xorg.log" 2>/dev/null)"
  export DISPLAY=:$(head -n1 "$WORK/display")
  mkdir -p "$WORK/wm-marks"
  VELLUMO_WM_MARKS=$WORK/wm-marks openbox --sm-disable --config-file "$E2E_DIR/openbox-rc.xml" \
    >"$WORK/openbox.log" 2>&1 &
  wait_for 20 window_manager_running
  [ "$(screen_mode)" = "$DESKTOP_MODE" ] || fail "the desktop started at $(screen_mode)"
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The screen's current size, as "1920x1080".
screen_mode() { xrandr 2>/dev/null | sed -n 's/.* current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'; }
screen_mode_is() { [ "$(screen_mode)" = "$1" ]; }

# One try of another client at taking the keyboard: "taken" or "refused".
keyboard_try() { "$GRAB_PROBE" 0 0 | cut -d' ' -f2; }
keyboard_free() { [ "$(keyboard_try)" = taken ]; }
keyboard_locked() { [ "$(keyboard_try)" = refused ]; }

# Another client trying to take the keyboard every 0.2 s until stopped.
start_grab_probe() {
  "$GRAB_PROBE" 0.2 >"$WORK/probe.log" &
  PROBE_PID=$!
}

# Stops the probe and fails when any of its tries took the keyboard.
expect_probe_always_refused() {
  kill "$PROBE_PID" 2>/dev/null || true
  wait "$PROBE_PID" 2>/dev/null || true
  PROBE_PID=
  local tries taken
  tries=$(wc -l <"$WORK/probe.log")
  taken=$(grep -c taken "$WORK/probe.log" || true)
  [ "$tries" -gt 0 ] || fail "the probe made no try"
  [ "$taken" = 0 ] || fail "another client took the keyboard at $(grep taken "$WORK/probe.log" | cut -d' ' -f1 |
    tr '\n' ' ')s (of $tries tries)"
  echo "the keyboard was refused to another client in all $tries tries"
}

press_wm_shortcuts() {
  local entry
  for entry in "${WM_SHORTCUTS[@]}"; do
    xdotool key "${entry#*:}"
    sleep 0.3
  done
}

# Marks the window manager left for the shortcuts it received.
wm_marks() { ls "$WORK/wm-marks"; }
clear_wm_marks() { rm -f "$WORK/wm-marks"/*; }
wm_got_every_shortcut() { [ "$(wm_marks | wc -l)" = "${#WM_SHORTCUTS[@]}" ]; }

# The display-mode guardians started by this test's copy of the program (the
# machine may run other copies), living ones only.
our_guardians() {
  local pid
  for pid in $(pgrep -x vellumo-guard); do
    grep -qz "^XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR\$" "/proc/$pid/environ" 2>/dev/null || continue
    [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" = Z ] && continue
    echo "$pid"
  done
}
no_guardian_left() { [ -z "$(our_guardians)" ]; }

# Ctrl+X and Yes; the program is left to end by itself.
exit_panel_showing() { [ "$(region_differs "$(shot panel)" 322 269 380 130 "$app/PICTURE/CTRLX.JPG" 10 10)" = 0 ]; }
leave_by_yes() {
  xdotool key ctrl+x
  wait_for 20 exit_panel_showing
  click_at 420 433
}

# Started and shown on its painting screen, in the program's own mode.
launch_on_real_desktop() {
  install_recording_browser
  app=$(copy_app)
  start_app "$app"
  wait_painting_screen "$app"
  screen_mode_is "$PROGRAM_MODE" || fail "the program runs at $(screen_mode)"
}
