#!/usr/bin/env bash
# The gallery: 25 white thumbnails on their grid, the one under the mouse
# turns yellow, picture 7 comes onto the canvas, and the eraser wipes it
# visibly before bringing outline 7 back.
source "$(dirname "$0")/lib.sh" "$1"
launch_painting_screen

click_at 912 325
s=$(shot gallery)
lefts=(54 198 341 485 629)
tops=(48 185 322 459 596)
for n in $(seq 1 25); do
  c=$(( (n - 1) % 5 )) r=$(( (n - 1) / 5 ))
  cell=$(printf %02d $((18 * r + 2 * c + 1)))
  expect_region_shows "$s" "${lefts[c]}" "${tops[r]}" 131 122 "$app/PICTURE/GALERIJA1BELE_$cell.JPG"
done
expect_region_shows "$s" 30 0 192 40 "$app/PICTURE/BACK1.JPG"

hover_at 263 246  # over thumbnail 7
expect_region_shows "$(shot highlight)" 198 185 131 122 "$app/PICTURE/GALERIJA1ZUTE_21.JPG"
click_at 263 246
expect_region_shows "$(shot chosen)" 30 29 750 600 "$app/PICTURE/07.GIF"

# Colour somewhere, then erase: the wipe is seen as it runs.
click_at 40 39
[ "$(pixel "$(shot coloured)" 40 39)" = "255 0 0" ] || fail "the fill did not paint"
xdotool mousemove 880 440 click 1
sleep 0.5
s=$(shot wiping)
expect_region_hides "$s" 30 29 750 600 "$app/PICTURE/07.GIF"
expect_region_hides "$s" 30 29 750 600 "$app/PICTURE/00.GIF"
sleep 2.5
expect_region_shows "$(shot erased)" 30 29 750 600 "$app/PICTURE/07.GIF"
app_running || fail "the program ended"
echo "gallery: passed"
