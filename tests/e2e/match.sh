#!/usr/bin/env bash
# The real program under Xvfb: it starts on the title page; a click on the first thumbnail
# shows the announcement, Enter closes it, and the game page shows the computer's opening
# move; a click on a legal cell places the player's disc, and the computer answers.
source "$(dirname "$0")/lib.sh"

start_display
start_game
win=$(wait_window 'タルヴォ!!')
read -r wx wy < <(window_origin "$win")
eval "$(xdotool getwindowgeometry --shell "$win")"
py=$((wy + HEIGHT - 480))   # the pages sit below the menu bar
px=$wx

# The title page: the first thumbnail is a face, not the purple page.
shot title
[[ "$(pixel title $((px + 429)) $((py + 325)))" != "128,0,128" ]] || fail "no thumbnail on the title page"

click_at $((px + 429)) $((py + 325))
# The announcement is a second window with the application's title; Enter closes it.
deadline=$((SECONDS + 20))
until (( $(xdotool search --onlyvisible --name '^タルヴォ!!$' | wc -l) >= 2 )); do
  ((SECONDS < deadline)) || fail "no announcement after choosing an opponent"
  sleep 0.2
done
shot announcement
xdotool key Return

gx=$((px + 152)); gy=$((py + 31))
# The computer opens at column 2, row 4, turning (3, 4): four black discs, one white.
wait_board $gx $gy 20 'black == 4 && white == 1' opening
[[ "$(board_state opening $gx $gy | sed -n 5p)" == "..xxx..." ]] || fail "the opening is not at (2,4)"

# The player's move at column 2, row 3 turns (3, 3). The computer answers after its pause with
# its greedy move, column 2, row 2, which turns (2, 3) and (3, 3) back: the game is deterministic.
click_at $((gx + 42 * 2 + 20)) $((gy + 52 * 3 + 25))
wait_board $gx $gy 20 'black == 6 && white == 1' answer
expected=$'........\n........\n..x.....\n..xxo...\n..xxx...\n........\n........\n........'
[[ "$(board_state answer $gx $gy)" == "$expected" ]] || { board_state answer $gx $gy >&2; fail "unexpected board after the answer"; }
echo "screenshots in $E2E_OUT"
