#!/usr/bin/env bash
# The real program's memory through a normal session under a private X
# server: every outline chosen in turn from the gallery after the mouse has
# passed over all the thumbnails, the palette hovered and clicked, the eraser
# used. Prints the peak and current resident memory at the start and the end.
# Usage: bench/session_memory.sh build/app
source "$(dirname "$0")/../tests/e2e/lib.sh" "$1"
launch_painting_screen
memory() { grep -E 'VmHWM|VmRSS' "/proc/$APP_PID/status" | tr -s ' \t' ' ' | paste -sd' '; }
echo "at start: $(memory)"
lefts=(119 263 406 550 694)
tops=(109 246 383 520 657)
for n in $(seq 1 25); do
  xdotool mousemove 912 325 click 1
  for t in $(seq 0 24); do xdotool mousemove "${lefts[t % 5]}" "${tops[t / 5]}"; done
  xdotool mousemove "${lefts[(n - 1) % 5]}" "${tops[(n - 1) / 5]}" click 1
  for x in $(seq 50 84 1000); do xdotool mousemove "$x" 715; done
  xdotool mousemove $((50 + (n % 12) * 84)) 715 click 1 mousemove 880 440 click 1
  chosen() { [ "$(region_differs "$(shot s)" 30 29 750 600 "$app/PICTURE/$(printf %02d "$n").GIF")" = 0 ]; }
  wait_for 30 chosen
done
echo "at the end: $(memory)"
