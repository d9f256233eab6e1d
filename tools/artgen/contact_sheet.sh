#!/usr/bin/env bash
# Draws a contact sheet of a program's pictures: one PNG with each picture
# at twice its size (large ones at their own size), labelled with its id and
# size, in id order. The teal around sprites is their transparent key colour.
#   tools/artgen/contact_sheet.sh [model | art-dir] [out.png]
# A model (default no3) shows the engine's pictures (programs/art) with the
# machine's (machines/<model>/art); a folder shows that folder's alone.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
which=${1:-no3}
if [ -d "$which" ]; then
  dirs=("$which")
  name=$(basename "$which")
else
  dirs=("$top/programs/art" "$top/machines/$which/art")
  name=$which
fi
out=${2:-$top/build/art-contact-sheet-$name.png}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
files=()
for f in $(for d in "${dirs[@]}"; do ls "$d"/*.bmp; done | awk -F/ '{ print $NF "\t" $0 }' | sort -n | cut -f2); do
  id=$(basename "$f" .bmp)
  size=$(identify -format '%wx%h' "$f")
  w=${size%x*}
  h=${size#*x}
  scale=2
  [ "$w" -ge 200 ] && scale=1
  tw=$((w * scale)); th=$((h * scale))
  [ "$tw" -ge 110 ] || tw=110
  # the picture on a dark tile with its id and size written above it
  convert "$f" -filter point -resize "$((scale * 100))%" -background '#303030' -gravity south \
    -extent "${tw}x$((th + 18))" -gravity north -font DejaVu-Sans -fill white -pointsize 13 \
    -annotate +0+1 "$id  $size" "$tmp/$id.png"
  files+=("$tmp/$id.png")
done
mkdir -p "$(dirname "$out")"
montage -background '#303030' "${files[@]}" -tile 8x -geometry +6+6 "$out"
echo "contact sheet: $out"
