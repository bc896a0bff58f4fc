# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# shellcheck disable=SC2034  # X, Y, WIDTH, HEIGHT and the page corners are read by the scripts
# The end-to-end helpers of lib.sh on Wayland under weston and its desktop shell, the shell
# that keeps a window's dialogs above it. Weston runs nested in a private Xvfb (its output is a
# window there), so xdotool's input to that window reaches weston as a real seat's pointer and
# keyboard, and `import` of the X screen shows what weston draws. The program runs on Qt's
# wayland platform. Weston's own scene graph (its debug stream, weston-debug) tells where each
# window lies and in which order they are stacked.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

WESTON_PID=""
WL_RUNTIME=""

# The program first, and only once it has gone the compositor and its display.
cleanup() {
  stop_program
  if [[ -n "$WESTON_PID" ]]; then kill "$WESTON_PID" 2>/dev/null || true; fi
  if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [[ -n "$WL_RUNTIME" ]]; then rm -rf "$WL_RUNTIME"; fi
}
trap cleanup EXIT

# Starts Xvfb and weston in it with one 1280 by 1024 output that fills the X screen, on a
# private runtime folder; exports what a Wayland client needs. The desktop shell runs as users
# get it, less the panel and the animations (a window drawn at once, where the tests look).
start_display() {
  start_xvfb
  WL_RUNTIME=$(mktemp -d /tmp/tarvo-weston.XXXXXX)
  local server="$WL_RUNTIME/compositor" client="$WL_RUNTIME/client"
  mkdir -m 700 "$server" "$client"
  cat >"$WL_RUNTIME/weston.ini" <<'INI'
[core]
idle-time=0

[shell]
panel-position=none
background-color=0xff204060
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI
  env -i PATH="$PATH" HOME="$server" XDG_RUNTIME_DIR="$server" DISPLAY="$DISPLAY" \
      weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --socket=wayland-1 \
      --debug --config="$WL_RUNTIME/weston.ini" --log="$E2E_OUT/weston.log" >"$E2E_OUT/weston.out" 2>&1 &
  WESTON_PID=$!
  export WAYLAND_DISPLAY="$server/wayland-1" XDG_RUNTIME_DIR="$client" QT_QPA_PLATFORM=wayland
  local deadline=$((SECONDS + 20))
  until [[ -S "$WAYLAND_DISPLAY" ]] && scene_graph | grep -q 'background for output'; do
    ((SECONDS < deadline)) || fail "weston did not start (see $E2E_OUT/weston.log)"
    kill -0 "$WESTON_PID" 2>/dev/null || fail "weston ended at start (see $E2E_OUT/weston.log)"
    sleep 0.1
  done
}

# Weston's scene graph: every output and layer with its views, topmost first.
scene_graph() {
  weston-debug scene-graph 2>/dev/null
}

# Every top-level window, topmost first, as a line "surface id<TAB>app id<TAB>x y width
# height<TAB>title". The rectangle is the client area on the output (the opaque part, without
# the frame that the toolkit draws around it), or the whole surface where nothing is declared
# opaque.
windows_of_weston() {
  scene_graph | python3 -c '
import re, sys
view = whole = opaque = None
for line in sys.stdin:
    m = re.match(r"\s*View \d+ \(role (\S+), PID \d+, surface ID (\d+), top-level window \x27(.*)\x27 of (\S*), ", line)
    if line.strip().startswith("View "):
        view = m.groups()[1:] if m and m.group(1) == "xdg_toplevel" else None
        whole = opaque = None
        continue
    m = re.match(r"\s*(position:|\[opaque:) \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)", line)
    if m:
        x1, y1, x2, y2 = map(int, m.groups()[1:])
        if m.group(1) == "position:":
            whole = (x1, y1, x2 - x1, y2 - y1)
        else:
            opaque = (x1, y1, x2 - x1, y2 - y1)
    if line.strip().startswith("outputs:") and view and whole:
        print("%s\t%s\t%d %d %d %d\t%s" % ((view[0], view[2]) + (opaque or whole) + (view[1],)))
        view = None'
}

# The surface id of a mapped window whose title is exactly $1 (lib.sh's wait_window waits for it).
find_window() {
  windows_of_weston | awk -F'\t' -v t="$1" '$4 == t { print $1; exit }'
}

# The line of windows_of_weston for window $1.
window_line() {
  windows_of_weston | awk -F'\t' -v id="$1" '$1 == id'
}

# Waits until a message box of window $1 is mapped (another window with $1's title); prints
# its surface id.
wait_box() {
  local title box deadline=$((SECONDS + 20))
  title=$(window_line "$1" | cut -f4)
  until box=$(windows_of_weston | awk -F'\t' -v w="$1" -v t="$title" '$4 == t && $1 != w { print $1; exit }')
        [[ -n "$box" ]]; do
    ((SECONDS < deadline)) || fail "no message box over window $1 ('$title')"
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended while waiting for a message box"
    sleep 0.1
  done
  echo "$box"
}

# How many windows titled exactly $1 are mapped.
count_windows() {
  windows_of_weston | awk -F'\t' -v t="$1" '$4 == t' | wc -l
}

# The surface ids of all windows, topmost first, on one line.
stacking() {
  windows_of_weston | cut -f1 | paste -sd' '
}

# Sets X, Y, WIDTH and HEIGHT to window $1's client area.
window_geometry() {
  local line
  line=$(window_line "$1")
  [[ -n "$line" ]] || fail "window $1 is not mapped"
  read -r X Y WIDTH HEIGHT < <(cut -f3 <<<"$line")
}

game_geometry() {
  window_geometry "$1"
  page_corners
}

# Where weston draws the pointer's image, as "x y", and whether a repaint is pending.
cursor_and_repaint() {
  scene_graph | awk '
    /repaint status:/ { sub(/.*repaint status: /, ""); status = $0 }
    /role wl_pointer-cursor/ { cursor = 1; next }
    cursor && /position:/ { gsub(/[(),]/, " "); position = $2 " " $3; cursor = 0 }
    END { print position "\t" status }'
}

# Moves the pointer to ($1, $2) and waits until weston has taken the move, and so every input
# before it, and drawn the result: the pointer's image has moved and no repaint is pending.
# The X server passes input on to weston at its own pace; without this a screenshot or a
# look at the scene graph could show the state before the last click.
# (A move to where the pointer already is has nothing to wait for.)
POINTER_AT=""
pointer_to() {
  [[ "$POINTER_AT" != "$1 $2" ]] || return 0
  local before now deadline=$((SECONDS + 10))
  before=$(cursor_and_repaint | cut -f1)
  xdotool mousemove "$1" "$2"
  while now=$(cursor_and_repaint); [[ "${now%%$'\t'*}" == "$before" || "${now#*$'\t'}" != "no repaint" ]]; do
    ((SECONDS < deadline)) || fail "weston did not take the pointer to ($1, $2): $now"
    sleep 0.05
  done
  POINTER_AT="$1 $2"
}

# A click at ($1, $2), taken and drawn by weston when this returns (the pointer then rests one
# pixel to the right).
click_at() {
  pointer_to "$1" "$2"
  xdotool click 1
  pointer_to $(($1 + 1)) "$2"
}

# Drags window $1 by its title bar so that its client area's top-left corner comes to ($2, $3).
drag_window() {
  local x y steps=10 i
  window_geometry "$1"
  x=$((X + WIDTH / 2)); y=$((Y - 12))
  pointer_to "$x" "$y"
  xdotool mousedown 1
  for ((i = 1; i <= steps; i++)); do
    xdotool mousemove $((x + ($2 - X) * i / steps)) $((y + ($3 - Y) * i / steps))
  done
  xdotool mouseup 1
  POINTER_AT=""
  local want="$2 $3" deadline=$((SECONDS + 10))
  until [[ "$(window_line "$1" | cut -f3 | cut -d' ' -f1,2)" == "$want" ]]; do
    ((SECONDS < deadline)) || fail "window $1 did not move to $want: $(window_line "$1")"
    sleep 0.1
  done
}

# Types the keys (xdotool's names, "alt+m" for a key with a modifier held) into weston's
# focused window.
key() {
  xdotool key --delay 100 "$@"
}

# Puts box $1 with its client area's top-left corner at ($3, $4), over window $2, clicks window
# $2 at ($5, $6) beside the box, and fails unless the box stays above the window: weston raises
# what is clicked, and a desktop shell keeps a window's dialogs above it. Both weston's
# stacking and the pixels where the box lies (screenshots box-before-click, box-after-click)
# must show the box above.
box_stays_above() {
  local box=$1 win=$2 area changed name
  drag_window "$box" "$3" "$4"
  window_geometry "$box"
  area="${WIDTH}x${HEIGHT}+${X}+${Y}"
  pointer_to "$5" "$6"
  shot box-before-click
  [[ "$(stacking)" == "$box $win" ]] || fail "the box is not above its window before the click: $(stacking)"
  click_at "$5" "$6"
  shot box-after-click
  [[ "$(stacking)" == "$box $win" ]] || fail "the window was raised over its box: $(stacking) (box $box, window $win)"
  for name in box-before-click box-after-click; do
    convert "$E2E_OUT/$name.png" -crop "$area" +repage "$E2E_OUT/$name-area.png"
  done
  changed=$(compare -metric AE -fuzz 10% "$E2E_OUT/box-before-click-area.png" "$E2E_OUT/box-after-click-area.png" \
    null: 2>&1 || true)
  [[ "$changed" =~ ^[0-9]+$ ]] || fail "the box's area could not be compared: $changed"
  # The box's own look may change a little with the focus; covered, nearly all of it changes.
  (( changed * 20 < WIDTH * HEIGHT )) \
    || fail "$changed of the box's $((WIDTH * HEIGHT)) pixels show something else after the click (see $E2E_OUT/box-*-click.png)"
}
