#!/usr/bin/env bash
# Draws the program's small raster images with ImageMagick (no outside
# artwork). Run from the repository root; the output is committed.
#   bash tools/images/make_images.sh
set -euo pipefail
out=source/images
mkdir -p "$out"
# No time stamps in the files, so a rebuild gives identical bytes.
strip=(-define png:exclude-chunks=date,time,tIME +set date:create +set date:modify -strip)

# Folder: a tab and a body in warm yellow with a darker outline.
convert -size 32x32 xc:none \
  -fill '#e9b949' -stroke '#b8892a' -strokewidth 1 \
  -draw "roundrectangle 3,7 14,12 2,2" \
  -draw "roundrectangle 3,10 28,26 2,2" \
  -fill '#f4cc66' -stroke none -draw "rectangle 4,12 27,25" \
  "${strip[@]}" "$out/folder.png"

# Text document: a page with a folded corner and text lines.
page=(-fill white -stroke '#7a8794' -strokewidth 1
      -draw "polygon 7,3 20,3 26,9 26,29 7,29 7,3"
      -fill '#dfe5ea' -draw "polygon 20,3 20,9 26,9")
convert -size 32x32 xc:none "${page[@]}" \
  -stroke '#9aa6b2' -strokewidth 1 \
  -draw "line 10,13 23,13" -draw "line 10,17 23,17" -draw "line 10,21 23,21" -draw "line 10,25 19,25" \
  "${strip[@]}" "$out/file-text.png"

# Markdown document: the same page with a blue band and a down arrow.
convert -size 32x32 xc:none "${page[@]}" \
  -fill '#3d7dca' -stroke none -draw "rectangle 9,14 24,24" \
  -fill white -draw "polygon 14,16 19,16 19,19 21,19 16.5,23 12,19 14,19" \
  "${strip[@]}" "$out/file-md.png"

# Default avatar: a grey disc with a head and shoulders.
convert -size 128x128 xc:none \
  -fill '#c9d1d9' -draw "circle 64,64 64,2" \
  -fill '#f5f7f9' -draw "circle 64,50 64,28" \
  -draw "ellipse 64,112 40,30 180,360" \
  "${strip[@]}" "$out/user.png"
