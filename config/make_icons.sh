#!/usr/bin/env bash
# Draws the editor's thirteen toolbar icons (24x24 bitmaps) into this folder with
# ImageMagick. The background is pure magenta, which the editor turns transparent when it
# loads an icon, so no drawing may use that colour. Run it again after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"

convert_cmd=convert
command -v magick >/dev/null 2>&1 && convert_cmd="magick"

OUTLINE='#303030'
PAPER='#ffffff'
FOLDER='#e8b84a'
FOLDER_DARK='#9a6e12'
FOLDER_FRONT='#f6d27a'
GREEN='#2e9e3e'
RED='#d23030'
BLUE='#2f5fcf'
BLUE_DARK='#1c3470'

# icon FILE DRAW... : one 24x24 icon from a list of -draw primitives.
icon() {
    local file=$1
    shift
    local args=()
    for primitive in "$@"; do args+=(-draw "$primitive"); done
    "$convert_cmd" -size 24x24 xc:'#ff00ff' +antialias -strokewidth 1 "${args[@]}" \
        -type TrueColor "BMP3:$file"
}

# Shapes shared by several icons, as -draw primitives.
folder_closed=(
    "fill $FOLDER stroke $FOLDER_DARK polygon 1,5 8,5 10,7 21,7 21,20 1,20"
    "stroke $FOLDER_DARK line 1,9 21,9")
folder_open=(
    "fill $FOLDER stroke $FOLDER_DARK polygon 1,5 8,5 10,7 19,7 19,20 1,20"
    "fill $FOLDER_FRONT stroke $FOLDER_DARK polygon 1,20 5,11 23,11 19,20")
page=(
    "fill $PAPER stroke $OUTLINE polygon 4,1 14,1 19,6 19,22 4,22"
    "fill none stroke $OUTLINE polyline 14,1 14,6 19,6"
    "stroke #8090a0 line 7,10 16,10"
    "stroke #8090a0 line 7,13 16,13"
    "stroke #8090a0 line 7,16 13,16")
plus_badge=(
    "fill $GREEN stroke #1b6526 circle 17,17 17,11"
    "stroke $PAPER fill $PAPER rectangle 16,14 18,20"
    "stroke $PAPER fill $PAPER rectangle 14,16 20,18")
cross_badge=(
    "fill $RED stroke #7a1414 circle 17,17 17,11"
    "stroke $PAPER stroke-width 2 line 14,14 20,20"
    "stroke $PAPER stroke-width 2 line 20,14 14,20")
floppy() {  # floppy X Y: a 15x15 disk with its top left corner at X,Y
    local x=$1 y=$2
    echo "fill $BLUE stroke $BLUE_DARK polygon $x,$y $((x + 13)),$y $((x + 15)),$((y + 2)) $((x + 15)),$((y + 15)) $x,$((y + 15))"
    echo "fill #d8d8d8 stroke $BLUE_DARK rectangle $((x + 3)),$y $((x + 11)),$((y + 5))"
    echo "fill $BLUE_DARK stroke $BLUE_DARK rectangle $((x + 8)),$((y + 1)) $((x + 9)),$((y + 4))"
    echo "fill $PAPER stroke $BLUE_DARK rectangle $((x + 3)),$((y + 9)) $((x + 12)),$((y + 15))"
}
magnifier=(
    "fill #bfe3ff stroke $OUTLINE stroke-width 2 circle 14,13 14,8"
    "stroke #5a3a1a stroke-width 3 line 18,17 22,21")
gear_points=$(awk 'BEGIN {
    for (i = 0; i < 32; i++) {
        a = i * 3.14159265 / 16 + 0.05; r = (int(i / 2) % 2 == 0) ? 10.5 : 7.5
        printf "%.1f,%.1f ", 12 + r * cos(a), 12 + r * sin(a)
    } }')

icon newproject.bmp "${folder_closed[@]}" "${plus_badge[@]}"
icon openproject.bmp "${folder_open[@]}"
icon newfile.bmp "${page[@]}" "${plus_badge[@]}"
icon openfile.bmp \
    "fill $FOLDER stroke $FOLDER_DARK polygon 1,9 7,9 9,11 19,11 19,22 1,22" \
    "fill $PAPER stroke $OUTLINE polygon 5,2 13,2 17,6 17,18 5,18" \
    "fill none stroke $OUTLINE polyline 13,2 13,6 17,6" \
    "fill $FOLDER_FRONT stroke $FOLDER_DARK polygon 1,22 4,14 23,14 19,22"
mapfile -t one_floppy < <(floppy 4 4)
icon savefile.bmp "${one_floppy[@]}"
mapfile -t back_floppy < <(floppy 1 1)
mapfile -t front_floppy < <(floppy 7 7)
icon saveall.bmp "${back_floppy[@]}" "${front_floppy[@]}"
icon closefile.bmp "${page[@]}" "${cross_badge[@]}"
icon projectexplorer.bmp \
    "stroke $OUTLINE line 5,6 5,19" \
    "stroke $OUTLINE line 5,12 10,12" \
    "stroke $OUTLINE line 5,19 10,19" \
    "fill $FOLDER stroke $FOLDER_DARK rectangle 1,1 10,6" \
    "fill $PAPER stroke $OUTLINE rectangle 11,9 21,15" \
    "fill $PAPER stroke $OUTLINE rectangle 11,16 21,22"
icon opencontainingfolder.bmp "${folder_closed[@]}" "${magnifier[@]}"
icon settings.bmp \
    "fill #8a8f98 stroke #3c4048 polygon $gear_points" \
    "fill #c8ccd2 stroke #3c4048 circle 12,12 12,7" \
    "fill #ff00ff stroke #3c4048 circle 12,12 12,9"
icon start.bmp \
    "fill $GREEN stroke #1b6526 polygon 5,2 21,12 5,22"
icon build.bmp \
    "stroke #7a4a1c stroke-width 3 line 5,21 15,11" \
    "fill #9aa0a8 stroke #3c4048 polygon 9,7 15,1 23,9 20,12 16,8 12,12"
icon openoutputdir.bmp "${folder_closed[@]}" \
    "fill #4fa3e0 stroke $BLUE_DARK circle 16,15 16,8" \
    "fill none stroke $BLUE_DARK ellipse 16,15 3,7 0,360" \
    "stroke $BLUE_DARK line 9,15 23,15" \
    "stroke $BLUE_DARK line 10,12 22,12" \
    "stroke $BLUE_DARK line 10,18 22,18"
