#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The game on Wayland (a headless sway): a message box takes the focus back when the game's
# window is clicked, a whole match to its result, the boss screen covering the whole output
# with nothing of the game about it, and 終了 ending the program with status 0; Qt prints no
# warning meanwhile.
source "$(dirname "$0")/wayland-lib.sh"

start_display
start_game
win=$(wait_window 'タルヴォ!!')
game_geometry "$win"

boxes() { count_windows 'タルヴォ!!'; }
wait_boxes() {
  local want=$1 deadline=$((SECONDS + ${2:-20}))
  until (( $(boxes) == want )); do
    ((SECONDS < deadline)) || fail "$((want - 1)) message box(es) expected, $(($(boxes) - 1)) shown"
    sleep 0.1
  done
}

# "ふぁいと!!" comes up; a click on the game's window beside it gives the focus to the game's
# window, which the box blocks: the box asks for the activation back and gets the keyboard
# again, so Return closes it. (sway raises what is clicked and does not raise a window it
# activates, nor keep a box above its parent: the box can stay drawn below the game here.)
click_first_opponent
wait_boxes 2
box=$(windows_of_sway | awk -F'\t' -v w="$win" '$6 == "タルヴォ!!" && $1 != w { print $1 }')
click_at $((px + 60)) $((py + 420))
wait_focused "$box"
shot box-after-click
key Return
wait_boxes 1
wait_board "$gx" "$gy" 20 'black == 4 && white == 1' opening

# A whole match on the 4 by 4 board (Down four times from 8 by 8), white played by the first
# legal move on the board as read from the screen, until the result is announced.
settled_board() {
  local last="" now deadline=$((SECONDS + 40))
  while ((SECONDS < deadline)); do
    shot settle
    now=$(board_state settle "$gx" "$gy" | head -n 4 | cut -c1-4 | paste -sd/)
    if [[ "$now" == "$last" ]] || (( $(boxes) >= 2 )); then echo "$now"; return 0; fi
    last=$now
    sleep 2
  done
  fail "the board never settled"
}
# The first cell, as "col row", where a white disc turns a black one on board $1 (rows joined
# by "/"); nothing when white has no move.
white_move() {
  python3 - "$1" <<'PY'
import sys
rows = sys.argv[1].split("/")
n = len(rows)
def at(c, r): return rows[r][c] if 0 <= c < n and 0 <= r < n else None
for r in range(n):
    for c in range(n):
        if at(c, r) != ".":
            continue
        for dc, dr in [(1, 0), (-1, 0), (0, 1), (0, -1), (1, 1), (1, -1), (-1, 1), (-1, -1)]:
            k = 1
            while at(c + k * dc, r + k * dr) == "x":
                k += 1
            if k > 1 and at(c + k * dc, r + k * dr) == "o":
                print(c, r)
                sys.exit()
PY
}
click_cell 3 3
for _ in 1 2 3 4; do
  key Down
  settled_board >/dev/null
done
for _ in $(seq 16); do
  (( $(boxes) >= 2 )) && break
  board=$(settled_board)
  (( $(boxes) >= 2 )) && break
  move=$(white_move "$board")
  [[ -n "$move" ]] || fail "white has no move on $board and no result was announced"
  read -r col row <<<"$move"
  click_cell "$col" "$row"
  deadline=$((SECONDS + 10))
  until shot moved; [[ "$(board_state moved "$gx" "$gy" | head -n 4 | cut -c1-4 | paste -sd/)" != "$board" ]]; do
    ((SECONDS < deadline)) || fail "the click on ($col, $row) did not play on $board"
    sleep 0.1
  done
done
(( $(boxes) == 2 )) || fail "no result after the match"
echo "the match ended with $(settled_board)"
key Return
wait_boxes 1
wait_focused "$win"

# The boss screen: full screen over the whole output, titled BossForm1 alone, with an
# application id that is not the game's, white text on black; a double-click closes it.
key F4
boss=$(wait_window BossForm1)
deadline=$((SECONDS + 10))
until [[ "$(window_line "$boss" | cut -f3,5)" == $'1\t0 0 1280 1024' ]]; do
  ((SECONDS < deadline)) || fail "the boss screen does not cover the output: $(window_line "$boss")"
  sleep 0.1
done
app_id=$(window_line "$boss" | cut -f2)
[[ "${app_id,,}" != *tarvo* ]] || fail "the boss screen carries the game's application id '$app_id'"
(( $(boxes) == 0 )) || fail "a window named after the game is still mapped"
wait_pixel 1279 1023 '0,0,0' 10 boss
[[ "$(convert "$E2E_OUT/boss.png" -crop 320x24+0+0 -format '%[fx:maxima.r>0.9]' info:)" == "1" ]] \
  || fail "no white text at the top-left of the boss screen"
double_click_at 60 12
win=$(wait_window 'タルヴォ!!')
[[ "$(window_line "$win" | cut -f2)" == tarvo ]] || fail "the game came back without its own application id"

# 終了 from the menu ends the program with status 0, and nothing was printed.
wait_focused "$win"
quit_through_menu
echo "the game ran on Wayland; screenshots in $E2E_OUT"
