#!/bin/bash
# Starts the real program on a virtual X display, checks its main window,
# keeps a screenshot of it, and quits through the menu with the keyboard
# ("&Datei", then "&Beenden"); the program must end with exit code 0.
#
#   bash mainwindow.sh <zellforma binary> <build folder>
#
# Exit codes: 0 passed, 1 failed, 77 skipped (no Xvfb or xdotool).

set -u

binary=${1:?usage: mainwindow.sh <zellforma binary> <build folder>}
build=${2:?usage: mainwindow.sh <zellforma binary> <build folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.bash"
require_tools Xvfb xdotool

log=$(mktemp)
fail() {
    echo "FAIL: $*"
    if [ -s "$log" ]; then
        echo "--- program output ---"
        cat "$log"
    fi
    exit 1
}

start_display
trap 'stop_all; rm -f "$log"' EXIT
echo "Xvfb on $DISPLAY"

# No window manager: the window's own geometry is its client geometry.
QT_QPA_PLATFORM=xcb "$binary" >"$log" 2>&1 &
APP_PID=$!
app_pid=$APP_PID

wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zellforma$' 2>/dev/null | head -n 1)
[ -n "$wid" ] || fail "no visible window \"Zellforma\" within 20 s"

# Let the window settle (mapped, laid out, painted).
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "the program ended before it was asked to"

eval "$(xdotool getwindowgeometry --shell "$wid")"
echo "window $wid at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq 688 ] || fail "window width $WIDTH, expected 688"
menu_h=$((HEIGHT - 562))
if [ "$menu_h" -lt 15 ] || [ "$menu_h" -gt 40 ]; then
    fail "window height $HEIGHT: 562 plus a menu bar of $menu_h pixels (expected 15 to 40)"
fi
# Centred on the screen, give or take a pixel of rounding.
want_x=$(((SCREEN_W - WIDTH) / 2))
want_y=$(((SCREEN_H - HEIGHT) / 2))
if [ $((X - want_x)) -lt -2 ] || [ $((X - want_x)) -gt 2 ] \
   || [ $((Y - want_y)) -lt -2 ] || [ $((Y - want_y)) -gt 2 ]; then
    fail "window at $X,$Y, expected centred at $want_x,$want_y"
fi

shot="$build/mainwindow.png"
if command -v import >/dev/null 2>&1; then
    import -window "$wid" "$shot" 2>/dev/null || echo "note: no screenshot (import failed)"
elif command -v xwd >/dev/null 2>&1 && command -v convert >/dev/null 2>&1; then
    xwd -silent -id "$wid" | convert xwd:- "$shot" 2>/dev/null || echo "note: no screenshot (xwd failed)"
else
    echo "note: no screenshot (needs imagemagick, or xwd with convert)"
fi
[ -s "$shot" ] && echo "screenshot: $shot"

# "&Datei" by Alt+D, then "&Beenden" by its letter.
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
sleep 0.3
xdotool key --clearmodifiers alt+d
sleep 0.5
xdotool key --clearmodifiers b

for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program still runs 10 s after \"&Beenden\""
fi
wait "$app_pid"
code=$?
APP_PID=
[ "$code" -eq 0 ] || fail "the program ended with exit code $code"

echo "PASS: window 688 x 562 + menu bar $menu_h, centred; \"&Beenden\" ended the program with exit code 0"
exit 0
