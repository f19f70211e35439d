#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the program the way closing its window does:
# the display and the keyboard are given back and the window's unload runs,
# whatever moment of start-up the signal arrives at.
source "$(dirname "$0")/lib.sh" "$1"
start_x
install_recording_browser
app=$(copy_app)
product=https://vellumo.orvenko.example/

ends_cleanly_on() {
  local signal=$1 moment=$2
  rm -f "$WORK/opened-urls"
  start_app "$app"
  case $moment in
    splash) wait_for 30 splash_showing ;;
    fullscreen) wait_for 30 main_window_fullscreen ;;
  esac
  kill "-$signal" "$APP_PID"
  wait_app_exit 20
  [ "$APP_STATUS" = 0 ] || fail "$signal during $moment: status $APP_STATUS"
  [ "$(cat "$WORK/opened-urls" 2>/dev/null)" = "$product" ] ||
    fail "$signal during $moment: the unload did not open the product website"
  xdotool search --onlyvisible --name "Vellumo" >/dev/null 2>&1 &&
    fail "$signal during $moment: a window was left"
  echo "$signal during $moment: ended cleanly"
}

ends_cleanly_on TERM fullscreen
ends_cleanly_on HUP splash
ends_cleanly_on INT fullscreen
echo "signals: passed"
