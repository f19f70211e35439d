#!/usr/bin/env bash
# A colour's WAV and the music's MIDI file go bad while the program runs, in
# each way a file can: the colour click plays the short default sound, the
# music button stays silent, the window keeps answering, and each works
# again once the good file is back. Last, a MIDI file too dense to play, with
# the music on: the window answers and SIGTERM ends the program as ever.
# Heard through the disk audio driver.
source "$(dirname "$0")/lib.sh" "$1"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/audio.raw
readonly RATE=44100
launch_painting_screen

readonly WAV=$app/SOUND/CRVENA.WAV MIDI=$app/MUSIC/001.MID
cp "$WAV" "$WORK/good.wav"
cp "$MIDI" "$WORK/good.mid"
readonly RED_X=50 RED_Y=717 MUSIC_X=958 MUSIC_Y=524

# Puts the bad kind of file at `path`: `good` is the file it stands for,
# `other` a file of another format, `huge_at` the offsets of the high bytes
# of the lengths it declares.
put_bad_file() {
  local kind=$1 path=$2 good=$3 other=$4 huge_at=$5 at
  rm -rf "$path"
  case $kind in
    missing) ;;
    empty) : >"$path" ;;
    truncated) head -c $(($(stat -c %s "$good") / 2)) "$good" >"$path" ;;
    random) head -c "$(stat -c %s "$good")" /dev/urandom >"$path" ;;
    huge)
      cp "$good" "$path"
      for at in $huge_at; do printf '\177' | dd of="$path" bs=1 seek="$at" conv=notrunc status=none; done
      ;;
    other) cp "$other" "$path" ;;
    pipe) mkfifo "$path" ;;
    directory) mkdir "$path" ;;
    devzero) ln -s /dev/zero "$path" ;;
    unreadable) cp "$good" "$path" && chmod 000 "$path" ;;
  esac
}
put_good_file() { rm -rf "$1" && cp "$2" "$1"; }

# Whether the bad kind still reads as the good file: root reads files
# without read permission.
still_good() { [ "$1" = unreadable ] && [ "$(id -u)" = 0 ]; }

# A click whose effect the caller waits for.
press_at() { xdotool mousemove "$1" "$2" click 1; }

audio_reaches() { [ "$(audio_written)" -ge $(($1 + $2)) ]; }
heard_since() { [ "$(loudest_since "$WORK/audio.raw" "$1")" -gt 300 ]; }
# After byte `from`: milliseconds from the first to the last sample above
# 300, and milliseconds of audio since that last one.
sound_since() {
  tail -c "+$(($1 + 1))" "$WORK/audio.raw" | od -An -v -td2 -w4 |
    awk -v rate=$RATE '{ v = $1 < 0 ? -$1 : $1; if (v > 300) { if (first == "") first = NR; last = NR } }
      END { if (first == "") print 0, 0; else print int((last - first) * 1000 / rate), int((NR - last) * 1000 / rate) }'
}
sound_over_since() { local heard quiet; read -r heard quiet < <(sound_since "$1"); [ "$heard" -gt 0 ] && [ "$quiet" -ge 200 ]; }

# The window answers: the more-pictures button lights up under the mouse
# and rests again when it leaves.
answers() {
  hover_at 900 320
  wait_shows 832 241 160 169 "$app/PICTURE/MOREIMAGES2.JPG"
  hover_at 400 100
  wait_shows 832 241 160 169 "$app/PICTURE/MOREIMAGES1.JPG"
}

# A colour click, and how long the sound it gave lasted.
colour_click_sound_ms() {
  local before
  before=$(audio_written)
  press_at $RED_X $RED_Y
  wait_for 20 sound_over_since "$before"
  sound_since "$before" | cut -d' ' -f1
}

# The colour's own sound lasts 0.7 s, the default one 0.2 s.
expect_colour_sound() {
  local ms
  ms=$(colour_click_sound_ms)
  if [ "$1" = own ]; then
    [ "$ms" -gt 400 ] || fail "$2: the colour's own sound was not heard (a sound of $ms ms)"
  else
    [ "$ms" -gt 50 ] && [ "$ms" -lt 300 ] || fail "$2: the default sound was not heard (a sound of $ms ms)"
  fi
}

# A start click and a stop click; whether music was heard in between.
music_heard_between_clicks() {
  local before
  before=$(audio_written)
  press_at $MUSIC_X $MUSIC_Y
  if [ "$1" = heard ]; then
    wait_for 20 heard_since "$before"
  else
    # Music starts within a few hundredths of a second of the click.
    wait_for 20 audio_reaches "$before" $((RATE * 2))
    heard_since "$before" && fail "$2: music was heard"
  fi
  press_at $MUSIC_X $MUSIC_Y
}

for kind in missing empty truncated random huge other pipe directory devzero unreadable; do
  put_bad_file $kind "$WAV" "$WORK/good.wav" "$WORK/good.mid" "7 43"
  if still_good $kind; then expect_colour_sound own "WAV, $kind"; else expect_colour_sound default "WAV, $kind"; fi
  put_good_file "$WAV" "$WORK/good.wav"
  expect_colour_sound own "WAV back after $kind"

  put_bad_file $kind "$MIDI" "$WORK/good.mid" "$WORK/good.wav" "18"
  if still_good $kind; then music_heard_between_clicks heard "MIDI, $kind"; else music_heard_between_clicks silent "MIDI, $kind"; fi
  answers
  put_good_file "$MIDI" "$WORK/good.mid"
  music_heard_between_clicks heard "MIDI back after $kind"
  echo "bad sound files: $kind passed"
done

# 262,144 notes struck and released at the first tick, within the size a
# MIDI file may have.
printf '\0\220\74\144\0\200\74\100' >"$WORK/notes"
for _ in $(seq 18); do cat "$WORK/notes" "$WORK/notes" >"$WORK/more" && mv "$WORK/more" "$WORK/notes"; done
{
  printf 'MThd\0\0\0\6\0\0\0\1\1\340MTrk\0\40\0\4'
  cat "$WORK/notes"
  printf '\0\377\57\0'
} >"$MIDI"
press_at $MUSIC_X $MUSIC_Y
answers
kill -TERM "$APP_PID"
wait_app_exit 20
[ "$APP_STATUS" = 0 ] || fail "SIGTERM with a dense piece: status $APP_STATUS"
echo "bad sound files: passed"
