#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# 終了 from every state of the program. Each row of the table starts the real program, brings it
# into one state, chooses 終了 with the keyboard (Alt+M, X) after a delay, optionally queues more
# input behind it (a click on the menu bar, a click on the board, F4, Up, Return: the input that
# once reopened a menu of the closed window and kept the program running with no window), and
# checks that the process is gone within a deadline with exit status 0.
#
#   exit.sh [state...]      the rows of these states only (all rows when none is named)
#
# States behind a modal box (the announcement, the result, the closing message, the boss
# screen) take no menu command while the box is up, and keys typed while it closes go to the
# box: there 終了 is chosen the given delay after the box has gone.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"

# state            delay (s)  queued input after 終了
CASES=(
  "title             0     no"
  "title             0.3   yes"
  "announcement      0     yes"
  "announcement      0.3   no"
  "pause             0.7   yes"
  "pause             0.9   no"
  "animation         0     yes"
  "animation         0.15  yes"
  "animation         0.3   no"
  "new-board         0     yes"
  "new-board         0.25  no"
  "new-board         0.45  yes"
  "boss              0     yes"
  "boss              0.3   no"
  "boss-in-pause     0     yes"
  "result            0     yes"
  "result            0.4   no"
  "reward-fade       0     yes"
  "reward-fade       0.4   no"
  "closing           0     yes"
  "closing           0.3   no"
)
# The rows of the states named as arguments run (every row when none is named), so that the
# table can be run in parts side by side.
STATES=" $* "

start_display

wait_boxes() {   # waits until $1 message boxes are shown
  local want=$1 deadline=$((SECONDS + ${2:-20}))
  until (( $(boxes) == want )); do
    ((SECONDS < deadline)) || fail "$STATE: expected $want message boxes, $(boxes) shown"
    sleep 0.1
  done
}
# The centre pixels of the top-left $1 by $1 cells of the board on the screen, on one line.
corner_board() {
  shot corner
  cell_colours corner "$gx" "$gy" "$1" | paste -sd' '
}
# Waits until the board reads the same twice 0.8 s apart (longer than the computer's pause with
# nothing drawn), or a box is up.
settle() {
  local last="" now deadline=$((SECONDS + 60))
  while ((SECONDS < deadline)); do
    now=$(corner_board 4)
    if [[ "$now" == "$last" ]] || (( $(boxes) >= 1 )); then return 0; fi
    last=$now
    sleep 0.8
  done
  fail "$STATE: the board never settled"
}
focus_main() { xdotool windowfocus --sync "$win"; }
# Waits until the boss screen shows its white text at the top left of the screen.
wait_boss() {
  local deadline=$((SECONDS + 20))
  until [[ "$(import -window root -crop 320x24+0+0 -format '%[fx:maxima.r>0.9]' info: 2>/dev/null)" == "1" ]]; do
    ((SECONDS < deadline)) || fail "$STATE: no boss screen"
    sleep 0.2
  done
}

# The program on the game page against the first opponent, after the announcement.
to_game() {
  click_first_opponent
  wait_boxes 1
  xdotool key Return
  # The computer's opening at (2, 4): its cell turns from the purple ground to a disc.
  local deadline=$((SECONDS + 30))
  until [[ "$(corner_board 5 | cut -d' ' -f23)" != "128,0,128" ]]; do
    ((SECONDS < deadline)) || fail "$STATE: no opening move"
    sleep 0.2
  done
  focus_main
}
# A 4 by 4 match played to a loss (the same clicks always give the same match), up to the
# result box.
to_result() {
  to_game
  click_cell 3 3   # focuses the grid; an occupied cell only beeps
  for _ in 1 2 3 4; do xdotool key Down; settle; done
  for move in "0 1" "2 0" "3 2" "2 3"; do
    click_cell "${move% *}" "${move#* }"
    settle
  done
  wait_boxes 1
}
# The picture page with the first picture shown, the fade button under it.
to_pictures() {
  to_result
  xdotool key Return
  wait_boxes 0
  PICTURE=$(settled_picture picture)   # the first picture fades in
}
more() { xdotool mousemove $((px + 320)) $((py + 446)) click 1; }

EXIT_KEYS=(key alt+m x)
QUEUED=()
# With no window manager the keyboard focus goes nowhere when a box closes: give it back first.
choose_exit() { xdotool windowfocus --sync "$win" sleep "$DELAY" "${EXIT_KEYS[@]}" "${QUEUED[@]}"; }
# Closes the box that is up with Return and chooses 終了 once it has gone.
exit_after_box() {
  xdotool key Return
  wait_boxes 0
  choose_exit
}
# Brings the program into $STATE and chooses 終了 there after $DELAY seconds, then $QUEUED.
run_state() {
  case $STATE in
    title)
      choose_exit ;;
    announcement)
      click_first_opponent
      wait_boxes 1
      exit_after_box ;;
    pause|animation)
      # The player's move at (2, 3): its animation, then the computer's half-second pause.
      to_game
      read -r cx cy < <(cell_at 2 3); xdotool mousemove "$cx" "$cy" click 1 sleep "$DELAY" "${EXIT_KEYS[@]}" "${QUEUED[@]}" ;;
    new-board)
      # Down starts a 7 by 7 board; the computer's opening and its pause run in the key handler.
      to_game
      read -r cx cy < <(cell_at 3 3); xdotool mousemove "$cx" "$cy" click 1
      xdotool key Down sleep "$DELAY" "${EXIT_KEYS[@]}" "${QUEUED[@]}" ;;
    boss)
      to_game
      focus_main; xdotool key F4
      wait_boss
      close_boss; choose_exit ;;
    boss-in-pause)
      # F4 queued behind the player's move opens the boss screen inside the computer's pause.
      to_game
      focus_main; read -r cx cy < <(cell_at 2 3); xdotool mousemove "$cx" "$cy" click 1 key F4
      wait_boss
      close_boss; choose_exit ;;
    result)
      to_result
      exit_after_box ;;
    reward-fade)
      to_pictures
      more; choose_exit ;;
    closing)
      to_pictures
      # Each click once the picture it brings is at rest: two clicks close together would be
      # a double click, which clicks no button.
      more; PICTURE=$(next_picture picture "$PICTURE")
      more; next_picture picture "$PICTURE" >/dev/null
      more
      wait_boxes 1
      exit_after_box ;;
    *) fail "unknown state $STATE" ;;
  esac
}

# The window's place is the same at every start: learn it once.
start_game
win=$(wait_window 'タルヴォ!!')
game_geometry "$win"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""

ran=0
for row in "${CASES[@]}"; do
  read -r STATE DELAY queued <<<"$row"
  [[ "$STATES" == "  " || "$STATES" == *" $STATE "* ]] || continue
  QUEUED=()
  read -r cx cy < <(cell_at 5 5)
  [[ $queued == yes ]] && QUEUED=(mousemove $((px + 20)) $((py - 10)) click 1
                                  mousemove "$cx" "$cy" click 1 key F4 Up Return)
  started=$SECONDS
  start_game
  win=$(wait_window 'タルヴォ!!')
  run_state
  echo "case: $STATE, 終了 after ${DELAY}s, queued input: $queued"
  wait_exit 10
  (( EXIT_STATUS == 0 )) || fail "$STATE, 終了 after ${DELAY}s: exit status $EXIT_STATUS"
  echo "  ended with status 0 ($((SECONDS - started)) s)"
  ran=$((ran + 1))
done
(( ran > 0 )) || fail "no case ran"
echo "$ran cases; screenshots in $E2E_OUT"
