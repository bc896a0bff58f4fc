# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# shellcheck disable=SC2034  # X, Y, WIDTH, HEIGHT and the page corners are read by the scripts
# The end-to-end helpers of lib.sh on Wayland: a headless sway on a private runtime folder
# instead of Xvfb, the program on Qt's wayland platform, input through sway's seat (a virtual
# pointer and keyboard that virtual-input.py keeps for the whole test; the pointer is moved with
# `swaymsg seat seat0 cursor`), windows from sway's tree and screenshots from grim. Everything of
# lib.sh that only reads screenshots (pixels, the board) is used as it is.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

SWAY_PID=""
INPUT_PID=""
WL_RUNTIME=""

# The program first, and only once it has gone the compositor: a compositor stopped under a
# program that is still closing breaks its connection.
cleanup() {
  stop_program
  if [[ -n "$INPUT_PID" ]]; then kill "$INPUT_PID" 2>/dev/null || true; fi
  if [[ -n "$SWAY_PID" ]]; then kill "$SWAY_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [[ -n "$WL_RUNTIME" ]]; then rm -rf "$WL_RUNTIME"; fi
}
trap cleanup EXIT

# Starts sway headless with one 1280 by 1024 output and a pointer; exports what a Wayland client
# needs (WAYLAND_DISPLAY as the socket's full path, a runtime folder of the client's own). A
# window's activation request (xdg-activation, with a token from the last input) focuses and
# raises it, as GNOME and Plasma do; sway's own default only marks the window urgent.
start_display() {
  WL_RUNTIME=$(mktemp -d /tmp/tarvo-wayland.XXXXXX)
  local server="$WL_RUNTIME/compositor" client="$WL_RUNTIME/client"
  mkdir -m 700 "$server" "$client"
  cat >"$WL_RUNTIME/sway.conf" <<'CONF'
output HEADLESS-1 resolution 1280x1024 position 0,0 scale 1
default_border none
default_floating_border none
focus_follows_mouse no
focus_on_window_activation focus
CONF
  local as=()
  # sway refuses to run as root; then it runs as nobody, on a folder of nobody's.
  if (( $(id -u) == 0 )); then
    chown 65534:65534 "$server"
    chmod 755 "$WL_RUNTIME"
    chmod 644 "$WL_RUNTIME/sway.conf"
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  env -i PATH="$PATH" HOME="$server" XDG_RUNTIME_DIR="$server" WLR_BACKENDS=headless \
      WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as[@]}" sway -c "$WL_RUNTIME/sway.conf" \
      >"$E2E_OUT/sway.log" 2>&1 &
  SWAY_PID=$!
  local deadline=$((SECONDS + 20))
  until [[ -S "$server/wayland-1" ]] && SWAYSOCK=$(compgen -G "$server/sway-ipc.*.sock"); do
    ((SECONDS < deadline)) || fail "sway did not start (see $E2E_OUT/sway.log)"
    kill -0 "$SWAY_PID" 2>/dev/null || fail "sway ended at start (see $E2E_OUT/sway.log)"
    sleep 0.1
  done
  export SWAYSOCK WAYLAND_DISPLAY="$server/wayland-1" XDG_RUNTIME_DIR="$client" QT_QPA_PLATFORM=wayland
  unset DISPLAY
  # The input devices take commands through one pipe and answer through another.
  mkfifo "$WL_RUNTIME/input" "$WL_RUNTIME/answers"
  python3 "$(dirname "${BASH_SOURCE[0]}")/virtual-input.py" <"$WL_RUNTIME/input" \
    >"$WL_RUNTIME/answers" 2>"$E2E_OUT/input.log" &
  INPUT_PID=$!
  exec {INPUT_TO}>"$WL_RUNTIME/input" {INPUT_FROM}<"$WL_RUNTIME/answers"
  input_answer ready
}

# Reads the input devices' answer and fails unless it is $1.
input_answer() {
  local answer=""
  read -r -t 20 answer <&"$INPUT_FROM" || true
  [[ "$answer" == "$1" ]] || fail "virtual input: '$answer' where '$1' was due (see $E2E_OUT/input.log)"
}

# Sends one command to the input devices (virtual-input.py says which) and returns once the
# compositor has taken all its events.
input_command() {
  echo "$*" >&"$INPUT_TO"
  input_answer "done"
}

# Every window as a line "con_id<TAB>app_id<TAB>fullscreen<TAB>focused<TAB>x y width height
# (the client area on the output)<TAB>title".
windows_of_sway() {
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid"):
        r, w = node["rect"], node["window_rect"]
        print("%d\t%s\t%d\t%d\t%d %d %d %d\t%s" % (node["id"], node.get("app_id"), node.get("fullscreen_mode", 0),
              node.get("focused", False), r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"], node.get("name")))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}

# The con_id of a mapped window whose title is exactly $1 (lib.sh's wait_window waits for it).
find_window() {
  windows_of_sway | awk -F'\t' -v t="$1" '$6 == t { print $1; exit }'
}

# The line of windows_of_sway for window $1.
window_line() {
  windows_of_sway | awk -F'\t' -v id="$1" '$1 == id'
}

# How many windows titled exactly $1 are mapped.
count_windows() {
  windows_of_sway | awk -F'\t' -v t="$1" '$6 == t' | wc -l
}

# Waits until window $1 has sway's focus, where typed keys go (after a box closes, the focus
# passes back to the window below a little later).
wait_focused() {
  local deadline=$((SECONDS + ${2:-10}))
  until [[ "$(window_line "$1" | cut -f4)" == 1 ]]; do
    ((SECONDS < deadline)) || fail "window $1 never got the focus"
    sleep 0.1
  done
}

# Sets X, Y, WIDTH and HEIGHT to window $1's client area.
window_geometry() {
  local line
  line=$(window_line "$1")
  [[ -n "$line" ]] || fail "window $1 is not mapped"
  read -r X Y WIDTH HEIGHT < <(cut -f5 <<<"$line")
}

game_geometry() {
  window_geometry "$1"
  page_corners
}

shot() {
  grim "$E2E_OUT/$1.png"
}

pointer_to() {
  swaymsg seat seat0 cursor set "$1" "$2" >/dev/null
}

click_at() {
  pointer_to "$1" "$2"
  input_command click 1
}

# Both clicks come from one command with timestamps of their own, well inside Qt's interval.
double_click_at() {
  pointer_to "$1" "$2"
  input_command click 2
}

# Types the keys ("Return", "F4", "x"; "alt+m", "ctrl+q" for a key with a modifier held) into
# the focused window.
key() {
  input_command key "$@"
}
