#!/usr/bin/env bash
# Draws the library's bitmaps (24-bit BMP) with ImageMagick. Run it here after changing a picture;
# the BMP files are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"

FONT=DejaVu-Sans
CJK=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

# bmp NAME WIDTH HEIGHT DRAW-ARGS...: white picture, black 1-pixel strokes, grey frame.
bmp() {
    local name=$1 w=$2 h=$3
    shift 3
    convert -size "${w}x${h}" xc:white -stroke '#808080' -fill none -draw "rectangle 0,0 $((w - 1)),$((h - 1))" \
        -stroke black -strokewidth 1 "$@" -type TrueColor "BMP3:${name}.bmp"
}

# Roughness check mark: right end of the long leg at (r, y0), apex (r-2g, yb), short leg to
# (r-3g, ym); type 1 bare, 2 with the bar closing it, 3 with a circle in the angle.
mark() {
    local r=$1 y0=$2 yb=$3 ym=$4 g=$5 type=$6
    local ax=$((r - 2 * g)) sx=$((r - 3 * g))
    local args=(-draw "line $r,$y0 $ax,$yb" -draw "line $ax,$yb $sx,$ym")
    if [ "$type" = 2 ]; then
        args+=(-draw "line $sx,$ym $((r - g)),$ym")
    elif [ "$type" = 3 ]; then
        local d=$(((g + 1) / 2))
        args+=(-draw "circle $ax,$((ym + d + 1)) $((ax + d)),$((ym + d + 1))")
    fi
    printf '%s\0' "${args[@]}"
}
markargs() { mapfile -d '' MARK < <(mark "$@"); }

# Roughness pictures of the dialogs: large with a value, small beside the radio buttons.
for t in 1 2 3; do
    markargs 44 5 39 22 8 "$t"
    big=(563 564 562)
    bmp "${big[$((t - 1))]}" 56 44 +antialias "${MARK[@]}" -stroke none -fill black -font $FONT -pointsize 9 \
        -draw "text 4,14 'Ra 3.2'"
    markargs 22 3 19 11 4 "$t"
    small=(565 566 567)
    bmp "${small[$((t - 1))]}" 28 22 +antialias "${MARK[@]}"
done
markargs 44 5 39 22 8 2
bmp 549 56 44 +antialias "${MARK[@]}" -stroke none -fill black -font $FONT -pointsize 9 -draw "text 4,14 'Ra'"

# Special-symbol picker buttons: none, (-), (+), bracketed triangle, circled M, P, E.
bmp 318 24 24 +antialias -draw "line 7,12 16,12"
bmp 323 24 24 -stroke none -fill black -font $FONT -pointsize 11 -gravity center -draw "text 0,0 '(−)'"
bmp 324 24 24 -stroke none -fill black -font $FONT -pointsize 11 -gravity center -draw "text 0,0 '(+)'"
bmp 325 24 24 -stroke none -fill black -font $FONT -pointsize 11 -gravity center -draw "text 0,0 '(  )'" \
    -gravity none -fill black -draw "polygon 9,12 14,8 14,16"
for pair in "326 M" "327 P" "328 E"; do
    set -- $pair
    bmp "$1" 24 24 -fill none -draw "circle 12,12 12,3" -stroke none -fill black -font $FONT -pointsize 11 \
        -gravity center -draw "text 0,0 '$2'"
done

# Examples in the fraction and script dialogs.
bmp 7507 64 36 -stroke none -fill black -font $FONT -pointsize 14 -draw "text 8,23 '25'" -pointsize 10 \
    -draw "text 34,15 '3'" -draw "text 34,31 '4'" -stroke black -draw "line 30,18 46,18"
bmp 7506 64 36 -stroke none -fill black -font $FONT -pointsize 14 -draw "text 8,23 '25'" -pointsize 9 \
    -draw "text 30,12 '+0.1'" -draw "text 30,32 '-0.2'"
# Pen over a line: the "type a value" picture.
bmp 2111 32 32 +antialias -draw "line 6,25 26,25" -fill '#FFD040' -draw "polygon 10,20 22,8 25,11 13,23" \
    -fill black -draw "polygon 10,20 13,23 8,24"
# A framed character (framed text, character input) and a group of characters (group name).
bmp 141 32 32 -fill none -draw "rectangle 6,6 25,25" -stroke none -fill black -font $CJK -pointsize 14 \
    -gravity center -draw "text 0,0 '字'"
bmp 142 32 32 -fill none -draw "rectangle 3,3 15,15" -draw "rectangle 16,3 28,15" -draw "rectangle 3,16 15,28" \
    -draw "rectangle 16,16 28,28" -stroke none -fill black -font $FONT -pointsize 9 \
    -draw "text 6,13 'α'" -draw "text 19,13 'β'" -draw "text 6,26 '±'" -draw "text 19,26 'Ø'"

# Symbol library tree images on light grey, the image list's transparent colour: root, folder,
# symbol; and the picture the preview shows for a folder.
icon() {
    local name=$1
    shift
    convert -size 16x16 xc:'#C0C0C0' +antialias -stroke black -strokewidth 1 "$@" -type TrueColor "BMP3:${name}.bmp"
}
icon 556 -fill '#4060C0' -draw "rectangle 2,3 12,13" -fill white -draw "rectangle 4,5 10,7" -draw "line 13,4 13,14" \
    -draw "line 3,14 13,14"
icon 558 -fill '#F0D060' -draw "polygon 1,4 6,4 7,6 14,6 14,13 1,13"
icon 557 -fill white -draw "polygon 8,2 14,13 2,13" -draw "line 8,6 8,10"
bmp 553 48 40 +antialias -fill '#F0D060' -draw "polygon 6,10 18,10 21,14 41,14 41,33 6,33" \
    -draw "line 6,17 41,17"

# Geometric tolerance characteristics (the symbols the frame draws), zone prefixes, on 24x24.
gp() {
    local name=$1
    shift
    bmp "$name" 24 24 -strokewidth 1.5 -fill none "$@"
}
gp 290 -draw "line 4,12 20,12"
gp 292 -draw "polygon 4,16 16,16 20,8 8,8"
gp 294 -draw "circle 12,12 12,5"
gp 297 -draw "circle 12,12 12,7" -draw "line 4,19 10,5" -draw "line 14,19 20,5"
gp 298 -draw "arc 4,6 20,22 180,360"
gp 300 -draw "arc 4,6 20,22 180,360" -draw "line 4,14 20,14"
gp 302 -draw "line 5,19 11,5" -draw "line 13,19 19,5"
gp 305 -draw "line 4,19 20,19" -draw "line 12,5 12,19"
gp 307 -draw "line 19,5 4,19" -draw "line 4,19 20,19"
gp 308 -draw "circle 12,12 12,4" -draw "circle 12,12 12,8"
gp 310 -draw "line 4,12 20,12" -draw "line 7,8 17,8" -draw "line 7,16 17,16"
gp 312 -draw "circle 12,12 12,7" -draw "line 3,12 21,12" -draw "line 12,3 12,21"
gp 314 -draw "line 8,20 15,5" -fill black -draw "polygon 15,5 16,11 11,9"
gp 317 -draw "line 3,20 9,6" -draw "line 13,20 19,6" -draw "line 3,20 13,20" -fill black \
    -draw "polygon 9,6 10,11 5,9" -draw "polygon 19,6 20,11 15,9"
gp 321 -draw "circle 12,12 12,6" -draw "line 7,19 17,5"
gp 322 -draw "rectangle 6,6 18,18"

# The two forms of a dimension with tolerance: deviations alone, and with the fit code.
bmp 151 72 32 -stroke none -fill black -font $FONT -pointsize 13 -draw "text 6,21 'φ20'" -pointsize 8 \
    -draw "text 36,13 '+0.021'" -draw "text 36,26 '0'"
bmp 149 92 32 -stroke none -fill black -font $FONT -pointsize 13 -draw "text 3,21 'φ20H7'" -pointsize 8 \
    -draw "text 55,13 '+0.021'" -draw "text 55,26 '0'" -pointsize 16 -draw "text 48,22 '('" \
    -draw "text 84,22 ')'"

# Icon of the special-character palette: a key cap with Omega, in 32 and 16 pixels.
for s in 32 16; do
    convert -size ${s}x${s} xc:none -stroke '#404040' -fill '#E0E0E0' -draw "roundrectangle 1,1 $((s - 2)),$((s - 2)) 3,3" \
        -stroke none -fill '#0030A0' -font $FONT -pointsize $((s * 2 / 3)) -gravity center -draw "text 0,1 'Ω'" \
        "PNG32:/tmp/vorn-icon-$s.png"
done
convert /tmp/vorn-icon-32.png /tmp/vorn-icon-16.png 2111.ico
rm -f /tmp/vorn-icon-32.png /tmp/vorn-icon-16.png
