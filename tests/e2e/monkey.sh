#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# A seeded random driver of the real window: clicks anywhere on the window (menu bar and open
# menus included), double clicks, the arrow keys, Return, Escape and F4, sent in bursts. It
# answers message boxes, closes the boss screen, and starts the program again after a
# legitimate exit (status 0); any other end fails the run. Every CHECK_EVERY events it checks
# that the program answers (a menu opens within a deadline) and that the board on the screen,
# when the game page shows, is a position the rules allow.
#
#   monkey.sh [events] [seed]      (defaults: 1500, 13)
#
# The events come from bash's generator seeded with the seed alone, so a run replays exactly:
# the same seed sends the same events in the same bursts (the list is kept in events.log).
# The figures at the end: events, restarts, checks, slowest answer, memory at start and end.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"

EVENTS=${1:-1500}
SEED=${2:-13}
CHECK_EVERY=${CHECK_EVERY:-200}
ANSWER_DEADLINE=20   # seconds for a menu to open: the longest move animation is a few seconds

# The information command must not start a browser: a stand-in records the address instead.
stub="$E2E_OUT/stub-bin"
mkdir -p "$stub"
printf '#!/bin/sh\necho "$@" >>"%s/opened-urls"\n' "$E2E_OUT" >"$stub/xdg-open"
chmod +x "$stub/xdg-open"
export PATH="$stub:$PATH" BROWSER="$stub/xdg-open"

rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$APP_PID/status" 2>/dev/null || echo 0; }
now_ms() { date +%s%3N; }

start_display
start_game
win=$(wait_window 'タルヴォ!!')
game_geometry "$win"
wx=$X; wy=$Y; ww=$WIDTH; wh=$HEIGHT
rss_start=$(rss_kb)

# --- The board check -------------------------------------------------------------------------
# Fingerprints of the three cell pictures a settled board shows (empty, black, white), learnt
# from the opening position of the first match: black at (3,3), white at (4,3), (0,0) empty.
# Each fingerprint is a hash of every pixel of the cell, so a cell showing anything else (a
# frame of a turning disc, a stale or torn drawing) matches none of them.
grab_board() {    # the grid as text pixels into $E2E_OUT/$1.txt
  import -window root -crop "$(grid_crop 8)" -depth 8 txt:- >"$E2E_OUT/$1.txt" 2>/dev/null
}
cell_prints() {   # one line per cell: "col row corner hash"; the corner says live or dimmed
  awk -F'[ ,:()]+' -v cw="$CELL_W" -v ch="$CELL_H" '
      NR > 1 {
        x = $1; y = $2; cx = x % cw; cy = y % ch
        if (cx >= cw - 2 || cy >= ch - 2) next
        c = int(x / cw); r = int(y / ch); v = ($3 * 256 + $4) * 256 + $5
        h[c, r] = (h[c, r] * 31 + v) % 1000000007
        if (cx == 1 && cy == 1) corner[c, r] = $3 "," $4 "," $5
      }
      END { for (r = 0; r < 8; r++) for (c = 0; c < 8; c++) print c, r, corner[c, r], h[c, r] }' "$E2E_OUT/$1.txt"
}

click_first_opponent
deadline=$((SECONDS + 20))
until (( $(boxes) >= 1 )); do ((SECONDS < deadline)) || fail "no announcement"; sleep 0.1; done
xdotool key Return
deadline=$((SECONDS + 30))
until grab_board calibration && cell_prints calibration >"$E2E_OUT/calibration.prints" &&
      [[ "$(awk '$1 == 2 && $2 == 4 { print $4 }' "$E2E_OUT/calibration.prints")" == "$(awk '$1 == 3 && $2 == 3 { print $4 }' "$E2E_OUT/calibration.prints")" ]]; do
  ((SECONDS < deadline)) || fail "calibration: no opening move at (2, 4)"
  sleep 0.3
done
print_of() { awk -v c="$1" -v r="$2" '$1 == c && $2 == r { print $4 }' "$E2E_OUT/calibration.prints"; }
EMPTY=$(print_of 0 0); BLACK=$(print_of 3 3); WHITE=$(print_of 4 3)
LIVE_CORNER=$(awk '$1 == 0 && $2 == 0 { print $3 }' "$E2E_OUT/calibration.prints")
[[ "$EMPTY" != "$BLACK" && "$BLACK" != "$WHITE" && "$EMPTY" != "$WHITE" ]] || fail "calibration: the cell pictures are not told apart"

# Reads the board of screenshot $1 and prints "size" and the board as '.', 'x', 'o' lines, or
# fails with the reason the position is not one the rules allow:
#  - the live square is the top-left n by n cells (4 <= n <= 8) and every other cell is dimmed;
#  - every live cell shows exactly the empty, black or white cell picture;
#  - the four centre cells of the live square hold discs (discs are never taken away);
#  - every disc touches the centre group through discs (each move is played next to a disc).
check_board() {
  cell_prints "$1" | awk -v E="$EMPTY" -v B="$BLACK" -v W="$WHITE" -v LIVE="$LIVE_CORNER" '
    { live[$1, $2] = ($3 == LIVE); k = "?"; if ($4 == E) k = "."; else if ($4 == B) k = "x"; else if ($4 == W) k = "o"; cell[$1, $2] = k }
    END {
      n = 0; while (n < 8 && live[n, n]) n++
      if (n < 4) { print "live square of " n " cells"; exit 1 }
      for (r = 0; r < 8; r++) for (c = 0; c < 8; c++) {
        if (live[c, r] != (c < n && r < n)) { print "cell " c "," r " is " (live[c, r] ? "live" : "dimmed") " on a board of " n; exit 1 }
        if (c < n && r < n && cell[c, r] == "?") { print "cell " c "," r " shows no cell picture"; exit 1 }
      }
      h = int(n / 2)
      for (c = h - 1; c <= h; c++) for (r = h - 1; r <= h; r++)
        if (cell[c, r] == ".") { print "centre cell " c "," r " is empty"; exit 1 }
      # Discs reached from the centre through neighbouring discs.
      reached[h, h] = 1; changed = 1
      while (changed) {
        changed = 0
        for (c = 0; c < n; c++) for (r = 0; r < n; r++) {
          if (reached[c, r] || cell[c, r] == ".") continue
          for (dc = -1; dc <= 1; dc++) for (dr = -1; dr <= 1; dr++)
            if (((c + dc) SUBSEP (r + dr)) in reached) { reached[c, r] = 1; changed = 1 }
        }
      }
      for (c = 0; c < n; c++) for (r = 0; r < n; r++)
        if (cell[c, r] != "." && !reached[c, r]) { print "disc " c "," r " touches no other disc"; exit 1 }
      print n
      for (r = 0; r < n; r++) { line = ""; for (c = 0; c < n; c++) line = line cell[c, r]; print line }
    }'
}

# --- Keeping the program going ---------------------------------------------------------------
restarts=0; answered=0; bosses=0
# After a burst: a program that ended must have ended with status 0, and starts again.
restart_if_ended() {
  kill -0 "$APP_PID" 2>/dev/null && return 0
  EXIT_STATUS=0
  wait "$APP_PID" || EXIT_STATUS=$?
  APP_PID=""
  (( EXIT_STATUS == 0 )) || fail "the program ended with status $EXIT_STATUS after event $sent (seed $SEED)"
  restarts=$((restarts + 1))
  start_game
  win=$(wait_window 'タルヴォ!!')
}
# Answers a message box and closes the boss screen; true when there was one.
clear_modal() {
  if boss_shown; then
    xdotool mousemove 60 12 click --repeat 2 --delay 80 1
    bosses=$((bosses + 1)); return 0
  fi
  if (( $(boxes) >= 1 )); then
    xdotool key Return
    answered=$((answered + 1)); return 0
  fi
  return 1
}
# The menu popup of モード, seen as a new window of the program on the screen.
menu_shown() { (( $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l) > $1 )); }

slowest_ms=0; checks=0; board_checks=0
# The program answers: with no box up, Alt+M opens the menu within the deadline.
check_alive() {
  local start deadline base took
  start=$(now_ms); deadline=$((SECONDS + ANSWER_DEADLINE))
  while :; do
    ((SECONDS < deadline)) || { shot hung; fail "no menu within ${ANSWER_DEADLINE}s after event $sent (seed $SEED); see $E2E_OUT/hung.png"; }
    restart_if_ended
    if clear_modal; then sleep 0.3; continue; fi
    xdotool key Escape Escape   # an open menu closes
    base=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l)
    xdotool windowfocus --sync "$win" 2>/dev/null || true
    xdotool key alt+m
    local until_ms=$(( $(now_ms) + 3000 ))
    while (( $(now_ms) < until_ms )); do
      if menu_shown "$base"; then
        took=$(( $(now_ms) - start ))
        (( took > slowest_ms )) && slowest_ms=$took
        xdotool key Escape Escape
        checks=$((checks + 1))
        return 0
      fi
      if (( $(boxes) >= 1 )) || boss_shown; then break; fi   # a box came first: answer it, ask again
      sleep 0.05
    done
  done
}
# The board, when the game page shows and it has settled, is a position the rules allow.
check_position() {
  local last="" now deadline=$((SECONDS + 15)) verdict
  while ((SECONDS < deadline)); do
    if (( $(boxes) >= 1 )) || boss_shown; then return 0; fi
    grab_board position
    # The game page: silver grid lines right of the first cell and below it.
    grep -q '^40,5: (192,192,192)' "$E2E_OUT/position.txt" && grep -q '^5,50: (192,192,192)' "$E2E_OUT/position.txt" || return 0
    now=$(cell_prints position)
    if [[ "$now" == "$last" ]]; then
      # The same picture twice, 0.8 s apart: the board has settled, and must be a position.
      if ! verdict=$(check_board position); then
        shot position-refused
        fail "after event $sent (seed $SEED): the board is no position the rules allow: $verdict (see $E2E_OUT/position-refused.png)"
      fi
      board_checks=$((board_checks + 1))
      return 0
    fi
    last=$now
    sleep 0.8   # the computer may be moving
  done
}

# --- The events ------------------------------------------------------------------------------
RANDOM=$SEED
: >"$E2E_OUT/events.log"
# Appends one random event to the array `burst`.
next_event() {
  local roll=$((RANDOM % 100)) x y
  if ((roll < 45)); then
    # A click: mostly anywhere on the window, often on the menu bar or where its menus open.
    case $((RANDOM % 4)) in
      0) x=$((wx + RANDOM % 140)); y=$((wy + RANDOM % (py - wy))) ;;           # the menu bar
      1) x=$((wx + RANDOM % 220)); y=$((py + RANDOM % 120)) ;;                 # its open menus
      *) x=$((wx + RANDOM % ww)); y=$((wy + RANDOM % wh)) ;;
    esac
    burst+=(mousemove "$x" "$y" click 1)
  elif ((roll < 53)); then
    x=$((wx + RANDOM % ww)); y=$((wy + RANDOM % wh))
    burst+=(mousemove "$x" "$y" click --repeat 2 --delay 80 1)
  elif ((roll < 85)); then
    local arrows=(Left Right Up Down)
    burst+=(key "${arrows[RANDOM % 4]}")
  elif ((roll < 92)); then
    burst+=(key Return)
  elif ((roll < 98)); then
    burst+=(key Escape)
  else
    burst+=(key F4)
  fi
  local pauses=(0 0 0.02 0.05 0.1)
  burst+=(sleep "${pauses[RANDOM % 5]}")
}

sent=0; next_check=$CHECK_EVERY
started=$SECONDS
while ((sent < EVENTS)); do
  burst=()
  size=$((10 + RANDOM % 30))
  ((sent + size > EVENTS)) && size=$((EVENTS - sent))
  for ((i = 0; i < size; i++)); do next_event; done
  echo "${burst[*]}" >>"$E2E_OUT/events.log"
  xdotool "${burst[@]}"
  sent=$((sent + size))
  restart_if_ended
  clear_modal || true
  if ((sent >= next_check || sent >= EVENTS)); then
    check_alive
    check_position
    next_check=$((next_check + CHECK_EVERY))
  fi
done
rss_end=$(rss_kb)

echo "monkey, seed $SEED: $sent events in $((SECONDS - started)) s, $restarts restarts after 終了," \
     "$answered boxes answered and $bosses boss screens closed by the monkey"
echo "  $checks liveness checks (slowest answer ${slowest_ms} ms), $board_checks board positions checked"
echo "  memory (VmRSS) at start ${rss_start} kB, at the end ${rss_end} kB (the process running then)"
