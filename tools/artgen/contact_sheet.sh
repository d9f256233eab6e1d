#!/usr/bin/env bash
# Draws a contact sheet of every picture in an art folder: one PNG with each
# picture at twice its size (large ones at their own size), labelled with
# its id and size. The teal around sprites is their transparent key colour.
#   tools/artgen/contact_sheet.sh [art-dir] [out.png]
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
art=${1:-$top/programs/art}
out=${2:-$top/build/art-contact-sheet.png}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for f in "$art"/*.bmp; do
  id=$(basename "$f" .bmp)
  size=$(identify -format '%wx%h' "$f")
  w=${size%x*}
  scale=200
  [ "$w" -ge 200 ] && scale=100
  convert "$f" -filter point -resize "$scale%" "$tmp/$id.png"
  labels+=(-label "$id  $size" "$tmp/$id.png")
done
mkdir -p "$(dirname "$out")"
montage "${labels[@]}" -font DejaVu-Sans -tile 8x -geometry +6+6 -background '#303030' -fill white -pointsize 14 "$out"
echo "contact sheet: $out"
