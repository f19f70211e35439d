#!/usr/bin/env bash
# The music button, heard through the disk audio driver: music plays while
# on, and stops at once on the second click.
source "$(dirname "$0")/lib.sh" "$1"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/audio.raw
launch_painting_screen

before=$(audio_written)
click_at 958 524
sleep 2
[ "$(loudest_since "$WORK/audio.raw" "$before")" -gt 300 ] || fail "no music was heard"

click_at 958 524
sleep 0.3  # what the device had already been handed
before=$(audio_written)
sleep 1
[ "$(loudest_since "$WORK/audio.raw" "$before")" -lt 10 ] || fail "the music went on after the stop click"

hover_at 958 524
expect_region_shows "$(shot music-off)" 919 485 78 78 "$app/PICTURE/MUSICOFF1.JPG"
app_running || fail "the program ended"
echo "music: passed"
