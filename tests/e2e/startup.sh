#!/usr/bin/env bash
# The splash at the centre, then the painting screen full screen with exactly
# its starting elements showing.
source "$(dirname "$0")/lib.sh" "$1"
start_x
install_recording_browser
app=$(copy_app)
start_app "$app"

wait_for 15 splash_showing

wait_for 30 main_window_fullscreen
canvas_showing() { [ "$(region_differs "$(shot painting)" 30 29 750 600 "$app/PICTURE/01.GIF")" = 0 ]; }
wait_for 10 canvas_showing
s=$(shot painting)

# name left top width height starting image
shown=(
  "Papir 936 412 63 61 PAPIR1.JPG"
  "Rubber 825 412 111 61 GUMICA1.JPG"
  "olovka 804 571 62 81 OLOVKA2.JPG"
  "kapljica 871 571 58 81 KAPLJICA1.JPG"
  "MoreImages 832 241 160 169 MOREIMAGES1.JPG"
  "MuteWave 835 485 78 79 ZVUCNIK1.JPG"
  "MusicOn 919 485 78 78 MUSICOFF2.JPG"
  "PaletaCrvena 8 675 85 85 BOJE1_01.JPG"
  "PaletaZelena 93 675 83 85 BOJE1_02.JPG"
  "PaletaZuta 176 675 84 85 BOJE1_03.JPG"
  "PaletaSvPlava 261 675 84 85 BOJE1_04.JPG"
  "PaletaOranz 345 675 83 85 BOJE1_05.JPG"
  "PaletaLjubicasta 428 675 85 85 BOJE1_06.JPG"
  "PaletaSiva 513 675 83 85 BOJE1_07.JPG"
  "PaletaTamnozuta 596 675 84 85 BOJE1_08.JPG"
  "PaletaBraon 680 675 84 85 BOJE1_09.JPG"
  "PaletaPlava 764 675 84 85 BOJE1_10.JPG"
  "PaletaCrna 848 675 84 85 BOJE1_11.JPG"
  "PaletaPink 932 675 84 85 BOJE1_12.JPG"
  "Slika 30 29 750 600 01.GIF"
)
for row in "${shown[@]}"; do
  read -r name x y w h image <<<"$row"
  echo "checking $name"
  expect_region_shows "$s" "$x" "$y" "$w" "$h" "$app/PICTURE/$image"
done
# Green's last column lies under yellow: it was left out of its row above.

hidden=(
  "Izlaz 312 259 400 250 CTRLX.JPG"
  "Registered 312 259 400 250 CTRL-R-4.JPG"
  "PrintPict 312 259 400 250 PRINTING.JPG"
  "Back 30 0 192 40 BACK1.JPG"
  "Da 368 409 107 50 YES1.JPG"
  "Ne 568 409 85 50 NO1.JPG"
)
for row in "${hidden[@]}"; do
  read -r name x y w h image <<<"$row"
  echo "checking $name is hidden"
  expect_region_hides "$s" "$x" "$y" "$w" "$h" "$app/PICTURE/$image"
done

# The painting backdrop shows along the top and in the gap at x = 260.
expect_region_shows "$s" 0 0 1024 29 "$app/PICTURE/GLAVNA-4.JPG"
convert "$app/PICTURE/GLAVNA-4.JPG" -crop 1x85+260+675 +repage "$WORK/gap.png"
convert "$s" -crop 1x85+260+675 +repage "$WORK/gap-shown.png"
[ "$(compare -metric AE -fuzz 4% "$WORK/gap.png" "$WORK/gap-shown.png" null: 2>&1 || true)" = 0 ] ||
  fail "the column between yellow and light blue does not show the backdrop"

app_running || fail "the program ended"
echo "startup: passed"
