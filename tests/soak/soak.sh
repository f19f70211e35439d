#!/usr/bin/env bash
# A random session on the real program: EVENTS seeded random mouse and key
# events anywhere on its screen, the program started again whenever Yes has
# ended it. Fails on a crash or any other unexpected end, a sanitizer report,
# a window that does not answer for 10 s, file descriptors that keep growing,
# or a saved picture that another reader ever finds torn.
# Usage: soak.sh APP_DIR EVENTS [SEED]; SOAK_PROBES names the folder of
# vellumo_window_ping and vellumo_saved_picture_watch (default: beside the
# application folder's build, build/tests/soak), SOAK_SHOTS a folder to keep
# a screenshot of every 500th event in.
source "$(dirname "$0")/../e2e/lib.sh" "$1"
EVENTS=${2:?the number of events}
SEED=${3:-1}
PROBES=${SOAK_PROBES:-$(dirname "$APP_DIR")/tests/soak}
ANSWER_LIMIT=10   # seconds a window may take to answer
FD_SLACK=16       # descriptors a program may open lazily after its first events
CHECK_EVERY=20    # events between two answering checks

RANDOM=$SEED
start_x
install_recording_browser
# Prints go nowhere: no print server listens there.
export CUPS_SERVER=$WORK/no-print-server.sock
app=$(copy_app)
saved=$app/MY_PICTURE/01.GIF
"$PROBES/vellumo_saved_picture_watch" "$saved" >"$WORK/watch.out" 2>"$WORK/watch.err" &
WATCH_PID=$!
trap 'kill $WATCH_PID 2>/dev/null || true; cleanup' EXIT

events_sent=0 restarts=0 yes_sent=0 peak_kb=0 fd_base= started=$SECONDS X=0 Y=0

soak_fail() {
  echo "after $events_sent events (seed $SEED); the last ones:" >&2
  tail -n 15 "$WORK/events.log" >&2
  tail -n 30 "$WORK/app.err" >&2
  fail "$@"
}

# Starts the program and waits for its painting screen; finds its window.
launch() {
  start_app "$app"
  wait_for 120 main_window_fullscreen
  WINDOW=$(xdotool search --onlyvisible --name "^$CAPTION\$" | head -n1)
  fd_base= yes_sent=0
}

# The program ended: fine only after a Yes, with status 0 and nothing
# reported; then it is started again.
ended() {
  wait_app_exit 60
  [ "$APP_STATUS" = 0 ] || soak_fail "the program ended with status $APP_STATUS"
  [ "$yes_sent" = 1 ] || soak_fail "the program ended without a Yes"
  [ -z "$(sanitizer_reports || true)" ] || soak_fail "a sanitizer report: $(sanitizer_reports)"
  restarts=$((restarts + 1))
  launch
}

check_health() {
  local fds hwm
  [ -z "$(sanitizer_reports || true)" ] || soak_fail "a sanitizer report: $(sanitizer_reports)"
  app_running || { ended; return; }
  "$PROBES/vellumo_window_ping" "$WINDOW" "$ANSWER_LIMIT" ||
    { app_running || { ended; return; }; soak_fail "the window did not answer for $ANSWER_LIMIT s"; }
  fds=$(ls "/proc/$APP_PID/fd" 2>/dev/null | wc -l) || return 0
  hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$APP_PID/status" 2>/dev/null) || return 0
  [ -n "$hwm" ] && [ "$hwm" -gt "$peak_kb" ] && peak_kb=$hwm
  if [ -z "$fd_base" ]; then
    fd_base=$fds
  elif [ "$fds" -gt $((fd_base + FD_SLACK)) ]; then
    soak_fail "file descriptors grew from $fd_base to $fds: $(ls -l "/proc/$APP_PID/fd" | tail -n 20)"
  fi
}

exit_panel_showing() { [ "$(region_differs "$(shot panel)" 322 269 380 130 "$app/PICTURE/CTRLX.JPG" 10 10)" = 0 ]; }

# The random choices set globals: a command substitution would run in a
# subshell, which draws from a generator of its own and breaks the seed.
pick_position() { X=$((RANDOM % 1024)) Y=$((RANDOM % 768)); }
pick_button() {
  local buttons=(1 1 1 2 3)
  BUTTON=${buttons[RANDOM % ${#buttons[@]}]}
}
pick_key() {
  local keys=(a b c e k m p r s x z Tab Return Escape space BackSpace Up Down F1 F5 Delete)
  KEY=${keys[RANDOM % ${#keys[@]}]}
}
ALT_KEYS=(alt+a alt+x alt+p alt+Tab alt+F4 alt+space ctrl+alt+x ctrl+alt+p alt+shift+Tab)

# Each event is logged before it is sent, so a failure shows what led to it.
# A button let go over Yes may end the program, whichever event it was.
send() {
  echo "$*" >>"$WORK/events.log"
  ((X >= 368 && X < 475 && Y >= 409 && Y < 459)) && [[ "$*" == *click* || "$*" == *mouseup* ]] && yes_sent=1
  xdotool "$@" 2>/dev/null || true
}

# Ctrl+X, then Yes a third of the time and No otherwise. A Yes on the shown
# exit confirmation must end the program; a Ctrl+X that opened nothing (a
# thumbnail holding the keyboard) leaves the click to whatever lies there.
exit_confirmation() {
  local i shown=0
  send key ctrl+x
  for ((i = 0; i < 20; i++)); do exit_panel_showing && { shown=1; break; }; done
  if ((RANDOM % 3 == 0)); then
    X=421 Y=434
    send mousemove "$X" "$Y" click 1
    if ((shown)); then ended; fi
  else
    X=610 Y=434
    send mousemove "$X" "$Y" click 1
  fi
}

one_event() {
  local roll=$((RANDOM % 100)) i args
  if ((roll < 30)); then
    pick_position && send mousemove "$X" "$Y"
  elif ((roll < 55)); then
    pick_position && send mousemove "$X" "$Y" click 1
  elif ((roll < 60)); then
    pick_position && pick_button && send mousemove "$X" "$Y" click "$BUTTON"
  elif ((roll < 70)); then
    pick_button && pick_position
    args=(mousemove "$X" "$Y" mousedown "$BUTTON")
    for ((i = 2 + RANDOM % 4; i > 0; i--)); do
      pick_position && args+=(mousemove "$X" "$Y")
    done
    send "${args[@]}" mouseup "$BUTTON"
  elif ((roll < 80)); then
    pick_key && send key "$KEY"
  elif ((roll < 86)); then
    send key "${ALT_KEYS[RANDOM % ${#ALT_KEYS[@]}]}"
  elif ((roll < 91)); then
    send key ctrl+p
  elif ((roll < 95)); then
    send key ctrl+r
    if ((RANDOM % 2)); then # its close button, half the time
      X=668 Y=282
      send mousemove "$X" "$Y" click 1
    fi
  elif ((roll < 97)); then
    exit_confirmation
  else
    pick_key && send key "ctrl+$KEY"
  fi
  return 0
}

launch
while ((events_sent < EVENTS)); do
  one_event
  events_sent=$((events_sent + 1))
  if ((events_sent % CHECK_EVERY == 0)); then check_health; fi
  if [ -n "${SOAK_SHOTS:-}" ] && ((events_sent % 500 == 0)); then
    mkdir -p "$SOAK_SHOTS" && import -window root "$SOAK_SHOTS/event-$events_sent.png"
  fi
done
check_health

kill -TERM "$WATCH_PID"
wait "$WATCH_PID" || soak_fail "the saved picture was found torn: $(cat "$WORK/watch.err")"
echo "soak: $events_sent events, seed $SEED, $((SECONDS - started)) s, $restarts restarts," \
  "peak memory $((peak_kb / 1024)) MB, saved picture $(cat "$WORK/watch.out")"
echo "soak: passed"
