#!/usr/bin/env bash
# Draws the pictures of the settings dialog's information pages with
# ImageMagick (imagemagick, fonts-dejavu-core) and writes them as JPEG beside
# this script. The JPEGs are kept in the repository; run this only to change
# the artwork, then look at the results and commit them.
#
#   links.jpg, links_de.jpg   486 x 313  "Links": six areas the user clicks
#   about.jpg                 486 x 313  "About": the product emblem
#   thanks.jpg, thanks_de.jpg 484 x 308  "Thanks": a picture of gratitude
#
# The Links page puts its picture at (4, 8) and its six click areas at page
# positions (8,16) (168,16) (328,16) / (8,168) (168,168) (328,160); in the
# picture's own coordinates each area lies 4 to the left and 8 higher, and the
# tiles are drawn inside them. The About page paints white bands with a thin
# border over rows 24 to 76 and 248 to 300 for its text; the picture keeps
# rows 14 to 78 and 238 to 302 white, so nothing shows at the bands' edges
# whether those rows are counted from the page or from the picture.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fonts=/usr/share/fonts/truetype/dejavu
bold="$fonts/DejaVuSans-Bold.ttf"
regular="$fonts/DejaVuSans.ttf"
serif_bold="$fonts/DejaVuSerif-Bold.ttf"

command -v convert >/dev/null || { echo "make-pictures.sh: 'convert' is missing (Debian: imagemagick)" >&2; exit 1; }
for font in "$bold" "$regular" "$serif_bold"; do
  [[ -f $font ]] || { echo "make-pictures.sh: font $font is missing (Debian: fonts-dejavu-core)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Baseline JPEG, no metadata, full colour resolution so the captions stay crisp.
save_jpeg() { # FROM.png TO.jpg
  convert "$1" -strip -sampling-factor 4:4:4 -interlace none -quality 85 "$2"
}

# ---------------------------------------------------------------- motifs
# Each prints MVG drawing commands around (0, 0), about 96 x 70 pixels.

motif_book() {
  cat <<'MVG'
fill '#7a3e1d' polygon -50,-26 0,-17 50,-26 50,31 0,40 -50,31
fill '#fffaf0' stroke '#c9b99a' stroke-width 1
polygon -46,-31 -2,-23 -2,33 -46,25
polygon 2,-23 46,-31 46,25 2,33
stroke '#b8a88a' stroke-width 2
line -40,-19 -8,-13
line -40,-10 -8,-4
line -40,-1 -8,5
line -40,8 -8,14
line -40,17 -20,21
line 8,-13 26,-16.4
line 8,-4 26,-7.4
line 8,5 40,-1
line 8,14 40,8
stroke none fill '#c0392b' polygon 30,-28 37,-29 37,-6 33.5,-10 30,-6
MVG
}

motif_software() {
  cat <<'MVG'
fill '#b9cde2' roundrectangle -43,-29 49,37 6,6
fill white stroke '#3b6ea5' stroke-width 2 roundrectangle -46,-33 46,33 6,6
stroke none fill '#3b6ea5' roundrectangle -46,-33 46,-18 6,6
rectangle -46,-24 46,-18
fill '#ff6b6b' circle -37,-25.5 -34.5,-25.5
fill '#ffd166' circle -29,-25.5 -26.5,-25.5
fill '#06d6a0' circle -21,-25.5 -18.5,-25.5
fill '#7fb3e6' rectangle -30,11 -20,25
fill '#3b6ea5' rectangle -14,-1 -4,25
fill '#7fb3e6' rectangle 2,5 12,25
fill '#3b6ea5' rectangle 18,-9 28,25
stroke '#5b6470' stroke-width 1.5 line -36,25.5 36,25.5
MVG
}

photo_frame() { # SKY GROUND_NEAR GROUND_FAR
  cat <<MVG
push graphic-context
rotate -9
fill '#f3f3f3' stroke '#a0a0a0' stroke-width 1 rectangle -44,-30 44,30
pop graphic-context
fill white stroke '#8a8a8a' stroke-width 1 rectangle -46,-33 46,33
stroke none fill '$1' rectangle -40,-27 40,27
MVG
}

motif_photos() {
  photo_frame '#8ecae6'
  cat <<'MVG'
fill '#ffd166' circle 22,-13 29,-13
fill '#4c956c' polygon -40,27 -15,-8 6,27
fill '#2c6e49' polygon -8,27 15,-2 40,22 40,27
fill white polygon -15,-8 -20,-1 -15,-3 -11,0
MVG
}

motif_flowers() {
  photo_frame '#d8f3dc'
  cat <<'MVG'
push graphic-context
translate 0,2 scale 0.72,0.72
stroke '#2d6a4f' stroke-width 4 line 0,2 0,34
stroke none fill '#52b788' path 'M 0,26 Q 14,12 24,20 Q 13,31 0,26 Z'
path 'M 0,20 Q -14,6 -24,14 Q -13,25 0,20 Z'
fill '#f28482'
circle 13,-12 24,-12
circle 6.5,-0.7 17.5,-0.7
circle -6.5,-0.7 4.5,-0.7
circle -13,-12 -2,-12
circle -6.5,-23.3 4.5,-23.3
circle 6.5,-23.3 17.5,-23.3
fill '#f6bd60' circle 0,-12 8,-12
pop graphic-context
MVG
}

motif_monitor() {
  cat <<'MVG'
fill '#2b2d42' roundrectangle -48,-36 48,22 5,5
fill '#d9e8f5' rectangle -43,-31 43,17
fill '#8d99ae' polygon -8,22 8,22 12,32 -12,32
fill '#2b2d42' roundrectangle -24,31 24,36 2,2
MVG
  echo "fill '#5a4a9c' font '$bold' font-size 24 text-anchor middle text 0,1 '</>'"
}

motif_camera() {
  cat <<'MVG'
fill '#3d405b' roundrectangle -18,-32 12,-14 4,4
roundrectangle -46,-22 46,32 8,8
fill '#e07a5f' rectangle -38,-28 -27,-22
fill '#f4d35e' rectangle 28,-15 38,-9
fill '#e0e1dd' circle 0,5 0,27
fill '#1d3557' circle 0,5 0,19
fill '#a8dadc' circle -5,0 -5,4
MVG
}

motif_download() {
  cat <<'MVG'
fill '#2a9d8f' polygon -10,-36 10,-36 10,-6 22,-6 0,16 -22,-6 -10,-6
fill none stroke '#264653' stroke-width 5 stroke-linecap round stroke-linejoin round
polyline -38,8 -38,30 38,30 38,8
MVG
}

# ---------------------------------------------------------------- Links

# tile X Y WIDTH HEIGHT BACKGROUND CAPTION_COLOUR CAPTION MOTIF
tile() {
  local x=$1 y=$2 w=$3 h=$4 bg=$5 band=$6 caption=$7 motif=$8
  local right=$((w - 1)) bottom=$((h - 1)) band_top=$((h - 30))
  cat <<MVG
push graphic-context
translate $x,$y
fill '#d5dbe3' roundrectangle 1,2 $((right + 1)),$((bottom + 2)) 10,10
fill '$band' roundrectangle 0,0 $right,$bottom 10,10
fill '$bg' roundrectangle 0,0 $right,$band_top 10,10
rectangle 0,$((band_top - 10)) $right,$band_top
fill white font '$bold' font-size 13 text-anchor middle text $((w / 2)),$((h - 10)) '$caption'
push graphic-context
translate $((w / 2)),$(((band_top) / 2 + 1))
MVG
  "$motif"
  cat <<MVG
pop graphic-context
pop graphic-context
MVG
}

# links_board CAPTIONS... (six captions, then the motif of area 4, then the footer)
links_board() {
  local c1=$1 c2=$2 c3=$3 c4=$4 c5=$5 c6=$6 motif4=$7 footer=$8
  tile 4 8 145 137 '#f7ecd9' '#9c5b2e' "$c1" motif_book
  tile 164 8 153 137 '#e1edf9' '#2f5f91' "$c2" motif_software
  tile 324 8 161 137 '#e4f2e7' '#2f7a4f' "$c3" motif_photos
  tile 4 160 145 137 '#e9e6f6' '#5a4a9c' "$c4" "$motif4"
  tile 164 160 153 137 '#fbe4e6' '#b0475a' "$c5" motif_flowers
  tile 324 160 161 137 '#def3f0' '#23766c' "$c6" motif_download
  echo "fill '#5b6470' font '$regular' font-size 10 text-anchor middle text 243,309 '$footer'"
}

links_board "The Book" "Software" "Photo Gallery" "More Software" "Flowers" "Downloads" \
  motif_monitor "Click a picture to visit its page." >"$work/links.mvg"
links_board "Das Buch" "Software" "Fotogalerie" "Naturfotos" "Blumen" "Downloads" \
  motif_camera "Klicken Sie auf ein Bild, um seine Seite zu besuchen." >"$work/links_de.mvg"
for name in links links_de; do
  convert -size 486x313 xc:'#f4f6f9' -draw "$(cat "$work/$name.mvg")" "$work/$name.png"
  save_jpeg "$work/$name.png" "$here/$name.jpg"
done

# ---------------------------------------------------------------- About
# A sun rising over the sea at dawn, with the product name; white above and
# below for the page's text bands.

sun_rays() { # CENTRE_X CENTRE_Y INNER OUTER
  local angle
  for angle in 190 205 220 235 250 265 280 295 310 325 340 355; do
    awk -v cx="$1" -v cy="$2" -v r1="$3" -v r2="$4" -v a="$angle" 'BEGIN {
      pi = atan2(0, -1); t = a * pi / 180; w = 3.2 * pi / 180
      printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f\n",
        cx + r1 * cos(t - w), cy + r1 * sin(t - w),
        cx + r2 * cos(t), cy + r2 * sin(t),
        cx + r1 * cos(t + w), cy + r1 * sin(t + w) }'
  done
}

{
  cat <<'MVG'
push defs
push gradient sky linear 0,82 0,182
stop-color '#243b6b' 0
stop-color '#8c5a8f' 0.55
stop-color '#f4a261' 1
pop gradient
push gradient sea linear 0,182 0,234
stop-color '#1f3a5f' 0
stop-color '#14243d' 1
pop gradient
pop defs
fill '#c9ced6' roundrectangle 18,86 470,236 12,12
push graphic-context
fill 'url(#sky)' roundrectangle 16,82 468,234 12,12
pop graphic-context
fill '#ffd27a'
MVG
  sun_rays 243 182 50 86
  cat <<'MVG'
fill '#ffe29a' circle 243,182 243,138
fill '#fff1c1' circle 243,182 243,150
push graphic-context
fill 'url(#sea)' roundrectangle 16,182 468,234 12,12
rectangle 16,182 468,200
pop graphic-context
fill '#f7b267' rectangle 16,181 468,183
fill '#ffd27a' rectangle 203,188 283,190
rectangle 215,195 271,197
rectangle 228,202 258,204
MVG
  echo "fill white font '$serif_bold' font-size 24 text-anchor middle text 243,227 'Solvane Premium'"
} >"$work/about.mvg"
convert -size 486x313 xc:white -draw "$(cat "$work/about.mvg")" "$work/about.png"
save_jpeg "$work/about.png" "$here/about.jpg"

# ---------------------------------------------------------------- Thanks
# thanks_picture WORD LINE
thanks_picture() {
  cat <<'MVG'
push defs
push gradient warm linear 0,0 0,308
stop-color '#fff1dc' 0
stop-color '#ffd3b5' 0.6
stop-color '#f9b5a8' 1
pop gradient
pop defs
push graphic-context
fill 'url(#warm)' rectangle 0,0 483,307
pop graphic-context
fill '#ffffff55'
circle 62,58 62,88
circle 420,80 420,118
circle 34,272 34,292
circle 452,276 452,298
circle 330,30 330,42
fill '#e8a0a0' path 'M 242,146 C 236,140 186,110 186,78 C 186,56 204,42 221,42 C 232,42 239,48 242,56 C 245,48 252,42 263,42 C 280,42 298,56 298,78 C 298,110 248,140 242,146 Z'
fill '#d1495b' path 'M 242,140 C 236,134 190,106 190,77 C 190,58 206,46 221,46 C 232,46 239,52 242,60 C 245,52 252,46 263,46 C 278,46 294,58 294,77 C 294,106 248,134 242,140 Z'
fill '#ffffff88' path 'M 206,70 C 206,60 214,54 222,54 C 214,58 211,64 211,72 Z'
MVG
  echo "fill '#8c2f39' font '$serif_bold' font-size 46 text-anchor middle text 242,218 '$1'"
  echo "fill '#7a4a3a' font '$regular' font-size 16 text-anchor middle text 242,254 '$2'"
}

thanks_picture "Thank you" "for letting Solvane share your good words" >"$work/thanks.mvg"
thanks_picture "Danke" "dass Solvane Ihre guten Worte zeigen darf" >"$work/thanks_de.mvg"
for name in thanks thanks_de; do
  convert -size 484x308 xc:white -draw "$(cat "$work/$name.mvg")" "$work/$name.png"
  save_jpeg "$work/$name.png" "$here/$name.jpg"
done

ls -l "$here"/*.jpg
