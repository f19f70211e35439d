#!/usr/bin/env bash
# The music button, heard through the disk audio driver: music plays while
# on, and stops at once on the second click.
source "$(dirname "$0")/lib.sh" "$1"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/audio.raw
launch_painting_screen

before=$(audio_written)
click_at 958 524
heard() { [ "$(loudest_since "$WORK/audio.raw" "$before")" -gt 300 ]; }
wait_for 30 heard

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
app_running || fail "the program ended"
echo "music: passed"
