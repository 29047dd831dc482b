#!/usr/bin/env bash
# The "Screenshot zu Chip" page through the real program, real mouse and keys
# and the real file dialogs: load a 1200 x 900 screenshot, hold "rechts" and
# "runter" until the view stops at its bounds, press on the picture to place
# the selector, widen it with "+", paste it squeezed into a cell of the sheet,
# erase one block in the cell editor, accept and save. The saved sheet must
# hold the squeezed piece with the erased block in the template's colour.
set -u
binary=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.bash"
require_tools Xvfb xdotool convert import identify

start_scenario "$binary"
# A patch of one colour where the selector will go, so that the squeezed
# piece is that colour whatever the resampling.
convert -size 1200x900 -seed 7 plasma: -fill 'rgb(10,200,30)' -draw 'rectangle 900,600 1100,800' \
  -type TrueColor "BMP3:$work/shot.bmp"

at() { xdotool mousemove $((cx + $1)) $((cy + $2)); }
# Holds the left button on a point for some seconds, then lets go elsewhere.
hold() { at "$1" "$2"; xdotool mousedown 1; sleep "$3"; at 300 300; xdotool mouseup 1; sleep 0.3; }
screen_pixel() {
  import -window root -crop "1x1+$((cx + $1))+$((cy + $2))" "$work/px.png" 2>/dev/null
  convert "$work/px.png" -format '%[pixel:p{0,0}]' info:
}

click 450 12                      # outer tab "Screenshot zu Chip"
click 612 236                     # "Quellbild laden"
type_into_dialog "Quellbild laden" "$work/shot.bmp"
hold 520 272 4.5                  # "rechts": 36 ticks of 20 px reach Left -711
hold 260 536 3.5                  # "runter": 23 ticks reach Top -443
# The viewport at (24, 72) now shows the picture from (711, 443).
want=$(convert "$work/shot.bmp" -format '%[pixel:p{711,443}]' info:)
got=$(screen_pixel 24 72)
[ "$want" = "$got" ] || { echo "FAIL: viewport corner shows $got, picture (711, 443) is $want"; exit 1; }

click 263 279                     # on the picture at (950, 650): the selector's corner
click 652 310                     # "+" beside the width: 17 x 16
click 105 36                      # inner tab "Zielbild"
click 108 156                     # the sheet
keys Right Right Down Return Left Right   # paste into the cell at (32, 16), show it
click 112 432                     # the cell editor
keys Right Return                 # erase the 10 x 10 block at (10, 0)
click 276 404                     # "Änderung aktzeptieren"
click 580 228                     # "Zielbild speichern"
type_into_dialog "Zielbild speichern" "$work/sheet"

import -window root "$build/screenshotscenario.png" 2>/dev/null
expect_sheet "$work/sheet.bmp" 480x256
check() { expect_pixel "$work/sheet.bmp" "$@"; }
check 32 16 "srgb(10,200,30)" "the pasted piece"
check 40 24 "srgb(10,200,30)" "the pasted piece"
check 33 16 "srgb(255,102,153)" "the erased block"
check 31 16 "srgb(255,102,153)" "the template left of the cell"
check 48 16 "srgb(255,102,153)" "the template right of the cell"
echo "screenshot scenario: scrolled, selected, pasted, erased, accepted and saved correctly"
