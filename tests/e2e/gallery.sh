#!/usr/bin/env bash
# The gallery: 25 white thumbnails on their grid, the one under the mouse
# turns yellow, picture 7 comes onto the canvas, and the eraser wipes it
# visibly before bringing outline 7 back.
source "$(dirname "$0")/lib.sh" "$1"
launch_painting_screen

click_at 912 325
wait_shows 629 596 131 122 "$app/PICTURE/GALERIJA1BELE_81.JPG"  # the last thumbnail
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
wait_shows 198 185 131 122 "$app/PICTURE/GALERIJA1ZUTE_21.JPG"
click_at 263 246
wait_shows 30 29 750 600 "$app/PICTURE/07.GIF"

# Colour somewhere, then erase: the wipe is seen as it runs.
click_at 40 39
wait_pixel 40 39 "255 0 0"
coloured=$(shot coloured)
# A frame part-way through the wipe shows neither the coloured page, nor the
# blank one, nor the outline it brings back.
xdotool mousemove 880 440 click 1
wiping() {
  local s
  s=$(shot wiping)
  [ "$(region_differs "$s" 30 29 750 600 "$coloured" 30 29)" != 0 ] &&
    [ "$(region_differs "$s" 30 29 750 600 "$app/PICTURE/07.GIF")" != 0 ] &&
    [ "$(region_differs "$s" 30 29 750 600 "$app/PICTURE/00.GIF")" != 0 ]
}
wait_for 20 wiping
wait_shows 30 29 750 600 "$app/PICTURE/07.GIF"
app_running || fail "the program ended"
echo "gallery: passed"
