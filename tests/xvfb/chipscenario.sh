#!/usr/bin/env bash
# One chip set built through the real program with real key and mouse events
# and the real file dialogs: load a source, click the target, move, Enter,
# save; the saved sheet must hold the source piece where the insert frame was.
set -u
binary=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.bash"
require_tools Xvfb xdotool convert compare import identify

start_scenario "$binary"
convert -size 480x256 -seed 7 plasma: -type TrueColor "BMP3:$work/source.bmp"

click 564 204                     # "Quellbild laden"
type_into_dialog "Quellbild laden" "$work/source.bmp"
click 108 132                     # the source view
keys Right Right Down             # selector to (32, 16)
click 108 396                     # the target view
keys Right Right Right Right Down Down Down Return   # insert frame (64, 48), paste
click 564 468                     # "Zielbild speichern"
type_into_dialog "Zielbild speichern" "$work/sheet"

import -window root "$build/chipscenario.png" 2>/dev/null
expect_sheet "$work/sheet.bmp" 480x256
expect_same_piece "$work/source.bmp" 32 16 "$work/sheet.bmp" 64 48
expect_pixel "$work/sheet.bmp" 0 0 "srgb(255,102,153)" "the template around the piece"
echo "chip scenario: piece pasted and saved correctly"
