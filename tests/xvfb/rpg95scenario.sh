#!/usr/bin/env bash
# The RPG95 page through the real program with real key and mouse events and
# the real file dialogs: go to its tab, load a 256 x 1024 RPG95 chip set,
# switch to section 3, paste a piece and save; the saved sheet must hold the
# piece of section 3 where the insert frame was.
set -u
binary=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.bash"
require_tools Xvfb xdotool convert compare import identify

start_scenario "$binary"
convert -size 256x1024 -seed 11 plasma: -type TrueColor "BMP3:$work/rpg95.bmp"

# The wheel over the tab strip steps one tab per notch: the fourth tab.
xdotool mousemove $((cx + 30)) $((cy + 10)) click 5 click 5 click 5
sleep 0.5
click 332 484                     # "Quelldatei laden"
type_into_dialog "Quelldatei laden" "$work/rpg95.bmp"
click 452 484                     # "Sektion wechseln": section 2
click 452 484                     # section 3
click 108 140                     # the section view
keys Right Right Down             # selector to (32, 16) of the section
click 400 140                     # the target sheet
keys Right Right Right Right Down Down Down Return   # insert frame (64, 48), paste
import -window root "$build/rpg95scenario.png" 2>/dev/null
click 596 468                     # "Zieldbild speichern"
type_into_dialog "Zielbild speichern" "$work/sheet"

expect_sheet "$work/sheet.bmp" 480x256
# Section 3 is the bottom-left quarter: its (32, 16) is (32, 528) in the file.
expect_same_piece "$work/rpg95.bmp" 32 528 "$work/sheet.bmp" 64 48
expect_pixel "$work/sheet.bmp" 0 0 "srgb(255,102,153)" "the template around the piece"
echo "RPG95 scenario: piece of section 3 pasted and saved correctly"
