#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The whole game loop through the real window, won or lost (the first argument, "win" or
# "loss"): title page → the first opponent → the board shrunk to 4 by 4 with the Down key →
# a scripted match to its result (the game has no randomness, so the same clicks always give
# the same match) → the three pictures walked with "もっと!" (the opponent's after a win, the
# game-over pictures after a loss) → the closing message → the title page. After the win, the
# boss screen too: F4 covers the screen, a double-click on its text closes it.
source "$(dirname "$0")/lib.sh"
outcome=${1:?win or loss}

start_display
start_game
win=$(wait_window 'タルヴォ!!')
game_geometry "$win"
echo "$X $Y $WIDTH $HEIGHT" >"$E2E_OUT/window"   # for tools/readme-shots.sh

windows() { xdotool search --onlyvisible --name '^タルヴォ!!$' 2>/dev/null | wc -l; }
# Waits for a message box over the main window and closes it with Enter.
answer_message() {
  local deadline=$((SECONDS + ${1:-20}))
  until (( $(windows) >= 2 )); do
    ((SECONDS < deadline)) || fail "no message box"
    sleep 0.2
  done
  shot message
  xdotool key Return
  deadline=$((SECONDS + 10))
  until (( $(windows) == 1 )); do
    ((SECONDS < deadline)) || fail "the message box did not close"
    sleep 0.1
  done
}
# Waits until the board reads the same twice, two seconds apart (longer than any computer
# pause with its animation on a 4 by 4 board), or a message box is up; prints the board.
settled_board() {
  local last="" now deadline=$((SECONDS + 40))
  while ((SECONDS < deadline)); do
    shot settle
    now=$(board_state settle $gx $gy | head -n 4 | cut -c1-4)
    if [[ "$now" == "$last" ]] || (( $(windows) >= 2 )); then echo "$now"; return 0; fi
    last=$now
    sleep 2
  done
  fail "the board never settled"
}
expect_board() {   # the 4 by 4 board as one line of rows separated by "/"
  local got
  got=$(settled_board | paste -sd/)
  [[ "$got" == "$1" ]] || fail "board $got, expected $1 ($2)"
}

shot title
title_pixel=$(pixel title "$tx" "$ty")
click_first_opponent
answer_message
wait_board $gx $gy 20 'black == 4 && white == 1' opening

# Focus the grid with a click on an occupied cell (refused with a beep), then shrink the board
# with Down. Each Down restarts at the smaller size with the computer's opening, and the grid
# then moves its current cell one row down, which is a move attempt for the player.
click_cell 3 3
for _ in 1 2 3 4; do
  xdotool key Down
  settled_board >/dev/null
done
expect_board "..../.xo./xxx./ox.." "after shrinking to 4 by 4"

case $outcome in
  win)  moves=("0 1" "2 0" "3 2" "3 0" "2 3"); final="xxoo/oxoo/ooxo/ooox" ;;
  loss) moves=("0 1" "2 0" "3 2" "2 3");       final="xxxx/oxox/ooxx/ooox" ;;
  *) fail "unknown outcome $outcome" ;;
esac
for move in "${moves[@]}"; do
  click_cell "${move% *}" "${move#* }"
  settled_board >/dev/null
done
(( $(windows) >= 2 )) || fail "no result after the last move"
shot result
[[ "$(board_state result $gx $gy | head -n 4 | cut -c1-4 | paste -sd/)" == "$final" ]] || fail "unexpected final board"
answer_message

# The picture page: the first picture fades in above "もっと!", then two more, each different;
# the opponent's pictures are bright scenes, the game-over pictures dark ones.
button_x=$((px + 8 + 212 + 100)); button_y=$((py + 8 + 428 + 10))
means=("$(settled_picture stage1)")
for stage in 2 3; do
  click_at $button_x $button_y
  means+=("$(next_picture "stage$stage" "${means[-1]}")")
done
echo "picture brightness: ${means[*]}"
[[ "${means[0]}" != "${means[1]}" && "${means[1]}" != "${means[2]}" ]] || fail "the three pictures are not three different pictures"
for m in "${means[@]}"; do
  if [[ $outcome == win ]]; then
    awk -v m="$m" 'BEGIN { exit !(m > 0.4) }' || fail "a reward picture is too dark ($m) for the opponent's pictures"
  else
    awk -v m="$m" 'BEGIN { exit !(m < 0.3) }' || fail "a picture is too bright ($m) for the game-over pictures"
  fi
done
# The click on the third picture fades it out and shows the closing message; then the title.
click_at $button_x $button_y
answer_message 30
wait_pixel "$tx" "$ty" "$title_pixel" 10 title-again

if [[ $outcome == win ]]; then
  # The boss screen: F4 covers the screen with white text on black; a double-click closes it.
  xdotool windowfocus --sync "$win" mousemove $((px + 300)) $((py + 100)) key F4
  deadline=$((SECONDS + 10))
  until shot boss; [[ "$(convert "$E2E_OUT/boss.png" -crop 320x24+0+0 -format '%[fx:maxima.r>0.9]' info:)" == "1" ]]; do
    ((SECONDS < deadline)) || fail "no white text at the top-left of the boss screen"
    sleep 0.2
  done
  [[ "$(pixel boss "$tx" "$ty")" == "0,0,0" ]] || fail "the boss screen does not cover the main window"
  xdotool mousemove 60 12 click --repeat 2 --delay 80 1
  wait_pixel "$tx" "$ty" "$title_pixel" 10 boss-closed
fi
echo "the whole loop ran ($outcome); screenshots in $E2E_OUT"
