# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# shellcheck disable=SC2034  # the layout and EXIT_STATUS are read by the scripts that source this
# Helpers of the end-to-end tests: a private Xvfb display, the real program started from its
# own folder, xdotool input, and pixels read from screenshots. Every wait has a deadline, so a
# hang fails the test instead of stalling it.
set -euo pipefail

: "${TARVO_BIN_DIR:?TARVO_BIN_DIR must name the folder of the built program}"
E2E_OUT=${E2E_OUT:-$(mktemp -d /tmp/tarvo-e2e.XXXXXX)}
mkdir -p "$E2E_OUT"
XVFB_PID=""
APP_PID=""

# Ends the program under test if it still runs, and waits until it has gone.
stop_program() {
  [[ -n "$APP_PID" ]] || return 0
  kill "$APP_PID" 2>/dev/null || true
  local deadline=$((SECONDS + 10))
  while kill -0 "$APP_PID" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.05; done
  kill -KILL "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
}

# The program first, and only once it has gone its display.
cleanup() {
  stop_program
  if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb on a free display number and exports DISPLAY; the program runs on X there.
start_display() {
  start_xvfb
  unset QT_QPA_PLATFORM
}

# Starts Xvfb on a free display number and exports DISPLAY (a nested compositor's screen too).
start_xvfb() {
  local fdfile="$E2E_OUT/display"
  exec 9>"$fdfile"
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$E2E_OUT/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local deadline=$((SECONDS + 20))
  until [[ -s "$fdfile" ]]; do
    ((SECONDS < deadline)) || fail "Xvfb did not start"
    sleep 0.1
  done
  DISPLAY=":$(head -n1 "$fdfile")"
  export DISPLAY
}

# Starts the program from its own folder, as `make run` does.
start_game() {
  (cd "$TARVO_BIN_DIR" && exec ./tarvo) >"$E2E_OUT/game.log" 2>&1 &
  APP_PID=$!
}

# The id of a mapped window whose title is exactly $1; nothing when there is none.
find_window() {
  xdotool search --onlyvisible --name "^${1}\$" 2>/dev/null | head -n1 || true
}

# Waits until a window whose title is exactly $1 is mapped; prints its id.
wait_window() {
  local title=$1 timeout=${2:-20} id=""
  local deadline=$((SECONDS + timeout))
  while ((SECONDS < deadline)); do
    id=$(find_window "$title")
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended while waiting for '$title'"
    sleep 0.2
  done
  fail "no window '$title' within ${timeout}s"
}

# Screenshot of the whole screen into $E2E_OUT/$1.png.
shot() {
  import -window root "$E2E_OUT/$1.png"
}

# The colour of pixel (x, y) of screenshot $1 as "r,g,b".
pixel() {
  convert "$E2E_OUT/$1.png" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# The top-left corner of window $1's client area on the screen, as "x y".
window_origin() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y"
}

# Waits until pixel (x, y) of the screen has colour $3 (an "r,g,b" or a regular expression).
wait_pixel() {
  local x=$1 y=$2 want=$3 timeout=${4:-20} name=${5:-wait}
  local deadline=$((SECONDS + timeout)) got=""
  while ((SECONDS < deadline)); do
    shot "$name"
    got=$(pixel "$name" "$x" "$y")
    [[ "$got" =~ ^($want)$ ]] && return 0
    sleep 0.2
  done
  fail "pixel ($x,$y) is $got, not $want, after ${timeout}s (see $E2E_OUT/$name.png)"
}

click_at() {
  xdotool mousemove "$1" "$2" click 1
}

# The main window's layout, the one definition that every script and tools/ use: the pages
# (PAGE_HEIGHT high) sit at the bottom of the window, below the menu bar; the grid's top-left
# corner is at (GRID_X, GRID_Y) of the page; a cell is CELL_W by CELL_H, clicked at
# (CELL_CLICK_X, CELL_CLICK_Y) of itself and read at (CELL_READ_X, CELL_READ_Y), where its
# disc shows; the first opponent's face on the title page is at (THUMB_X, THUMB_Y).
readonly PAGE_WIDTH=640 PAGE_HEIGHT=480 GRID_X=152 GRID_Y=31 CELL_W=42 CELL_H=52
readonly CELL_CLICK_X=20 CELL_CLICK_Y=25 CELL_READ_X=20 CELL_READ_Y=31 THUMB_X=429 THUMB_Y=325

# Learns where the pages of game window $1 are: sets X, Y, WIDTH and HEIGHT (the window), px
# and py (the page's top-left corner), gx and gy (the grid's), tx and ty (the first face).
game_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  page_corners
}

# Sets px, py, gx, gy, tx and ty from the game window's client area in X, Y and HEIGHT.
page_corners() {
  px=$X; py=$((Y + HEIGHT - PAGE_HEIGHT))
  gx=$((px + GRID_X)); gy=$((py + GRID_Y))
  tx=$((px + THUMB_X)); ty=$((py + THUMB_Y))
}

# The screen point where cell (col $1, row $2) is clicked, as "x y".
cell_at() {
  echo $((gx + CELL_W * $1 + CELL_CLICK_X)) $((gy + CELL_H * $2 + CELL_CLICK_Y))
}

click_cell() {
  local x y
  read -r x y < <(cell_at "$1" "$2")
  click_at "$x" "$y"
}

click_first_opponent() {
  click_at "$tx" "$ty"
}

# The grid's $1 by $1 top-left cells (8 by default) as a crop geometry of the screen.
grid_crop() {
  local cells=${1:-8}
  echo "$((CELL_W * cells))x$((CELL_H * cells))+${gx}+${gy}"
}

# The colours of the top-left $4 by $4 cells (8 by default) of screenshot $1 where their discs
# show, each as "r,g,b", one line a row; $2 $3 is the top-left corner of the grid on the screen.
# Only those pixels are read, not the whole grid.
cell_colours() {
  local name=$1 gx=$2 gy=$3 cells=${4:-8} r c x y format=""
  for ((r = 0; r < cells; r++)); do
    for ((c = 0; c < cells; c++)); do
      x=$((gx + CELL_W * c + CELL_READ_X)); y=$((gy + CELL_H * r + CELL_READ_Y))
      ((c == 0)) || format+=" "
      format+="%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]"
    done
    format+="\n"
  done
  convert "$E2E_OUT/$name.png" -format "$format" info:
}

# The board as 8 lines of '.', 'x' (black) and 'o' (white), read from screenshot $1 at the
# centre of every cell; $2 $3 is the top-left corner of the grid on the screen.
board_state() {
  cell_colours "$1" "$2" "$3" 8 |
    awk '{
      line = ""
      for (i = 1; i <= NF; i++) {
        split($i, v, ","); r = v[1]; g = v[2]; b = v[3]
        c = "."
        if (r > 180 && g > 180 && b > 180) c = "o"
        else if (r < 90 && g < 90 && b < 90 && g + 20 > r) c = "x"   # grey, not the dimmed purple of a cell out of play
        line = line c
      }
      print line
    }'
}

# How many cells of the board hold $4 ('x' or 'o').
count_discs() {
  board_state "$1" "$2" "$3" | tr -cd "$4" | wc -c
}

# Waits until the board on the screen satisfies the shell test "$4" on the variables
# black and white (their disc counts), e.g. 'black >= 5'.
wait_board() {
  local gx=$1 gy=$2 timeout=$3 cond=$4 name=${5:-board}
  local deadline=$((SECONDS + timeout)) black=0 white=0
  while ((SECONDS < deadline)); do
    shot "$name"
    black=$(count_discs "$name" "$gx" "$gy" x)
    white=$(count_discs "$name" "$gx" "$gy" o)
    # shellcheck disable=SC2004  # cond is an expression given by the caller, not a number
    if (( $cond )); then return 0; fi
    sleep 0.2
  done
  board_state "$name" "$gx" "$gy" >&2
  fail "board never met '$cond' (black $black, white $white) within ${timeout}s"
}

# The mean brightness of the picture page's picture in screenshot $1.
mean_of_picture() { convert "$E2E_OUT/$1.png" -crop "600x400+$((px + 20))+$((py + 20))" +repage -format '%[fx:mean]' info:; }

# The mean brightness of the shown picture once its fade has ended, from screenshots named $1:
# a fade shows one frame per display refresh, so two shots a little apart that agree show the
# picture at rest.
settled_picture() {
  local name=$1 last="" now deadline=$((SECONDS + 30))
  while ((SECONDS < deadline)); do
    shot "$name"
    now=$(mean_of_picture "$name")
    [[ "$now" == "$last" ]] && { echo "$now"; return 0; }
    last=$now
    sleep 0.5
  done
  fail "the picture never came to rest ($name)"
}

# After a click on "もっと!" on the picture at rest with mean $2: waits until the click's fade has
# begun (the picture is no longer that one) and the next picture has come to rest; prints its
# mean. The fades take no input, so the next click is not due before then.
next_picture() {
  local name=$1 deadline=$((SECONDS + 10))
  until shot "$name"; [[ "$(mean_of_picture "$name")" != "$2" ]]; do
    ((SECONDS < deadline)) || fail "the click on the button started no fade ($name)"
    sleep 0.1
  done
  settled_picture "$name"
}

# Waits at most $1 seconds for the program to end; sets EXIT_STATUS to its exit status.
wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$APP_PID" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "the program did not end within $1 s"
    sleep 0.05
  done
  EXIT_STATUS=0
  wait "$APP_PID" || EXIT_STATUS=$?
  APP_PID=""
}

# 終了 from the menu with the keyboard (`key` of the display's helpers) ends the program with
# status 0, and the program printed nothing but the sound system's absence (there is no audio
# server here).
quit_through_menu() {
  key alt+m x
  wait_exit 10
  (( EXIT_STATUS == 0 )) || fail "終了 ended the program with status $EXIT_STATUS"
  if grep -v -E '^$|^PulseAudioService: |^No audio device detected$' "$E2E_OUT/game.log"; then
    fail "the program printed the warnings above"
  fi
}
