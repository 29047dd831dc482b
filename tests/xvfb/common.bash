# Shared by the scripts that drive the real program under Xvfb.
# Usage: source common.bash; start_display; ... (the display stops on exit).

require_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed (apt-get install xvfb xdotool imagemagick)"
      exit 77
    fi
  done
}

XVFB_PID=""
APP_PID=""

stop_all() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
}

SCREEN_W=1280
SCREEN_H=1024

# Starts Xvfb on the first free display from 90 up and exports DISPLAY.
# Another run may pick the same number at the same moment: the display is
# ours only if its lock file names our server.
start_display() {
  trap stop_all EXIT
  local n owner
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 50); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      owner=$( { tr -d ' \n' <"/tmp/.X$n-lock"; } 2>/dev/null )
      if [ "$owner" = "$XVFB_PID" ] && DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  done
  echo "FAIL: no Xvfb display could be started"
  exit 1
}

# Starts the program and waits for its main window; sets APP_PID and WID.
start_program() {
  QT_QPA_PLATFORM=xcb "$1" >"$2/program.log" 2>&1 &
  APP_PID=$!
  WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zellforma$' | head -n 1)
  if [ -z "$WID" ]; then
    echo "FAIL: the window \"Zellforma\" did not appear"
    cat "$2/program.log"
    exit 1
  fi
  sleep 0.5
}

# Window position and size: sets WX, WY, WW, WH.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/G_\1=/p')"
  WX=$G_X; WY=$G_Y; WW=$G_WIDTH; WH=$G_HEIGHT
}

# Starts a scenario: a work folder $work (removed on exit), the display, the
# program $1 with its window $WID, and the client origin for click.
start_scenario() {
  work=$(mktemp -d)
  trap 'stop_all; rm -rf "$work"' EXIT
  start_display
  trap 'stop_all; rm -rf "$work"' EXIT
  start_program "$1" "$work"
  client_origin "$WID"
}

# The client area lies below the menu bar, at the bottom of the window: sets
# cx, cy, the screen position of its top-left corner, for click.
client_origin() {
  window_geometry "$1"
  cx=$WX
  cy=$((WY + WH - 562))
}

# A left click at a point of the client area; keys to the focused window.
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; sleep 0.3; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }

# Waits for the file dialog titled $1, types the path $2 into it and accepts.
type_into_dialog() {
  local title=$1 path=$2 dialog
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
  if [ -z "$dialog" ]; then echo "FAIL: no dialog \"$title\""; exit 1; fi
  sleep 0.5
  xdotool key --window "$dialog" ctrl+a
  xdotool type --delay 20 "$path"
  sleep 0.2
  xdotool key Return
  sleep 0.8
}

# Waits for the saved sheet $1 and checks that it is $2 pixels (WxH).
expect_sheet() {
  local sheet=$1 want=$2 size
  for _ in $(seq 1 30); do [ -s "$sheet" ] && break; sleep 0.2; done
  if [ ! -s "$sheet" ]; then echo "FAIL: $sheet was not written"; exit 1; fi
  size=$(identify -format '%wx%h' "$sheet")
  [ "$size" = "$want" ] || { echo "FAIL: saved sheet is $size, not $want"; exit 1; }
}

# The pixel ($2, $3) of picture $1 must be $4 (as "srgb(r,g,b)"); $5 says what it is.
expect_pixel() {
  local got
  got=$(convert "$1" -format "%[pixel:p{$2,$3}]" info:)
  [ "$got" = "$4" ] || { echo "FAIL: $5 at ($2, $3) is $got, not $4"; exit 1; }
}

# The 16 x 16 piece at ($2, $3) of picture $1 must stand at ($5, $6) of picture $4.
expect_same_piece() {
  local diff
  convert "$1" -crop "16x16+$2+$3" +repage "$work/want.png"
  convert "$4" -crop "16x16+$5+$6" +repage "$work/got.png"
  diff=$(compare -metric AE "$work/want.png" "$work/got.png" null: 2>&1)
  [ "$diff" = "0" ] || { echo "FAIL: pasted piece differs in $diff pixels"; exit 1; }
}
