#!/usr/bin/env bash
# A child's first minute: a fill in red, a colour chosen with its sound, a
# fill in that colour, a hover highlight, a pencil stroke, and the speaker
# button silencing the next colour.
source "$(dirname "$0")/lib.sh" "$1"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/audio.raw
launch_painting_screen

# A fill outside the puppy (canvas 20,20) paints the whole background red.
click_at 50 49
wait_pixel 50 49 "255 0 0"
s=$(shot fill)
[ "$(pixel "$s" 770 529)" = "255 0 0" ] || fail "the fill did not reach the far side"
[ "$(pixel "$s" 370 139)" = "255 255 255" ] || fail "the fill leaked into the puppy's head"

# Yellow: its own sound, its selected look, then a fill inside the puppy.
before=$(audio_written)
click_at 218 717
heard() { [ "$(loudest_since "$WORK/audio.raw" "$before")" -gt 1000 ]; }
wait_for 20 heard
wait_shows 176 675 84 85 "$app/PICTURE/BOJE3_03.JPG"
click_at 405 479  # the puppy's chest (canvas 375,450)
wait_pixel 405 479 "255 255 0"

# Hover: the more-pictures button lights up, and rests again over the canvas.
hover_at 900 320
wait_shows 832 241 160 169 "$app/PICTURE/MOREIMAGES2.JPG"
hover_at 400 100
wait_shows 832 241 160 169 "$app/PICTURE/MOREIMAGES1.JPG"

# The pencil: a stroke across the red background.
click_at 835 610
xdotool mousemove 100 80 mousedown 1
for x in 150 200 250 300; do xdotool mousemove "$x" 80; sleep 0.05; done
xdotool mouseup 1
wait_pixel 300 80 "255 255 0"
s=$(shot pencil)
for x in 100 175 225 300; do
  [ "$(pixel "$s" "$x" 80)" = "255 255 0" ] || fail "no pencil line at $x,80: $(pixel "$s" "$x" 80)"
done
[ "$(pixel "$s" 200 84)" = "255 0 0" ] || fail "the pencil line is too thick"

# Muted: the next colour is silent.
click_at 874 524
# A second of sound mixed lets the yellow sound end. Then pink, chosen after
# the mute (its chosen look shows both were handled), and half a second more:
# all of it silent.
wait_audio_past "$(audio_written)" 176400
before=$(audio_written)
click_at 974 717
wait_shows 932 675 84 85 "$app/PICTURE/BOJE3_12.JPG"
wait_audio_past "$(audio_written)" 88200
[ "$(loudest_since "$WORK/audio.raw" "$before")" -lt 50 ] || fail "a colour sounded while muted"

app_running || fail "the program ended"
echo "colouring: passed"
