#!/usr/bin/env bash
# The music button, heard through the disk audio driver: music plays while
# on, and stops at once on the second click. Then a short piece put in the
# music's place loops: each pass starts again less than half a second after
# the one before has ended, and never before, measured in the recorded
# samples.
source "$(dirname "$0")/lib.sh" "$1"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/audio.raw
readonly RATE=44100
launch_painting_screen

heard_since() { [ "$(loudest_since "$WORK/audio.raw" "$1")" -gt "$2" ]; }

before=$(audio_written)
click_at 958 524
wait_for 30 heard_since "$before" 300

click_at 958 524
# The stop click has been handled once a move over the button, sent after
# it, brings the button's look for music off. Past what the device had
# already been handed, a second of what is mixed is silent.
hover_at 959 525
wait_shows 919 485 78 78 "$app/PICTURE/MUSICOFF1.JPG"
wait_audio_past "$(audio_written)" 16384
before=$(audio_written)
wait_audio_past "$before" 176400
[ "$(loudest_since "$WORK/audio.raw" "$before")" -lt 10 ] || fail "the music went on after the stop click"

# A piece of 1.25 s: a quarter-second piano note, then rest until its end.
# 480 ticks a beat at 120 beats a minute: 960 ticks a second.
readonly PIECE_SECONDS=1.25
printf 'MThd\0\0\0\6\0\0\0\1\1\340MTrk\0\0\0\21\0\300\0\0\220\74\144\201\160\200\74\100\207\100\377\57\0' \
  >"$app/MUSIC/001.MID"

# Frame numbers (from byte `from` on) where a sound begins after at least
# 0.3 s without one; the sounds are the same on both channels, the left is read.
onsets_since() {
  tail -c "+$(($1 + 1))" "$WORK/audio.raw" | od -An -v -td2 -w4 |
    awk -v quiet=$((RATE * 3 / 10)) 'BEGIN { last = -quiet }
      { v = $1 < 0 ? -$1 : $1; if (v > 300) { if (NR - 1 - last >= quiet) print NR - 1; last = NR - 1 } }'
}
three_passes_heard() { [ "$(onsets_since "$before" | wc -l)" -ge 3 ]; }

before=$(audio_written)
click_at 958 524
wait_for 30 three_passes_heard
mapfile -t onsets < <(onsets_since "$before")
for pass in 1 2; do
  # Silence between the end of one pass and the start of the next, in milliseconds.
  gap_ms=$(awk -v a="${onsets[pass - 1]}" -v b="${onsets[pass]}" -v rate=$RATE -v piece=$PIECE_SECONDS \
    'BEGIN { printf "%d", ((b - a) / rate - piece) * 1000 }')
  echo "music: loop gap after pass $pass: $gap_ms ms"
  [ "$gap_ms" -ge 0 ] || fail "pass $((pass + 1)) started ${gap_ms#-} ms before pass $pass had ended"
  [ "$gap_ms" -lt 500 ] || fail "pass $((pass + 1)) started $gap_ms ms after pass $pass had ended"
done

app_running || fail "the program ended"
echo "music: passed"
