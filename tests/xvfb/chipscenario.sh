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

work=$(mktemp -d)
trap 'stop_all; rm -rf "$work"' EXIT
convert -size 480x256 -seed 7 plasma: -type TrueColor "BMP3:$work/source.bmp"

start_display
trap 'stop_all; rm -rf "$work"' EXIT
start_program "$binary" "$work"
client_origin "$WID"

click 564 204                     # "Quellbild laden"
type_into_dialog "Quellbild laden" "$work/source.bmp"
click 108 132                     # the source view
keys Right Right Down             # selector to (32, 16)
click 108 396                     # the target view
keys Right Right Right Right Down Down Down Return   # insert frame (64, 48), paste
click 564 468                     # "Zielbild speichern"
type_into_dialog "Zielbild speichern" "$work/sheet"

for _ in $(seq 1 30); do [ -s "$work/sheet.bmp" ] && break; sleep 0.2; done
import -window root "$build/chipscenario.png" 2>/dev/null
if [ ! -s "$work/sheet.bmp" ]; then echo "FAIL: sheet.bmp was not written"; exit 1; fi

size=$(identify -format '%wx%h' "$work/sheet.bmp")
[ "$size" = "480x256" ] || { echo "FAIL: saved sheet is $size"; exit 1; }
convert "$work/source.bmp" -crop 16x16+32+16 +repage "$work/want.png"
convert "$work/sheet.bmp" -crop 16x16+64+48 +repage "$work/got.png"
diff=$(compare -metric AE "$work/want.png" "$work/got.png" null: 2>&1)
[ "$diff" = "0" ] || { echo "FAIL: pasted piece differs in $diff pixels"; exit 1; }
corner=$(convert "$work/sheet.bmp" -format '%[pixel:p{0,0}]' info:)
case "$corner" in
  "srgb(255,102,153)") ;;
  *) echo "FAIL: the template around the piece is $corner"; exit 1 ;;
esac
echo "chip scenario: piece pasted and saved correctly"
