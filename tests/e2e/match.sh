#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The real program under Xvfb: it starts on the title page; a click on the first thumbnail
# shows the announcement, Enter closes it, and the game page shows the computer's opening
# move; a click on a legal cell places the player's disc, and the computer answers.
source "$(dirname "$0")/lib.sh"

start_display
start_game
win=$(wait_window 'タルヴォ!!')
game_geometry "$win"
echo "$X $Y $WIDTH $HEIGHT" >"$E2E_OUT/window"   # for tools/readme-shots.sh

# The title page: the first thumbnail is a face, not the purple page.
shot title
[[ "$(pixel title "$tx" "$ty")" != "128,0,128" ]] || fail "no thumbnail on the title page"

# The announcement is a second window with the application's title; Enter closes it.
wait_announcement() {
  local deadline=$((SECONDS + 20))
  until (( $(xdotool search --onlyvisible --name '^タルヴォ!!$' | wc -l) >= 2 )); do
    ((SECONDS < deadline)) || fail "no announcement after choosing an opponent"
    sleep 0.2
  done
}
click_first_opponent
wait_announcement
shot announcement
xdotool key Return

# The computer opens at column 2, row 4, turning (3, 4): four black discs, one white.
wait_board $gx $gy 20 'black == 4 && white == 1' opening
[[ "$(board_state opening $gx $gy | sed -n 5p)" == "..xxx..." ]] || fail "the opening is not at (2,4)"

# The player's move at column 2, row 3 turns (3, 3). The computer answers after its pause with
# its greedy move, column 2, row 2, which turns (2, 3) and (3, 3) back: the game is deterministic.
click_cell 2 3
wait_board $gx $gy 20 'black == 6 && white == 1' answer
expected=$'........\n........\n..x.....\n..xxo...\n..xxx...\n........\n........\n........'
[[ "$(board_state answer $gx $gy)" == "$expected" ]] || { board_state answer $gx $gy >&2; fail "unexpected board after the answer"; }

# F4 during the computer's pause: the player's move at column 2, row 5 turns (3, 4); F4 waits in
# the queue through the animation and opens the boss screen in the pause; the computer moves
# only after the boss screen is closed with a double-click.
xdotool windowfocus --sync "$win"
click_cell 2 5
xdotool key F4
deadline=$((SECONDS + 20))
until [[ "$(shot boss; convert "$E2E_OUT/boss.png" -crop 320x24+0+0 -format '%[fx:maxima.r>0.9]' info:)" == "1" ]]; do
  ((SECONDS < deadline)) || fail "F4 in the computer's pause did not show the boss screen"
  sleep 0.2
done
# While the decoy is up, no window on the screen names the game or shows its icon.
boss=$(wait_window 'BossForm1')
[[ "$(xdotool getwindowname "$boss")" == "BossForm1" ]] || fail "the decoy is titled '$(xdotool getwindowname "$boss")'"
named=$(xdotool search --onlyvisible --name 'タルヴォ' || true)
[[ -z "$named" ]] || fail "windows still named after the game: $named"
[[ "$(xprop -id "$boss" _NET_WM_ICON)" != "$(xprop -id "$win" _NET_WM_ICON)" ]] || fail "the decoy shows the game's icon"
wm_class=$(xprop -id "$boss" WM_CLASS)
[[ "${wm_class,,}" != *tarvo* ]] || fail "the decoy's $wm_class names the game"
# Full screen, so that a window manager puts it over its panels too.
[[ "$(xprop -id "$boss" _NET_WM_STATE)" == *_NET_WM_STATE_FULLSCREEN* ]] || fail "the decoy is not full screen"
sleep 1.5   # well past the end of the pause: the computer still waits for the boss screen
xdotool mousemove 60 12 click --repeat 2 --delay 80 1
# The computer has answered once the board shows more than five black discs beside the
# player's at (2, 5). Until the game's window has drawn itself again, the screen still shows
# the boss screen's black there, which reads as black discs everywhere.
deadline=$((SECONDS + 20))
until shot after-boss; board=$(board_state after-boss $gx $gy)
      [[ "$(sed -n 6p <<<"$board" | cut -c3)" == "o" ]] && (( $(tr -cd x <<<"$board" | wc -c) > 5 )); do
  ((SECONDS < deadline)) || { echo "$board" >&2; fail "no answer of the computer beside the player's disc at (2,5)"; }
  sleep 0.2
done

# Closing the window in the computer's pause ends the program at once: the menu's exit,
# chosen with the keyboard while the pause lets input through.
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
start_game
win=$(wait_window 'タルヴォ!!')
click_first_opponent
wait_announcement
xdotool key Return
xdotool windowfocus --sync "$win" key alt+m x
wait_exit 5
(( EXIT_STATUS == 0 )) || fail "exit in the computer's pause ended with status $EXIT_STATUS"
echo "screenshots in $E2E_OUT"
