#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick: the icon, the toolbar strip
# (five 16 x 15 images, 16 colours) and the five 468 x 60 welcome banners
# (256 colours). The results are committed; run this again after a change.
set -euo pipefail
cd "$(dirname "$0")"
IM=${IM:-/usr/bin/convert}
FONT=${FONT:-DejaVu-Sans-Bold}
FONT_REGULAR=${FONT_REGULAR:-DejaVu-Sans}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# --- Icon: a blue key cap with a white Z, at every size Windows asks for
# from 100% to 400% display scaling; the 256 px image PNG-compressed (as
# ImageMagick writes an image of that size into an icon) ---
sizes="16 20 24 32 40 48 64 256"
for size in $sizes; do
  r=$((size / 8)); inset=$((size / 16))
  "$IM" -size ${size}x${size} xc:none \
    -fill '#1d4e89' -draw "roundrectangle $inset,$inset $((size - 1 - inset)),$((size - 1 - inset)) $r,$r" \
    -fill '#3d7cc9' -draw "roundrectangle $((inset + size / 8)),$((inset + size / 10)) $((size - 1 - inset - size / 8)),$((size - 1 - inset - size / 5)) $r,$r" \
    -fill white -font "$FONT" -pointsize $((size * 5 / 8)) -gravity center -annotate +0-$((size / 20)) 'Z' \
    "$tmp/icon$size.png"
done
icons=()
for size in $sizes; do icons+=("$tmp/icon$size.png"); done
"$IM" "${icons[@]}" zorvakomat.ico

# --- Toolbar: New, Open, Save, Hide Main Window, About (16 x 15 each) ---
grey='#c0c0c0'
"$IM" -size 16x15 xc:"$grey" -fill white -stroke black \
  -draw 'polygon 3,1 10,1 13,4 13,13 3,13' -fill "$grey" -draw 'polyline 10,1 10,4 13,4' "$tmp/tb0.png"
"$IM" -size 16x15 xc:"$grey" -stroke black -fill '#ffff00' \
  -draw 'polygon 1,4 5,4 6,5 12,5 12,13 1,13' -fill '#808000' -draw 'polygon 3,8 15,8 12,13 1,13' "$tmp/tb1.png"
"$IM" -size 16x15 xc:"$grey" -stroke black -fill '#000080' -draw 'rectangle 1,1 14,13' \
  -stroke none -fill white -draw 'rectangle 4,2 11,6' -fill '#c0c0c0' -draw 'rectangle 5,9 10,13' "$tmp/tb2.png"
"$IM" -size 16x15 xc:"$grey" -stroke black -fill white -draw 'rectangle 1,1 14,10' \
  -fill '#000080' -draw 'rectangle 1,1 14,3' -stroke '#800000' -fill '#ff0000' \
  -draw 'polygon 5,11 11,11 8,14' "$tmp/tb3.png"
"$IM" -size 16x15 xc:"$grey" -fill '#000080' -font "$FONT" -pointsize 14 -gravity center \
  -annotate +0+0 '?' "$tmp/tb4.png"
"$IM" "$tmp"/tb0.png "$tmp"/tb1.png "$tmp"/tb2.png "$tmp"/tb3.png "$tmp"/tb4.png +append \
  -type Palette -colors 16 -compress none BMP3:toolbar.bmp

# --- Banners ---
banner() {  # file, gradient from, gradient to, title, tagline
  "$IM" -size 60x468 gradient:"$2"-"$3" -rotate 90 \
    -fill '#ffffff30' -draw 'circle 430,10 470,50' -draw 'circle 20,70 40,90' \
    -fill white -font "$FONT" -pointsize 22 -gravity northwest -annotate +16+6 "$4" \
    -fill '#e8eef8' -font "$FONT_REGULAR" -pointsize 12 -annotate +17+36 "$5" \
    -fill '#ffffffc0' -font "$FONT" -pointsize 9 -gravity southeast -annotate +8+5 'ZORVAKOMAT' \
    -type Palette -colors 256 -compress none "BMP3:$1"
}
banner banner140.bmp '#b8860b' '#e5a823' 'Win Money!' 'Enter the free Zorvakomat prize draw - click here'
banner banner134.bmp '#1d4e89' '#3d7cc9' 'Clipboard Keeper' 'Every text you copy, kept and a click away'
banner banner136.bmp '#225e3b' '#3f9a63' 'Window Tamer' 'Tile, snap and recall your windows with one key'
banner banner138.bmp '#6a2c70' '#a34ea9' 'Hotkey Hopper' 'Start anything from the keyboard, anywhere'
banner banner137.bmp '#8a2d2d' '#c95050' 'Form Filler' 'Type the forms you fill every day, in one pick'
