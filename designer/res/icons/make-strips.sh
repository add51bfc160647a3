#!/usr/bin/env bash
# Makes the designer's tool-bar strips (../Design{Main,Line,Free,Menu}{16,24}.bmp) from Breeze icons
# (breeze/16 and breeze/22, copied from Debian's breeze-icon-theme, LGPL-3+) and the parts drawn
# in the same style (drawn/*.svg). Needs rsvg-convert (librsvg2-bin) and ImageMagick; the build
# needs neither: run it here after changing a picture and commit the strips.
#   ./make-strips.sh          make the strips from the copies kept here
#   ./make-strips.sh --copy   first copy the named Breeze icons from the installed theme
#
# A strip holds one picture per command of its tool-bar resource, in that resource's order:
# 16x15 or 24x23 pixels each, 8-bit palette, light grey (192,192,192) where the bar shows
# through (the bars map that palette entry to the button face colour).
set -euo pipefail
cd "$(dirname "$0")"

# Each picture: a Breeze icon or a drawn part, optionally with a second one as a badge at the
# bottom right: small ("base+badge") or large ("base*badge").
MAIN=(
    document-new document-save document-save-all document-print document-print-preview
    edit-cut edit-copy edit-paste edit-undo edit-redo
    view-list-tree view-split-top-bottom configure-toolbars measure help-contents
    zoom-original zoom-out zoom-in zoom-rect zoom-fit-page transform-move
)
LINE=(
    snap-guideline line-move 'table-lines*draw-freehand' line-extend 'table-lines*edit-delete' 'table-lines*edit-cut'
    line-merge 'table-lines*configure'
    edit-table-cell-split cell-size edit-select cell-static cell-variable insert-image
    document-properties
)
FREE=(
    shapes draw-line draw-rectangle draw-circle draw-rectangle-rounded float-variable x-shape-image
    align-horizontal-left align-horizontal-right align-vertical-top align-vertical-bottom
    distribute-horizontal-equal distribute-vertical-equal same-width same-height same-size
)
# Commands found on the menus only.
MENU=(
    document-open document-save-as tool_pagelayout 'document-print+configure' document-import document-export
    application-exit configure code-class help-about window-close
    edit-table-cell-merge 'document-properties+edit-find' draw-eraser dialog-scripts 'view-form+media-playback-start'
    view-visible format-text-symbol
    cell-static cell-variable insert-image document-properties
    'detail-area*list-add' 'detail-area*edit-link' 'detail-area*go-next' 'detail-area*edit-delete'
    'detail-area*configure'
    'detail-area*database-index'
    document-new edit-undo
)

THEME=${BREEZE_THEME:-/usr/share/icons/breeze/actions}
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# The source of a part at a pixel size: the drawn part, else the Breeze icon of that size.
source_of() {
    local name=$1 px=$2
    if [ -f "drawn/$name.svg" ]; then
        echo "drawn/$name.svg"
    elif [ "$px" -gt 16 ] && [ -f "breeze/22/$name.svg" ]; then
        echo "breeze/22/$name.svg"
    else
        echo "breeze/16/$name.svg"
    fi
}

copy_sources() {
    local name size
    for name in "${MAIN[@]}" "${LINE[@]}" "${FREE[@]}" "${MENU[@]}"; do
        for name in ${name//[+*]/ }; do
            [ -f "drawn/$name.svg" ] && continue
            for size in 16 22; do
                if [ -f "$THEME/$size/$name.svg" ]; then
                    mkdir -p "breeze/$size"
                    cp -L "$THEME/$size/$name.svg" "breeze/$size/$name.svg"
                fi
            done
        done
    done
}

# render PICTURE PX OUT: the picture as PX x PX with alpha.
render() {
    local pic=$1 px=$2 out=$3
    local base=${pic%%[+*]*} badge= bp=$((px * 5 / 8 + 1))
    [ "$pic" != "$base" ] && badge=${pic:${#base}+1}
    [ "${pic:${#base}:1}" = '*' ] && bp=$((px * 3 / 4))
    rsvg-convert -w "$px" -h "$px" "$(source_of "$base" "$px")" -o "$TMP/base.png"
    if [ -z "$badge" ]; then
        cp "$TMP/base.png" "$out"
        return
    fi
    # The badge takes the bottom-right corner; a one-pixel gap keeps it apart from the base.
    rsvg-convert -w "$bp" -h "$bp" "$(source_of "$badge" "$bp")" -o "$TMP/badge.png"
    convert "$TMP/badge.png" -background none -gravity southeast -extent "${px}x${px}" "$TMP/badgefull.png"
    convert "$TMP/badgefull.png" -alpha extract -morphology Dilate Square:1 "$TMP/halo.png"
    convert "$TMP/base.png" \( "$TMP/halo.png" -negate \) -compose multiply -channel A -composite +channel \
        "$TMP/badgefull.png" -compose over -composite "$out"
}

# cell PICTURE PX W H OUT: the picture on the strip's background, W x H.
cell() {
    local pic=$1 px=$2 w=$3 h=$4 out=$5
    render "$pic" "$px" "$TMP/icon.png"
    # Hard edges: half-covered pixels are blended with a light face colour and made opaque, the
    # rest become background. The background colour itself is kept for the background only.
    convert \( "$TMP/icon.png" -background '#E0E0E0' -alpha remove \) \
        \( "$TMP/icon.png" -alpha extract -threshold 30% \) -compose CopyOpacity -composite \
        -fill '#C1C1C1' -opaque '#C0C0C0' "$TMP/hard.png"
    # A 16-pixel icon loses its emptier edge row to fit 15 rows.
    local gravity=center
    if [ "$h" -lt "$px" ]; then
        local bottom
        bottom=$(convert "$TMP/hard.png" -gravity south -crop "${px}x1+0+0" +repage -alpha extract -format '%[fx:mean]' info:)
        gravity=$([ "$bottom" = 0 ] && echo north || echo south)
    fi
    convert "$TMP/hard.png" -background '#C0C0C0' -gravity "$gravity" -extent "${w}x${h}" -alpha remove \
        -alpha off "$out"
}

# strip NAME W H PX PICTURES...
strip() {
    local name=$1 w=$2 h=$3 px=$4
    shift 4
    local cells=() i=0 pic
    for pic in "$@"; do
        cell "$pic" "$px" "$w" "$h" "$TMP/cell$i.png"
        cells+=("$TMP/cell$i.png")
        i=$((i + 1))
    done
    convert "${cells[@]}" +append "$TMP/strip.png"
    local colours
    colours=$(identify -format '%k' "$TMP/strip.png")
    if [ "$colours" -gt 256 ]; then
        echo "$name: $colours colours, more than a palette holds" >&2
        exit 1
    fi
    convert "$TMP/strip.png" -type Palette -compress None "BMP3:../$name.bmp"
}

[ "${1:-}" = --copy ] && copy_sources

strip DesignMain16 16 15 16 "${MAIN[@]}"
strip DesignMain24 24 23 22 "${MAIN[@]}"
strip DesignLine16 16 15 16 "${LINE[@]}"
strip DesignLine24 24 23 22 "${LINE[@]}"
strip DesignFree16 16 15 16 "${FREE[@]}"
strip DesignFree24 24 23 22 "${FREE[@]}"
strip DesignMenu16 16 15 16 "${MENU[@]}"
strip DesignMenu24 24 23 22 "${MENU[@]}"
