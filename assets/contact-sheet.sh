#!/usr/bin/env bash
# Renders every generated picture onto one labelled PNG, for reviewing the art
# at a glance. Usage: assets/contact-sheet.sh [build/app] [contact-sheet.png]
set -euo pipefail
app=${1:-build/app}
out=${2:-contact-sheet.png}
[ -d "$app/PICTURE" ] || { echo "no PICTURE folder in $app: build first" >&2; exit 1; }
montage -label '%f' -font DejaVu-Sans -pointsize 11 -background '#dddddd' \
  -geometry '200x160>+6+6' -tile 10x "$app"/PICTURE/*.GIF "$app"/PICTURE/*.JPG "$out"
echo "$out"
