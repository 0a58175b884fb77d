#!/bin/sh
# Draws the globe icon at 256 pixels with ImageMagick's own primitives (no
# SVG renderer needed) and scales it to the 32 x 32 and 16 x 16, 16-colour
# images the program ships. orbitas.svg is the same drawing, for the
# scalable icon theme entry.
set -eu
cd "$(dirname "$0")"
big=$(mktemp --suffix=.png)
mask=$(mktemp --suffix=.png)
convert -size 256x256 xc:none -fill '#1e64c8' -draw 'circle 128,128 128,12' \
  -fill '#2e9e3e' \
  -draw 'polygon 56,32 88,24 108,40 100,64 76,80 76,100 100,120 108,140 100,188 88,224 72,232 64,196 48,156 24,120 20,96 28,60' \
  -draw 'polygon 152,28 180,24 208,36 224,56 196,72 184,84 204,108 220,120 224,140 212,164 196,188 168,228 160,200 152,160 140,136 136,104 148,84 140,64 136,44' \
  "$big"
convert -size 256x256 xc:none -fill white -draw 'circle 128,128 128,12' "$mask"
convert "$big" "$mask" -compose DstIn -composite \
  -fill none -stroke '#0d3b7a' -strokewidth 8 -draw 'circle 128,128 128,14' "$big"
convert "$big" -resize 32x32 -colors 16 PNG32:orbitas-32.png
convert "$big" -resize 16x16 -colors 16 PNG32:orbitas-16.png
rm -f "$big" "$mask"
